#include "core/word_duel.h"

#include <algorithm>

#include "core/cp1252.h"
#include "core/game_records.h"

namespace glosbo::core {

std::string duelTargetClass(std::uint16_t programNumber) {
    switch (programNumber) {
    case 41100:
        return "SUBSTANTIV";
    case 41200:
        return "ADJEKTIV";
    case 41300:
        return "VERB";
    default:
        return {};
    }
}

bool knownWordClass(std::string_view wordClass) {
    static constexpr std::string_view kClasses[] = {"SUBSTANTIV",  "ADJEKTIV",    "VERB",
                                                    "ADVERB",      "PRONOMEN",    "PREPOSITION",
                                                    "R\xC4KNEORD", "KONJUNKTION", "INTERJEKTION"};
    const std::string upper = upperCp1252(wordClass);
    return std::find(std::begin(kClasses), std::end(kClasses), upper) != std::end(kClasses);
}

bool duelRecordUsable(const RecordFields& fields) {
    return !fields[1].empty() && knownWordClass(fields[2]);
}

std::string emptyNamePrompt(int n) {
    switch (n) {
    case 1:
        return "Ditt namn tack!";
    case 2:
        return "Ditt namn tack!!";
    case 3:
        return "Ditt namn tack!!!";
    default:
        return "Avbryt med Escape.";
    }
}

std::optional<DuelTurn> drawDuelTurn(AppState& state, const std::string& targetClass) {
    DuelTurn turn;
    for (DuelWord& word : turn.words) {
        if (drawUsableRecord(state, duelRecordUsable) == 0) return std::nullopt;
        word.word = state.fields[1];
        word.wordClass = state.fields[2];
        word.target = upperCp1252(word.wordClass) == targetClass;
        if (word.target) ++turn.count;
    }
    return turn;
}

WordDuel::Verdict WordDuel::answer(int a, int c) {
    Verdict v;
    v.right = a == c;
    if (v.right) {
        v.squares = {m_pupil + 1, std::min(m_pupil + c, kGoal)};
        m_pupil += c;
    } else {
        v.squares = {m_computer + 1 + kGoal, std::min(m_computer + c + kGoal, 2 * kGoal)};
        m_computer += c;
    }
    if (m_computer >= kGoal) {
        m_over = true;
        m_won = false;
    } else if (m_pupil >= kGoal) {
        m_over = true;
        m_won = true;
    }
    v.over = m_over;
    return v;
}

std::string duelWonText(const std::string& name) {
    return "Grattis " + name + "!";
}

std::string duelLostText(const std::string& name) {
    return "Tyv\xE4rr, " + name + ". Du f\xF6rlorade mot datorn. Ta revansch.";
}

} // namespace glosbo::core
