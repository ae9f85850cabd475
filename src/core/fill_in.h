#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/record_fields.h"
#include "core/worksheets.h"
#include "core/wrap.h"

// What the fill-in window decides without a widget: the two record layouts,
// the help texts of a record, whether a record can be asked at all, the
// verdict on a typed gap word and the worksheet lines of a question.
namespace glosbo::core {

// What the window does differently for each of its programs.
struct FillInProgram {
    // Field 1 a model sentence shown above the question in field 2.
    bool twoSentences = false;
    // The help button reads "Regel" and opens the rule page on every press.
    bool ruleButton = false;
    // A recorded word for every question ("Upprepa ordet", F2).
    bool wordSound = false;
    // The word is heard in the diagnosis modes too, not only in practice.
    bool soundInDiagnosis = false;
    // The spoken word can be shown translated.
    bool translated = false;
};
FillInProgram fillInProgram(std::uint16_t programNumber);
// The programs the fill-in window runs: its exercises, diagnosis tests 11,
// 13, 14, 16 and their practices.
bool isFillInProgram(std::uint16_t programNumber);
// The programs of the verb-form window ("Tempus").
bool isVerbFormProgram(std::uint16_t programNumber);

// A sentence split at its marks: text, gap word, text, gap word, text.
struct GapSentence {
    std::array<std::string, 6> pieces; // pieces[1..5], as LetaPrep gives them
    int gaps = 0;                      // marked words: the number of '<'
    const std::string& word(int gap) const { return pieces[gap == 1 ? 2 : 4]; }
};
GapSentence splitGaps(std::string_view sentence);

// A record as the window reads it.
struct FillInRecord {
    // Empty: no model sentence (one-sentence layout, or field 2 empty).
    std::string model;
    std::string question;
    // Help texts 1 and 2; helpCount of them are offered (0 with three or more).
    std::array<std::string, 2> help;
    int helpCount = 0;
};
FillInRecord readFillInRecord(const FillInProgram& program, const RecordFields& fields);

// Why the window cannot ask a record (empty when it can): the question needs
// one or two marked words, none of them empty, every mark paired, and so
// does a model sentence that has marks.
std::string fillInRecordFault(const FillInProgram& program, const RecordFields& fields);

// The longest sentences the window lays out, in letters without the marks,
// and the longest marked word: a longer one would need letters too small to
// read on the smallest screen.
constexpr std::size_t kLongestFillInQuestion = 160;
constexpr std::size_t kLongestFillInModel = 120;
constexpr std::size_t kLongestGapWord = 30;
// Why the window cannot lay out a record it can ask (empty when it can).
std::string fillInLayoutFault(const FillInProgram& program, const RecordFields& fields);

// True when the typed word answers the gap: the gap word or any alternative
// of the record, compared exactly ("sprang" does not answer "Sprang").
bool acceptsGapWord(const RecordFields& fields, std::string_view gapWord, std::string typed);

// The worksheet lines of one question. wrap measures the sentences as the
// screen would (two lines at most).
TaskLines fillInTask(std::string_view prefix, const FillInProgram& program,
                     const RecordFields& fields, WrapContext& wrap);

// The blank that stands for a gap word on a worksheet: a space, an
// underscore, one underscore per letter (at least four), an underscore and
// a space.
std::string gapBlank(std::string_view word);

} // namespace glosbo::core
