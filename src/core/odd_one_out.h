#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/record_fields.h"
#include "core/sources.h"

// The odd-one-out game without its window: the players' points, whose turn
// it is, the last chances after someone reaches the goal, and the winners.
namespace glosbo::core {

// A record the game can ask: the odd word and three words that belong
// together, all non-empty (field 5, the comment, may be empty).
bool oddOneOutRecordUsable(const RecordFields& fields);

// A random order of 1..4: box k shows field order[k - 1]. The generator is
// seeded from the clock first.
std::array<int, 4> slump(RandomSource& random);

// The winners' names as the end text joins them: "Anna", "Anna och Bo",
// "Anna, Bo och Cilla".
std::string joinWinners(const std::vector<std::string>& names);

class OddOneOutGame {
public:
    static constexpr int kGoal = 5;
    static constexpr int kMaxPlayers = 3;

    // What follows a judged answer.
    enum class Next {
        Turn,         // the next turn at once
        WaitThenTurn, // the right box is shown for a while, then the next turn
        GameOver,     // the game has ended
    };

    explicit OddOneOutGame(int players);

    int players() const { return m_players; }
    int points(int player) const { return m_points[std::size_t(player - 1)]; } // 1..3
    bool lastChance(int player) const { return m_lastChance[std::size_t(player - 1)]; }
    int current() const { return m_current; } // 0 before the first turn
    bool goalReached() const { return m_goalReached; }
    bool over() const { return m_over; }

    // Hands the turn on. Before anyone has reached the goal it goes round
    // the players; after that only a player holding a last chance plays.
    int nextTurn();
    // The current player picked right or wrong.
    Next right();
    Next wrong();
    // The players (1..3) with the goal, in player order.
    std::vector<int> winners() const;

private:
    bool anyLastChance() const;

    int m_players;
    std::array<int, kMaxPlayers> m_points{};
    std::array<bool, kMaxPlayers> m_lastChance{};
    int m_current = 0;
    bool m_goalReached = false;
    bool m_over = false;
};

} // namespace glosbo::core
