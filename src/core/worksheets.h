#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/alternatives.h"
#include "core/page.h"
#include "core/record_fields.h"
#include "core/wrap.h"

// Worksheets: questions that a teacher picks from exercise windows collect in
// two parallel lists of lines, one with blank answer lines and one with the
// answers (the key), which are then printed. All texts are Windows-1252.
namespace glosbo::core {

// What a line of a worksheet list is. A line keeps the kind it was added
// as; the printout groups and styles lines by it, never by their text (a
// task "100. ..." is no heading, an answer that begins "1." no task).
enum class LineKind {
    Heading,    // "1.  Title"
    SubHeading, // the instruction line under a heading
    Task,       // the first line of a task, with its number
    Other,      // the task's further lines: continuations, blanks, answers
};

// The lines one task adds to each list. The first line of each is the
// task's own line, the rest belong to it.
struct TaskLines {
    std::vector<std::string> questions;
    std::vector<std::string> answers;
};

// The exercise title and the sub-heading (empty: none) of an exercise's
// heading.
struct WorksheetHeading {
    std::string title;
    std::string subHeading;
};

// One list of a worksheet: its lines and their kinds, side by side.
struct WorksheetList {
    std::vector<std::string> lines;
    std::vector<LineKind> kinds;

    void add(std::string line, LineKind kind) {
        lines.push_back(std::move(line));
        kinds.push_back(kind);
    }
    bool empty() const { return lines.empty(); }
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
    void addHeading(const WorksheetHeading& heading) {
        addHeading(heading.title, heading.subHeading);
    }
    // The item number prefix of the task about to be added.
    std::string nextItemPrefix() const;
    // Adds a task built with nextItemPrefix() and counts it.
    void addTask(const TaskLines& task);
    // What every window does to add the question it shows: the heading
    // when it is still pending, then the task.
    void add(const WorksheetHeading& heading, const TaskLines& task) {
        addHeading(heading);
        addTask(task);
    }

    const std::vector<std::string>& questions() const { return m_questions.lines; }
    const std::vector<std::string>& answers() const { return m_answers.lines; }
    const WorksheetList& list(bool withAnswers) const {
        return withAnswers ? m_answers : m_questions;
    }
    bool empty() const { return m_questions.empty(); }
    int headingNumber() const { return m_headingNumber; }
    int taskNumber() const { return m_taskNumber; }
    // The title of the last heading added, which a file without a heading
    // line of its own takes over.
    const std::string& title() const { return m_title; }

    // The pages of one printed copy of the answer list (withAnswers) or the
    // question list. printer: the printer's margins, none for a PDF.
    std::vector<Page> layout(bool withAnswers, const PageMetrics& metrics,
                             const PageMargins& printer = {}) const;

private:
    WorksheetList m_questions;
    WorksheetList m_answers;
    int m_headingNumber = 0;
    int m_taskNumber = 0;
    bool m_headingPending = false;
    std::string m_title;
};

// Lays out one printed copy of a list: the framed heading "Arbetsblad från
// Glosbo." (with " Facit." for the key) on the first page, page number and
// program name on every later one, headings and tasks never split from the
// lines that belong to them. A line too long for the page goes on in the
// line below. Places are in the printable area's millimetres (PageFrame).
std::vector<Page> layOutWorksheet(const WorksheetList& list, bool withAnswers,
                                  const PageMetrics& metrics, const PageMargins& printer = {});

// "   1. ", " 10. ", "100. ": the number of a task, right-aligned in four.
std::string itemPrefix(int taskNumber);

// Continuation lines and answer lines start with this.
inline constexpr std::string_view kIndent = "       ";

// The answer of a key: the answer alone, or "a eller b, c." with the
// record's alternative answers.
std::string UtSkriftSvar(std::string_view answer, const std::vector<std::string>& alternatives);

// The category of a click-a-category record written out for the key when it
// is an abbreviation ("ACK" -> "ackusativ", "Dat." -> "dativ", ...); any
// other text, a name written out ("predikatsfyllnad") too, as it stands.
std::string categoryWrittenOut(std::string_view category);

// Headings. The title is the heading lines joined by single spaces; the
// write-the-answer windows keep the previous title when heading line 1 is
// empty. Their sub-heading is six spaces, the worksheet instruction ("$%"
// line) and ":" (none without an instruction).
WorksheetHeading writeAnswerHeading(const std::array<std::string, 3>& headingLines,
                                    std::string_view worksheetInstruction,
                                    std::string_view previousTitle);
// The choose-the-alternative window: the sub-heading lists the file's
// alternatives, "     A, b eller c ?"; none when the alternatives come from
// each record.
WorksheetHeading chooseAlternativeHeading(const std::array<std::string, 3>& headingLines,
                                          std::string_view previousTitle,
                                          const std::vector<std::string>& fileAlternatives);
// The click-the-category window: the title even when heading line 1 is
// empty; six spaces and the instruction.
WorksheetHeading clickCategoryHeading(const std::array<std::string, 3>& headingLines,
                                      std::string_view worksheetInstruction);

// The alternative answers of a record: its last fields, from the first one
// marked "&".
std::vector<std::string> alternativeAnswers(const RecordFields& fields);

// A question as a worksheet writes it: wrapped between left and right into
// at most two lines.
// keepMarkedWhole: a marked phrase stays whole on one line (the gap of a
// choice question).
std::vector<std::string> worksheetQuestionLines(std::string_view question, int left, int right,
                                                WrapContext& wrap, bool keepMarkedWhole);
// The bounds the choose-the-alternative and click-the-category windows wrap
// their questions to on a worksheet.
inline constexpr int kWorksheetLeft = 20, kChoiceWorksheetRight = 650,
                     kCategoryWorksheetRight = 700;

// The tasks of the write-the-answer, choose-the-alternative and
// click-the-category windows. question and answerText are Windows-1252;
// lines are the question wrapped into one or two lines.
TaskLines writeAnswerTask(std::string_view prefix, std::string_view question,
                          std::string_view answerText);
// Field 1, and the answer of field 2 with the record's alternatives.
TaskLines writeAnswerTask(std::string_view prefix, const RecordFields& fields);
// The marked word of a question line, marks and all, becomes 2 × longest
// underscores on the question sheet; the key keeps the lines as they stand.
// recordAlternatives are the words in the order shown, empty for an exercise
// whose alternatives come from the file.
TaskLines chooseAlternativeTask(std::string_view prefix, const std::vector<std::string>& lines,
                                const std::vector<std::string>& recordAlternatives,
                                std::size_t longest);
// The same for a question of the window's word table: the words its boxes
// show; the longest of them sets the blank.
TaskLines chooseAlternativeTask(std::string_view prefix, const std::vector<std::string>& lines,
                                const AlternativeWords& words, int caseOffset,
                                bool recordAlternatives);
// The file's alternatives for the heading of a choose-the-alternative
// exercise (none when each record brings its own).
std::vector<std::string> fileAlternatives(const AlternativeWords& words, bool recordAlternatives);
TaskLines clickCategoryTask(std::string_view prefix, const std::vector<std::string>& lines,
                            std::string_view category);

} // namespace glosbo::core
