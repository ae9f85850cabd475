#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/record_fields.h"
#include "core/sources.h"
#include "core/worksheets.h"

// The sentence-parts exercises: a sentence (field 1) with up to five parts
// marked by '<' and '>', and the role of each part in fields 2 to 6. The
// pupil drags every part that has a role onto a box named after it. Some
// programs climb through levels, whose records start with their level number.
namespace glosbo::core {

constexpr int kMostSentenceParts = 5;
constexpr int kRoleCount = 5;

// A grammatical role: its tag in a record, the two lines of its box and its
// legend on worksheets.
struct SentenceRole {
    const char* tag;
    const char* line1;
    const char* line2;
    const char* legend;
};

// The roles in the order their boxes stand (1..5 at index 0..4);
// Windows-1252.
extern const std::array<SentenceRole, kRoleCount> kSentenceRoles;

// The role (1..5) a record field names, compared in upper case; 0 for any
// other text ("NN"): a part that no box takes.
int sentenceRoleOf(std::string_view field);

// What the window does differently for each of its programs.
struct SentencePartsProgram {
    // Climbs through levels instead of asking a series.
    bool levels = false;
    // The headline lines that replace the file's.
    const char* headline1 = "Satsdelar.";
    const char* headline2 = "";
    // The worksheet title when the file has no headline.
    const char* worksheetTitle = "";
};
SentencePartsProgram sentencePartsProgram(std::uint16_t programNumber);

// Field 1 cut at its marks: the texts between the parts (1..6) and the
// marked parts (1..partCount).
struct SentenceSplit {
    std::array<std::string, 7> between; // [0] unused
    std::array<std::string, 6> parts;   // [0] unused
    int partCount = 0;
};

// Splits a sentence at its marks; nothing when the marks are unequal in
// number, out of order or more than five, or a marked part is empty.
std::optional<SentenceSplit> splitSentence(std::string_view sentence);

// How a drop of a part on a box went.
enum class PartDrop {
    // The part is placed in the box.
    Placed,
    // The part had been placed before: nothing changes and nothing counts.
    AlreadyPlaced,
    // Refused: the sentence has had a wrong drop.
    Refused,
};

// One sentence on the screen: its parts, the boxes of their roles and what
// has been placed.
class Sentence {
public:
    // A box and the part it was made for.
    struct Box {
        int part = 0;
        int role = 0;
    };

    // The sentence of a record; nothing for a record outside the format,
    // which no pupil could finish: unusable marks, or no part with a role.
    static std::optional<Sentence> fromRecord(const RecordFields& fields);

    const SentenceSplit& split() const { return m_split; }
    int partCount() const { return m_split.partCount; }
    const std::string& part(int k) const { return m_split.parts[k]; }
    int roleOfPart(int k) const { return m_roles[k]; }
    // The boxes in role-table order, then part order: box k at index k-1.
    const std::vector<Box>& boxes() const { return m_boxes; }

    int partsToPlace() const { return int(m_boxes.size()); }
    int placed() const { return m_placed; }
    bool finished() const { return m_placed == partsToPlace(); }
    // No part has been refused yet.
    bool clean() const { return m_clean; }
    bool isPlaced(int part) const { return m_boxOfPart[part] != 0; }
    // The box a part was placed in, 0 while it is not placed.
    int boxOfPart(int part) const { return m_boxOfPart[part]; }
    bool received(int box) const { return m_received[box]; }

