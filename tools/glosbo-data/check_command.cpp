#include <array>
#include <filesystem>
#include <ostream>
#include <sstream>

#include "core/clock.h"
#include "core/crazy_text.h"
#include "core/data_files.h"
#include "core/data_fs.h"
#include "core/line_file.h"
#include "core/program_number.h"
#include "core/reading.h"
#include "core/record_fields.h"
#include "core/reveal.h"
#include "core/scramble.h"
#include "core/sentence_parts.h"
#include "core/story_writing.h"
#include "media_checks.h"
#include "record_checks.h"
#include "text_io.h"
#include "tool.h"

namespace glosbo::tool {
namespace {

constexpr std::size_t kMaxHeadingText = 80;
constexpr int kMaxDrawnRecords = 900;
constexpr int kHeadingLinesReread = 6; // a file opened again is read this far
constexpr std::size_t kMaxNameLength = 12;

// Prints the problems and remembers whether there was one.
class Report {
public:
    explicit Report(std::ostream& out) : m_out(out) {}
    void problem(const std::string& file, std::size_t line, const std::string& message) {
        m_out << file << ":" << line << ": " << message << "\n";
        m_found = true;
    }
    void problem(const std::string& file, const std::string& message) {
        m_out << file << ": " << message << "\n";
        m_found = true;
    }
    bool found() const { return m_found; }

private:
    std::ostream& m_out;
    bool m_found = false;
};

// The first byte of text that has no place in a data file, as its index.
std::optional<std::size_t> firstForbidden(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (isForbiddenByte(static_cast<unsigned char>(text[i]))) return i;
    return std::nullopt;
}

std::string describeByte(std::string_view text, std::size_t i) {
    const auto b = static_cast<unsigned char>(text[i]);
    const std::string where = " at column " + std::to_string(i + 1);
    if (isUndefinedCp1252(b)) return "byte " + hexByte(b) + where + " is undefined in Windows-1252";
    return "control character " + hexByte(b) + where;
}

void checkBytes(const std::string& file, std::size_t number, std::string_view raw,
                std::string_view text, bool scrambled, Report& report) {
    if (!scrambled) {
        if (auto i = firstForbidden(text)) report.problem(file, number, describeByte(text, *i));
        return;
    }
    // Scrambled bytes may be anything from 0x20 up (and a tab that the
    // scrambling leaves alone); the unscrambled text must be clean.
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const auto b = static_cast<unsigned char>(raw[i]);
        if (b < 0x20 && b != '\t') {
            report.problem(file, number, describeByte(raw, i));
            return;
        }
    }
    if (auto i = firstForbidden(text))
        report.problem(file, number, "unscrambles to " + describeByte(text, *i));
}

void checkHeading(const std::string& file, std::size_t number, std::string_view line,
                  Report& report) {
    const bool instruction = line.size() > 1 && (line[1] == '\xA7' || line[1] == '%');
    const std::size_t length = line.size() - (instruction ? 2 : 1);
    if (length > kMaxHeadingText)
        report.problem(file, number,
                       "'$' text of " + std::to_string(length) + " characters; only the first " +
                           std::to_string(kMaxHeadingText) + " are used");
    if (number > kHeadingLinesReread)
        report.problem(file, number,
                       "'$' line after line " + std::to_string(kHeadingLinesReread) +
                           ": it is read only the first time the file is opened");
}

// The climb goes from level 1 up to the first level without records.
void checkLevels(const std::string& file,
                 const std::array<int, core::LevelFile::kMostLevels + 1>& perLevel,
                 Report& report) {
    int first = 1;
    while (first <= core::LevelFile::kMostLevels && perLevel[first] > 0)
        ++first;
    for (int level = first + 1; level <= core::LevelFile::kMostLevels; ++level)
        if (perLevel[level] > 0) {
            report.problem(file, "level " + std::to_string(level) + " has records but level " +
                                     std::to_string(first) + " has none: the climb stops below it");
            return;
        }
    if (first == 1) report.problem(file, "no level 1: the climb has nowhere to start");
}

// The stories of the reveal game: each must fit the 7 x 7 word slots with
// words the guess box can hold, and nothing may follow the last "#".
void checkRevealStories(const std::string& data, std::vector<core::FileProblem>& problems) {
    std::istringstream in(data);
    const auto stories = core::readRevealStories(in);
    for (std::size_t n = 0; n < stories.size(); ++n) {
        const std::string problem = core::storyProblem(stories[n]);
        if (!problem.empty())
            problems.push_back({0, "story " + std::to_string(n + 1) + ": " + problem});
    }
    // Lines after the last "#" belong to no story and are never shown.
    std::istringstream again(data);
    std::string raw;
    int number = 0;
    int after = 0;
    while (core::readLine(again, raw)) {
        ++number;
        const std::string line = raw.empty() ? raw : core::dekryptrad(raw);
        if (!line.empty() && line.front() == '#')
            after = 0;
        else if (!line.empty() && line.front() != ';' && line.front() != '$' && after == 0)
            after = number;
    }
    if (after > 0) problems.push_back({after, "text after the last \"#\" belongs to no story"});
    if (stories.empty()) problems.push_back({0, "no story closed by a \"#\" line"});
}

// The files whose records only make sense together: the stories of the
// crazy text and the introductions of the story window, read as the
// windows read them.
void checkWholeFile(const std::string& file, std::uint16_t programNumber, const std::string& data,
                    Report& report) {
    std::istringstream in(data);
    std::vector<core::FileProblem> problems;
    if (programNumber == core::kCrazyTextProgram)
        problems = core::readCrazyStories(in).problems;
    else if (programNumber == core::kStoryProgram)
        problems = core::readIntroductions(in).problems;
    if (programNumber == core::kRevealProgram) checkRevealStories(data, problems);
    for (const core::FileProblem& problem : problems) {
        if (problem.line > 0)
            report.problem(file, std::size_t(problem.line), problem.message);
        else
            report.problem(file, problem.message);
    }
}

void checkLineFile(const std::string& file, std::uint16_t programNumber, Report& report) {
    const auto data = readFile(file);
    if (!data) {
        report.problem(file, "cannot be read");
        return;
    }
    int records = 0;
    std::size_t number = 0;
    // The records of each level, in files that climb through levels.
    const bool levels = core::sentencePartsProgram(programNumber).levels;
    std::array<int, core::LevelFile::kMostLevels + 1> perLevel{};
    for (const Line& line : splitLines(*data)) {
        ++number;
        const core::LineClass kind = core::classifyLine(line.text);
        if (kind == core::LineClass::Empty) continue;
        const bool scrambled = kind == core::LineClass::Scrambled;
        const std::string text = scrambled ? core::dekryptrad(line.text) : line.text;
        checkBytes(file, number, line.text, text, scrambled, report);
        // The titles of the stories are "$" lines and stand anywhere; they
        // are not the file's heading.
        if (kind == core::LineClass::Heading && programNumber != core::kCrazyTextProgram)
            checkHeading(file, number, line.text, report);
        if (!core::isRecord(kind)) continue;

        if (++records == kMaxDrawnRecords + 1)
            report.problem(file, number,
                           "record " + std::to_string(records) + ": only the first " +
                               std::to_string(kMaxDrawnRecords) + " records can be drawn");
        const core::RecordFields fields = core::str_postarray(line.text);
        for (const auto& problem : checkRecord({programNumber, text, fields}))
            report.problem(file, number, problem);
        if (levels) {
            const int level = core::levelPrefix(text).level;
            if (level >= 1 && level <= core::LevelFile::kMostLevels) ++perLevel[level];
        }
    }
    if (records == 0) report.problem(file, "no records");
    checkWholeFile(file, programNumber, *data, report);
    if (levels) checkLevels(file, perLevel, report);
    // The clock shows the time of the record number: one record for each
    // five minutes of twelve hours. Another count still runs, but the
    // times and the answers no longer match.
    if (programNumber == core::kClockProgram && records != 0 && records != core::kClockRecords)
        report.problem(file, std::to_string(records) + " records; the clock needs exactly " +
                                 std::to_string(core::kClockRecords) +
                                 ", record n for the time (n - 1) * 5 minutes past twelve");
}

void checkFileList(const std::string& root, const std::string& list, Report& report) {
    const auto data = readFile(list);
    if (!data) {
        report.problem(list, "cannot be read");
        return;
    }
    int exerciseFiles = 0;
    int praiseFiles = 0;
    std::size_t number = 0;
    for (const Line& line : splitLines(*data)) {
        ++number;
        const std::string& name = line.text;
        const bool exercise = core::hasExtension(name, ".DAT");
        if (!exercise && !core::hasExtension(name, ".LOV")) continue; // the program skips these
        const int count = exercise ? ++exerciseFiles : ++praiseFiles;
        const int capacity = exercise ? core::DataFiles::kFileSlots : core::DataFiles::kPraiseSlots;
        if (count > capacity) {
            report.problem(list, number,
                           name + ": the program takes only " + std::to_string(capacity) +
                               (exercise ? " exercise" : " praise") +
                               " files; this one is ignored");
            continue;
        }
        if (name.size() > kMaxNameLength)
            report.problem(list, number,
                           name + ": file name longer than " + std::to_string(kMaxNameLength) +
                               " characters");
        const std::string relative = core::lineFileSubdirectory(name) + name;
        const auto path = core::findInRoot(root, relative);
        if (!path || !core::fileExists(*path)) {
            report.problem(list, number,
                           name + ": listed file not found (looked for " + relative.substr(1) +
                               ")");
            continue;
        }
        // Program numbers select the exercise windows' record checks; only
        // exercise files have one.
        const std::uint16_t programNumber = exercise ? core::GeProgramtal(name) : 0;
        checkLineFile(*path, programNumber, report);
        // The fables show their reading text first; without it the window
        // cannot be used.
        if (exercise && core::readAndAnswerProgram(programNumber, 0).readingText &&
            !core::readReadingText(core::DataRoots{root, "", "", "", ""}, name))
            report.problem(list, number,
                           name + ": its reading text " + core::readingTextPath(name) +
                               " is missing or is not text");
    }
}

} // namespace

int runCheck(const Args& args, std::istream&, std::ostream& out, std::ostream& err) {
    if (args.size() != 1)
        return usageError(err, "check", args.empty() ? "no ROOT given" : "too many arguments");
    const std::string& root = args[0];
    if (!core::directoryExists(root)) return fileError(err, "check", root + " is not a directory");

    Report report(out);
    const auto list = core::findInRoot(root, "DATA/datfiler.sve");
    if (list)
        checkFileList(root, *list, report);
    else
        report.problem((std::filesystem::path(root) / "DATA" / "datfiler.sve").string(),
                       "file list not found");
    for (const auto& finding : checkMedia(root)) {
        if (finding.problem)
            report.problem(finding.file, finding.message);
        else
            out << finding.file << ": note: " << finding.message << "\n";
    }
    return report.found() ? kExitDataProblem : kExitOk;
}

} // namespace glosbo::tool
