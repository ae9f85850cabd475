#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reading and writing the tool's text: lines with their line ends, whole
// files, the replacing write, and the UTF-8 / Windows-1252 edges.
namespace glosbo::tool {

// One line and the line end it had: "\r\n", "\n", or "" for a last line
// without one.
struct Line {
    std::string text;
    std::string_view end;
};

std::vector<Line> splitLines(std::string_view data);

std::string readAll(std::istream& in);

// The bytes of a file, or nothing when it cannot be read.
std::optional<std::string> readFile(const std::string& path);

// Replaces (or creates) path with data safely (core::replaceFile). Returns an
// error text on failure, leaving path as it was.
std::optional<std::string> replaceFile(const std::string& path, std::string_view data);

// Converts one UTF-8 line to Windows-1252. Fails, with a problem text naming
// the column, on invalid UTF-8, on a character the code page cannot hold and on
// control characters other than tab, which have no place in a data file.
std::optional<std::string> encodeLine(std::string_view utf8, std::string& problem);

// A byte that has no place in the text of a data file: a control character
// other than tab, DEL, or one of the five bytes Windows-1252 leaves undefined.
bool isForbiddenByte(unsigned char b);
bool isUndefinedCp1252(unsigned char b);

// Windows-1252 text as UTF-8 for one column of tab-separated output: tabs
// and line breaks inside the text become spaces.
std::string columnText(std::string_view cp1252);

// "0x8D"
std::string hexByte(unsigned char b);

} // namespace glosbo::tool
