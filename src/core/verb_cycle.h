#pragma once

#include <string>

#include "core/record_fields.h"
#include "core/worksheets.h"

// The cycle of the verb-form window: six verbs, one per row, climbing the
// screen; a wrong form asks the same verb again, six right forms end the
// cycle with a verdict.
namespace glosbo::core {

class VerbCycle {
public:
    static constexpr int kRows = 6;
    // The pause after an answer ticks in these steps, the display seconds
    // long: seconds after a wrong form, tenths of them after a right one.
    static constexpr int kWrongTickMs = 1000;
    static constexpr int kRightTickMs = 100;
    // Once a verb has been asked again, the pause lasts this long.
    static constexpr int kRepeatSeconds = 3;

    // A new cycle: no row yet, nothing right or wrong, a new verb to draw.
    void start();

    // Putting up a question. True when a new verb is to be drawn (after a
    // right answer and at the start); the row then moves up one (after the
    // sixth back to the first). False: the same verb is asked again.
    bool nextQuestion();

    // The verdict on a typed form; true when it ends the cycle.
    bool answer(bool right);

    // The input row, 1..6 (0 before the first question).
    int row() const { return m_row; }
    // Right answers in this cycle.
    int runCount() const { return m_runCount; }
    int wrongCount() const { return m_wrongCount; }
    int rightCount() const { return m_rightCount; }
    bool drawNew() const { return m_drawNew; }
    bool lastRight() const { return m_lastRight; }
    // The tick interval of the pause after the last answer.
    int tickMs() const { return m_lastRight ? kRightTickMs : kWrongTickMs; }
    // How many ticks the pause lasts with the pupil's setting: the setting,
    // and 3 in this window once a verb has been asked again. The setting
    // itself stays as the pupil chose it.
    int pauseTicks(int displaySeconds) const {
        return m_repeated ? kRepeatSeconds : displaySeconds;
    }

    // "Du gjorde 2 fel. Försök att få alla rätt!"
    static std::string verdict(int wrongCount);

private:
    int m_row = 0;
    int m_runCount = 0;
    int m_wrongCount = 0;
    int m_rightCount = 0;
    bool m_drawNew = true;
    bool m_lastRight = false;
    bool m_repeated = false;
};

// True when the typed form is the record's form (field 2) or one of its
// alternatives, letter case ignored.
bool acceptsVerbForm(const RecordFields& fields, std::string typed);

// Why the window cannot ask a record (empty when it can): it needs a verb
// and its form.
std::string verbRecordFault(const RecordFields& fields);

// The alternative answers of a record, in field order.
std::vector<std::string> recordAlternatives(const RecordFields& fields);

// The worksheet lines of a verb: the verb after the item number and a line
// to write on; in the key the form and its alternatives.
TaskLines verbTask(std::string_view prefix, const RecordFields& fields);

} // namespace glosbo::core
