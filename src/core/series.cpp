#include "core/series.h"

#include <algorithm>

namespace glosbo::core {

namespace {

// Error-queue operations of haemtafel.
constexpr int kQueueFetch = 0;
constexpr int kQueueRemove = 1;
constexpr int kQueueMoveBack = 2;
constexpr int kQueueAdd = 3;

// A correction round never asks more than a practice series.
constexpr int kLongestCorrectionRound = 10;

// The tick counter value that ends the answer display at the next tick.
constexpr int kDisplayCut = 20000;

} // namespace

Series::Series(AppState& state, CompletionRule rule) : m_state(state), m_rule(rule) {}

bool Series::inRunModes(int from, int to) const {
    return m_state.runMode >= from && m_state.runMode <= to;
}

bool Series::showsDiagnosisBox() const {
    return inRunModes(kRunDiagnosisTest, kRunDiagnosisPracticeHelp);
}

void Series::begin() {
    m_state.files.errorPracticeMode = false;
    m_lampOn = false;
    m_ruleApplied = false;
    SeriesCounters& s = m_state.series;
    s.questionNumber = 1;
    s.correctCount = 0;
    s.wrongCount = 0;
    m_lengthSetting = inRunModes(kRunPractice, kRunWorksheet) ? AppState::kSeriesSize
                                                              : AppState::kDiagnosisSeriesSize;
    s.seriesLength = m_lengthSetting;
}

void Series::fetchRecord() {
    DataFiles& files = m_state.files;
    if (files.errorPracticeMode) {
        files.haemtafel(files.currentExerciseFile, kQueueFetch);
    } else {
        files.currentRecordNumber = static_cast<std::uint16_t>(m_state.haemta_slumptal());
        files.haemtaord(files.currentExerciseFile, files.currentRecordNumber);
    }
    m_state.str_postarray(files.currentRecordLine);
}

void Series::beginQuestion() {
    m_state.tickCounter = 0;
    const bool practice = inRunModes(kRunDiagnosisPractice, kRunDiagnosisPracticeHelp);
    m_helpUsed = practice && m_lampOn ? 1 : 0;
}

Verdict Series::judge(bool right, bool queueable) {
    SeriesCounters& s = m_state.series;
    DataFiles& files = m_state.files;
    m_lastRight = right;
    if (right) {
        if (m_helpUsed == 0) ++s.correctCount;
        if (files.errorPracticeMode) files.haemtafel(files.currentExerciseFile, kQueueRemove);
    } else {
        ++s.wrongCount;
        if (files.errorPracticeMode)
            files.haemtafel(files.currentExerciseFile, kQueueMoveBack);
        else if (queueable)
            files.haemtafel(files.currentExerciseFile, kQueueAdd);
    }
    Verdict verdict;
    verdict.right = right;
    verdict.marksStrip =
        m_state.runMode == kRunPractice || m_state.runMode == kRunDiagnosisPracticeErrors;
    verdict.answered = s.questionNumber;
    ++s.questionNumber;
    verdict.seriesOver = !running();
    return verdict;
}

bool Series::tick() {
    ++m_state.tickCounter;
    return m_state.tickCounter >= m_state.settings.answerDisplaySeconds * 10;
}

void Series::skipDisplay() {
    m_state.tickCounter = kDisplayCut;
}

SeriesEnd Series::finish() {
    SeriesEnd end;
    if (inRunModes(kRunDiagnosisPractice, kRunDiagnosisPracticeHelp) && !correctionRound()) {
        if (applyCompletionRule(true)) {
            end.closeWindow = true;
            return end;
        }
        end.diagnosisBoxToFront = true;
    }
    if (m_state.runMode == kRunDiagnosisTest) {
        if (m_rule == CompletionRule::TwelveOfTwenty) m_state.practiceCounter = 0;
        report();
        end.closeWindow = true;
        return end;
    }
    const SeriesCounters& s = m_state.series;
    if (m_state.runMode == kRunPractice && !correctionRound() &&
        s.correctCount >= s.seriesLength - 2)
        end.praise = m_state.praiseForSeries();
    end.correctionOffered = correctionAvailable();
    return end;
}

bool Series::correctionAvailable() const {
    const bool mode = m_state.runMode == kRunPractice || m_state.runMode >= kRunDiagnosisPractice;
    return mode && m_state.files.file(m_state.files.currentFileIndex).errorCount > 0;
}

bool Series::startCorrectionRound() {
    if (!correctionAvailable()) return false;
    SeriesCounters& s = m_state.series;
    s.correctCount = 0;
    m_state.files.errorPracticeMode = true;
    const int cap = m_lengthSetting < 11 ? m_lengthSetting : kLongestCorrectionRound;
    s.seriesLength = std::min(m_state.files.file(m_state.files.currentFileIndex).errorCount, cap);
    s.questionNumber = 1;
    if (inRunModes(kRunDiagnosisPractice, kRunDiagnosisPracticeHelp))
        m_state.runMode = kRunDiagnosisPracticeErrors;
    return true;
}

bool Series::continueSeries() {
    SeriesCounters& s = m_state.series;
    const bool newSeries = s.questionNumber >= s.seriesLength || correctionRound();
    if (newSeries) {
        m_state.files.errorPracticeMode = false;
        s.seriesLength = m_lengthSetting;
        if (m_state.runMode == kRunDiagnosisPracticeErrors) m_state.runMode = kRunDiagnosisPractice;
        s.questionNumber = 1;
        m_ruleApplied = false;
    }
    s.correctCount = 0;
    s.wrongCount = 0;
    return newSeries;
}

void Series::leave() {
    if (m_state.runMode == kRunDiagnosisTest) {
        report();
    } else if (inRunModes(kRunDiagnosisPractice, kRunDiagnosisPracticeHelp)) {
        // Leaving early judges by the two-series rule in every window; a
        // series whose end the rule has judged already is not counted twice.
        if (!m_ruleApplied) {
            const CompletionRule rule = m_rule;
            m_rule = CompletionRule::TwoGoodSeries;
            applyCompletionRule(false);
            m_rule = rule;
        }
    }
}

void Series::useHelp(int fromMode, int toMode) {
    if (inRunModes(fromMode, toMode)) ++m_helpUsed;
}

void Series::setLamp(bool on) {
    if (on && !m_lampOn) useHelp(kRunDiagnosisPractice, kRunDiagnosisPracticeHelp);
    m_lampOn = on;
}

void Series::report() {
    diagnosback(m_state.diagnosis, m_state.currentTestNumber, m_state.series.correctCount,
                m_state.clock().now());
    m_state.savePending = true;
}

void Series::completePractice() {
    core::completePractice(m_state.diagnosis, m_state.currentTestNumber);
    m_state.runMode = kRunDiagnosisTest;
    m_state.series.correctCount = 0;
}

bool Series::applyCompletionRule(bool endOfSeries) {
    m_ruleApplied = true;
    const int correct = m_state.series.correctCount;
    if (m_rule == CompletionRule::TwelveOfTwenty && endOfSeries) {
        if (correct <= 11) return false;
        if (m_state.runMode == kRunDiagnosisPractice) m_state.runMode = kRunDiagnosisPracticeHelp;
        m_state.practiceCounter = 5; // no diagnosis report follows
        completePractice();
        return true;
    }
    if (correct < AppState::kSeriesSize - 2) return false;
    if (m_state.practiceCounter > 0) {
        m_state.practiceCounter = 0;
        completePractice();
        return true;
    }
    ++m_state.practiceCounter;
    return false;
}

} // namespace glosbo::core
