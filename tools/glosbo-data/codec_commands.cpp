#include <optional>
#include <ostream>

#include "core/cp1252.h"
#include "core/line_file.h"
#include "core/scramble.h"
#include "text_io.h"
#include "tool.h"

namespace glosbo::tool {
namespace {

// Where a conversion reads and writes: standard input and output, or IN and
// OUT.
struct Files {
    std::optional<std::string> in;
    std::optional<std::string> out;
};

// Takes the file arguments of encode and decode; false after a usage error.
bool takeFiles(const std::string& command, const Args& positional, Files& files,
               std::ostream& err) {
    if (positional.size() == 1 || positional.size() > 2) {
        usageError(err, command, "give both IN and OUT, or neither");
        return false;
    }
    if (positional.size() == 2) {
        files.in = positional[0];
        files.out = positional[1];
    }
    return true;
}

std::optional<std::string> readInput(const std::string& command, const Files& files,
                                     std::istream& in, std::ostream& err) {
    if (!files.in) return readAll(in);
    auto data = readFile(*files.in);
    if (!data) fileError(err, command, "cannot read " + *files.in);
    return data;
}

int writeOutput(const std::string& command, const Files& files, const std::string& data,
                std::ostream& out, std::ostream& err) {
    if (!files.out) {
        out << data;
        return kExitOk;
    }
    if (auto problem = replaceFile(*files.out, data)) return fileError(err, command, *problem);
    return kExitOk;
}

} // namespace

int runEncode(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
    bool scramble = false;
    Args positional;
    for (const auto& a : args) {
        if (a == "--scramble")
            scramble = true;
        else if (a.size() > 1 && a.front() == '-')
            return usageError(err, "encode", "unknown option '" + a + "'");
        else
            positional.push_back(a);
    }
    Files files;
    if (!takeFiles("encode", positional, files, err)) return kExitUsage;
    auto input = readInput("encode", files, in, err);
    if (!input) return kExitUsage;
    if (input->starts_with("\xEF\xBB\xBF")) input->erase(0, 3);

    // The whole file is built first: a refused line must not leave a file that
    // looks complete.
    std::string result;
    bool failed = false;
    const std::string where = files.in ? *files.in + ":" : std::string();
    std::size_t number = 0;
    for (const Line& line : splitLines(*input)) {
        ++number;
        std::string problem;
        auto bytes = encodeLine(line.text, problem);
        if (bytes && scramble && core::isRecord(core::classifyLine(*bytes))) {
            const std::string scrambled = core::kryptrad(*bytes);
            if (bytes->front() == ')') {
                problem = "a record cannot start with ')': it would be read as scrambled";
                bytes.reset();
            } else if (scrambled != *bytes && core::dekryptrad(scrambled) != *bytes) {
                problem = "the tab in this record would not survive scrambling; write a space";
                bytes.reset();
            } else {
                bytes = scrambled;
            }
        }
        if (!bytes) {
            err << where << number << ": " << problem << "\n";
            failed = true;
            continue;
        }
        result += *bytes;
        result += "\r\n";
    }
    if (failed) return kExitDataProblem;
    return writeOutput("encode", files, result, out, err);
}

int runDecode(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
    for (const auto& a : args)
        if (a.size() > 1 && a.front() == '-')
            return usageError(err, "decode", "unknown option '" + a + "'");
    Files files;
    if (!takeFiles("decode", args, files, err)) return kExitUsage;
    const auto input = readInput("decode", files, in, err);
    if (!input) return kExitUsage;

    std::string result;
    for (const Line& line : splitLines(*input)) {
        result += core::cp1252ToUtf8(core::dekryptrad(line.text));
        result += "\n";
    }
    return writeOutput("decode", files, result, out, err);
}

} // namespace glosbo::tool
