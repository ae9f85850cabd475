#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app_state.h"

// The word hunt without its window: the pupil sees a word and types the
// words of its list one by one without seeing them. Each word found scores,
// finding them all adds a bonus, showing the list halves what is left to
// earn, and the seconds a task takes are taken off the score.
namespace glosbo::core {

// The name of a hunt exercise by its program number ("Poet", "Skarva",
// "Synonym 1", "Synonym 2"); empty for any other program.
std::string huntProgramName(std::uint16_t programNumber);

struct HuntTask {
    std::string word;               // shown to the pupil (Windows-1252)
    std::vector<std::string> words; // to find, in the order of the file
};

// A task record split at every "#": the word to show, then the words to
// find, without the spaces around them. Empty pieces are passed over, so a
// line ending in "#" asks for no empty word. Nothing when the record leaves
// no word to find.
std::optional<HuntTask> parseHuntTask(std::string_view line);

// What `glosbo-data check` finds wrong in a task record, in English: no word
// to find, an empty piece, a space beside "#", a word twice.
std::vector<std::string> huntRecordProblems(std::string_view line);

// Draws the next record of the current file's random order that holds a word
// to find, passing over those that do not; nothing when a whole round of the
// order finds none.
std::optional<HuntTask> drawHuntTask(AppState& state);

class SynonymHunt {
public:
    static constexpr int kTasks = 6;
    static constexpr int kBonus = 100;
    static constexpr int kAllWordPoints = 1000;

    struct Answer {
        bool found = false;
        bool taskOver = false; // all found, the answers used up, or given up
    };

    // A new game: score 0, task 1.
    void newGame();
    // Puts up a task, started at a time of the monotonic clock (ms).
    void startTask(HuntTask task, std::int64_t nowMs);
    // Judges one typed answer. Spaces around it do not count; case does not
    // matter. An empty answer gives the task up.
    Answer answer(std::string_view typed);
    // The list is shown: what is left to earn is halved.
    void listShown();
    // Ends the task at a time of the monotonic clock: the whole seconds it
    // took are taken off the score, unless they reach the score. True when it
    // was the last task of the game.
    bool endTask(std::int64_t nowMs);

    const HuntTask& task() const { return m_task; }
    // The words not found yet, in the order of the file.
    const std::vector<std::string>& remainingWords() const { return m_remaining; }
    int remaining() const { return int(m_remaining.size()); }
    int score() const { return m_score; }
    int wordPoints() const { return m_wordPoints; }
    int bonus() const { return m_bonus; }
    int answers() const { return m_answers; }
    int taskNumber() const { return m_taskNumber; }
    bool over() const { return m_over; }

private:
    HuntTask m_task;
    std::vector<std::string> m_remaining;
    std::int64_t m_startMs = 0;
    int m_score = 0;
    int m_wordPoints = 0;
    int m_bonus = 0;
    int m_answers = 0;
    int m_answerLimit = 0;
    int m_taskNumber = 1;
    bool m_over = false;
};

} // namespace glosbo::core
