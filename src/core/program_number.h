#pragma once

#include <cstdint>
#include <string_view>

namespace glosbo::core {

// The program number of a data file name: the digits at the end of the part
// before the first '.' ("SVE23101.DAT" -> 23101, "SVOVN117.DAT" -> 117).
// A name without such digits gives 0.
std::uint16_t GeProgramtal(std::string_view fileName);

} // namespace glosbo::core
