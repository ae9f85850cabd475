// The introduction file of the story window: any bytes as a file, read into
// introductions; then each line split as the window splits a line the
// pupil wrote that is too wide. The input is the file.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "core/story_writing.h"
#include "fuzz_check.h"

using namespace glosbo::core;

namespace {

int measure(std::string_view text, int) {
    return int(text.size()) * 9;
}

std::string withoutSpaces(std::string_view s) {
    std::string out;
    for (char c : s)
        if (c != ' ') out += c;
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream in(bytes);
    const IntroductionFile file = readIntroductions(in);
    FUZZ_CHECK(!file.introductions.empty() || !file.problems.empty());
    for (const StoryIntroduction& intro : file.introductions)
        for (const std::string& line : intro.lines) {
            FUZZ_CHECK(!line.empty() && line != "#" && line[0] != ';' && line[0] != '$');

            // Sending a line and its rest again and again shows all of it,
            // each shown part fitting the display (or one character).
            const auto fits = [](std::string_view t) { return t.size() <= 12; };
            WrapContext wrap{measure, 1024, kStoryProgram};
            std::string rest = line;
            std::string shown;
            for (int sends = 0; !rest.empty(); ++sends) {
                FUZZ_CHECK(sends <= int(line.size()));
                const StoryLine split = splitStoryLine(rest, 20, 120, wrap, fits);
                FUZZ_CHECK(split.shown.size() <= 1 || fits(split.shown));
                FUZZ_CHECK(split.rest.size() < rest.size());
                shown += withoutSpaces(split.shown);
                rest = split.rest;
            }
            FUZZ_CHECK(shown == withoutSpaces(line));
        }
    return 0;
}
