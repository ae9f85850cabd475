// The word duel on arbitrary bytes: the input is the duel file, opened as
// one of the three duels; turns are drawn from it as the window draws them
// and the duel is played with answers taken from the input.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "core/cp1252.h"
#include "core/record_fields.h"
#include "core/word_duel.h"
#include "exercise_root.h"
#include "fuzz_check.h"

using namespace glosbo::core;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    static const char* const kFiles[] = {"SVE41100.DAT", "SVE41200.DAT", "SVE41300.DAT"};
    const char* const name = kFiles[size % 3];
    fuzz::Exercise ex(name, bytes, std::uint32_t(size));
    AppState& state = *ex.state;
    const std::string target = duelTargetClass(state.programNumber);
    FUZZ_CHECK(!target.empty());
    FUZZ_CHECK(knownWordClass(target));

    // The records a turn may show, by the file's own rules.
    std::set<std::string> words;
    for (int n = 1; n <= ex.records; ++n) {
        const RecordFields fields = str_postarray(ex.line(n));
        if (duelRecordUsable(fields)) words.insert(fields[1]);
    }

    WordDuel duel;
    for (int turnNumber = 0; turnNumber < 8 && !duel.over(); ++turnNumber) {
        const auto turn = drawDuelTurn(state, target);
        FUZZ_CHECK(turn.has_value() == !words.empty());
        if (!turn) return 0;
        int count = 0;
        for (const DuelWord& w : turn->words) {
            FUZZ_CHECK(words.count(w.word) == 1);
            FUZZ_CHECK(knownWordClass(w.wordClass));
            FUZZ_CHECK(w.target == (upperCp1252(w.wordClass) == target));
            count += w.target;
        }
        FUZZ_CHECK(turn->count == count);

        // An answer of 0..5 from the input; a right one is the count.
        const int answer = size > 0 ? data[std::size_t(turnNumber) % size] % 6 : count;
        const int pupil = duel.pupilPoints(), computer = duel.computerPoints();
        const WordDuel::Verdict v = duel.answer(answer, turn->count);
        FUZZ_CHECK(v.right == (answer == turn->count));
        FUZZ_CHECK(duel.pupilPoints() == pupil + (v.right ? count : 0));
        FUZZ_CHECK(duel.computerPoints() == computer + (v.right ? 0 : count));
        const int lowest = v.right ? 1 : 1 + WordDuel::kGoal;
        const int highest = v.right ? WordDuel::kGoal : 2 * WordDuel::kGoal;
        if (v.squares.first <= v.squares.last)
            FUZZ_CHECK(v.squares.first >= lowest && v.squares.last <= highest);
        FUZZ_CHECK(v.over == (duel.pupilPoints() >= WordDuel::kGoal ||
                              duel.computerPoints() >= WordDuel::kGoal));
    }
    return 0;
}
