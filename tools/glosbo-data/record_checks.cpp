#include "record_checks.h"

#include <array>
#include <limits>

namespace glosbo::tool {
namespace {

// The answer input of the write-the-answer window holds 45 characters.
constexpr std::size_t kLongestTypedAnswer = 45;

// '<' and '>' mark the parts of a text that the windows pick out; they must
// come in pairs, each '<' closed before the next one opens.
void checkAngleBrackets(const RecordView& record, std::vector<std::string>& problems) {
    std::size_t open = 0; // column of the unclosed '<', 0 when none
    for (std::size_t i = 0; i < record.text.size(); ++i) {
        const char c = record.text[i];
        if ((c == '<' && open != 0) || (c == '>' && open == 0)) {
            problems.push_back(std::string("unbalanced '") + c + "' at column " +
                               std::to_string(i + 1));
            return;
        }
        if (c == '<') open = i + 1;
        if (c == '>') open = 0;
    }
    if (open != 0) problems.push_back("unclosed '<' at column " + std::to_string(open));
}

constexpr std::uint16_t kAny = std::numeric_limits<std::uint16_t>::max();

// The write-the-answer window: question # answer # help lines # &alternatives.
void checkWriteAnswer(const RecordView& record, std::vector<std::string>& problems) {
    const core::RecordFields& f = record.fields;
    // A field of spaces keeps one of them: it shows nothing all the same.
    const auto blank = [](const std::string& s) {
        return s.find_first_not_of(' ') == std::string::npos;
    };
    if (blank(f[1])) problems.push_back("no question (field 1)");
    if (f.fieldCount < 2 || blank(f[2]))
        problems.push_back("no answer (field 2)");
    else if (f.alternativeCount >= f.fieldCount - 1)
        problems.push_back("the answer (field 2) is marked '&': put the alternatives after it");
    if (f[2].size() > kLongestTypedAnswer)
        problems.push_back("answer of " + std::to_string(f[2].size()) +
                           " characters; the input takes " + std::to_string(kLongestTypedAnswer));
    const int lastHelp = f.fieldCount - f.alternativeCount;
    int help = 0;
    for (int i = 3; i <= lastHelp; ++i) {
        if (f[i].empty()) {
            problems.push_back("empty help line " + std::to_string(i - 2) +
                               ": no help after it is shown");
            break;
        }
        ++help;
    }
    if (help >= 3)
        problems.push_back(std::to_string(help) +
                           " help lines: the window offers help only for one or two");
    for (int i = lastHelp + 1; i <= f.fieldCount && f.alternativeCount > 0; ++i)
        if (f[i].empty()) problems.push_back("empty alternative in field " + std::to_string(i));
}

constexpr std::array kChecks = {
    RecordCheckRange{0, kAny, checkAngleBrackets},
    // The write-the-answer exercises, their diagnosis tests and practices.
    RecordCheckRange{12, 12, checkWriteAnswer},
    RecordCheckRange{15, 15, checkWriteAnswer},
    RecordCheckRange{112, 112, checkWriteAnswer},
    RecordCheckRange{115, 115, checkWriteAnswer},
    RecordCheckRange{117, 117, checkWriteAnswer},
    RecordCheckRange{31110, 31180, checkWriteAnswer},
    RecordCheckRange{31210, 31210, checkWriteAnswer},
    RecordCheckRange{32300, 32300, checkWriteAnswer},
    RecordCheckRange{32400, 32400, checkWriteAnswer},
    RecordCheckRange{34100, 34100, checkWriteAnswer},
    RecordCheckRange{34300, 34500, checkWriteAnswer},
    RecordCheckRange{35000, 35000, checkWriteAnswer},
    RecordCheckRange{36100, 36200, checkWriteAnswer},
    RecordCheckRange{37100, 37300, checkWriteAnswer},
    RecordCheckRange{45000, 45000, checkWriteAnswer},
};

} // namespace

std::span<const RecordCheckRange> recordChecks() {
    return kChecks;
}

std::vector<std::string> checkRecord(const RecordView& record) {
    std::vector<std::string> problems;
    for (const auto& range : recordChecks())
        if (record.programNumber >= range.first && record.programNumber <= range.last)
            range.check(record, problems);
    return problems;
}

} // namespace glosbo::tool
