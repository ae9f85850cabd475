#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data_roots.h"
#include "core/page.h"
#include "core/sources.h"
#include "core/wrap.h"

// The crazy text: the pupil writes adjectives, singular nouns and plural
// nouns without seeing the story, and they are put into its gaps in a
// random order.
namespace glosbo::core {

// The program number of the story file.
constexpr std::uint16_t kCrazyTextProgram = 51000;

// A problem found while reading a file, for the data tool (English).
struct FileProblem {
    int line = 0; // 1-based; 0 for the file as a whole
    std::string message;
};

// One story of the story file. In its lines a gap is "#1" (an adjective),
// "#2" (a singular noun) or "#3" (a plural noun).
struct CrazyStory {
    static constexpr int kMostGaps = 10; // of each kind
    std::string title;                   // the title line without its "$"
    std::vector<std::string> lines;      // the title first, up to the closing "#" line
    std::array<int, 3> gaps{};           // gaps of each kind
};

struct CrazyStoryFile {
    std::vector<CrazyStory> stories; // the usable ones, in file order
    std::vector<FileProblem> problems;
};

// Reads a story file: a story runs from a "$" title line to the next line
// "#". Lines are unscrambled; ";" comment lines are skipped. A story with
// more than kMostGaps gaps of a kind, a "#" not followed by 1, 2 or 3, or no
// closing "#" line is left out, as is every other line outside a story; each
// is reported as a problem.
CrazyStoryFile readCrazyStories(std::istream& in);

// Reads the story file of an exercise under "/DATA/DAT/", the PC path first.
// Nothing when it cannot be opened.
std::optional<CrazyStoryFile> loadCrazyStories(const DataRoots& roots, const std::string& file);

// One line and the rest of a text wrapped with dela_mening between left and
// right: the rest is everything after the first line, so nothing of a long
// text is lost.
struct FirstLine {
    std::string line;
    std::string rest;      // without leading spaces
    std::size_t begin = 0; // where the line starts in the text
};
FirstLine wrapFirstLine(std::string_view text, int left, int right, WrapContext& wrap);

// The words the pupil writes and the story they make.
class CrazyText {
public:
    static constexpr int kRows = 10;
    static constexpr std::size_t kLongestWord = 20;
    static constexpr int kDone = 4;

    explicit CrazyText(CrazyStory story);

    const CrazyStory& story() const { return m_story; }
    // 1 adjectives, 2 singular nouns, 3 plural nouns; kDone when every word
    // is in.
    int kind() const { return m_kind; }
    // The words asked for of the current kind: as many as the story has
    // gaps. A kind without gaps still takes one Enter.
    int wordsAsked() const;
    // The row (1..kRows) the next word goes into.
    int wordNumber() const { return m_wordNumber; }
    // "Skriv 3 adjektiv." and so on, for the current kind.
    std::string prompt() const;
    // Puts a word (cut to kLongestWord characters) into the current row.
    // True when that completed the kind; the next kind is then current.
    bool take(std::string_view word);
    // The words of a kind (1..3), rows 1..kRows at 0..kRows-1.
    const std::array<std::string, kRows>& words(int kind) const { return m_words[kind - 1]; }

    // Puts the words of each kind that fill gaps into a random order, from
    // the given source; nothing else is drawn.
    void shuffle(RandomSource& random);

    // The finished text, wrapped for the screen between left and right: the
    // gaps filled in order, a line too wide running on into the next line of
    // the story after one space. "#" followed by anything else is dropped
    // with that character.
    std::vector<std::string> text(int left, int right, WrapContext& wrap) const;

private:
    std::string filled(std::string_view line, std::array<int, 3>& next) const;

    CrazyStory m_story;
    std::array<std::array<std::string, kRows>, 3> m_words{};
    int m_kind = 1;
    int m_wordNumber = 1;
};

// The printout of a finished crazy text: Arial 12 points at 200 printer
// pixels from the left, from the top; 40 pixels below the title and 10
// below every other line. printer: the printer's margins, none for a PDF.
std::vector<Page> crazyTextPages(const std::vector<std::string>& lines, const PageMetrics& metrics,
                                 const PageMargins& printer = {});

} // namespace glosbo::core
