#include "core/record_fields.h"

#include "core/cp1252.h"
#include "core/scramble.h"

namespace glosbo::core {
namespace {

constexpr int kMaxFields = 10;

bool isAnswerPunctuation(char c) {
    switch (static_cast<unsigned char>(c)) {
    case '!':
    case ',':
    case '.':
    case '?':
    case 168:
    case 173:
        return true;
    default:
        return false;
    }
}

// Cleans a text and drops one punctuation mark at each end.
void prepare(std::string& text) {
    text = MellanslagBort(text);
    if (!text.empty() && isAnswerPunctuation(text.front())) text.erase(0, 1);
    if (!text.empty() && isAnswerPunctuation(text.back())) text.pop_back();
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace

RecordFields str_postarray(std::string_view rawLine) {
    RecordFields r;
    const std::string line = rawLine.empty() ? std::string() : dekryptrad(rawLine);
    bool alternatives = false;

    // Finishing a field: leading spaces go (a field of spaces keeps one), a
    // leading '&' switches on the alternatives, which run to the end.
    const auto finish = [&](std::string& f) {
        if (!f.empty()) {
            const auto first = f.find_first_not_of(' ');
            f.erase(0, first == std::string::npos ? f.size() - 1 : first);
            if (f.front() == '&') {
                f.erase(0, 1);
                alternatives = true;
            }
        }
        if (alternatives) ++r.alternativeCount;
    };

    if (line.empty()) return r;
    int f = 1;
    std::size_t start = 0;
    while (start <= line.size()) {
        auto end = line.find('#', start);
        if (end == std::string::npos) end = line.size();
        r.field[f] += line.substr(start, end - start);
        finish(r.field[f]);
        r.fieldCount = static_cast<std::uint16_t>(f);
        if (end >= line.size() - 1) break; // a '#' at the very end starts no field
        start = end + 1;
        if (f < kMaxFields) ++f;
    }
    return r;
}

std::string MellanslagBort(std::string_view text) {
    std::string s(text);
    const auto first = s.find_first_not_of(' ');
    s.erase(0, first == std::string::npos ? s.size() : first);
    while (s.size() > 1 && s.back() == ' ')
        s.pop_back();
    if (s.size() >= 4) {
        std::string out;
        out.reserve(s.size());
        for (char c : s)
            if (!(c == ' ' && !out.empty() && out.back() == ' ')) out += c;
        s = std::move(out);
    }
    return s;
}

std::uint16_t svarstest(const RecordFields& record, std::string_view expected, std::string& typed,
                        CompareKind kind) {
    if (typed.empty()) return kAnswerEmpty;
    const int passes = record.alternativeCount + 1;
    int last = 2;
    for (int k = kMaxFields; k >= 3; --k) {
        if (!record[k].empty()) {
            last = k;
            break;
        }
    }
    for (int r = 1; r <= passes; ++r) {
        std::string want;
        if (r == 1) {
            want = expected;
        } else {
            const int k = last - r + 2;
            if (k < 1) break; // more alternatives counted than fields exist
            want = record[k];
            if (!want.empty() && want.front() == '&') want.erase(0, 1);
        }
        prepare(want);
        prepare(typed);
        const bool equal = kind == CompareKind::IgnoreCase ? upperCp1252(want) == upperCp1252(typed)
                                                           : want == typed;
        if (equal) return kAnswerRight;
    }
    return kAnswerWrong;
}

int GreenRedTest(const RecordFields& record, std::string_view typed, std::string_view expected) {
    constexpr int green = 1, red = 2;
    if (typed.empty()) return red;
    if (typed.front() == ' ') typed.remove_prefix(1);
    if (startsWith(expected, typed)) return green;
    if (record.alternativeCount == 0) return red;
    const int lowest = record.fieldCount - record.alternativeCount;
    for (int k = record.fieldCount; k >= lowest && k >= 1; --k)
        if (startsWith(record[k], typed)) return green;
    return red;
}

std::array<std::string, 6> LetaPrep(std::string_view text) {
    std::array<std::string, 6> parts;
    std::size_t i = 1;
    for (char c : text) {
        if (c == '<' || c == '>')
            ++i;
        else if (i <= 5)
            parts[i] += c;
    }
    return parts;
}

} // namespace glosbo::core
