// Record splitting and answer judging on arbitrary bytes. The input is
// "record line \n expected answer \n typed answer" (missing parts are empty).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/record_fields.h"
#include "core/scramble.h"
#include "fuzz_check.h"

using namespace glosbo::core;

namespace {

std::string_view nextPart(std::string_view& rest) {
    const auto nl = rest.find('\n');
    const std::string_view part = rest.substr(0, nl);
    rest = nl == std::string_view::npos ? std::string_view() : rest.substr(nl + 1);
    return part;
}

bool isVerdict(std::uint16_t v) {
    return v == kAnswerRight || v == kAnswerEmpty || v == kAnswerWrong;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const std::string_view line = nextPart(rest);
    const std::string_view expected = nextPart(rest);
    const std::string_view typed = rest;

    const RecordFields r = str_postarray(line);
    const std::string plain = line.empty() ? std::string() : dekryptrad(line);
    const auto pieces = static_cast<std::size_t>(std::count(plain.begin(), plain.end(), '#')) + 1;
    FUZZ_CHECK(r.fieldCount <= 10);
    FUZZ_CHECK(r.field[0].empty());
    FUZZ_CHECK(plain.empty() ? r.fieldCount == 0 : r.fieldCount >= 1);
    // One count per field from the first '&' on; only field 10, which takes
    // every piece past the tenth, can count more than once.
    FUZZ_CHECK(r.alternativeCount <= pieces);
    if (pieces <= 10) FUZZ_CHECK(r.alternativeCount <= r.fieldCount);
    std::size_t kept = 0;
    for (int f = 1; f <= 10; ++f) {
        FUZZ_CHECK(r[f].find('#') == std::string::npos);
        if (f > r.fieldCount) FUZZ_CHECK(r[f].empty());
        kept += r[f].size();
    }
    FUZZ_CHECK(kept <= plain.size());

    // Judging: a verdict of the three kinds, and an empty answer is never right.
    for (const CompareKind kind : {CompareKind::Exact, CompareKind::IgnoreCase}) {
        std::string answer(typed);
        const std::uint16_t v = svarstest(r, expected, answer, kind);
        FUZZ_CHECK(isVerdict(v));
        FUZZ_CHECK((v == kAnswerEmpty) == typed.empty());
        FUZZ_CHECK(answer.size() <= typed.size());
    }
    // The expected answer itself is always accepted unless cleaning empties it.
    {
        std::string self(expected);
        const std::uint16_t v = svarstest(r, expected, self, CompareKind::Exact);
        FUZZ_CHECK(v == (expected.empty() ? kAnswerEmpty : kAnswerRight));
    }

    const int colour = GreenRedTest(r, typed, expected);
    FUZZ_CHECK(colour == 1 || colour == 2);
    if (typed.empty()) FUZZ_CHECK(colour == 2);
    // A start of the expected answer is green (a leading space is dropped first).
    if (!typed.empty() && typed.front() != ' ' && expected.substr(0, typed.size()) == typed)
        FUZZ_CHECK(colour == 1);

    const auto parts = LetaPrep(plain);
    std::size_t partChars = 0;
    for (int i = 1; i <= 5; ++i) {
        FUZZ_CHECK(parts[i].find_first_of("<>") == std::string::npos);
        partChars += parts[i].size();
    }
    FUZZ_CHECK(parts[0].empty());
    FUZZ_CHECK(partChars <= plain.size());

    const std::string cleaned = MellanslagBort(typed);
    FUZZ_CHECK(cleaned.size() <= typed.size());
    if (cleaned.size() > 1) FUZZ_CHECK(cleaned.front() != ' ' && cleaned.back() != ' ');
    if (cleaned.size() >= 4) FUZZ_CHECK(cleaned.find("  ") == std::string::npos);
    FUZZ_CHECK(MellanslagBort(cleaned) == cleaned);
    return 0;
}
