#pragma once

#include <string_view>

// Swedish alphabetical order of Windows-1252 words, for every list the
// program sorts.
namespace glosbo::core {

// Whole-word, case-blind comparison in Swedish order: A to Z, then Å, Ä and
// Ö; accented letters go with their base letter (É with E, Ü with Y), and
// every other byte comes before the letters. Words that differ only in case
// or accents keep a fixed order, by their bytes: capitals first.
bool swedishLess(std::string_view a, std::string_view b);

// The same order with case and accents ignored: negative, 0 or positive.
// "ANNA" and "anna" are equal here.
int compareSwedish(std::string_view a, std::string_view b);

} // namespace glosbo::core
