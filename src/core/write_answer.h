#pragma once

#include <cstdint>
#include <string>

#include "core/record_fields.h"
#include "core/sources.h"

// What the write-the-answer window decides without a widget: which of its
// exercises build their own questions, the letters question, the help lines
// of a record and the verdict on a typed answer.
namespace glosbo::core {

// The answer input holds at most this many characters.
constexpr std::size_t kLongestTypedAnswer = 45;

// What the window does differently for each of its programs.
struct WriteAnswerProgram {
    // The letters exercises: no help lines and no correction round, for
    // their questions have no place in the file.
    bool letters = false;
    // How many letters a letters exercise asks to put in order (4, 5 or 6);
    // 0 where the question comes from the file.
    int lettersToOrder = 0;
    // The alphabet exercises ask for single letters or letter order, where a
    // warning while typing would give the answer away.
    bool lamp = true;
    // "en" and "flera " around the noun.
    bool plural = false;
    // The help button reads "Regel" and opens the rule page.
    bool ruleButton = false;
    // The secret messages: the instructions stand below the input.
    bool cipher = false;
    int questionPoints = 22;
    std::size_t longestAnswer = kLongestTypedAnswer;
};
WriteAnswerProgram writeAnswerProgram(std::uint16_t programNumber);

// Whether the help button shows with a question of helpCount help lines.
bool showsHelpButton(const WriteAnswerProgram& program, int helpCount);

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

// Letters in Swedish alphabetical order: A to Z, Å, Ä, Ö (the code page has
// Ä before Å).
std::string sortLetters(std::string letters);

// Help lines of a record: the non-empty fields from field 3 up to the last
// field before the alternatives, counted until the first empty one. Records
// with three or more such lines get no help (0).
int helpLineCount(const RecordFields& record);

// True when the typed answer is accepted: field 2 or an alternative,
// compared without regard to case, spaces and one punctuation mark at
// either end.
bool acceptsTypedAnswer(const RecordFields& record, std::string typed);

} // namespace glosbo::core
