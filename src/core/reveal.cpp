#include "core/reveal.h"

#include <algorithm>
#include <fstream>

#include "core/cp1252.h"
#include "core/data_fs.h"
#include "core/line_file.h"
#include "core/record_fields.h"
#include "core/scramble.h"
#include "core/swedish_order.h"

namespace glosbo::core {

namespace {

bool isEndMark(char c) {
    return c == '.' || c == ',' || c == '!' || c == '?';
}

std::string withoutEndMark(const std::string& token) {
    if (!token.empty() && isEndMark(token.back())) return token.substr(0, token.size() - 1);
    return token;
}

std::string placeholderOf(const std::string& token) {
    if (token.back() == '-') return "-";
    std::string p = "*";
    for (std::size_t i = 1; i < token.size(); ++i)
        if (!isEndMark(token[i]) && token[i] != '-') p += '*';
    if (isEndMark(token.back())) p += token.back();
    return p;
}

// The pieces of a story line: speaker names between "<" and ">" and the
// words between spaces.
struct LinePiece {
    bool speaker = false;
    std::string text;
};

std::vector<LinePiece> scanLine(const std::string& line) {
    std::vector<LinePiece> pieces;
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '#' || c == '>') {
            ++i;
        } else if (c == '<') {
            const std::size_t end = std::min(line.find('>', i + 1), line.size());
            pieces.push_back({true, line.substr(i + 1, end - i - 1)});
            i = end;
        } else {
            const std::size_t end = std::min(line.find(' ', i), line.size());
            pieces.push_back({false, line.substr(i, end - i)});
            i = end;
        }
    }
    return pieces;
}

} // namespace

std::vector<std::vector<std::string>> readRevealStories(std::istream& in) {
    std::vector<std::vector<std::string>> stories;
    std::vector<std::string> current;
    std::string raw;
    while (readLine(in, raw)) {
        const std::string line = raw.empty() ? raw : dekryptrad(raw);
        if (!line.empty() && (line.front() == ';' || line.front() == '$')) continue;
        if (!line.empty() && line.front() == '#') {
            stories.push_back(std::move(current));
            current.clear();
            continue;
        }
        current.push_back(line);
    }
    return stories;
}

std::optional<std::vector<std::vector<std::string>>> loadRevealStories(const DataRoots& roots,
                                                                       const std::string& file) {
    const auto path = findDataFile(roots, lineFileSubdirectory(file) + file);
    if (!path || !fileExists(*path)) return std::nullopt;
    std::ifstream in(*path, std::ios::binary);
    if (!in) return std::nullopt;
    return readRevealStories(in);
}

std::string storyListEntry(int n) {
    const std::string number = std::to_string(n);
    return std::string(number.size() >= 7 ? 0 : 7 - number.size(), ' ') + number;
}

std::string storyProblem(const std::vector<std::string>& lines) {
    if (lines.size() > std::size_t(RevealStory::kRows)) return "more than 7 lines";
    int words = 0;
    for (const std::string& line : lines) {
        int inLine = 0;
        for (const LinePiece& piece : scanLine(line)) {
            if (piece.speaker) continue;
            if (piece.text.size() > 20) return "a word over 20 characters: " + piece.text;
            ++inLine;
        }
        if (inLine > RevealStory::kColumns) return "a line of more than 7 words";
        words += inLine;
    }
    if (words == 0) return "no words";
    return {};
}

std::string percentText(int numerator, int denominator) {
    if (numerator <= 0 || denominator <= 0) return "0 %";
    const long long scaled = 100LL * numerator;
    long long q = scaled / denominator;
    const long long twice = 2 * (scaled % denominator);
    if (twice > denominator || (twice == denominator && q % 2 != 0)) ++q;
    return std::to_string(q) + " %";
}

RevealStory::RevealStory(const std::vector<std::string>& lines) {
    for (std::size_t row = 0; row < lines.size() && row < std::size_t(kRows); ++row) {
        int column = 0;
        for (LinePiece& piece : scanLine(lines[row])) {
            if (piece.speaker) {
                m_speakers[row] = std::move(piece.text);
                continue;
            }
            // Words past the seventh of a row have no slot.
            if (column == kColumns) continue;
            RevealSlot& s = m_slots[row * kColumns + std::size_t(column++)];
            s.used = true;
            s.word = piece.text;
            s.placeholder = placeholderOf(piece.text);
            s.answer = withoutEndMark(piece.text);
            s.guess = piece.text;
            // Only what can be found counts towards the whole story.
            if (s.answer != "-" && !s.answer.empty()) {
                m_wordList.push_back(s.answer);
                ++m_wordTotal;
            } else {
                s.guess.clear();
            }
        }
    }
    std::stable_sort(m_wordList.begin(), m_wordList.end(), swedishLess);
}

bool RevealStory::drop(const std::string& entry, int k) {
    ++m_attempts;
    if (k < 1 || k > kSlots) return false;
    RevealSlot& s = m_slots[std::size_t(k - 1)];
    // A found slot takes no second word: it would count twice and use up
    // the entry another place needs.
    if (!s.used || s.found || s.guess.empty() || entry != s.answer) return false;
    const auto at = std::find(m_wordList.begin(), m_wordList.end(), entry);
    if (at == m_wordList.end()) return false;
    m_wordList.erase(at);
    s.placeholder = s.word;
    s.found = true;
    s.guess.clear();
    ++m_right;
    return true;
}

int RevealStory::guess(const std::string& typed) {
    const std::string g = MellanslagBort(typed);
    if (g.empty() || g == "-") return 0;
    int found = 0;
    for (RevealSlot& s : m_slots) {
        if (s.guess.empty()) continue;
        const std::string w = withoutEndMark(s.guess);
        if (g != w) continue;
        s.placeholder = g + s.guess.substr(w.size());
        s.found = true;
        s.guess.clear();
        const auto at = std::find(m_wordList.begin(), m_wordList.end(), s.answer);
        if (at != m_wordList.end()) m_wordList.erase(at);
        ++found;
        ++m_right;
        ++m_attempts;
    }
    if (found == 0) ++m_attempts;
    return found;
}

} // namespace glosbo::core
