#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/app_state.h"

// The word duel without its window: the pupil tells how many of five words
// belong to the word class of the game; a right answer gives the pupil that
// many points, a wrong one gives them to the computer. The computer makes no
// moves of its own.
namespace glosbo::core {

// The word class a duel file asks about, in capitals ("SUBSTANTIV",
// "ADJEKTIV", "VERB"); empty for a program that is no duel.
std::string duelTargetClass(std::uint16_t programNumber);

// The word classes a duel file may give its words.
bool knownWordClass(std::string_view wordClass);

// A duel record: a word and a word class the game knows.
bool duelRecordUsable(const RecordFields& fields);

// What the prompt says after the n-th empty name (n from 1).
std::string emptyNamePrompt(int n);

struct DuelWord {
    std::string word;      // Windows-1252
    std::string wordClass; // as the file writes it
    bool target = false;   // of the game's word class
};

struct DuelTurn {
    std::array<DuelWord, 5> words;
    int count = 0; // words of the game's class
};

// Draws the five words of a turn from the current file, each from the next
// place of its random order; a record that is no duel record is passed over.
// Nothing when the file holds no usable record.
std::optional<DuelTurn> drawDuelTurn(AppState& state, const std::string& targetClass);

// The squares a judged answer colours, by tag: 1..20 the pupil's row,
// 21..40 the computer's; empty when first > last.
struct SquareRange {
    int first = 1;
    int last = 0;
};

class WordDuel {
public:
    static constexpr int kGoal = 20;

    struct Verdict {
        bool right = false;
        SquareRange squares;
        bool over = false;
    };

    // Judges answer a (0..5) to a turn with c words of the class.
    Verdict answer(int a, int c);
    void reset() { *this = WordDuel{}; }

    int pupilPoints() const { return m_pupil; }
    int computerPoints() const { return m_computer; }
    bool over() const { return m_over; }
    bool won() const { return m_won; }

private:
    int m_pupil = 0;
    int m_computer = 0;
    bool m_over = false;
    bool m_won = false;
};

// The end texts (Windows-1252).
std::string duelWonText(const std::string& name);
std::string duelLostText(const std::string& name);

} // namespace glosbo::core
