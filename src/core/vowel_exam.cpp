#include "core/vowel_exam.h"

#include <algorithm>
#include <numeric>

#include "core/cp1252.h"

namespace glosbo::core {

namespace {

const std::array<VowelExam::Step, VowelExam::kSteps> kStepTable{{
    {"Hur m\xE5nga vokaler finns det i alfabetet?", "Tryck siffra!", "9"},
    {"R\xE4kna upp vokalerna.", "De \xE4r i alfabetisk ordning :", "AEIOUY\xC5\xC4\xD6"},
    {"Mjuka vokaler.", "De \xE4r i alfabetisk ordning :", "EIY\xC4\xD6"},
    {"H\xE5rda vokaler.", "De \xE4r i alfabetisk ordning :", "AOU\xC5"},
}};

} // namespace

const VowelExam::Step& VowelExam::step(int number) {
    return kStepTable[std::clamp(number, 1, kSteps) - 1];
}

void VowelExam::start() {
    m_step = 1;
    m_position = 1;
    m_waiting = false;
    m_wrong.fill(0);
}

VowelExam::KeyOutcome VowelExam::press(char key) {
    KeyOutcome outcome;
    // A key after the step's last right one waits with it for the next step.
    if (finished() || m_waiting) return outcome;
    const std::string_view expected = step(m_step).keys;
    const char typed = upperCp1252(key);
    if (typed == expected[m_position - 1]) {
        outcome.result = KeyResult::Filled;
        outcome.panel = m_position;
        outcome.shown = typed;
        ++m_position;
        if (m_position > int(expected.size())) {
            m_waiting = true;
            outcome.stepDone = true;
        }
        return outcome;
    }
    if (m_step == 1) {
        // Only digits are answers to "how many".
        if (key < '0' || key > '8') return outcome;
        outcome.comment = key == '8'   ? "Mycket n\xE4ra. F\xF6rs\xF6k igen!"
                          : key == '7' ? "N\xE4ra. F\xF6rs\xF6k igen!"
                                       : "F\xF6rs\xF6k igen!";
    }
    outcome.result = KeyResult::Wrong;
    ++m_wrong[m_step - 1];
    return outcome;
}

void VowelExam::advance() {
    if (finished()) return;
    ++m_step;
    m_position = 1;
    m_waiting = false;
}

int VowelExam::totalWrongKeys() const {
    return std::accumulate(m_wrong.begin(), m_wrong.end(), 0);
}

int VowelExam::answers(int stepNumber) const {
    return wrongKeys(stepNumber) + int(step(stepNumber).keys.size());
}

int vowelExamGrade(int wrongKeys) {
    return std::max(1, 10 - (std::max(wrongKeys, 0) + 1) / 2);
}

std::string vowelExamComment(int wrongKeys) {
    switch (vowelExamGrade(wrongKeys)) {
    case 10:
        return "Du \xE4r expert.";
    case 9:
        return "Mycket bra. F\xF6rs\xF6k att f\xE5 alla r\xE4tt.";
    case 8:
        return "Bra. Tv\xE5 steg fr\xE5n full pott.";
    default:
        return {};
    }
}

} // namespace glosbo::core
