#pragma once

#include <cstdint>
#include <string>

#include "core/record_fields.h"
#include "core/sources.h"

// What the write-the-answer window decides without a widget: which of its
// exercises build their own questions, the letters question, the help lines
// of a record and the verdict on a typed answer.
namespace glosbo::core {

// The letters exercises (put letters in alphabetical order) build their
// records themselves; the file only feeds worksheets.
bool isLettersExercise(std::uint16_t programNumber);
// How many letters a letters exercise asks for: 4, 5 or 6 (0 for others).
int lettersToOrder(std::uint16_t programNumber);

// A letters question: distinct letters of A-Z, Å, Ä, Ö in random order
// (Windows-1252), and the same letters in Swedish alphabetical order. The
// letters never come out already in order.
struct LettersQuestion {
    std::string shuffled;
    std::string sorted;
};
LettersQuestion makeLettersQuestion(int count, RandomSource& random);
// The record fields of such a question: question and answer.
RecordFields lettersRecord(const LettersQuestion& question);

// Letters in Swedish alphabetical order: by character code, then Å moved
// before Ä (the code page has them the other way round).
std::string sortLetters(std::string letters);

// Help lines of a record: the non-empty fields from field 3 up to the last
// field before the alternatives, counted until the first empty one. Records
// with three or more such lines get no help (0).
int helpLineCount(const RecordFields& record);

// The plural exercises show "en" and "flera " around the noun.
bool isPluralExercise(std::uint16_t programNumber);
// The exercises whose help button opens the rule page ("Regel").
bool isRuleExercise(std::uint16_t programNumber);
constexpr std::uint16_t kCipherExercise = 35000;
// The question font in points: 14 for the letter words, else 22.
int questionPointSize(std::uint16_t programNumber);

// True when the typed answer is accepted: field 2 or an alternative,
// compared without regard to case, spaces and one punctuation mark at
// either end.
bool acceptsTypedAnswer(const RecordFields& record, std::string typed);

} // namespace glosbo::core
