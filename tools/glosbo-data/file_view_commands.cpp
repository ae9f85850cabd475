#include <optional>
#include <ostream>
#include <sstream>
#include <string>

#include "core/cp1252.h"
#include "core/line_file.h"
#include "core/record_fields.h"
#include "text_io.h"
#include "tool.h"

namespace glosbo::tool {
namespace {

// The one FILE argument of info and show.
std::optional<std::string> readFileArgument(const std::string& command, const Args& args,
                                            std::ostream& err) {
    if (args.size() != 1) {
        usageError(err, command, args.empty() ? "no FILE given" : "too many arguments");
        return std::nullopt;
    }
    auto data = readFile(args[0]);
    if (!data) fileError(err, command, "cannot read " + args[0]);
    return data;
}

} // namespace

int runInfo(const Args& args, std::istream&, std::ostream& out, std::ostream& err) {
    const auto data = readFileArgument("info", args, err);
    if (!data) return kExitUsage;
    std::istringstream in(*data);
    core::Headings headings;
    const int records = core::scanLineFile(in, true, headings);
    out << "records=" << records << "\theading1=" << columnText(headings.lines[0])
        << "\theading2=" << columnText(headings.lines[1])
        << "\theading3=" << columnText(headings.lines[2])
        << "\tinstruction=" << columnText(headings.instruction)
        << "\tworksheet=" << columnText(headings.worksheetInstruction) << "\n";
    return kExitOk;
}

int runShow(const Args& args, std::istream&, std::ostream& out, std::ostream& err) {
    const auto data = readFileArgument("show", args, err);
    if (!data) return kExitUsage;
    int number = 0;
    for (const Line& line : splitLines(*data)) {
        if (!core::isRecord(core::classifyLine(line.text))) continue;
        const core::RecordFields record = core::str_postarray(line.text);
        out << ++number << "\t" << record.fieldCount << "\t" << record.alternativeCount;
        for (int f = 1; f <= record.fieldCount; ++f)
            out << "\t" << columnText(record[f]);
        out << "\n";
    }
    return kExitOk;
}

int runJudge(const Args& args, std::istream&, std::ostream& out, std::ostream& err) {
    std::string kind;
    Args positional;
    bool options = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (options && a == "--") {
            options = false;
        } else if (options && a == "--kind") {
            if (++i == args.size()) return usageError(err, "judge", "--kind needs 1 or 3");
            kind = args[i];
        } else if (options && a.starts_with("--kind=")) {
            kind = a.substr(7);
        } else if (options && a.size() > 1 && a.front() == '-') {
            return usageError(err, "judge", "unknown option '" + a + "'");
        } else {
            positional.push_back(a);
        }
    }
    if (kind != "1" && kind != "3") return usageError(err, "judge", "--kind must be 1 or 3");
    if (positional.size() != 2) return usageError(err, "judge", "give LINE and ANSWER");

    std::string problem;
    const auto line = encodeLine(positional[0], problem);
    if (!line) return usageError(err, "judge", "LINE: " + problem);
    auto answer = encodeLine(positional[1], problem);
    if (!answer) return usageError(err, "judge", "ANSWER: " + problem);

    const core::RecordFields record = core::str_postarray(*line);
    const auto verdict =
        core::svarstest(record, record[2], *answer,
                        kind == "1" ? core::CompareKind::Exact : core::CompareKind::IgnoreCase);
    out << verdict << "\n";
    return kExitOk;
}

} // namespace glosbo::tool
