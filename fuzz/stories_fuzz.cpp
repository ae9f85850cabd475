// The story file of the crazy text: any bytes as a file, read into stories,
// then each story written with words and wrapped. The input is the file.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "core/crazy_text.h"
#include "fuzz_check.h"

using namespace glosbo::core;

namespace {

int measure(std::string_view text, int) {
    return int(text.size()) * 7;
}

std::string withoutSpaces(std::string_view s) {
    std::string out;
    for (char c : s)
        if (c != ' ') out += c;
    return out;
}

// The line with its gaps filled by the words, and "#" with the character
// after it dropped otherwise, as the pupil reads it.
std::string filled(const std::string& line, const std::array<int, 3>& gaps,
                   std::array<int, 3>& next) {
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '#') {
            out += line[i];
            continue;
        }
        if (i + 1 < line.size() && line[i + 1] >= '1' && line[i + 1] <= '3') {
            const int kind = line[i + 1] - '1';
            FUZZ_CHECK(next[kind] < gaps[kind]);
            out += "w" + std::to_string(kind) + std::to_string(next[kind]++);
        }
        ++i;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const CrazyStoryFile file = readCrazyStories(in);
    FUZZ_CHECK(!file.stories.empty() || !file.problems.empty());
    for (const CrazyStory& story : file.stories) {
        FUZZ_CHECK(!story.lines.empty());
        FUZZ_CHECK(story.lines[0] == story.title);
        for (int gaps : story.gaps)
            FUZZ_CHECK(gaps >= 0 && gaps <= CrazyStory::kMostGaps);
        for (const std::string& line : story.lines)
            FUZZ_CHECK(line != "#");

        // Every kind takes its words (one Enter for a kind without gaps).
        CrazyText text(story);
        for (int kind = 1; kind <= 3; ++kind) {
            FUZZ_CHECK(text.kind() == kind);
            const int asked = story.gaps[kind - 1] > 0 ? story.gaps[kind - 1] : 1;
            for (int n = 0; n < asked; ++n) {
                FUZZ_CHECK(text.wordNumber() == n + 1);
                const std::string word = "w" + std::to_string(kind - 1) + std::to_string(n);
                FUZZ_CHECK(text.take(word) == (n + 1 == asked));
            }
        }
        FUZZ_CHECK(text.kind() == CrazyText::kDone);

        // Unshuffled, the words stand in order, and nothing of the story is
        // lost however the lines wrap.
        WrapContext wrap{measure, 640, kCrazyTextProgram};
        const auto lines = text.text(10, 300, wrap);
        std::string shown;
        for (const std::string& line : lines) {
            FUZZ_CHECK(line.size() <= 1 || measure(line, 12) <= 290);
            shown += withoutSpaces(line);
        }
        std::array<int, 3> next{};
        std::string expected;
        for (const std::string& line : story.lines)
            expected += withoutSpaces(filled(line, story.gaps, next));
        FUZZ_CHECK(shown == expected);
    }
    return 0;
}
