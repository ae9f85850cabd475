#pragma once

#include <string>
#include <string_view>

// The reversible line scrambling that hides record lines of data files from
// casual reading. A scrambled line starts with ')'.
namespace glosbo::core {

// Key of the 1-based position p within the line being transformed.
unsigned char scrambleKey(std::size_t p);

// Scrambles one line. Lines starting with ';', '$', '#' or ')' come back as
// they are; any other line, the empty one included, gets a leading ')'.
std::string kryptrad(std::string_view line);

// Unscrambles one line. Only lines starting with ')' are transformed; the
// leading ')' is dropped.
std::string dekryptrad(std::string_view line);

} // namespace glosbo::core
