#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

#include "core/data_roots.h"
#include "core/record_fields.h"

// The words of the choose-the-alternative window: the alternatives a
// question offers, where they come from, how they are shown and how a
// chosen word is judged.
namespace glosbo::core {

// The word table of the window. Entries 1..10 hold the alternatives as
// written (those collected from the file in lower case), entries 11..20 the
// same words with a capital first letter. Words are cut to kLongestWord
// characters.
struct AlternativeWords {
    static constexpr int kEntries = 10;
    static constexpr int kCapitalised = 10; // the case offset of entries 11..20
    static constexpr int kShown = 8;        // answer boxes in the row
    static constexpr std::size_t kLongestWord = 10;

    std::array<std::string, 2 * kEntries + 1> entry; // entry[0] unused
    int count = 0;

    // The number of boxes a question shows.
    int shownCount() const { return count < kShown ? count : kShown; }
    // The word of box i (1..kShown) at a case offset (0 or kCapitalised).
    const std::string& shown(int i, int caseOffset) const { return entry[i + caseOffset]; }
};

// What the window does differently for each of its programs.
struct ChoiceProgram {
    // The alternatives come from the record rather than from the marked
    // words of the whole file.
    bool recordAlternatives = false;
    // A recorded word for every question.
    bool wordSound = false;
    // "Regel" opens the rule page.
    bool ruleButton = false;
    // The spoken word can be shown translated.
    bool translated = false;
    // The sentence and the boxes.
    int questionPoints = 14;
};
ChoiceProgram choiceProgram(std::uint16_t programNumber);

// True when the text holds a marked word ("<").
bool FinnsPrep(std::string_view text);

// Collects the different marked words of the record lines of a line file
// into entries 1..10, lower-cased and in the order found, and fills entries
// 11..20 with their capitalised copies. A word is known when it equals an
// entry without regard to case. A file of more than ten different words
// keeps the first nine and the last one found.
void Hittapreppar(std::istream& in, AlternativeWords& words);
// The same for an exercise file under a data root (PC path first). False,
// and the table unchanged, when the file cannot be opened.
bool Hittapreppar(const DataRoots& roots, const std::string& fileName, AlternativeWords& words);

// The alternatives of a record: the right word and the wrong words of
// fields 2..8 up to the first empty one, in Swedish alphabetical order.
void takeRecordAlternatives(const RecordFields& fields, std::string_view rightWord,
                            AlternativeWords& words);

// 10 when a question of file alternatives has a right word that begins with
// a capital letter (the first word of its sentence), so that the boxes show
// the capitalised words; 0 otherwise, and always for record alternatives.
int caseOffset(std::string_view rightWord, bool recordAlternatives);

// Whether a chosen word is the right word: exact case, one punctuation mark
// at either end ignored, both cut as the boxes show them.
bool isRightChoice(std::string_view chosen, std::string_view rightWord);

// The whole word the gap of a sentence lies in, without the marks:
// "Jag har en p<e>nna." gives "penna".
std::string wordAroundGap(std::string_view sentence);

// The sentence with the spaces inside its marks made no-break spaces, so
// that wrapping keeps a marked phrase on one line; restoreGapSpaces undoes it.
std::string protectGapSpaces(std::string_view sentence);
std::string restoreGapSpaces(std::string_view line);

} // namespace glosbo::core
