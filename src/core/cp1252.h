#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows-1252 is the byte encoding of every data file. The core keeps texts
// as those bytes; these functions convert at the edges (tools, widgets).
namespace glosbo::core {

// Windows-1252 bytes to UTF-8. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value.
std::string cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252. Returns nothing when the input is not valid UTF-8 or
// holds a character the code page cannot represent.
std::optional<std::string> utf8ToCp1252(std::string_view utf8);

// The same, replacing each unrepresentable character by '?'.
std::string utf8ToCp1252Lossy(std::string_view utf8);

// True when the bytes are valid UTF-8.
bool isValidUtf8(std::string_view bytes);

// Upper case of one Windows-1252 byte: a-z, the Latin-1 letters
// (à..þ except ÷) and š, œ, ž, ÿ map to their capitals; everything else stays.
char upperCp1252(char c);
std::string upperCp1252(std::string_view text);
// Lower case: the inverse of upperCp1252 (A-Z, À..Þ except ×, Š, Œ, Ž, Ÿ).
char lowerCp1252(char c);
std::string lowerCp1252(std::string_view text);

} // namespace glosbo::core
