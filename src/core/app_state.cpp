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

void AppState::selectExercise(const std::string& file) {
    files.currentExerciseFile = file;
    programNumber = GeProgramtal(file);
    sounds.selectProgram(programNumber);
}

int AppState::haemta_slumptal() {
    FileSlot& slot = files.file(files.currentFileIndex);
    return draw.haemta_slumptal(slot.drawPosition, slot.recordCount);
}

int AppState::haemta_Lovordslumptal(int praiseSlot) {
    PraiseSlot& slot = files.praise(praiseSlot);
    return draw.haemta_slumptal(slot.drawPosition, slot.praiseCount);
}

bool AppState::KollaLovOrd(const std::string& praiseFile) {
    const int slot = files.praiseSlotOf(praiseFile);
    currentPraiseSlot = slot;
    if (slot > files.praiseFileCount()) return false;
    if (files.praise(slot).praiseCount == 0) files.ordantal(praiseFile, slot, true);
    return files.praise(slot).praiseCount > 0;
}

std::optional<std::array<std::string, 3>> AppState::praiseForSeries() {
    const DiagnosisRecord& record = diagnosis.record();
    currentPraiseFile = HaemtaLovordFilNamn(series.correctCount, series.seriesLength, programNumber,
                                            record.result, record.name);
    if (currentPraiseFile.empty() || !KollaLovOrd(currentPraiseFile)) return std::nullopt;
    // The praise line is read beside the current record, which the window
    // may still show.
    std::string line;
    files.haemtaord(currentPraiseFile, haemta_Lovordslumptal(currentPraiseSlot), line);
    const RecordFields praise = core::str_postarray(line);
    const int test = diagnosisTestNumber(programNumber);
    const int result = test > 0 ? record.result[test] : 0;
    // Every line may name the pupil, the test and the result.
    std::array<std::string, 3> lines;
    for (int i = 0; i < 3; ++i)
        lines[i] = LovordMen(praise[i + 1], record.name, test, result);
    return lines;
}

SoundRequest AppState::soundRequest(const std::string& fileName) {
    SoundContext context{{},
                         programNumber,
                         files.file(files.currentFileIndex).recordCount,
                         files.errorPracticeMode ? files.errorRecordNumber
                                                 : files.currentRecordNumber};
    return sounds.request(m_roots, fileName, context);
}

void AppState::FyllEngListan() {
    sounds.loadTranslations(m_roots, settings.soundTranslation());
}

std::optional<std::string> AppState::translationOf(const std::string& word) {
    return sounds.translationOf(m_roots, settings.soundTranslation(), word);
}

} // namespace glosbo::core
