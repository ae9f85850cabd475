#include "core/app_state.h"

#include "core/program_number.h"

namespace glosbo::core {

AppState::AppState(DataRoots roots, MessageSink& messages, std::unique_ptr<RandomSource> random,
                   std::unique_ptr<Clock> clock)
    : files(m_roots, messages), m_roots(std::move(roots)), m_messages(messages),
      m_random(random ? std::move(random) : std::make_unique<SystemRandom>()),
      m_clock(clock ? std::move(clock) : std::make_unique<SystemClock>()) {}

bool AppState::startUp() {
    files.currentFileIndex = 1;
    files.currentRecordNumber = 1;
    runMode = kRunPractice;
    if (!files.buildTables()) return false;
    drawReset(1, DrawPermutation::kSize);
    return true;
}

void AppState::drawReset(int lo, int hi) {
    files.resetCounts();
    picturePosition = 1;
    m_random->seedFromClock();
    draw.shuffle(lo, hi, *m_random);
}

int AppState::haemta_slumptal() {
    FileSlot& slot = files.file(files.currentFileIndex);
    return draw.haemta_slumptal(slot.drawPosition, slot.recordCount);
}

int AppState::haemta_Lovordslumptal(int praiseSlot) {
    PraiseSlot& slot = files.praise(praiseSlot);
    return draw.haemta_slumptal(slot.drawPosition, slot.praiseCount);
}

void AppState::updateProgramNumber() {
    programNumber = GeProgramtal(files.currentExerciseFile);
}

} // namespace glosbo::core
