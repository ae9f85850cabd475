// The story file of the reveal game: any bytes as a file, read into stories,
// each laid into its word slots and played to the end by guessing and by
// dragging. The input is the file.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "core/reveal.h"
#include "fuzz_check.h"

using namespace glosbo::core;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const auto stories = readRevealStories(in);
    for (const auto& lines : stories) {
        storyProblem(lines);
        const RevealStory story(lines);
        FUZZ_CHECK(story.wordTotal() <= RevealStory::kSlots);
        FUZZ_CHECK(int(story.wordList().size()) == story.wordTotal());

        // Guessing every hidden word finds the whole story, each place once.
        RevealStory guessed = story;
        for (int k = 1; k <= RevealStory::kSlots; ++k) {
            const RevealSlot& s = guessed.slot(k);
            if (!s.used) FUZZ_CHECK(s.word.empty());
            if (s.guess.empty()) continue;
            std::string g = s.guess;
            if (g.back() == '.' || g.back() == ',' || g.back() == '!' || g.back() == '?')
                g.pop_back();
            guessed.guess(g);
        }
        FUZZ_CHECK(guessed.rightCount() <= guessed.wordTotal());

        // Dropping every entry of the list on its places finds it all.
        RevealStory dragged = story;
        for (int k = 1; k <= RevealStory::kSlots; ++k)
            if (dragged.slot(k).used) dragged.drop(dragged.slot(k).answer, k);
        FUZZ_CHECK(dragged.rightCount() == story.wordTotal());
        FUZZ_CHECK(dragged.wordList().empty());
        FUZZ_CHECK(story.wordTotal() == 0 || dragged.complete());
    }
    return 0;
}
