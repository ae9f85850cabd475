#pragma once

#include <string>
#include <string_view>

// The program keeps two kinds of text apart by type:
// - std::string holds the bytes of the data files as they stand: record
//   texts, praise lines and pupils' names in Windows-1252;
// - std::u8string holds the program's own interface texts in UTF-8: its
//   messages and fixed captions.
// The windows turn each into QString with its own function (app::fromCp1252,
// app::fromUtf8), so the one cannot be shown as the other by mistake.
namespace glosbo::core {

// Bytes known to be UTF-8 (a path on this system, a text already converted
// from Windows-1252) as interface text.
inline std::u8string asUtf8(std::string_view utf8Bytes) {
    return std::u8string(utf8Bytes.begin(), utf8Bytes.end());
}

// An interface text as plain bytes, for a stream or a file that takes UTF-8.
inline std::string utf8Bytes(std::u8string_view text) {
    return std::string(text.begin(), text.end());
}

} // namespace glosbo::core
