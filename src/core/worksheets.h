#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/page.h"

// Worksheets: questions that a teacher picks from exercise windows collect in
// two parallel lists of lines, one with blank answer lines and one with the
// answers (the key), which are then printed. All texts are Windows-1252.
namespace glosbo::core {

// The lines one task adds to each list.
struct TaskLines {
    std::vector<std::string> questions;
    std::vector<std::string> answers;
};

class Worksheets {
public:
    static constexpr std::size_t kTitleLength = 80;

    // Empties both lists and starts the numbering again (worksheet mode
    // switched, "&Rensa").
    void clear();
    // A window opened in worksheet mode: its exercise heading goes in before
    // its first task.
    void startExercise() { m_headingPending = true; }
    // Leaving the window before adding anything adds no heading.
    void endExercise() { m_headingPending = false; }
    bool headingPending() const { return m_headingPending; }

    // Adds the exercise heading to both lists if it is pending: the next
    // heading number, ".  " and the title (at most 80 characters), then the
    // sub-heading when it is not empty.
    void addHeading(std::string_view title, std::string_view subHeading);
    // The item number prefix of the task about to be added.
    std::string nextItemPrefix() const;
    // Adds a task built with nextItemPrefix() and counts it.
    void addTask(const TaskLines& task);

    const std::vector<std::string>& questions() const { return m_questions; }
    const std::vector<std::string>& answers() const { return m_answers; }
    bool empty() const { return m_questions.empty(); }
    int headingNumber() const { return m_headingNumber; }
    int taskNumber() const { return m_taskNumber; }
    // The title of the last heading added, which a file without a heading
    // line of its own takes over.
    const std::string& title() const { return m_title; }

    // The pages of one printed copy of the answer list (withAnswers) or the
    // question list.
    std::vector<Page> layout(bool withAnswers, const PageMetrics& metrics) const;

private:
    std::vector<std::string> m_questions;
    std::vector<std::string> m_answers;
    int m_headingNumber = 0;
    int m_taskNumber = 0;
    bool m_headingPending = false;
    std::string m_title;
};

// "   1. ", " 10. ", "100. ": the number of a task, right-aligned in four.
std::string itemPrefix(int taskNumber);

// Continuation lines and answer lines start with this.
inline constexpr std::string_view kIndent = "       ";

// The answer of a key: the answer alone, or "a eller b, c." with the
// record's alternative answers.
std::string UtSkriftSvar(std::string_view answer, const std::vector<std::string>& alternatives);

// The category of a click-a-category record written out for the key
// ("ACK" -> "ackusativ", ...); any other text as it stands.
std::string categoryWrittenOut(std::string_view category);

// The tasks of the write-the-answer, choose-the-alternative and
// click-the-category windows. question and answerText are Windows-1252;
// lines are the question wrapped into one or two lines.
TaskLines writeAnswerTask(std::string_view prefix, std::string_view question,
                          std::string_view answerText);
// The gap "?" of a question line becomes 2 × longest underscores on the
// worksheet. recordAlternatives are the words in the order shown, empty for
// an exercise whose alternatives come from the file.
TaskLines chooseAlternativeTask(std::string_view prefix, const std::vector<std::string>& lines,
                                const std::vector<std::string>& recordAlternatives,
                                std::size_t longest);
TaskLines clickCategoryTask(std::string_view prefix, const std::vector<std::string>& lines,
                            std::string_view category);

} // namespace glosbo::core
