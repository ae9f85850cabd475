#include "core/story_writing.h"

#include <fstream>

#include "core/data_fs.h"
#include "core/line_file.h"
#include "core/scramble.h"
#include "core/text_printout.h"

namespace glosbo::core {

IntroductionFile readIntroductions(std::istream& in) {
    IntroductionFile file;
    std::vector<std::string> pending;
    int first = 0; // line number of the first pending line
    int number = 0;
    for (std::string raw; readLine(in, raw);) {
        ++number;
        const std::string line = dekryptrad(raw);
        if (line.empty() || line[0] == ';' || line[0] == '$') continue;
        if (line != "#") {
            if (pending.empty()) first = number;
            pending.push_back(line);
            continue;
        }
        if (pending.size() == StoryIntroduction::kLines) {
            StoryIntroduction intro;
            for (int i = 0; i < StoryIntroduction::kLines; ++i)
                intro.lines[i] = std::move(pending[i]);
            file.introductions.push_back(std::move(intro));
        } else {
            file.problems.push_back({pending.empty() ? number : first,
                                     "introduction of " + std::to_string(pending.size()) +
                                         " lines; it needs exactly 3: left out"});
        }
        pending.clear();
    }
    if (!pending.empty())
        file.problems.push_back({first, "introduction without its closing \"#\" line: left out"});
    if (file.introductions.empty()) file.problems.push_back({0, "no usable introduction"});
    return file;
}

std::optional<IntroductionFile> loadIntroductions(const DataRoots& roots, const std::string& file) {
    const auto path = findDataFile(roots, lineFileSubdirectory(file) + file);
    if (!path || !fileExists(*path)) return std::nullopt;
    std::ifstream in(*path, std::ios::binary);
    if (!in) return std::nullopt;
    return readIntroductions(in);
}

StoryLine splitStoryLine(std::string_view line, int left, int right, WrapContext& wrap,
                         const std::function<bool(std::string_view)>& fits) {
    if (fits(line)) return {std::string(line), {}};
    FirstLine first = wrapFirstLine(line, left, right, wrap);
    StoryLine result{first.line, {}};
    while (result.shown.size() > 1 && !fits(result.shown))
        result.shown.pop_back();
    // Everything after the shown part goes back, so nothing is lost.
    const std::size_t end = first.begin + result.shown.size();
    const std::size_t rest = std::min(line.find_first_not_of(' ', end), line.size());
    result.rest = std::string(line.substr(rest));
    while (!result.shown.empty() && result.shown.back() == ' ')
        result.shown.pop_back();
    return result;
}

std::vector<Page> storyPages(const std::vector<std::string>& lines, const PageMetrics& metrics,
                             const PageMargins& printer) {
    std::vector<PrintedLine> printed;
    printed.push_back({"Ber\xE4tta", PageFont{18, false, "Arial"}, 0, 250});
    for (const std::string& line : lines)
        printed.push_back({line, PageFont{14, false, "Arial"}, 20});
    return layOutPrintedLines(printed, 200, 100, 100, metrics, printer);
}

} // namespace glosbo::core
