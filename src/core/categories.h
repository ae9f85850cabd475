#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/record_fields.h"

// The click-the-category exercises: an item (a word or a sentence, possibly
// with one part marked by '<' and '>') in field 1, its right category in
// field 2 and the other categories after it. The pupil clicks the box of the
// category the item belongs to.
namespace glosbo::core {

// The box row has seven boxes; a box shows at most 30 characters.
constexpr int kMostCategories = 7;
constexpr std::size_t kLongestCategory = 30;

// What the window does differently for each of its programs.
struct CategoryProgram {
    bool soundExercise = false; // the item is spoken
    bool ruleButton = false;    // "Regel" opens the rule page
    bool translated = false;    // the item's translation is shown
    int itemPoints = 14;        // the item and its marked part
    int boxPoints = 20;         // the box captions
    int measurePoints = 22;     // box widths are measured at this size
    int explanationPoints = 22; // the explanation after a wrong click
    // The boxes are numbers: the digit keys 1..digitKeys choose them.
    int digitKeys = 0;
    // The explanation names the marked part of the item, which the record
    // must therefore have.
    bool explainsMarkedPart = false;
};
CategoryProgram categoryProgram(std::uint16_t programNumber);

// A category as its box shows it: cut to 30 characters.
std::string categoryCaption(std::string_view field);

// The boxes of a record: fields 2, 3, ... up to the first empty field, at
// most seven, each cut to 30 characters, in Swedish alphabetical order
// (digits before letters; the same word in capitals before small letters).
std::vector<std::string> categoryTable(const RecordFields& fields);

// Whether the category of a box is the record's right one (field 2).
// Compared as a box shows them, so that a right category longer than a box
// can still be chosen.
bool isRightCategory(const RecordFields& fields, const std::string& chosen);

// The part of the item between '<' and '>', empty when nothing is marked.
std::string markedPart(std::string_view item);
// The item without its marks, as it is looked up in the translation lists.
std::string unmarkedItem(std::string_view item);

// The sentence that explains the right category after a wrong click, for
// example "a är vokal." or "Det finns 2 vokaler."; empty for a program this
// window does not serve.
std::string categoryExplanation(std::uint16_t programNumber, const RecordFields& fields);

} // namespace glosbo::core
