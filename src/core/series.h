#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "core/app_state.h"

namespace glosbo::core {

// How a window decides that a diagnosis practice has been done well enough.
enum class CompletionRule {
    // Two series with at least 8 right (the write-the-answer and fill-in
    // windows).
    TwoGoodSeries,
    // One series with at least 12 of 20 right at its end (the
    // choose-the-alternative window); leaving early uses the rule above.
    TwelveOfTwenty,
};

// What "Fortsätta" does to the counts of a series interrupted by Esc.
enum class ResumeRule {
    // They start again from 0, except in a diagnosis test, whose result
    // must count every right answer the pupil gave.
    CountsRestart,
    // The series goes on with its counts (the click-the-category window).
    CountsKept,
};

// The help buttons of a window; each counts as help in its own run modes.
enum class HelpButton {
    // "Hjälp" or "Regel": counts in a diagnosis test and in practice.
    First,
    // "Mer hjälp" and the warning lamp: count in diagnosis practice.
    Second,
};

// What judging an answer did.
struct Verdict {
    bool right = false;
    // The progress strip takes the answer: practice and correction rounds.
    bool marksStrip = false;
    // Questions answered in the running series or round, the strip's square.
    int answered = 0;
    // That was the last question: the series ends.
    bool seriesOver = false;
};

// What the end of a series asks of the window.
struct SeriesEnd {
    // A diagnosis result was reported or a practice completed: the window closes.
    bool closeWindow = false;
    // Diagnosis practice goes on: the diagnosis box stays in sight.
    bool diagnosisBoxToFront = false;
    // The praise line and its second and third line, when praise is due.
    std::optional<std::array<std::string, 3>> praise;
    // "Rätta felen" is offered (enabled and focused) rather than "Fortsätta".
    bool correctionOffered = false;
};

// The flow of one question series in an exercise window: which record comes
// next, the counts, the verdict and its error-queue moves, the answer
// display, the correction round, praise and the diagnosis rules. It keeps
// its counters in the shared state, where the diagnosis and the praise
// choice read them. The window asks it and shows what it returns.
class Series {
public:
    Series(AppState& state, CompletionRule rule, ResumeRule resume = ResumeRule::CountsRestart);

    // A window opens: no correction round, the lamp off, question 1, counts
    // 0, and the series length of the run mode (10, or 20 in diagnosis).
    void begin();

    int lengthSetting() const { return m_lengthSetting; }
    // A window whose series has a length of its own (a fable asks as many
    // questions as it has) sets it once the series has begun.
    void setLengthSetting(int length);
    int length() const { return m_state.series.seriesLength; }
    int questionNumber() const { return m_state.series.questionNumber; }
    int correctCount() const { return m_state.series.correctCount; }
    int wrongCount() const { return m_state.series.wrongCount; }
    bool lastAnswerRight() const { return m_lastRight; }
    bool correctionRound() const { return m_state.files.errorPracticeMode; }
    // The question asked is still part of the series.
    bool running() const { return questionNumber() <= length(); }
    bool showsDiagnosisBox() const { return core::showsDiagnosisBox(m_state.runMode); }

    // The next record of the current file, split into the record fields:
    // the first queued error in a correction round, else the next draw.
    void fetchRecord();
    // The same, drawing on past records that are not usable, so that a
    // malformed record never leaves the pupil without a question. A file of
    // nothing else gives one all the same; a queued record is taken as it is.
    void fetchRecord(const std::function<bool(const RecordFields&)>& usable);
    // Every new question, whether its record was fetched or built by the
    // window: the tick counter and help used start again.
    void beginQuestion();

    // Counts the answer, moves the error queue and advances the question.
    // queueable is false for a record the window built itself, which has no
    // place in the file and so cannot be asked again.
    Verdict judge(bool right, bool queueable = true);
    // One gap of a question of one or two gaps (the fill-in window). Each
    // wrong gap counts a wrong answer and queues the record once more; the
    // question counts right only when its last gap is right, every gap
    // before it was right and no help was used. In a correction round the
    // queue entry moves back at the first wrong gap and leaves the queue
    // only when every gap was right, so that no other record's entry is
    // touched. The question takes one square, with its last gap: right
    // only when every gap was right, so that a series fills its strip
    // exactly. On the last gap the verdict's right is the question's. The
    // question number advances with the last gap.
    Verdict judgeGap(bool right, bool lastGap);

    // One tick (100 ms) of the answer display; true once the answer has been
    // shown for the set seconds.
    bool tick();
    // Space: the display ends at the next tick.
    void skipDisplay();

    // The end of the series: diagnosis report or practice rule, praise.
    SeriesEnd finish();

    // The current file has queued errors and the run mode allows a
    // correction round.
    bool correctionAvailable() const;
    // "Rätta felen": starts a round over the queued errors of the file.
    // False when there is nothing to correct (the window just goes on).
    bool startCorrectionRound();
    // "Fortsätta": true when a new series starts, false when the series
    // interrupted by Esc goes on with the question shown. A new series
    // starts its counts from 0; an interrupted one as the resume rule says.
    bool continueSeries();
    // "Avbryta": the diagnosis report or the practice rule before the window
    // closes.
    void leave();

    // A help button pressed for the current question.
    void useHelp(HelpButton button);
    int helpUsed() const { return m_helpUsed; }
    bool lampOn() const { return m_lampOn; }
    // Switching the warning lamp on is help in diagnosis practice.
    void setLamp(bool on);

private:
    void report();
    void completePractice();
    // True when the practice is complete (the window closes).
    bool applyCompletionRule(CompletionRule rule, bool endOfSeries);

    AppState& m_state;
    CompletionRule m_rule;
    ResumeRule m_resume;
    int m_lengthSetting = AppState::kSeriesSize;
    bool m_lastRight = false;
    int m_helpUsed = 0;
    bool m_lampOn = false;
    // The practice rule has judged the counts of this series already.
    bool m_ruleApplied = false;
    // A gap of the current question was wrong.
    bool m_gapWrong = false;
};

} // namespace glosbo::core
