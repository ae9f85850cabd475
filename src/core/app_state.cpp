#include "core/app_state.h"

#include "core/praise.h"
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
    runMode = RunMode::Practice;
    if (!files.buildTables()) return false;
    pictures.loadCaptions(m_roots);
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

namespace glosbo::core {

bool AppState::KollaLovOrd(const std::string& praiseFile) {
    const int slot = files.praiseSlotOf(praiseFile);
    currentPraiseSlot = slot;
    if (slot > files.praiseFileCount()) return false;
    if (files.praise(slot).praiseCount == 0) files.ordantal(praiseFile, slot, true);
    return files.praise(slot).praiseCount > 0;
}

std::optional<std::array<std::string, 3>> AppState::praiseForSeries() {
    currentPraiseFile = HaemtaLovordFilNamn(series.correctCount, series.seriesLength, programNumber,
                                            diagnosis.result, diagnosis.name);
    if (currentPraiseFile.empty() || !KollaLovOrd(currentPraiseFile)) return std::nullopt;
    const int n = haemta_Lovordslumptal(currentPraiseSlot);
    files.haemtaord(currentPraiseFile, n);
    str_postarray(files.currentRecordLine);
    const int test = diagnosisTestNumber(programNumber);
    return std::array<std::string, 3>{
        LovordMen(fields[1], diagnosis.name, test, test > 0 ? diagnosis.result[test] : 0),
        fields[2], fields[3]};
}

SoundRequest AppState::soundRequest(const std::string& fileName) {
    SoundContext context{
        soundDirectory, programNumber, files.file(files.currentFileIndex).recordCount,
        files.errorPracticeMode ? files.errorRecordNumber : files.currentRecordNumber};
    SoundRequest request = SpelaUppWavLjud(m_roots, fileName, rootSound, context);
    rootSound = false;
    return request;
}

} // namespace glosbo::core
