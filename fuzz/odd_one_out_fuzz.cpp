// The odd-one-out game on arbitrary bytes: the input is the game's file;
// records are drawn as the window draws them, their words put in a random
// order of boxes, and a game of one to three players is played with right
// and wrong answers taken from the input.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "core/game_records.h"
#include "core/odd_one_out.h"
#include "core/record_fields.h"
#include "exercise_root.h"
#include "fuzz_check.h"

using namespace glosbo::core;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    fuzz::Exercise ex(size % 2 ? "SVE32210.DAT" : "SVE32220.DAT", bytes, std::uint32_t(size));
    AppState& state = *ex.state;

    std::set<int> usable;
    for (int n = 1; n <= ex.records; ++n)
        if (oddOneOutRecordUsable(str_postarray(ex.line(n)))) usable.insert(n);

    // One round of the random order draws every usable record once.
    std::set<int> drawn;
    for (std::size_t k = 0; k < usable.size() + 2 && k < 40; ++k) {
        const int n = drawUsableRecord(state, oddOneOutRecordUsable);
        FUZZ_CHECK((n != 0) == !usable.empty());
        if (n == 0) break;
        FUZZ_CHECK(usable.count(n) == 1);
        FUZZ_CHECK(state.files.currentRecordNumber == n);
        FUZZ_CHECK(state.files.currentRecordLine == ex.line(n));
        const RecordFields& fields = state.fields;
        FUZZ_CHECK(oddOneOutRecordUsable(fields));
        if (k < usable.size()) FUZZ_CHECK(drawn.insert(n).second);

        // The four boxes show the four words, each once.
        std::array<int, 4> order = slump(state.random());
        std::array<int, 4> sorted = order;
        std::sort(sorted.begin(), sorted.end());
        FUZZ_CHECK((sorted == std::array<int, 4>{1, 2, 3, 4}));
        std::string typed = fields[1];
        FUZZ_CHECK(state.svarstest(fields[1], typed, CompareKind::Exact) == kAnswerRight);
    }

    // The game: points stay within the goal and it ends with winners.
    OddOneOutGame game(1 + int(size % 3));
    for (std::size_t i = 0; i < size && i < 200 && !game.over(); ++i) {
        const int player = game.nextTurn();
        FUZZ_CHECK(player >= 1 && player <= game.players());
        if (data[i] & 1)
            game.right();
        else
            game.wrong();
        for (int p = 1; p <= game.players(); ++p)
            FUZZ_CHECK(game.points(p) >= 0 && game.points(p) <= OddOneOutGame::kGoal);
    }
    if (game.over()) {
        FUZZ_CHECK(!game.winners().empty());
        for (const int w : game.winners())
            FUZZ_CHECK(game.points(w) == OddOneOutGame::kGoal);
    }
    return 0;
}
