#include "core/odd_one_out.h"

#include <algorithm>

namespace glosbo::core {

bool oddOneOutRecordUsable(const RecordFields& fields) {
    for (int i = 1; i <= 4; ++i)
        if (fields[i].empty()) return false;
    return true;
}

std::array<int, 4> slump(RandomSource& random) {
    random.seedFromClock();
    std::vector<int> left = {1, 2, 3, 4};
    std::array<int, 4> order{};
    for (int& o : order) {
        const int at = random.below(int(left.size()));
        o = left[std::size_t(at)];
        left.erase(left.begin() + at);
    }
    return order;
}

std::string joinWinners(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 == names.size() ? " och " : ", ";
        text += names[i];
    }
    return text;
}

OddOneOutGame::OddOneOutGame(int players) : m_players(std::clamp(players, 1, kMaxPlayers)) {}

bool OddOneOutGame::anyLastChance() const {
    return std::any_of(m_lastChance.begin(), m_lastChance.end(), [](bool b) { return b; });
}

int OddOneOutGame::nextTurn() {
    for (int step = 0; step < m_players; ++step) {
        m_current = m_current >= m_players ? 1 : m_current + 1;
        if (!m_goalReached || lastChance(m_current)) break;
    }
    return m_current;
}

OddOneOutGame::Next OddOneOutGame::right() {
    const int p = m_current;
    int& points = m_points[std::size_t(p - 1)];
    if (points < kGoal) ++points;
    if (points == kGoal) {
        m_goalReached = true;
        // The players after the one who reached the goal may draw level
        // when they stand one point below it.
        for (int later = p + 1; later <= m_players; ++later)
            if (m_points[std::size_t(later - 1)] == kGoal - 1)
                m_lastChance[std::size_t(later - 1)] = true;
    }
    m_lastChance[std::size_t(p - 1)] = false;
    // Once the goal is reached, a turn is only for a player with a last
    // chance: the others could otherwise go on scoring past the winner.
    if (m_goalReached ? anyLastChance() : true) return Next::Turn;
    m_over = true;
    return Next::GameOver;
}

OddOneOutGame::Next OddOneOutGame::wrong() {
    if (!m_goalReached) return Next::WaitThenTurn;
    m_lastChance[std::size_t(m_current - 1)] = false;
    if (anyLastChance()) return Next::WaitThenTurn;
    m_over = true;
    return Next::GameOver;
}

std::vector<int> OddOneOutGame::winners() const {
    std::vector<int> result;
    for (int p = 1; p <= m_players; ++p)
        if (points(p) >= kGoal) result.push_back(p);
    return result;
}

} // namespace glosbo::core
