#pragma once

#include <array>
#include <istream>
#include <string>
#include <string_view>

namespace glosbo::core {

enum class LineClass { Empty, Comment, Heading, Scrambled, Plain };

// The class of a line by its first character.
LineClass classifyLine(std::string_view line);

// True for the lines that are records (plain or scrambled).
inline bool isRecord(LineClass c) {
    return c == LineClass::Plain || c == LineClass::Scrambled;
}

// Reads the next line of a Windows text file: the line end is LF or CR LF.
bool readLine(std::istream& in, std::string& line);

// The texts that the '$' lines of a file set.
struct Headings {
    std::array<std::string, 3> lines; // heading lines 1..3
    std::string instruction;          // "$§..."
    std::string worksheetInstruction; // "$%..."
    int next = 0;                     // heading lines seen so far

    void clear() { *this = Headings{}; }
    // Applies one '$' line: '§' (byte 167) sets the instruction, '%' the
    // worksheet instruction, anything else the next heading line (the third
    // and every later one go to heading line 3). Texts are cut to 80 bytes.
    void apply(std::string_view headingLine);
};

// Scans a line file. With count set, every line is read, '$' lines are
// applied and the records are counted; without it only the first six lines are
// read and only their '$' lines applied. Returns the number of records counted.
int scanLineFile(std::istream& in, bool count, Headings& headings);

// Reads up to record n (1-based) and returns the last line read: record n,
// or the last line of the file when it has fewer records. n = 0 reads nothing
// and returns nothing.
bool fetchRecord(std::istream& in, int n, std::string& line);

} // namespace glosbo::core