    // The pupil drops part 1..5 on box 1..5. A part is taken by any box of
    // its role that has not yet received its part, so two parts of one role
    // may go in either order.
    PartDrop drop(int part, int box);

private:
    SentenceSplit m_split;
    std::array<int, 6> m_roles{};
    std::vector<Box> m_boxes;
    std::array<int, 6> m_boxOfPart{};
    std::array<bool, 6> m_received{};
    int m_placed = 0;
    bool m_clean = true;
};

// The hints of the hint label while the pupil drags.
inline constexpr std::array<const char*, 4> kDragHints = {
    "Styr musen till meningen!",
    "H\xE4r kan du klicka med v\xE4nster musknapp.",
    "H\xE5ll knappen nedtryckt och dra musen till n\xE5gon satsdelsruta!",
    "H\xE4r kan du sl\xE4ppa upp knappen.",
};

// Which hint shows. A hint is written only when it differs from the one
// shown; once hint 2 (drag) has shown, hints 0 and 1 wait until the pointer
// is over the background, and once hint 3 (drop here) has shown, every hint
// waits until the drag leaves the box.
class DragHints {
public:
    // The hint to write, nothing when the label stays as it is.
    std::optional<int> ask(int hint);
    // The pointer over the background, not dragging: the locks are cleared
    // and hint 0 asked.
    std::optional<int> overBackground();
    // The drag leaves a box: its lock is cleared and hint 2 asked.
    std::optional<int> dragLeftBox();
    // A new sentence: the locks are cleared.
    void clearLocks() { m_dragLock = m_boxLock = false; }
    int current() const { return m_current; } // -1 before the first hint

private:
    int m_current = -1;
    bool m_dragLock = false;
    bool m_boxLock = false;
};

// The level number a record line starts with, and how many digits it takes;
// 0 when the line starts with no digit.
struct LevelPrefix {
    int level = 0;
    std::size_t digits = 0;
};
LevelPrefix levelPrefix(std::string_view line);
// The record without its level number (worksheets of level files).
std::string withoutLevel(std::string_view line);

// The records of a level file, by level, each level in its own random
// order. A record line is a plain or scrambled line with a '#' after its
// first character; it starts with its level, 1 to 20.
class LevelFile {
public:
    static constexpr int kMostLevels = 20;
    // Whether a record (without its level) can be asked.
    using Usable = std::function<bool(std::string_view record)>;

    // Counts the records of each level (the file read from its start) and
    // puts every cursor on the first place of its order. With usable, only
    // the records it accepts count, here and when fetching: a level of
    // nothing else is no level, so the climb never stops where no sentence
    // can be shown.
    void count(std::istream& in, Usable usable = {});
    // The levels 1, 2, ... that have records, up to the first without.
    int levels() const { return m_levels; }
    int recordCount(int level) const { return m_counts[level]; }

    // Draws the order of one level's records: all of them, however many.
    void shuffle(int level, RandomSource& random);
    // The record number (within its level) at the level's cursor.
    int nextNumber(int level) const;

    // The record at the level's cursor, read from the file from its start,
    // without its level number; the cursor advances (after the level's last
    // record back to the first). Nothing when the file no longer has it.
    std::optional<std::string> fetch(std::istream& in, int level);

private:
    // The level of a line that is a record to ask, 0 for every other line
    // and, when wanted is not 0, for the records of other levels; text gets
    // the record without its level.
    int levelOf(std::string_view line, std::string& text, int wanted = 0) const;

    Usable m_usable;
    std::array<int, kMostLevels + 1> m_counts{};
    std::array<std::vector<int>, kMostLevels + 1> m_orders;
    std::array<int, kMostLevels + 1> m_cursors{};
    int m_levels = 0;
};

// The climb through the levels. The run of right sentences at the current
// level is what the window counts as its correct count.
class LevelClimb {
public:
    // A climb of levels 1..levels from level 1.
    void start(int levels);
    // A sentence finished without a wrong drop: three in a row raise the
    // level. True when the top has just been passed.
    bool right();
    // A sentence with a wrong drop: one level down (never below 1), the run
    // starts again.
    void wrong();

    int level() const { return m_level; }
    int run() const { return m_run; }
    int levels() const { return m_levels; }
    bool topPassed() const { return m_topPassed; }
    // The size of the level number in the level box: it grows with the run.
    int levelPoints() const { return 18 + 6 * m_run; }

private:
    int m_level = 1;
    int m_run = 0;
    int m_levels = 0;
    bool m_topPassed = false;
};

// Whether a text between parts holds nothing but marks and blanks (". ",
// "?"): it stays on the row of the part before it rather than start a row.
bool onlyPunctuation(std::string_view text);

// The worksheet task of a sentence: the sentence with its marks, then per
// part with a role, in box order, a line with the role's legend and a blank
// to fill in (the question list) or the part (the answer list).
TaskLines sentencePartsTask(std::string_view prefix, std::string_view sentence,
                            const Sentence& parts);

} // namespace glosbo::core
