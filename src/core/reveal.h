#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "core/data_roots.h"

// The reveal game without its window: stories read from their file, a story
// laid into 7 rows of 7 word slots with every word hidden, and the pupil
// bringing the words back by dragging them from a list or by guessing.
namespace glosbo::core {

// The program number of the story file.
constexpr std::uint16_t kRevealProgram = 52000;

// The lines of each story of a story file (unscrambled, Windows-1252). A
// line beginning with "#" closes a story; ";" and "$" lines are notes and
// are passed over. Lines after the last "#" belong to no story.
std::vector<std::vector<std::string>> readRevealStories(std::istream& in);
std::optional<std::vector<std::vector<std::string>>> loadRevealStories(const DataRoots& roots,
                                                                       const std::string& file);

// The story list entry of story n: the number right-aligned in seven places.
std::string storyListEntry(int n);

// A problem with a story, for the data tool (English); empty when it fits.
std::string storyProblem(const std::vector<std::string>& lines);

// Rounds numerator ÷ denominator × 100 to the nearest integer, halves to the
// even neighbour, and writes it with " %"; "0 %" while numerator is 0.
std::string percentText(int numerator, int denominator);

struct RevealSlot {
    std::string word;        // the token as the story writes it
    std::string placeholder; // what the slot shows while hidden (or its found text)
    std::string answer;      // the token without one trailing . , ! ?
    std::string guess;       // what a guess still has to match; emptied when found
    bool used = false;       // the slot holds a token of the story
    bool found = false;
};

class RevealStory {
public:
    static constexpr int kRows = 7;
    static constexpr int kColumns = 7;
    static constexpr int kSlots = kRows * kColumns;
    static constexpr std::size_t kLongestWord = 30;

    // Lays a story out: row r starts at slot 7(r - 1) + 1. A story larger
    // than the 7 × 7 slots shows what fits, and only what shows is counted.
    explicit RevealStory(const std::vector<std::string>& lines);

    const RevealSlot& slot(int k) const { return m_slots[std::size_t(k - 1)]; } // 1..49
    const std::string& speaker(int row) const { return m_speakers[std::size_t(row - 1)]; }
    // The words to drag, sorted without regard to case, one per occurrence.
    const std::vector<std::string>& wordList() const { return m_wordList; }
    int wordTotal() const { return m_wordTotal; }
    int attempts() const { return m_attempts; }
    int rightCount() const { return m_right; }

    // A word of the list dropped on slot k: right when it is that slot's
    // answer and the slot is still hidden; the entry then leaves the list.
    bool drop(const std::string& entry, int k);
    // A typed guess (cleaned of spaces): every hidden slot whose word it is
    // (case counts, punctuation aside) is found. Returns how many; nothing
    // happens for an empty guess or "-".
    int guess(const std::string& typed);

    std::string rightText() const { return percentText(m_right, m_attempts); }
    std::string doneText() const { return percentText(m_right, m_wordTotal); }
    bool complete() const { return doneText() == "100 %"; }

private:
    std::array<RevealSlot, kSlots> m_slots{};
    std::array<std::string, kRows> m_speakers{};
    std::vector<std::string> m_wordList;
    int m_wordTotal = 0;
    int m_attempts = 0;
    int m_right = 0;
};

} // namespace glosbo::core
