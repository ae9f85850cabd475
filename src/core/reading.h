#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "core/data_roots.h"
#include "core/record_fields.h"

// What the read-and-answer window and the reading gym decide without a
// widget: which exercises come with a reading text, how long a series is,
// the answers of a record and the reading text itself.
namespace glosbo::core {

// What the read-and-answer window does differently for each of its programs.
struct ReadAndAnswerProgram {
    // A reading text comes first (the fables); the pupil can switch between
    // it and the questions.
    bool readingText = false;
    // Questions in a series: 10, or for a fable its record count, at most 10.
    int seriesLength = 10;
};
ReadAndAnswerProgram readAndAnswerProgram(std::uint16_t programNumber, int recordCount);

// The answers of a record: fields 2 up to the first empty one, at most
// fields 2 to 4. The right answer is field 2.
int answerCount(const RecordFields& record);

// "SVE56100.LAS" for "SVE56100.DAT": the name up to its first "." (at
// most nine characters) and ".LAS", in "DATA/LAS/".
std::string readingTextPath(const std::string& exerciseFile);

// A reading text larger than this is not a reading text.
constexpr std::size_t kLargestReadingText = 100 * 1024;

// Reads the reading text of an exercise file (Windows-1252 lines), first
// under the PC path, then under the CD path. Nothing when it is missing or
// is not text: larger than kLargestReadingText, or holding a control
// character other than a tab.
std::optional<std::vector<std::string>> readReadingText(const DataRoots& roots,
                                                        const std::string& exerciseFile);

// Makes the lines of a reading text ready to show: "$" lines are notes and
// are dropped wherever they stand; a line shorter than 15 characters that
// does not end with ".", "!" or "?" is the start of a sentence broken in the
// file and is joined to the next line by one space. Empty lines stay. Each
// line is looked at once, so a joined line is not joined again.
std::vector<std::string> JusteraMemoText(const std::vector<std::string>& lines);

// The sound of a word of the reading gym: "S541007.WAV" for record 7; empty
// outside 1..999.
std::string readingGymSoundName(const std::string& soundDirectory, int recordNumber);

// The five words the reading gym shows at a time, with their record numbers.
struct GymWords {
    static constexpr int kCount = 5;
    std::array<std::string, kCount> words; // Windows-1252, as the lines hold them
    std::array<int, kCount> recordNumbers{};
};

// Fetches the words of these records of the current file, unscrambled, and
// leaves the record fields at the last of them.
GymWords fetchGymWords(AppState& state, const std::array<int, GymWords::kCount>& recordNumbers);

// The next five record numbers of the current file in its random order;
// a file of fewer records starts its order again.
std::array<int, GymWords::kCount> drawGymRecords(AppState& state);

} // namespace glosbo::core
