#include "record_checks.h"

#include <array>
#include <limits>

namespace glosbo::tool {
namespace {

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

constexpr std::array kChecks = {
    RecordCheckRange{0, kAny, checkAngleBrackets},
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
