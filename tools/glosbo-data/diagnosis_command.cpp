#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "core/class_overview.h"
#include "core/cp1252.h"
#include "core/diagnosis_file.h"
#include "core/diagnosis_protocol.h"
#include "core/diagnosis_record.h"
#include "core/teacher_password.h"
#include "core/text.h"
#include "headless_gui.h"
#include "print/page_painter.h"
#include "text_io.h"
#include "tool.h"

namespace glosbo::tool {
namespace {

constexpr int kShownTests = 17; // the protocol shows tests 1..17 of the 20 in a record

std::string twoDigits(int n) {
    return std::string(1, char('0' + (n / 10) % 10)) + char('0' + n % 10);
}

// The protocol's date text: "YYMMDD HH:MM", the year's third and fourth digits.
std::string dateText(const core::DiagnosisRecord& r, int t) {
    const std::string year = std::to_string(r.year[t]);
    return (year.size() > 2 ? year.substr(2, 2) : std::string()) + twoDigits(r.month[t]) +
           twoDigits(r.day[t]) + " " + twoDigits(r.hour[t]) + ":" + twoDigits(r.minute[t]);
}

std::string statusText(std::uint8_t status) {
    const std::string name = core::utf8Bytes(core::statusName(status));
    // A code the program never writes is shown as it stands.
    return name.empty() ? std::to_string(status) : name;
}

// The fields of one pupil's line: name, then result, status and time of each
// test, then the sum of all results as the protocol adds them up.
std::vector<std::string> fieldsOf(const core::DiagnosisRecord& r, bool forCsv) {
    std::vector<std::string> fields;
    fields.push_back(forCsv ? core::cp1252ToUtf8(r.name) : columnText(r.name));
    std::int64_t sum = 0;
    for (int t = 1; t <= core::DiagnosisRecord::kTests; ++t)
        sum += r.result[t];
    for (int t = 1; t <= kShownTests; ++t) {
        fields.push_back(std::to_string(r.result[t]));
        fields.push_back(statusText(r.status[t]));
        fields.push_back(r.result[t] > 0 ? dateText(r, t) : std::string());
    }
    fields.push_back(std::to_string(sum));
    return fields;
}

bool plainNumber(const std::string& text) {
    const std::size_t digits = text.size() > 1 && text[0] == '-' ? 1 : 0;
    return digits < text.size() &&
           text.find_first_not_of("0123456789", digits) == std::string::npos;
}

// A cell a spreadsheet would take for a formula (a pupil may be named
// "=1+1" or "@C") gets an apostrophe before it and quotes around it, so it
// is shown as text and never run.
std::string csvField(const std::string& text) {
    const bool formula = !text.empty() &&
                         std::string_view("=+-@\t\r").find(text[0]) != std::string_view::npos &&
                         !plainNumber(text);
    if (!formula && text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = formula ? "\"'" : "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

void writeCsvLine(std::ostream& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        out << (i ? "," : "") << csvField(fields[i]);
    out << "\r\n";
}

std::vector<std::string> csvHeader() {
    std::vector<std::string> header{"Namn"};
    for (int t = 1; t <= kShownTests; ++t) {
        const std::string test = "Test " + std::to_string(t);
        header.push_back(test + " resultat");
        header.push_back(test + " status");
        header.push_back(test + " tid");
    }
    header.push_back("Summa");
    return header;
}

} // namespace

namespace {

// The changes a command line asks for; listing when none.
struct Request {
    enum class Kind { List, Set, Remove, Archive, Pdf } kind = Kind::List;
    bool csv = false;
    bool classView = false; // the teacher's class overview instead of the records
    std::string file, name, out;
    bool named = false;
    int test = 0, result = 0;
};

std::optional<int> number(const std::string& text, int low, int high) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

// A pupil's name from the command line: UTF-8 to Windows-1252, as long as
// the name box of the login takes.
std::optional<std::string> pupilName(const std::string& utf8) {
    auto name = core::utf8ToCp1252(utf8);
    if (!name || name->empty() || name->size() > 20) return std::nullopt;
    return name;
}

std::string damagedText(const std::string& file) {
    return file + " is damaged (cut short, a name or password length beyond its field, or a "
                  "result or status no test gives); it was left as it is";
}

std::string lockText(const std::optional<core::LockHolder>& holder) {
    if (!holder) return "another program holds its lock";
    return "locked by process " + std::to_string(holder->pid) + " on " + holder->host;
}

int setResult(const Request& r, std::ostream& err) {
    const auto name = pupilName(r.name);
    if (!name)
        return usageError(err, "diagnosis",
                          "NAME must be 1 to 20 characters that Windows-1252 can hold");
    const core::SystemClock clock;
    core::DiagnosisFile file = core::DiagnosisFile::atPath(r.file, clock);
    // Read, changed and written under the lock: two runs that set different
    // tests of one pupil at the same time keep both results.
    const core::DiagnosisSave saved = file.update(*name, [&](core::DiagnosisRecord& record) {
        core::diagnosback(record, r.test, r.result, clock.now());
    });
    switch (saved.status) {
    case core::DiagnosisSave::Status::Saved:
        return kExitOk;
    case core::DiagnosisSave::Status::Damaged:
        err << "glosbo-data diagnosis: " << damagedText(r.file) << "\n";
        return kExitDataProblem;
    case core::DiagnosisSave::Status::Busy:
        return fileError(err, "diagnosis", r.file + " is " + lockText(saved.holder));
    case core::DiagnosisSave::Status::Failed:
        break;
    }
    return fileError(err, "diagnosis",
                     saved.error ? saved.error->text()
                                 : "cannot save " + r.file + ": " + std::strerror(saved.code));
}

int change(const Request& r, std::ostream& out, std::ostream& err) {
    const core::SystemClock clock;
    core::DiagnosisFile file = core::DiagnosisFile::atPath(r.file, clock);
    std::optional<std::string> name;
    if (r.kind == Request::Kind::Remove) {
        name = core::utf8ToCp1252(r.name);
        if (!name) return usageError(err, "diagnosis", "NAME is not Windows-1252 text");
    }
    const core::DiagnosisChange done =
        r.kind == Request::Kind::Remove ? file.remove(*name) : file.archive();
    using Status = core::DiagnosisChange::Status;
    switch (done.status) {
    case Status::Done:
        if (r.kind == Request::Kind::Archive)
            out << file.directory() << "/" << done.archive << "\n";
        return kExitOk;
    case Status::NotFound:
        err << "glosbo-data diagnosis: no pupil named exactly '" << r.name << "' in " << r.file
            << "\n";
        return kExitDataProblem;
    case Status::Missing:
        return fileError(err, "diagnosis", "cannot read " + r.file + ": no such file");
    case Status::Damaged:
        err << "glosbo-data diagnosis: " << damagedText(r.file) << "\n";
        return kExitDataProblem;
    case Status::Busy:
        return fileError(err, "diagnosis", r.file + " is " + lockText(done.holder));
    case Status::Failed:
        break;
    }
    return fileError(err, "diagnosis",
                     done.error ? done.error->text()
                                : "cannot change " + r.file + ": " + std::strerror(done.code));
}

// Where the protocol columns begin on paper when the protocol is shown on a
// 1024 x 768 screen: the letter unit is an "L" of 12 points, the sample is
// measured in the protocol's 17-pixel font.
std::array<int, 4> screenColumnStarts() {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(16);
    const int letterUnit = QFontMetrics(font).horizontalAdvance(QLatin1Char('L'));
    font.setPixelSize(17);
    const int sample =
        QFontMetrics(font).horizontalAdvance(QString::fromLatin1(core::kProtocolSample));
    return core::printColumnStarts(letterUnit, sample, 1024);
}

// Reads the file for a command that shows what it holds; a damaged file is
// refused whole, since half a class would look like a whole one. 0 when
// load holds the file, else the exit status.
int loadWhole(const std::string& path, std::ostream& err, core::DiagnosisLoad& load) {
    load = core::loadDiagnosisFile(path);
    if (load.status != core::DiagnosisLoad::Status::Loaded)
        return fileError(err, "diagnosis", "cannot read " + path);
    if (load.contents.damaged()) {
        err << "glosbo-data diagnosis: " << damagedText(path) << "\n";
        return kExitDataProblem;
    }
    return kExitOk;
}

int writeProtocols(const Request& r, std::ostream& err) {
    std::optional<std::string> wanted;
    if (r.named) {
        wanted = core::utf8ToCp1252(r.name);
        if (!wanted) return usageError(err, "diagnosis", "NAME is not Windows-1252 text");
    }
    core::DiagnosisLoad load;
    if (const int refused = loadWhole(r.file, err, load)) return refused;
    HeadlessGui gui(err, "diagnosis");
    const std::array<int, 4> columns = screenColumnStarts();
    const app::PrinterMetrics metrics;
    std::vector<core::Page> pages;
    for (std::size_t i = 0; i < load.contents.records.size(); ++i) {
        const core::DiagnosisRecord record = load.contents.record(i);
        if (record.name.empty()) continue;
        if (wanted && core::upperCp1252(record.name) != core::upperCp1252(*wanted)) continue;
        pages.push_back(
            core::protocolPage(core::protocolTable(record), record.name, columns, metrics));
    }
    if (pages.empty()) {
        err << "glosbo-data diagnosis: "
            << (wanted ? "no pupil named '" + r.name + "'" : "no pupils") << " in " << r.file
            << "\n";
        return kExitDataProblem;
    }
    if (!app::writePdf(QString::fromStdString(r.out), pages))
        return fileError(err, "diagnosis", "cannot write " + r.out);
    return kExitOk;
}

int list(const Request& r, std::ostream& out, std::ostream& err) {
    const auto data = readFile(r.file);
    if (!data) return fileError(err, "diagnosis", "cannot read " + r.file);

    const core::DiagnosisContents contents = core::parseDiagnosisFile(*data);
    if (r.csv) writeCsvLine(out, csvHeader());
    for (std::size_t i = 0; i < contents.records.size(); ++i) {
        const std::vector<std::string> fields = fieldsOf(contents.record(i), r.csv);
        if (r.csv) {
            writeCsvLine(out, fields);
        } else {
            for (std::size_t f = 0; f < fields.size(); ++f)
                out << (f ? "\t" : "") << fields[f];
            out << "\n";
        }
    }
    if (contents.tailBytes != 0) {
        const std::size_t whole = contents.records.size();
        err << "glosbo-data diagnosis: " << r.file << " is damaged: its " << data->size()
            << " bytes are not a whole number of " << core::DiagnosisRecord::kSize
            << "-byte records; it holds " << whole << " whole record" << (whole == 1 ? "" : "s")
            << "\n";
        return kExitDataProblem;
    }
    if (contents.badLengths) {
        err << "glosbo-data diagnosis: " << r.file << " is damaged: record "
            << *contents.badLengths + 1 << " has a name or password length beyond its field\n";
        return kExitDataProblem;
    }
    if (contents.badValues) {
        err << "glosbo-data diagnosis: " << r.file << " is damaged: record "
            << *contents.badValues + 1 << " has a result outside 0-20 or an unknown status\n";
        return kExitDataProblem;
    }
    return kExitOk;
}

// Characters of UTF-8 text, for lining up columns.
std::size_t characters(std::string_view utf8) {
    return std::size_t(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// The class overview as the teacher's window shows it: a row per pupil in
// name order, the count row last; as aligned text, CSV or printed pages.
int classOverview(const Request& r, std::ostream& out, std::ostream& err) {
    core::DiagnosisLoad load;
    if (const int refused = loadWhole(r.file, err, load)) return refused;
    const core::ClassOverview overview = core::classOverview(load.contents);
    if (r.kind == Request::Kind::Pdf) {
        HeadlessGui gui(err, "diagnosis");
        const app::PrinterMetrics metrics;
        if (!app::writePdf(QString::fromStdString(r.out),
                           core::classOverviewPages(overview, metrics)))
            return fileError(err, "diagnosis", "cannot write " + r.out);
        return kExitOk;
    }
    if (r.csv) {
        std::vector<std::string> header{core::kClassNameHeading};
        for (int t = 1; t <= kShownTests; ++t) {
            const std::string test =
                std::to_string(t) + " " + core::utf8Bytes(core::diagnosisTest(t).area);
            header.push_back(test + " resultat");
            header.push_back(test + " status");
        }
        header.push_back(core::kClassPassedHeading);
        writeCsvLine(out, header);
        for (const core::ClassPupil& p : overview.pupils) {
            std::vector<std::string> fields{core::cp1252ToUtf8(p.name)};
            for (std::size_t t = 0; t < std::size_t(kShownTests); ++t) {
                fields.push_back(std::to_string(p.result[t]));
                fields.push_back(core::cp1252ToUtf8(core::statusWord(p.status[t])));
            }
            fields.push_back(std::to_string(p.passed));
            writeCsvLine(out, fields);
        }
        std::vector<std::string> counts{core::kClassCountLabel};
        for (const int n : overview.passedPerTest) {
            counts.push_back(std::to_string(n));
            counts.emplace_back();
        }
        counts.emplace_back();
        writeCsvLine(out, counts);
        return kExitOk;
    }
    const core::ClassTable table = core::classOverviewTable(overview);
    std::vector<std::vector<std::string>> cells;
    cells.reserve(table.size());
    std::vector<std::size_t> widths(table.front().size(), 0);
    for (const auto& row : table) {
        std::vector<std::string> shown;
        for (std::size_t c = 0; c < row.size(); ++c) {
            shown.push_back(columnText(row[c]));
            widths[c] = std::max(widths[c], characters(shown.back()));
        }
        cells.push_back(std::move(shown));
    }
    for (const auto& row : cells) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string pad(widths[c] - characters(row[c]), ' ');
            // Names to the left, numbers and cells to the right.
            line += c == 0 ? row[c] + pad : "  " + pad + row[c];
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out << line << "\n";
    }
    out << "\n" << core::cp1252ToUtf8(core::classLegend()) << "\n";
    return kExitOk;
}

} // namespace

int runDiagnosis(const Args& args, std::istream&, std::ostream& out, std::ostream& err) {
    Request r;
    std::vector<std::string> files;
    const auto setKind = [&](Request::Kind kind) {
        if (r.kind != Request::Kind::List) return false;
        r.kind = kind;
        return true;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const std::size_t left = args.size() - i - 1;
        if (a == "--csv") {
            r.csv = true;
        } else if (a == "--class") {
            r.classView = true;
        } else if (a == "--set") {
            if (left < 3) return usageError(err, "diagnosis", "--set needs NAME TEST RESULT");
            if (!setKind(Request::Kind::Set))
                return usageError(err, "diagnosis", "one change at a time");
            r.name = args[++i];
            const auto test = number(args[++i], 1, core::kDiagnosisTests);
            const auto result = number(args[++i], 0, core::DiagnosisRecord::kFullScore);
            if (!test) return usageError(err, "diagnosis", "TEST must be 1 to 17");
            if (!result) return usageError(err, "diagnosis", "RESULT must be 0 to 20");
            r.test = *test;
            r.result = *result;
        } else if (a == "--remove") {
            if (left < 1) return usageError(err, "diagnosis", "--remove needs NAME");
            if (!setKind(Request::Kind::Remove))
                return usageError(err, "diagnosis", "one change at a time");
            r.name = args[++i];
        } else if (a == "--archive") {
            if (!setKind(Request::Kind::Archive))
                return usageError(err, "diagnosis", "one change at a time");
        } else if (a == "--pdf") {
            if (left < 1) return usageError(err, "diagnosis", "--pdf needs OUT.pdf");
            if (!setKind(Request::Kind::Pdf))
                return usageError(err, "diagnosis", "one change at a time");
            r.out = args[++i];
        } else if (a == "--name") {
            if (left < 1) return usageError(err, "diagnosis", "--name needs NAME");
            r.named = true;
            r.name = args[++i];
        } else if (a.size() > 1 && a.front() == '-') {
            return usageError(err, "diagnosis", "unknown option '" + a + "'");
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 1)
        return usageError(err, "diagnosis", files.empty() ? "no FILE given" : "too many arguments");
    r.file = files[0];
    if (r.named && r.kind != Request::Kind::Pdf)
        return usageError(err, "diagnosis", "--name goes with --pdf");
    if (r.csv && r.kind != Request::Kind::List)
        return usageError(err, "diagnosis", "--csv goes with the listing only");
    if (r.classView) {
        if ((r.kind != Request::Kind::List && r.kind != Request::Kind::Pdf) || r.named)
            return usageError(err, "diagnosis", "--class goes with --csv or --pdf only");
        return classOverview(r, out, err);
    }
    switch (r.kind) {
    case Request::Kind::List:
        return list(r, out, err);
    case Request::Kind::Set:
        return setResult(r, err);
    case Request::Kind::Remove:
    case Request::Kind::Archive:
        return change(r, out, err);
    case Request::Kind::Pdf:
        return writeProtocols(r, err);
    }
    return kExitOk;
}

int runTeacherPassword(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
    std::vector<std::string> directories;
    bool reset = false;
    for (const std::string& a : args) {
        if (a == "--reset")
            reset = true;
        else if (a.size() > 1 && a.front() == '-')
            return usageError(err, "teacher-password", "unknown option '" + a + "'");
        else
            directories.push_back(a);
    }
    if (directories.size() != 1)
        return usageError(err, "teacher-password",
                          directories.empty() ? "no DIR given" : "too many arguments");
    const std::string& directory = directories[0];
    struct stat st {};
    if (::stat(directory.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return fileError(err, "teacher-password", directory + " is not a directory");
    // Writing the directory is what proves the right to set the password.
    if (::access(directory.c_str(), W_OK) != 0)
        return fileError(err, "teacher-password",
                         "cannot write " + directory + " (" + std::strerror(errno) +
                             "): only someone who may write the diagnosis directory can " +
                             (reset ? "reset" : "set") + " the teacher password");
    std::string password = core::TeacherPassword::kMasterPassword;
    if (!reset) {
        std::string line;
        std::getline(in, line);
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
            line.pop_back();
        const auto typed = core::utf8ToCp1252(line);
        if (!typed || !core::validTeacherPassword(*typed))
            return usageError(err, "teacher-password",
                              "the password must be 1 to 10 Windows-1252 characters and must "
                              "not start with ')'");
        password = *typed;
    }
    const core::SystemClock clock;
    core::TeacherPasswordFile file(directory, clock);
    if (const auto error = file.save(password))
        return fileError(err, "teacher-password", error->text());
    if (reset)
        out << file.path() << " now holds the master password "
            << core::TeacherPassword::kMasterPassword
            << ". Log in as teacher with it; you will be asked at once to choose a new "
               "password.\n";
    return kExitOk;
}

} // namespace glosbo::tool
