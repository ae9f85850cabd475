#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/record_fields.h"

// The word a sound exercise speaks for a record: what its recorded (or
// synthesised) word sound says.
namespace glosbo::core {

// What a window speaks of a record.
enum class SpokenPart {
    None,
    WholeMarkedWord, // the word around the marked letters: "p<e>nna" says "penna"
    MarkedText,      // the marked text itself: "Jag <vill> ha" says "vill"
    ItemText,        // field 1 without its marks
    GapWords,        // the marked words of the question sentence
    FirstField,      // field 1 as it stands
    WholeLine,       // the unscrambled line
};

// How the window of a program number speaks its records (None when the
// window has no word sounds).
SpokenPart spokenPartOf(std::uint16_t programNumber);

// The spoken text of a record's fields (Windows-1252), white space tidied;
// empty when the record gives nothing to say, and for WholeLine, which
// needs the line itself.
std::string spokenWord(SpokenPart part, std::uint16_t programNumber, const RecordFields& fields);

// Spaces at the ends dropped, inner runs of white space made one space.
std::string tidySpoken(std::string_view text);

} // namespace glosbo::core
