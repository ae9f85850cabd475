// say and read-aloud: what reading aloud says, as text and as a WAV file,
// for teachers who check their own exercise files.
#include <filesystem>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

#include "core/alternatives.h"
#include "core/cp1252.h"
#include "core/line_file.h"
#include "core/program_number.h"
#include "core/put_in_order.h"
#include "core/read_aloud.h"
#include "record_checks.h"
#include "speech/speech_engine.h"
#include "text_io.h"
#include "tool.h"

namespace glosbo::tool {
namespace {

struct SpeechOptions {
    bool slow = false;
    std::optional<std::string> wav;
    Args positional;
};

std::optional<SpeechOptions> parseSpeechOptions(const std::string& command, const Args& args,
                                                std::ostream& err) {
    SpeechOptions options;
    bool more = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (more && a == "--") {
            more = false;
        } else if (more && a == "--slow") {
            options.slow = true;
        } else if (more && a == "--wav") {
            if (++i == args.size()) {
                usageError(err, command, "--wav needs a file");
                return std::nullopt;
            }
            options.wav = args[i];
        } else if (more && a.size() > 1 && a.front() == '-') {
            usageError(err, command, "unknown option '" + a + "'");
            return std::nullopt;
        } else {
            options.positional.push_back(a);
        }
    }
    return options;
}

// Says the text into the WAV file, or onto standard output without one.
int speak(const std::string& command, const core::ReadAloud& text, const SpeechOptions& options,
          std::ostream& out, std::ostream& err) {
    speech::Pcm pcm;
    std::string error;
    if (!speech::synthesize(text.ssml(),
                            options.slow ? speech::SpeechRate::Slow : speech::SpeechRate::Normal,
                            pcm, error))
        return fileError(err, command, error);
    const std::string wav = speech::wavBytes(pcm);
    if (!options.wav) {
        out.write(wav.data(), std::streamsize(wav.size()));
        return kExitOk;
    }
    if (const auto problem = replaceFile(*options.wav, wav))
        return fileError(err, command, *problem);
    return kExitOk;
}

// The boxes of a choosing question as the window fills them.
std::vector<std::string> choiceBoxes(std::uint16_t program, const std::string& data,
                                     const core::RecordFields& fields) {
    const core::ChoiceProgram choice = core::choiceProgram(program);
    const std::string rightWord = core::LetaPrep(fields[1])[2];
    core::AlternativeWords words;
    if (choice.recordAlternatives) {
        core::takeRecordAlternatives(fields, rightWord, words);
    } else {
        std::istringstream in(data);
        core::Hittapreppar(in, words);
    }
    const int offset = core::caseOffset(rightWord, choice.recordAlternatives);
    std::vector<std::string> boxes;
    for (int i = 1; i <= words.shownCount(); ++i)
        boxes.push_back(words.shown(i, offset));
    return boxes;
}

} // namespace

int runSay(const Args& args, std::istream&, std::ostream& out, std::ostream& err) {
    const auto options = parseSpeechOptions("say", args, err);
    if (!options) return kExitUsage;
    if (options->positional.size() != 1)
        return usageError(err, "say",
                          options->positional.empty() ? "no TEXT given"
                                                      : "give the TEXT as one argument");
    const auto text = core::utf8ToCp1252(options->positional[0]);
    if (!text) return usageError(err, "say", "TEXT is not UTF-8 that Windows-1252 can hold");
    core::ShownQuestion shown;
    shown.shown = {*text};
    const core::ReadAloud read = core::readAloud(shown);
    if (read.empty()) return usageError(err, "say", "TEXT has no word to say");
    return speak("say", read, *options, out, err);
}

int runReadAloud(const Args& args, std::istream&, std::ostream& out, std::ostream& err) {
    auto options = parseSpeechOptions("read-aloud", args, err);
    if (!options) return kExitUsage;
    if (options->positional.size() != 2)
        return usageError(err, "read-aloud", "give FILE.DAT and a record number N");
    const std::string& file = options->positional[0];
    const auto data = readFile(file);
    if (!data) return fileError(err, "read-aloud", "cannot read " + file);

    std::vector<std::string> records;
    for (const Line& line : splitLines(*data))
        if (core::isRecord(core::classifyLine(line.text))) records.push_back(line.text);
    int number = 0;
    try {
        std::size_t used = 0;
        number = std::stoi(options->positional[1], &used);
        if (used != options->positional[1].size()) number = 0;
    } catch (const std::exception&) {
        number = 0;
    }
    if (number < 1 || number > int(records.size()))
        return usageError(err, "read-aloud",
                          "N must be a record number from 1 to " + std::to_string(records.size()));

    std::istringstream in(*data);
    core::Headings headings;
    core::scanLineFile(in, false, headings);
    const std::string name = std::filesystem::path(file).filename().string();
    core::ShownQuestion shown;
    shown.programNumber = core::GeProgramtal(name);
    shown.kind = core::readAloudKind(recordWindow(shown.programNumber));
    shown.instruction = headings.instruction;
    shown.fields = core::str_postarray(records[std::size_t(number - 1)]);
    if (shown.kind == core::ReadAloudKind::Choice)
        shown.shown = choiceBoxes(shown.programNumber, *data, shown.fields);
    else if (shown.kind == core::ReadAloudKind::PutInOrder)
        shown.shown = core::orderItems(shown.fields);
    const core::ReadAloud read = core::readAloud(shown);

    out << core::cp1252ToUtf8(read.text()) << "\n";
    if (read.empty()) {
        err << "glosbo-data read-aloud: record " << number << " has nothing to read aloud\n";
        return kExitDataProblem;
    }
    return options->wav ? speak("read-aloud", read, *options, out, err) : kExitOk;
}

} // namespace glosbo::tool
