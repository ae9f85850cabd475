#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <charconv>
#include <filesystem>
#include <ostream>
#include <sstream>

#include "core/alternatives.h"
#include "core/categories.h"
#include "core/cp1252.h"
#include "core/fill_in.h"
#include "core/line_file.h"
#include "core/program_number.h"
#include "core/record_fields.h"
#include "core/sentence_parts.h"
#include "core/verb_cycle.h"
#include "core/worksheets.h"
#include "core/wrap.h"
#include "core/write_answer.h"
#include "headless_gui.h"
#include "print/page_painter.h"
#include "record_checks.h"
#include "text_io.h"
#include "tool.h"

namespace glosbo::tool {
namespace {

// The screen the worksheet lines are wrapped for.
constexpr int kScreenWidth = 1024;

std::optional<int> parseRecordNumber(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 1) return std::nullopt;
    return value;
}

// Widths as the program measures them: Arial bold at the point size.
core::TextWidthFunction programFontWidth() {
    return [](std::string_view cp1252, int pointSize) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize((pointSize * 96 + 36) / 72);
        font.setBold(true);
        const std::string utf8 = core::cp1252ToUtf8(cp1252);
        return QFontMetrics(font).horizontalAdvance(
            QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
    };
}

// One FILE of the command line and the records named after it.
struct Opening {
    std::string file;
    std::vector<std::string> records; // as given; none: all
};

bool isRecordNumber(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// Adds one opening of a file's window to the worksheet: its heading, then
// a task for each chosen record. Problems go to err; the status says the
// worst.
int addOpening(const Opening& opening, core::Worksheets& sheets, std::ostream& err) {
    const std::string name = std::filesystem::path(opening.file).filename().string();
    const std::uint16_t program = core::GeProgramtal(name);
    const WorksheetWindow window = worksheetWindow(program);
    if (window == WorksheetWindow::None)
        return fileError(err, "worksheet",
                         name + " is not an exercise of a window that makes worksheets "
                                "(write the answer, choose, click the category, fill in, "
                                "verb forms, sentence parts)");
    const core::WriteAnswerProgram writeProgram = core::writeAnswerProgram(program);
    if (window == WorksheetWindow::WriteAnswer && writeProgram.letters)
        return fileError(err, "worksheet",
                         name + " builds its questions from random letters; it has no records "
                                "to put on a worksheet");
    const auto data = readFile(opening.file);
    if (!data) return fileError(err, "worksheet", "cannot read " + opening.file);

    std::istringstream in(*data);
    core::Headings headings;
    core::scanLineFile(in, false, headings);
    std::vector<std::string> records;
    for (const Line& line : splitLines(*data))
        if (core::isRecord(core::classifyLine(line.text))) records.push_back(line.text);

    std::vector<int> chosen;
    for (const std::string& text : opening.records) {
        const auto n = parseRecordNumber(text);
        if (!n || *n > int(records.size()))
            return usageError(err, "worksheet",
                              "no record " + text + " in " + name + " (it has " +
                                  std::to_string(records.size()) + ")");
        chosen.push_back(*n);
    }
    if (opening.records.empty())
        for (int n = 1; n <= int(records.size()); ++n)
            chosen.push_back(n);

    const core::ChoiceProgram choice = core::choiceProgram(program);
    const core::SentencePartsProgram sentenceParts = core::sentencePartsProgram(program);
    core::AlternativeWords words;
    if (window == WorksheetWindow::Choice && !choice.recordAlternatives) {
        std::istringstream file(*data);
        core::Hittapreppar(file, words);
    }
    core::WorksheetHeading heading;
    switch (window) {
    case WorksheetWindow::Choice:
        heading = core::chooseAlternativeHeading(
            headings.lines, sheets.title(),
            core::fileAlternatives(words, choice.recordAlternatives));
        break;
    case WorksheetWindow::Category:
        heading = core::clickCategoryHeading(headings.lines, headings.worksheetInstruction);
        break;
    case WorksheetWindow::SentenceParts:
        // Without a headline the window has a title of its own.
        heading = headings.lines[0].empty()
                      ? core::WorksheetHeading{sentenceParts.worksheetTitle, {}}
                      : core::writeAnswerHeading(headings.lines, {}, {});
        break;
    default:
        heading =
            core::writeAnswerHeading(headings.lines, headings.worksheetInstruction, sheets.title());
        break;
    }
    sheets.startExercise();
    sheets.addHeading(heading);

    const core::TextWidthFunction fontWidth = programFontWidth();
    core::WrapContext wrap{fontWidth, kScreenWidth, program};
    // The choice window measures its sentences in the font it shows them in.
    core::WrapContext choiceWrap{
        [&](std::string_view text, int) { return fontWidth(text, choice.questionPoints); },
        kScreenWidth, program};
    const core::FillInProgram fillInProgram = core::fillInProgram(program);
    int status = kExitOk;
    for (int n : chosen) {
        core::RecordFields fields = core::str_postarray(records[n - 1]);
        // A level file's record goes on the worksheet without its level.
        if (window == WorksheetWindow::SentenceParts && sentenceParts.levels)
            fields.field[1] = core::withoutLevel(fields[1]);
        const std::optional<core::Sentence> sentence = window == WorksheetWindow::SentenceParts
                                                           ? core::Sentence::fromRecord(fields)
                                                           : std::nullopt;
        // The window never shows a record outside the format, so it cannot be sent.
        std::string fault;
        if (window == WorksheetWindow::FillIn)
            fault = core::fillInRecordFault(fillInProgram, fields);
        if (window == WorksheetWindow::VerbForm) fault = core::verbRecordFault(fields);
        if (window == WorksheetWindow::Category && core::categoryTable(fields).empty())
            fault = "no category boxes";
        if (window == WorksheetWindow::SentenceParts && !sentence)
            fault = "its marks cannot be read or no part has a role";
        if (!fault.empty()) {
            err << "glosbo-data worksheet: " << name << " record " << n << ": " << fault
                << "; the window never shows it\n";
            status = kExitDataProblem;
            continue;
        }
        const std::string prefix = sheets.nextItemPrefix();
        switch (window) {
        case WorksheetWindow::WriteAnswer:
            sheets.addTask(core::writeAnswerTask(prefix, fields));
            break;
        case WorksheetWindow::Choice: {
            const std::string rightWord = core::LetaPrep(fields[1])[2];
            if (choice.recordAlternatives) core::takeRecordAlternatives(fields, rightWord, words);
            const auto lines = core::worksheetQuestionLines(
                fields[1], core::kWorksheetLeft, core::kChoiceWorksheetRight, choiceWrap, true);
            sheets.addTask(core::chooseAlternativeTask(
                prefix, lines, words, core::caseOffset(rightWord, choice.recordAlternatives),
                choice.recordAlternatives));
            break;
        }
        case WorksheetWindow::Category: {
            const auto lines = core::worksheetQuestionLines(
                fields[1], core::kWorksheetLeft, core::kCategoryWorksheetRight, wrap, false);
            sheets.addTask(core::clickCategoryTask(prefix, lines, fields[2]));
            break;
        }
        case WorksheetWindow::FillIn:
            sheets.addTask(core::fillInTask(prefix, fillInProgram, fields, wrap));
            break;
        case WorksheetWindow::VerbForm:
            sheets.addTask(core::verbTask(prefix, fields));
            break;
        case WorksheetWindow::SentenceParts:
            sheets.addTask(core::sentencePartsTask(prefix, fields[1], *sentence));
            break;
        case WorksheetWindow::None:
            break;
        }
    }
    return status;
}

} // namespace

int runWorksheet(const Args& args, std::istream&, std::ostream& out, std::ostream& err) {
    bool answers = false;
    std::string pdf;
    std::vector<Opening> openings;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--answers") {
            answers = true;
        } else if (a == "--pdf") {
            if (i + 1 >= args.size()) return usageError(err, "worksheet", "--pdf needs OUT.pdf");
            pdf = args[++i];
        } else if (a.size() > 1 && a.front() == '-') {
            return usageError(err, "worksheet", "unknown option '" + a + "'");
        } else if (isRecordNumber(a)) {
            if (openings.empty())
                return usageError(err, "worksheet", "record " + a + " comes before any FILE");
            openings.back().records.push_back(a);
        } else {
            openings.push_back({a, {}});
        }
    }
    if (openings.empty()) return usageError(err, "worksheet", "no FILE given");

    HeadlessGui gui(err, "worksheet");
    core::Worksheets sheets;
    int status = kExitOk;
    for (const Opening& opening : openings) {
        const int result = addOpening(opening, sheets, err);
        if (result == kExitDataProblem) {
            status = result;
        } else if (result != kExitOk) {
            return result;
        }
    }
    if (!pdf.empty()) {
        const app::PrinterMetrics metrics;
        if (!app::writePdf(QString::fromStdString(pdf), sheets.layout(answers, metrics)))
            return fileError(err, "worksheet", "cannot write " + pdf);
        return status;
    }
    for (const std::string& line : answers ? sheets.answers() : sheets.questions())
        out << core::cp1252ToUtf8(line) << "\n";
    return status;
}

} // namespace glosbo::tool
