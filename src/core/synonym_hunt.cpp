#include "core/synonym_hunt.h"

#include <algorithm>
#include <set>

#include "core/cp1252.h"
#include "core/game_records.h"
#include "core/scramble.h"

namespace glosbo::core {

namespace {

std::vector<std::string_view> pieces(std::string_view line) {
    std::vector<std::string_view> out;
    for (;;) {
        const auto hash = line.find('#');
        out.push_back(line.substr(0, hash));
        if (hash == std::string_view::npos) break;
        line.remove_prefix(hash + 1);
    }
    return out;
}

std::string_view trimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

} // namespace

std::string huntProgramName(std::uint16_t programNumber) {
    switch (programNumber) {
    case 31310:
        return "Poet";
    case 31410:
        return "Skarva";
    case 32110:
        return "Synonym 1";
    case 32120:
        return "Synonym 2";
    default:
        return {};
    }
}

std::optional<HuntTask> parseHuntTask(std::string_view line) {
    const std::vector<std::string_view> all = pieces(line);
    HuntTask task;
    task.word = std::string(all.front());
    // The typed words are compared without the spaces around them, so the
    // words of the file are too.
    for (std::size_t i = 1; i < all.size(); ++i)
        if (const std::string_view word = trimSpaces(all[i]); !word.empty())
            task.words.emplace_back(word);
    if (task.words.empty()) return std::nullopt;
    return task;
}

std::vector<std::string> huntRecordProblems(std::string_view line) {
    std::vector<std::string> problems;
    const std::vector<std::string_view> all = pieces(line);
    if (all.size() < 2) {
        problems.push_back("no word to find: word#word to find#...");
        return problems;
    }
    std::set<std::string> seen;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const std::string_view piece = all[i];
        if (piece.empty()) {
            problems.push_back("piece " + std::to_string(i + 1) + " is empty");
            continue;
        }
        if ((i > 0 && piece.front() == ' ') || (i + 1 < all.size() && piece.back() == ' '))
            problems.push_back("a space beside \"#\" in \"" + std::string(piece) + "\"");
        if (!seen.insert(upperCp1252(trimSpaces(piece))).second)
            problems.push_back("\"" + std::string(trimSpaces(piece)) + "\" stands twice");
    }
    return problems;
}

std::optional<HuntTask> drawHuntTask(AppState& state) {
    std::optional<HuntTask> task;
    // The installed files keep their records scrambled.
    drawRecord(state, [&](const std::string& line) {
        task = parseHuntTask(dekryptrad(line));
        return task.has_value();
    });
    return task;
}

void SynonymHunt::newGame() {
    *this = SynonymHunt{};
}

void SynonymHunt::startTask(HuntTask task, std::int64_t nowMs) {
    m_task = std::move(task);
    m_remaining = m_task.words;
    const int n = std::max(1, int(m_remaining.size()));
    m_wordPoints = kAllWordPoints / n;
    m_bonus = kBonus;
    m_answers = 0;
    m_answerLimit = n + 2;
    m_startMs = nowMs;
}

SynonymHunt::Answer SynonymHunt::answer(std::string_view typed) {
    Answer result;
    const std::string_view word = trimSpaces(typed);
    if (word.empty()) {
        result.taskOver = true;
        return result;
    }
    const std::string upper = upperCp1252(word);
    const auto match = std::find_if(m_remaining.begin(), m_remaining.end(),
                                    [&](const std::string& w) { return upperCp1252(w) == upper; });
    if (match != m_remaining.end()) {
        result.found = true;
        m_remaining.erase(match);
        m_score += m_wordPoints;
        if (m_remaining.empty()) m_score += m_bonus;
        m_score += int(word.size());
    }
    ++m_answers;
    result.taskOver = m_remaining.empty() || m_answers > m_answerLimit;
    return result;
}

void SynonymHunt::listShown() {
    m_wordPoints /= 2;
    m_bonus /= 2;
}

bool SynonymHunt::endTask(std::int64_t nowMs) {
    const std::int64_t seconds = std::max<std::int64_t>(0, nowMs - m_startMs) / 1000;
    if (seconds < m_score) m_score -= int(seconds);
    ++m_taskNumber;
    m_over = m_taskNumber > kTasks;
    return m_over;
}

} // namespace glosbo::core
