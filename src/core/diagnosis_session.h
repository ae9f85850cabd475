#pragma once

#include <ctime>
#include <string>

#include "core/diagnosis_record.h"

namespace glosbo::core {

// The diagnosis of the pupil logged in: the record, the test at hand, the
// practice series done towards it and whether the record waits to be saved.
class DiagnosisSession {
public:
    // The pupil's record; the name is empty until a login.
    const DiagnosisRecord& record() const { return m_record; }
    DiagnosisRecord& record() { return m_record; }
    const std::string& userName() const { return m_record.name; }

    // The diagnosis test (1..17) at hand.
    int testNumber() const { return m_testNumber; }
    void setTestNumber(int test) { m_testNumber = test; }

    // Good practice series so far towards the test, or 5 once a practice
    // was completed in one series (no report follows).
    int practiceCounter() const { return m_practiceCounter; }
    void setPracticeCounter(int count) { m_practiceCounter = count; }
    void countPractice() { ++m_practiceCounter; }

    // Enters the result of the test at hand and marks the record for saving.
    void reportResult(int correct, std::time_t now) {
        diagnosback(m_record, m_testNumber, correct, now);
        m_savePending = true;
    }
    // The practice of the test at hand is done: the test is next. The
    // record is saved at once, as after a result.
    void completePractice() {
        core::completePractice(m_record, m_testNumber);
        m_savePending = true;
    }

    bool savePending() const { return m_savePending; }
    void markSaved() { m_savePending = false; }
    void markUnsaved() { m_savePending = true; }

    // The protocol row last selected (0..18), kept between protocol openings.
    int selectedRow() const { return m_selectedRow; }
    void setSelectedRow(int row) { m_selectedRow = row; }

private:
    DiagnosisRecord m_record;
    int m_testNumber = 1;
    int m_practiceCounter = 0;
    bool m_savePending = false;
    int m_selectedRow = 0;
};

} // namespace glosbo::core
