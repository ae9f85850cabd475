#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/data_roots.h"

namespace glosbo::core {

// The rule page of a program ("Tema1.htm"); empty for a program without one.
std::string rulePageFor(std::uint16_t programNumber);

// Where a rule page is shown from: the CD path first, then the PC path.
struct RulePage {
    std::optional<std::string> path;
    std::u8string missingMessage; // when path is empty
};
RulePage findRulePage(const DataRoots& roots, std::uint16_t programNumber);

} // namespace glosbo::core
