#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/record_fields.h"

// The checks of single records that `check` runs. Each exercise window reads
// its records in its own way, so a check applies to a range of program
// numbers; a window's format checks are added to the table in
// record_checks.cpp.
namespace glosbo::tool {

// What a check sees of one record.
struct RecordView {
    std::uint16_t programNumber; // of an exercise file; 0 for every other line file
    std::string_view text;       // the record line, unscrambled, Windows-1252
    const core::RecordFields& fields;
};

// Appends each problem found, in English (UTF-8), without file and line.
using RecordCheck = void (*)(const RecordView& record, std::vector<std::string>& problems);

struct RecordCheckRange {
    std::uint16_t first; // program numbers first..last, inclusive
    std::uint16_t last;
    RecordCheck check;
};

std::span<const RecordCheckRange> recordChecks();

// The windows whose questions the worksheet command writes, found by the
// format check of their program numbers.
enum class WorksheetWindow { None, WriteAnswer, Choice, Category, FillIn, VerbForm, SentenceParts };
WorksheetWindow worksheetWindow(std::uint16_t programNumber);

// The class name of the exercise window that asks the records of a program
// ("TSKRIV", "TFLERBAR", ...), found the same way; empty for a program with
// no such window.
std::string_view recordWindow(std::uint16_t programNumber);

// Runs every check whose range holds the record's program number.
std::vector<std::string> checkRecord(const RecordView& record);

} // namespace glosbo::tool
