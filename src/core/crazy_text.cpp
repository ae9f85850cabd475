#include "core/crazy_text.h"

#include <algorithm>
#include <fstream>

#include "core/data_fs.h"
#include "core/line_file.h"
#include "core/scramble.h"
#include "core/text_printout.h"

namespace glosbo::core {
namespace {

bool isGapKind(char c) {
    return c == '1' || c == '2' || c == '3';
}

std::string quoted(const std::string& title) {
    return "story \"" + title + "\"";
}

// Counts the gaps of a line; false when a "#" is not followed by 1, 2 or 3.
bool countGaps(std::string_view line, std::array<int, 3>& gaps) {
    bool good = true;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '#') continue;
        if (i + 1 < line.size() && isGapKind(line[i + 1])) {
            ++gaps[line[i + 1] - '1'];
            ++i;
        } else {
            good = false;
        }
    }
    return good;
}

} // namespace

CrazyStoryFile readCrazyStories(std::istream& in) {
    CrazyStoryFile file;
    std::optional<CrazyStory> story;
    bool strayHash = false;
    int titleLine = 0;
    int number = 0;

    const auto close = [&](bool closed) {
        if (!story) return;
        std::string why;
        if (!closed)
            why = "has no closing \"#\" line";
        else if (strayHash)
            why = "has a \"#\" not followed by 1, 2 or 3";
        for (int kind = 0; kind < 3 && why.empty(); ++kind)
            if (story->gaps[kind] > CrazyStory::kMostGaps)
                why = "has " + std::to_string(story->gaps[kind]) + " gaps #" +
                      std::to_string(kind + 1) + "; at most " +
                      std::to_string(CrazyStory::kMostGaps) + " are allowed";
        if (why.empty())
            file.stories.push_back(std::move(*story));
        else
            file.problems.push_back({titleLine, quoted(story->title) + " " + why + ": left out"});
        story.reset();
    };

    for (std::string raw; readLine(in, raw);) {
        ++number;
        const std::string line = dekryptrad(raw);
        if (!line.empty() && line[0] == ';') continue;
        if (!line.empty() && line[0] == '$') {
            close(false);
            story = CrazyStory{};
            story->title = line.substr(1);
            strayHash = false;
            titleLine = number;
            if (!countGaps(story->title, story->gaps)) strayHash = true;
            story->lines.push_back(story->title);
            continue;
        }
        if (!story) {
            if (!line.empty()) file.problems.push_back({number, "line outside a story: ignored"});
            continue;
        }
        if (line == "#") {
            close(true);
            continue;
        }
        if (!countGaps(line, story->gaps)) strayHash = true;
        story->lines.push_back(line);
    }
    close(false);
    if (file.stories.empty()) file.problems.push_back({0, "no usable story"});
    return file;
}

std::optional<CrazyStoryFile> loadCrazyStories(const DataRoots& roots, const std::string& file) {
    const auto path = findDataFile(roots, lineFileSubdirectory(file) + file);
    if (!path || !fileExists(*path)) return std::nullopt;
    std::ifstream in(*path, std::ios::binary);
    if (!in) return std::nullopt;
    return readCrazyStories(in);
}

FirstLine wrapFirstLine(std::string_view text, int left, int right, WrapContext& wrap) {
    const auto lines = dela_mening(left, right, 2, text, wrap);
    FirstLine result;
    result.line = lines[1];
    // The wrapper drops the leading spaces of a text that fits its lines
    // and keeps them when it had to cut the text short.
    const std::size_t start = std::min(text.find_first_not_of(' '), text.size());
    result.begin = text.compare(0, result.line.size(), result.line) == 0 ? 0 : start;
    // Bounds too narrow for a single character still make progress.
    if (result.line.empty() && start < text.size()) {
        result.begin = start;
        result.line = std::string(text.substr(start, 1));
    }
    const std::size_t end = result.begin + result.line.size();
    const std::size_t rest = std::min(text.find_first_not_of(' ', end), text.size());
    result.rest = std::string(text.substr(rest));
    return result;
}

CrazyText::CrazyText(CrazyStory story) : m_story(std::move(story)) {}

int CrazyText::wordsAsked() const {
    return m_kind == kDone ? 0 : m_story.gaps[m_kind - 1];
}

std::string CrazyText::prompt() const {
    static const char* const kinds[] = {" adjektiv.", " substantiv i singularis.",
                                        " substantiv i pluralis."};
    if (m_kind == kDone) return {};
    return "Skriv " + std::to_string(wordsAsked()) + kinds[m_kind - 1];
}

bool CrazyText::take(std::string_view word) {
    if (m_kind == kDone) return false;
    if (m_wordNumber >= 1 && m_wordNumber <= kRows)
        m_words[m_kind - 1][m_wordNumber - 1] = std::string(word.substr(0, kLongestWord));
    ++m_wordNumber;
    if (m_wordNumber <= wordsAsked()) return false;
    ++m_kind;
    m_wordNumber = 1;
    return true;
}

void CrazyText::shuffle(RandomSource& random) {
    for (int kind = 0; kind < 3; ++kind) {
        const int n = std::min(m_story.gaps[kind], kRows);
        auto& words = m_words[kind];
        for (int i = n - 1; i > 0; --i)
            std::swap(words[i], words[random.below(i + 1)]);
    }
}

std::string CrazyText::filled(std::string_view line, std::array<int, 3>& next) const {
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '#') {
            out += line[i];
            continue;
        }
        if (i + 1 < line.size() && isGapKind(line[i + 1])) {
            const int kind = line[i + 1] - '1';
            if (next[kind] < kRows) out += m_words[kind][next[kind]];
            ++next[kind];
        }
        ++i; // the character after "#" goes with it
    }
    return out;
}

std::vector<std::string> CrazyText::text(int left, int right, WrapContext& wrap) const {
    std::vector<std::string> lines;
    std::array<int, 3> next{};
    std::string carry;
    for (const std::string& storyLine : m_story.lines) {
        std::string line = storyLine;
        if (!carry.empty()) {
            if (carry.back() != ' ') carry += ' ';
            line = carry + line;
            carry.clear();
        }
        const std::string out = filled(line, next);
        // The first line is shown; when two more follow, the second is shown
        // too; the rest runs on into the next story line.
        FirstLine first = wrapFirstLine(out, left, right, wrap);
        lines.push_back(first.line);
        if (!first.rest.empty()) {
            FirstLine second = wrapFirstLine(first.rest, left, right, wrap);
            if (second.rest.empty()) {
                carry = first.rest;
            } else {
                lines.push_back(second.line);
                carry = second.rest;
            }
        }
    }
    // What is left after the last line is shown whole, over as many lines as
    // it takes.
    while (!carry.empty()) {
        FirstLine first = wrapFirstLine(carry, left, right, wrap);
        lines.push_back(first.line);
        carry = first.rest;
    }
    return lines;
}

std::vector<Page> crazyTextPages(const std::vector<std::string>& lines, const PageMetrics& metrics,
                                 const PageMargins& printer) {
    const PageFont font{12, false, "Arial"};
    std::vector<PrintedLine> printed;
    for (std::size_t i = 0; i < lines.size(); ++i)
        printed.push_back({lines[i], font, i == 0 ? 40.0 : 10.0});
    return layOutPrintedLines(printed, 200, 2, 2, metrics, printer);
}

} // namespace glosbo::core
