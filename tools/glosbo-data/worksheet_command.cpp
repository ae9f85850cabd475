#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <charconv>
#include <filesystem>
#include <ostream>
#include <sstream>

#include "core/cp1252.h"
#include "core/fill_in.h"
#include "core/line_file.h"
#include "core/program_number.h"
#include "core/record_fields.h"
#include "core/verb_cycle.h"
#include "core/worksheets.h"
#include "core/wrap.h"
#include "headless_gui.h"
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

} // namespace

int runWorksheet(const Args& args, std::istream&, std::ostream& out, std::ostream& err) {
    bool answers = false;
    Args positional;
    for (const std::string& a : args) {
        if (a == "--answers")
            answers = true;
        else if (a.size() > 1 && a.front() == '-')
            return usageError(err, "worksheet", "unknown option '" + a + "'");
        else
            positional.push_back(a);
    }
    if (positional.empty()) return usageError(err, "worksheet", "no FILE given");
    const std::string& file = positional.front();
    const std::string name = std::filesystem::path(file).filename().string();
    const std::uint16_t program = core::GeProgramtal(name);
    const bool fillIn = core::isFillInProgram(program);
    if (!fillIn && !core::isVerbFormProgram(program))
        return fileError(err, "worksheet",
                         name + " is not an exercise of the fill-in or verb-form window");
    const auto data = readFile(file);
    if (!data) return fileError(err, "worksheet", "cannot read " + file);

    std::istringstream in(*data);
    core::Headings headings;
    core::scanLineFile(in, false, headings);
    std::vector<std::string> records;
    for (const Line& line : splitLines(*data))
        if (core::isRecord(core::classifyLine(line.text))) records.push_back(line.text);

    std::vector<int> chosen;
    for (std::size_t i = 1; i < positional.size(); ++i) {
        const auto n = parseRecordNumber(positional[i]);
        if (!n || *n > int(records.size()))
            return usageError(err, "worksheet",
                              "no record " + positional[i] + " in " + name + " (it has " +
                                  std::to_string(records.size()) + ")");
        chosen.push_back(*n);
    }
    if (positional.size() == 1)
        for (int n = 1; n <= int(records.size()); ++n)
            chosen.push_back(n);

    HeadlessGui gui(err, "worksheet");
    core::Worksheets sheets;
    sheets.startExercise();
    const core::WorksheetHeading heading =
        core::writeAnswerHeading(headings.lines, headings.worksheetInstruction, "");
    sheets.addHeading(heading.title, heading.subHeading);
    core::WrapContext wrap{programFontWidth(), kScreenWidth, program};
    const core::FillInProgram fillInProgram = core::fillInProgram(program);
    int status = kExitOk;
    for (int n : chosen) {
        const core::RecordFields fields = core::str_postarray(records[n - 1]);
        // The window never shows a record outside the format, so it cannot be sent.
        const std::string fault =
            fillIn ? core::fillInRecordFault(fillInProgram, fields) : core::verbRecordFault(fields);
        if (!fault.empty()) {
            err << "glosbo-data worksheet: " << name << " record " << n << ": " << fault
                << "; the window never shows it\n";
            status = kExitDataProblem;
            continue;
        }
        sheets.addTask(fillIn
                           ? core::fillInTask(sheets.nextItemPrefix(), fillInProgram, fields, wrap)
                           : core::verbTask(sheets.nextItemPrefix(), fields));
    }
    for (const std::string& line : answers ? sheets.answers() : sheets.questions())
        out << core::cp1252ToUtf8(line) << "\n";
    return status;
}

} // namespace glosbo::tool
