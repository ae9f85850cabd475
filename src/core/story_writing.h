#pragma once

#include <array>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/crazy_text.h"
#include "core/data_roots.h"
#include "core/page.h"
#include "core/wrap.h"

// The pupil's own story: a three-line introduction chosen from a file, then
// the pupil's lines, printed at the end.
namespace glosbo::core {

// The program number of the introduction file.
constexpr std::uint16_t kStoryProgram = 53000;

struct StoryIntroduction {
    static constexpr int kLines = 3;
    std::array<std::string, kLines> lines;
};

struct IntroductionFile {
    std::vector<StoryIntroduction> introductions; // the usable ones, in file order
    std::vector<FileProblem> problems;
};

// Reads an introduction file: introductions of three lines, each closed by a
// line "#". Lines are unscrambled; ";", "$" and empty lines are skipped. An
// introduction of another number of lines, or one without its closing "#",
// is left out and reported.
IntroductionFile readIntroductions(std::istream& in);

// Reads the introduction file of an exercise under "/DATA/DAT/", the PC path
// first. Nothing when it cannot be opened.
std::optional<IntroductionFile> loadIntroductions(const DataRoots& roots, const std::string& file);

// A line the pupil wrote, split so that the shown part fits the display.
struct StoryLine {
    std::string shown;
    std::string rest; // goes back into the entry box; empty when all fits
};

// Splits a written line that fits() refuses: wrapped with dela_mening
// between left and right, the first line is shown, cut further while it is
// still too wide, and everything after it is the rest. A line that fits is
// shown whole. The shown part is never empty for a non-empty line, so that
// sending the rest again always makes progress.
StoryLine splitStoryLine(std::string_view line, int left, int right, WrapContext& wrap,
                         const std::function<bool(std::string_view)>& fits);

// The printout of a story: "Berätta" in Arial 18 points at (200, 100)
// printer pixels, the lines in Arial 14 points from 250 down, 20 pixels
// apart. printer: the printer's margins, none for a PDF.
std::vector<Page> storyPages(const std::vector<std::string>& lines, const PageMetrics& metrics,
                             const PageMargins& printer = {});

} // namespace glosbo::core
