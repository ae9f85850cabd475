#pragma once

#include <array>
#include <string>
#include <string_view>

namespace glosbo::core {

// The vowel exam: four steps answered by keys, every wrong key counted,
// and a grade from 1 to 10 at the end. Texts are Windows-1252.
class VowelExam {
public:
    static constexpr int kSteps = 4;
    static constexpr int kFinished = kSteps + 1;
    static constexpr int kMostPanels = 9;

    struct Step {
        std::string_view instruction1;
        std::string_view instruction2;
        // The keys expected in order, one letter panel each.
        std::string_view keys;
    };
    // Steps 1 to 4.
    static const Step& step(int number);

    enum class KeyResult {
        Ignored, // not a key of this step, or the step is done already
        Filled,  // the expected key: it goes into its panel
        Wrong,   // counted as a wrong key
    };
    struct KeyOutcome {
        KeyResult result = KeyResult::Ignored;
        int panel = 0;         // the panel filled (1-based)
        char shown = 0;        // what the panel shows: the key in capitals
        std::string comment;   // after a wrong digit in step 1
        bool stepDone = false; // the last key of the step: the timer starts
    };

    VowelExam() { start(); }

    // Step 1 with every count at 0.
    void start();
    // A typed character (Windows-1252), letters in either case.
    KeyOutcome press(char key);
    // The next step, once the timer has shown the last key.
    void advance();

    int currentStep() const { return m_step; }
    int position() const { return m_position; }
    bool finished() const { return m_step >= kFinished; }
    // The step has its keys and waits for the next one: keys do not count.
    bool waiting() const { return m_waiting; }
    int wrongKeys(int stepNumber) const { return m_wrong[stepNumber - 1]; }
    int totalWrongKeys() const;
    // Keys pressed in a step: its wrong keys and its right ones.
    int answers(int stepNumber) const;

private:
    int m_step = 1;
    int m_position = 1;
    bool m_waiting = false;
    std::array<int, kSteps> m_wrong{};
};

// The grade for a number of wrong keys: 10 for none, one less for every two
// more, never below 1.
int vowelExamGrade(int wrongKeys);
// The praise under the grade; empty from grade 7 down.
std::string vowelExamComment(int wrongKeys);

} // namespace glosbo::core
