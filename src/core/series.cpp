#include "core/series.h"

#include <algorithm>

#include "core/clock.h"

namespace glosbo::core {

namespace {

// A correction round never asks more than a practice series.
constexpr int kLongestCorrectionRound = 10;

// The tick counter value that ends the answer display at the next tick.
constexpr int kDisplayCut = 20000;

} // namespace

Series::Series(AppState& state, CompletionRule rule, ResumeRule resume)
    : m_state(state), m_rule(rule), m_resume(resume) {}

void Series::begin() {
    m_state.files.errorPracticeMode = false;
    m_lampOn = false;
    m_ruleApplied = false;
    SeriesCounters& s = m_state.series;
    s.questionNumber = 1;
    s.correctCount = 0;
    s.wrongCount = 0;
    m_lengthSetting =
        hasShortSeries(m_state.runMode) ? AppState::kSeriesSize : AppState::kDiagnosisSeriesSize;
    s.seriesLength = m_lengthSetting;
}

void Series::setLengthSetting(int length) {
    m_lengthSetting = length;
    m_state.series.seriesLength = length;
}

void Series::fetchRecord() {
    DataFiles& files = m_state.files;
    if (files.errorPracticeMode) {
        files.haemtafel(files.currentExerciseFile, QueueOp::Fetch);
    } else {
        files.currentRecordNumber = static_cast<std::uint16_t>(m_state.haemta_slumptal());
        files.haemtaord(files.currentExerciseFile, files.currentRecordNumber);
    }
    m_state.str_postarray(files.currentRecordLine);
    if (m_state.programNumber == kClockProgram)
        m_state.clockNumber = clockNumberFor(files.errorPracticeMode, files.currentRecordNumber,
                                             files.errorRecordNumber);
}

void Series::fetchRecord(const std::function<bool(const RecordFields&)>& usable) {
    const DataFiles& files = m_state.files;
    const int records = std::max(1, files.file(files.currentFileIndex).recordCount);
    for (int tries = 0; tries < records; ++tries) {
        fetchRecord();
        if (correctionRound() || usable(m_state.fields)) return;
    }
}

void Series::beginQuestion() {
    m_state.tickCounter = 0;
    m_helpUsed = isDiagnosisPractice(m_state.runMode) && m_lampOn ? 1 : 0;
    m_gapWrong = false;
}

Verdict Series::judgeGap(bool right, bool lastGap) {
    SeriesCounters& s = m_state.series;
    DataFiles& files = m_state.files;
    const bool earlierWrong = m_gapWrong;
    m_lastRight = right;
    Verdict verdict;
    verdict.right = right && !(lastGap && earlierWrong);
    verdict.answered = s.questionNumber;
    verdict.marksStrip = lastGap && marksStrip(m_state.runMode);
    if (right) {
        const bool questionRight = lastGap && !earlierWrong;
        if (questionRight && m_helpUsed == 0) ++s.correctCount;
        if (files.errorPracticeMode && questionRight)
            files.haemtafel(files.currentExerciseFile, QueueOp::Remove);
    } else {
        m_gapWrong = true;
        ++s.wrongCount;
        if (!files.errorPracticeMode)
            files.haemtafel(files.currentExerciseFile, QueueOp::Add);
        else if (!earlierWrong)
            files.haemtafel(files.currentExerciseFile, QueueOp::MoveBack);
    }
    if (lastGap) ++s.questionNumber;
    verdict.seriesOver = lastGap && !running();
    return verdict;
}

Verdict Series::judge(bool right, bool queueable) {
    SeriesCounters& s = m_state.series;
    DataFiles& files = m_state.files;
    m_lastRight = right;
    if (right) {
        if (m_helpUsed == 0) ++s.correctCount;
        if (files.errorPracticeMode) files.haemtafel(files.currentExerciseFile, QueueOp::Remove);
    } else {
        ++s.wrongCount;
        if (files.errorPracticeMode)
            files.haemtafel(files.currentExerciseFile, QueueOp::MoveBack);
        else if (queueable)
            files.haemtafel(files.currentExerciseFile, QueueOp::Add);
    }
    Verdict verdict;
    verdict.right = right;
    verdict.marksStrip = marksStrip(m_state.runMode);
    verdict.answered = s.questionNumber;
    ++s.questionNumber;
    verdict.seriesOver = !running();
    return verdict;
}

bool Series::tick() {
    ++m_state.tickCounter;
    return m_state.tickCounter >= m_state.settings.answerDisplaySeconds() * 10;
}

void Series::skipDisplay() {
    m_state.tickCounter = kDisplayCut;
}

SeriesEnd Series::finish() {
    SeriesEnd end;
    if (isDiagnosisPractice(m_state.runMode) && !correctionRound()) {
        if (applyCompletionRule(m_rule, true)) {
            end.closeWindow = true;
            return end;
        }
        end.diagnosisBoxToFront = true;
    }
    if (m_state.runMode == RunMode::DiagnosisTest) {
        if (m_rule == CompletionRule::TwelveOfTwenty) m_state.diagnosis.setPracticeCounter(0);
        report();
        end.closeWindow = true;
        return end;
    }
    const SeriesCounters& s = m_state.series;
    if (m_state.runMode == RunMode::Practice && !correctionRound() &&
        s.correctCount >= s.seriesLength - 2)
        end.praise = m_state.praiseForSeries();
    end.correctionOffered = correctionAvailable();
    return end;
}

bool Series::correctionAvailable() const {
    return allowsCorrectionRound(m_state.runMode) &&
           m_state.files.file(m_state.files.currentFileIndex).errorCount > 0;
}

bool Series::startCorrectionRound() {
    if (!correctionAvailable()) return false;
    SeriesCounters& s = m_state.series;
    s.correctCount = 0;
    m_state.files.errorPracticeMode = true;
    const int cap = m_lengthSetting < 11 ? m_lengthSetting : kLongestCorrectionRound;
    s.seriesLength = std::min(m_state.files.file(m_state.files.currentFileIndex).errorCount, cap);
    s.questionNumber = 1;
    if (isDiagnosisPractice(m_state.runMode)) m_state.runMode = RunMode::DiagnosisPracticeErrors;
    return true;
}

bool Series::continueSeries() {
    SeriesCounters& s = m_state.series;
    const bool newSeries = s.questionNumber >= s.seriesLength || correctionRound();
    if (newSeries) {
        m_state.files.errorPracticeMode = false;
        s.seriesLength = m_lengthSetting;
        if (m_state.runMode == RunMode::DiagnosisPracticeErrors)
            m_state.runMode = RunMode::DiagnosisPractice;
        s.questionNumber = 1;
        m_ruleApplied = false;
    }
    const bool keepCounts = !newSeries && (m_resume == ResumeRule::CountsKept ||
                                           m_state.runMode == RunMode::DiagnosisTest);
    if (!keepCounts) {
        s.correctCount = 0;
        s.wrongCount = 0;
    }
    return newSeries;
}

void Series::leave() {
    if (m_state.runMode == RunMode::DiagnosisTest) {
        report();
    } else if (isDiagnosisPractice(m_state.runMode)) {
        // Leaving early judges by the two-series rule in every window; a
        // series whose end the rule has judged already is not counted twice.
        if (!m_ruleApplied) applyCompletionRule(CompletionRule::TwoGoodSeries, false);
    }
}

void Series::useHelp(HelpButton button) {
    const RunMode mode = m_state.runMode;
    const bool counts =
        button == HelpButton::First ? showsDiagnosisBox() : isDiagnosisPractice(mode);
    if (counts) ++m_helpUsed;
}

void Series::setLamp(bool on) {
    if (on && !m_lampOn) useHelp(HelpButton::Second);
    m_lampOn = on;
}

void Series::report() {
    m_state.diagnosis.reportResult(m_state.series.correctCount, m_state.clock().now());
}

void Series::completePractice() {
    m_state.diagnosis.completePractice();
    m_state.runMode = RunMode::DiagnosisTest;
    m_state.series.correctCount = 0;
}

bool Series::applyCompletionRule(CompletionRule rule, bool endOfSeries) {
    m_ruleApplied = true;
    const int correct = m_state.series.correctCount;
    if (rule == CompletionRule::TwelveOfTwenty && endOfSeries) {
        if (correct <= 11) return false;
        if (m_state.runMode == RunMode::DiagnosisPractice)
            m_state.runMode = RunMode::DiagnosisPracticeHelp;
        m_state.diagnosis.setPracticeCounter(5); // no diagnosis report follows
        completePractice();
        return true;
    }
    if (correct < AppState::kSeriesSize - 2) return false;
    if (m_state.diagnosis.practiceCounter() > 0) {
        m_state.diagnosis.setPracticeCounter(0);
        completePractice();
        return true;
    }
    m_state.diagnosis.countPractice();
    return false;
}

} // namespace glosbo::core
