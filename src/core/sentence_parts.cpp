#include "core/sentence_parts.h"

#include <algorithm>
#include <numeric>

#include "core/cp1252.h"
#include "core/line_file.h"
#include "core/scramble.h"

namespace glosbo::core {

const std::array<SentenceRole, kRoleCount> kSentenceRoles = {{
    {"AO", "Ackusativ-", "objekt", "Ackusativobjekt  ="},
    {"DO", "Dativ-", "objekt", "Dativobjekt        ="},
    {"P", "Predikat", "", "Predikat             ="},
    {"PF", "Predikats-", "fyllnad", "Predikatsfyllnad ="},
    {"S", "Subjekt", "", "Subjekt               ="},
}};

int sentenceRoleOf(std::string_view field) {
    const std::string tag = upperCp1252(field);
    for (int r = 0; r < kRoleCount; ++r)
        if (tag == kSentenceRoles[r].tag) return r + 1;
    return 0;
}

SentencePartsProgram sentencePartsProgram(std::uint16_t programNumber) {
    SentencePartsProgram p;
    switch (programNumber) {
    case 47100:
        p.levels = true;
        p.headline2 = "Predikat eller subjekt?";
        p.worksheetTitle = "SATSDELAR. Predikat och subjekt?";
        break;
    case 47200:
        p.levels = true;
        p.headline2 = "Vilket \xE4r ackusativobjektet?";
        p.worksheetTitle = "SATSDELAR. Ackusativobjekt";
        break;
    case 47300:
        p.headline2 = "Ackusativ- eller dativobjekt?";
        p.worksheetTitle = "SATSDELAR. Ackusativ- eller dativobjekt?";
        break;
    default:
        p.headline1 = "";
        break;
    }
    return p;
}

std::optional<SentenceSplit> splitSentence(std::string_view sentence) {
    SentenceSplit s;
    std::size_t from = 0; // start of the text before the next part
    int k = 0;
    for (;;) {
        const std::size_t open = sentence.find('<', from);
        const std::size_t close = sentence.find('>', from);
        if (open == std::string_view::npos) {
            // No further part: a '>' left over means unequal marks.
            if (close != std::string_view::npos) return std::nullopt;
            s.between[k + 1] = std::string(sentence.substr(from));
            break;
        }
        // A '>' before its '<', or a part that never closes.
        if (close == std::string_view::npos || close < open) return std::nullopt;
        if (++k > kMostSentenceParts) return std::nullopt;
        s.between[k] = std::string(sentence.substr(from, open - from));
        const std::string_view part = sentence.substr(open + 1, close - open - 1);
        // A part that opens inside another, or shows nothing to drag.
        if (part.empty() || part.find('<') != std::string_view::npos) return std::nullopt;
        s.parts[k] = std::string(part);
        from = close + 1;
    }
    s.partCount = k;
    return s;
}

std::optional<Sentence> Sentence::fromRecord(const RecordFields& fields) {
    auto split = splitSentence(fields[1]);
    if (!split) return std::nullopt;
    Sentence s;
    s.m_split = std::move(*split);
    for (int k = 1; k <= s.m_split.partCount; ++k)
        s.m_roles[k] = sentenceRoleOf(fields[k + 1]);
    for (int role = 1; role <= kRoleCount; ++role)
        for (int k = 1; k <= s.m_split.partCount; ++k)
            if (s.m_roles[k] == role) s.m_boxes.push_back({k, role});
    if (s.m_boxes.empty()) return std::nullopt;
    return s;
}

PartDrop Sentence::drop(int part, int box) {
    const bool known = part >= 1 && part <= partCount() && box >= 1 && box <= partsToPlace();
    const int role = known ? m_roles[part] : 0;
    if (role == 0 || m_boxes[box - 1].role != role) {
        m_clean = false;
        return PartDrop::Refused;
    }
    // A placed part stays where it is, whichever box of its role it meets.
    if (isPlaced(part)) return PartDrop::AlreadyPlaced;
    if (m_received[box]) {
        m_clean = false;
        return PartDrop::Refused;
    }
    m_received[box] = true;
    m_boxOfPart[part] = box;
    ++m_placed;
    return PartDrop::Placed;
}

std::optional<int> DragHints::ask(int hint) {
    if (m_boxLock) return std::nullopt;
    if (m_dragLock && hint <= 1) return std::nullopt;
    if (hint == 2) m_dragLock = true;
    if (hint == 3) m_boxLock = true;
    if (hint == m_current) return std::nullopt;
    m_current = hint;
    return hint;
}

std::optional<int> DragHints::overBackground() {
    clearLocks();
    return ask(0);
}

std::optional<int> DragHints::dragLeftBox() {
    m_boxLock = false;
    return ask(2);
}

LevelPrefix levelPrefix(std::string_view line) {
    LevelPrefix p;
    while (p.digits < line.size() && line[p.digits] >= '0' && line[p.digits] <= '9') {
        // Anything past 99 is no level; the count stops growing there.
        if (p.level < 100) p.level = p.level * 10 + (line[p.digits] - '0');
        ++p.digits;
    }
    return p;
}

std::string withoutLevel(std::string_view line) {
    return std::string(line.substr(levelPrefix(line).digits));
}

namespace {

// The text of a record line of a level file, unscrambled; nothing for the
// lines that are not records.
std::optional<std::string> levelRecord(std::string_view line) {
    const LineClass kind = classifyLine(line);
    if (!isRecord(kind)) return std::nullopt;
    std::string text = kind == LineClass::Scrambled ? dekryptrad(line) : std::string(line);
    if (text.find('#', 1) == std::string::npos) return std::nullopt;
    return text;
}

} // namespace

int LevelFile::levelOf(std::string_view line, std::string& text, int wanted) const {
    const auto record = levelRecord(line);
    if (!record) return 0;
    // Every digit of the prefix counts, so that counting and fetching
    // agree: "123" is no level 12.
    const LevelPrefix p = levelPrefix(*record);
    if (p.level < 1 || p.level > kMostLevels) return 0;
    // Records of other levels are not looked at further.
    if (wanted != 0 && p.level != wanted) return 0;
    text = record->substr(p.digits);
    if (m_usable && !m_usable(text)) return 0;
    return p.level;
}

void LevelFile::count(std::istream& in, Usable usable) {
    m_usable = std::move(usable);
    m_counts.fill(0);
    m_cursors.fill(1);
    for (auto& order : m_orders)
        order.clear();
    std::string line;
    std::string text;
    while (readLine(in, line))
        if (const int level = levelOf(line, text)) ++m_counts[level];
    m_levels = 0;
    while (m_levels < kMostLevels && m_counts[m_levels + 1] > 0)
        ++m_levels;
    for (int level = 1; level <= kMostLevels; ++level) {
        m_orders[level].resize(std::size_t(m_counts[level]));
        std::iota(m_orders[level].begin(), m_orders[level].end(), 1);
    }
}

void LevelFile::shuffle(int level, RandomSource& random) {
    if (level < 1 || level > kMostLevels) return;
    std::vector<int>& order = m_orders[level];
    // A draw without replacement from the numbers still left.
    std::vector<int> left(order.size());
    std::iota(left.begin(), left.end(), 1);
    for (std::size_t i = 0; i < order.size(); ++i) {
        const int pick = random.below(int(left.size()));
        order[i] = left[std::size_t(pick)];
        left.erase(left.begin() + pick);
    }
    m_cursors[level] = 1;
}

int LevelFile::nextNumber(int level) const {
    if (level < 1 || level > kMostLevels || m_orders[level].empty()) return 0;
    return m_orders[level][std::size_t(m_cursors[level] - 1)];
}

std::optional<std::string> LevelFile::fetch(std::istream& in, int level) {
    const int n = nextNumber(level);
    if (n == 0) return std::nullopt;
    m_cursors[level] = m_cursors[level] % int(m_orders[level].size()) + 1;
    int seen = 0;
    std::string line;
    std::string text;
    while (readLine(in, line))
        if (levelOf(line, text, level) == level && ++seen == n) return text;
    return std::nullopt;
}

void LevelClimb::start(int levels) {
    m_levels = levels;
    m_level = 1;
    m_run = 0;
    m_topPassed = false;
}

bool LevelClimb::right() {
    if (++m_run <= 2) return false;
    m_run = 0;
    ++m_level;
    if (m_level <= m_levels) return false;
    m_topPassed = true;
    return true;
}

void LevelClimb::wrong() {
    if (m_level > 1) --m_level;
    m_run = 0;
}

bool onlyPunctuation(std::string_view text) {
    bool mark = false;
    for (char c : text) {
        if (c == ' ') continue;
        if (std::string_view(".,!?;:").find(c) == std::string_view::npos) return false;
        mark = true;
    }
    return mark;
}

TaskLines sentencePartsTask(std::string_view prefix, std::string_view sentence,
                            const Sentence& parts) {
    TaskLines task;
    const std::string first = std::string(prefix) + std::string(sentence);
    task.questions.push_back(first);
    task.answers.push_back(first);
    for (const Sentence::Box& box : parts.boxes()) {
        const std::string legend =
            std::string(kIndent) + kSentenceRoles[std::size_t(box.role - 1)].legend;
        task.questions.push_back(legend + std::string(28, '_'));
        task.answers.push_back(legend + " " + parts.part(box.part));
    }
    return task;
}

} // namespace glosbo::core
