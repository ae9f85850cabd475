#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "core/diagnosis_file.h"
#include "core/diagnosis_record.h"
#include "core/teacher_password.h"
#include "core/test_support.h"
#include "tools/tool_runner.h"

using glosbo::core::DiagnosisRecord;
using glosbo::test::readBytes;
using glosbo::test::runTool;

namespace {

// A pupil who passed test 1, has not begun test 2, practises test 3 and
// passed test 17.
DiagnosisRecord anna() {
    DiagnosisRecord r;
    r.name = "\xC5sa Berg"; // Windows-1252
    r.password = "hemlis";
    const auto take = [&](int t, int result, std::uint8_t status) {
        r.result[t] = result;
        r.status[t] = status;
        r.year[t] = 2024;
        r.month[t] = 3;
        r.day[t] = 7;
        r.hour[t] = 9;
        r.minute[t] = 5;
    };
    take(1, 15, glosbo::core::kStatusTest);
    take(3, 12, glosbo::core::kStatusPractise);
    take(17, 20, glosbo::core::kStatusTest);
    r.year[2] = 2023; // a time left behind by a retaken test with result 0
    return r;
}

std::vector<std::string> split(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, separator))
        fields.push_back(field);
    return fields;
}

} // namespace

TEST(DiagnosisCommand, OnePupilPerTabSeparatedLine) {
    glosbo::test::TempRoot dir;
    DiagnosisRecord newcomer;
    newcomer.name = "Bo";
    dir.write("SDIAG.DIA", anna().toBytes() + newcomer.toBytes());

    const auto r = runTool({"diagnosis", dir.path() + "/SDIAG.DIA"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto lines = split(r.out, '\n');
    ASSERT_EQ(lines.size(), 2u) << r.out;

    const auto first = split(lines[0], '\t');
    ASSERT_EQ(first.size(), 1u + 17 * 3 + 1);
    EXPECT_EQ(first[0], "\xC3\x85sa Berg");
    const auto test = [&](int t) {
        return std::vector<std::string>(first.begin() + 1 + 3 * (t - 1),
                                        first.begin() + 4 + 3 * (t - 1));
    };
    EXPECT_EQ(test(1), (std::vector<std::string>{"15", "Testa", "240307 09:05"}));
    EXPECT_EQ(test(2), (std::vector<std::string>{"0", "B\xC3\xB6rja", ""}));
    EXPECT_EQ(test(3), (std::vector<std::string>{"12", "\xC3\x96va", "240307 09:05"}));
    EXPECT_EQ(test(17), (std::vector<std::string>{"20", "Testa", "240307 09:05"}));
    EXPECT_EQ(first.back(), "47");

    const auto second = split(lines[1], '\t');
    ASSERT_EQ(second.size(), first.size());
    EXPECT_EQ(second[0], "Bo");
    EXPECT_EQ(second.back(), "0");
}

TEST(DiagnosisCommand, CsvHasAHeaderAndQuotesWhatNeedsIt) {
    glosbo::test::TempRoot dir;
    DiagnosisRecord tricky = anna();
    tricky.name = "Berg, \"Lill\"";
    dir.write("SDIAG.DIA", tricky.toBytes());

    const auto r = runTool({"diagnosis", "--csv", dir.path() + "/SDIAG.DIA"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = split(r.out, '\n');
    ASSERT_EQ(lines.size(), 2u);
    std::string header = "Namn";
    for (int t = 1; t <= 17; ++t) {
        const std::string n = std::to_string(t);
        header += ",Test " + n + " resultat,Test " + n + " status,Test " + n + " tid";
    }
    EXPECT_EQ(lines[0], header + ",Summa\r");
    EXPECT_EQ(lines[1].rfind("\"Berg, \"\"Lill\"\"\",15,Testa,240307 09:05,0,B\xC3\xB6rja,,", 0),
              0u)
        << lines[1];
    EXPECT_EQ(lines[1].substr(lines[1].size() - 4), ",47\r");
}

// Names a spreadsheet would run as formulas are written as text: an
// apostrophe first, the cell quoted. Plain numbers stay numbers.
TEST(DiagnosisCommand, CsvCellsNeverBecomeFormulas) {
    glosbo::test::TempRoot dir;
    std::string bytes;
    for (const char* name : {"=1+1", "+A", "-B", "@C", "=HYPERLINK(\"x\",\"y\")", "Bo-Bo"}) {
        DiagnosisRecord r;
        r.name = name;
        bytes += r.toBytes();
    }
    dir.write("SDIAG.DIA", bytes);
    const auto r = runTool({"diagnosis", "--csv", dir.path() + "/SDIAG.DIA"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = split(r.out, '\n');
    ASSERT_EQ(lines.size(), 7u);
    const std::vector<std::string> names{
        "\"'=1+1\"", "\"'+A\"", "\"'-B\"", "\"'@C\"", "\"'=HYPERLINK(\"\"x\"\",\"\"y\"\")\"",
        "Bo-Bo"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(lines[i + 1].rfind(names[i] + ",0,B\xC3\xB6rja,,", 0), 0u) << lines[i + 1];
        EXPECT_EQ(lines[i + 1].substr(lines[i + 1].size() - 3), ",0\r");
    }
}

TEST(DiagnosisCommand, DamagedFileListsItsWholeRecordsAndFails) {
    glosbo::test::TempRoot dir;
    // Two records and the start of a third, as a save cut short leaves it.
    const std::string bytes = anna().toBytes() + anna().toBytes() + std::string(100, '\0');
    dir.write("SDIAG.DIA", bytes);

    const auto r = runTool({"diagnosis", dir.path() + "/SDIAG.DIA"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(split(r.out, '\n').size(), 2u);
    EXPECT_NE(r.err.find("damaged"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("2 whole records"), std::string::npos) << r.err;
    EXPECT_EQ(readBytes(dir.path() + "/SDIAG.DIA"), bytes);
}

TEST(DiagnosisCommand, RecordWithAResultNoTestGivesIsDamaged) {
    glosbo::test::TempRoot dir;
    DiagnosisRecord odd = anna();
    odd.result[2] = 33555202;
    const std::string bytes = anna().toBytes() + odd.toBytes();
    dir.write("SDIAG.DIA", bytes);

    const auto r = runTool({"diagnosis", dir.path() + "/SDIAG.DIA"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("record 2 has a result outside 0-20"), std::string::npos) << r.err;
    EXPECT_EQ(runTool({"diagnosis", dir.path() + "/SDIAG.DIA", "--set", "Bo", "1", "5"}).status, 1);
    EXPECT_EQ(readBytes(dir.path() + "/SDIAG.DIA"), bytes);
}

TEST(DiagnosisCommand, BadArgumentsAndMissingFile) {
    glosbo::test::TempRoot dir;
    dir.write("SDIAG.DIA", "");
    const std::string file = dir.path() + "/SDIAG.DIA";
    struct Case {
        glosbo::tool::Args args;
        int status;
    } cases[] = {
        {{"diagnosis", dir.path() + "/NONE.DIA"}, 2},
        {{"diagnosis"}, 2},
        {{"diagnosis", file, file}, 2},
        {{"diagnosis", "--tsv", file}, 2},
        {{"diagnosis", file}, 0}, // an empty file holds no pupils
    };
    for (const auto& c : cases) {
        const auto r = runTool(c.args);
        EXPECT_EQ(r.status, c.status) << c.args.back() << ": " << r.err;
        EXPECT_EQ(r.out, "");
    }
}

namespace {

glosbo::core::DiagnosisContents contentsOf(const std::string& file) {
    return glosbo::core::parseDiagnosisFile(readBytes(file));
}

} // namespace

TEST(DiagnosisCommand, SetRecordsAResultAsAFinishedTestDoes) {
    glosbo::test::TempRoot dir;
    DiagnosisRecord bo;
    bo.name = "BO";
    dir.write("SDIAG.DIA", anna().toBytes() + bo.toBytes());
    const std::string file = dir.path() + "/SDIAG.DIA";

    ASSERT_EQ(runTool({"diagnosis", file, "--set", "bo", "5", "14"}).status, 0);
    auto contents = contentsOf(file);
    ASSERT_EQ(contents.records.size(), 2u);
    EXPECT_EQ(contents.records[0], anna().toBytes()) << "others keep their bytes";
    EXPECT_EQ(contents.record(1).name, "BO") << "the stored name is kept";
    EXPECT_EQ(contents.record(1).result[5], 14);
    EXPECT_EQ(contents.record(1).status[5], glosbo::core::kStatusPractise);
    EXPECT_GE(contents.record(1).year[5], 2025);

    // A retaken test with 0 right becomes "Öva"; a new pupil is appended.
    ASSERT_EQ(runTool({"diagnosis", file, "--set", "BO", "5", "0"}).status, 0);
    ASSERT_EQ(runTool({"diagnosis", file, "--set", "\xC3\x96rjan", "17", "20"}).status, 0);
    contents = contentsOf(file);
    EXPECT_EQ(contents.record(1).status[5], glosbo::core::kStatusPractise);
    EXPECT_EQ(contents.record(1).result[5], 0);
    ASSERT_EQ(contents.records.size(), 3u);
    EXPECT_EQ(contents.record(2).name, "\xD6rjan");
    EXPECT_EQ(contents.record(2).status[17], glosbo::core::kStatusTest);

    // The first save makes the file.
    glosbo::test::TempRoot empty;
    ASSERT_EQ(runTool({"diagnosis", empty.path() + "/SDIAG.DIA", "--set", "Ny", "1", "15"}).status,
              0);
    EXPECT_EQ(contentsOf(empty.path() + "/SDIAG.DIA").record(0).name, "Ny");
}

// Eight programs set eight different tests of one pupil at the same time:
// each reads, changes and writes the record under the lock, so all eight
// results are kept.
TEST(DiagnosisCommand, SetFromEightProcessesKeepsEveryResult) {
    glosbo::test::TempRoot dir;
    const std::string file = dir.path() + "/SDIAG.DIA";
    DiagnosisRecord other;
    other.name = "Bo";
    dir.write("SDIAG.DIA", anna().toBytes() + other.toBytes());
    std::vector<pid_t> children;
    for (int t = 4; t < 12; ++t) {
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(runTool({"diagnosis", file, "--set", "\xC3\x85SA BERG", std::to_string(t),
                             std::to_string(t + 5)})
                        .status);
        ASSERT_GT(child, 0);
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = -1;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    const auto contents = contentsOf(file);
    ASSERT_EQ(contents.records.size(), 2u);
    const DiagnosisRecord stored = contents.record(0);
    EXPECT_EQ(stored.name, "\xC5sa Berg");
    for (int t = 4; t < 12; ++t)
        EXPECT_EQ(stored.result[t], t + 5) << "test " << t;
    EXPECT_EQ(stored.result[1], 15) << "what was there stays";
    EXPECT_EQ(stored.password, "hemlis");
    EXPECT_EQ(contents.records[1], other.toBytes());
}

TEST(DiagnosisCommand, RemoveAndArchive) {
    glosbo::test::TempRoot dir;
    DiagnosisRecord bo, nameless;
    bo.name = "Bo";
    dir.write("SDIAG.DIA", anna().toBytes() + nameless.toBytes() + bo.toBytes());
    const std::string file = dir.path() + "/SDIAG.DIA";

    const auto missing = runTool({"diagnosis", file, "--remove", "bo"});
    EXPECT_EQ(missing.status, 1) << "the name must match exactly";
    EXPECT_NE(missing.err.find("no pupil named exactly 'bo'"), std::string::npos) << missing.err;
    EXPECT_EQ(runTool({"diagnosis", file, "--remove", "Bo"}).status, 0);
    EXPECT_EQ(readBytes(file), anna().toBytes());

    const auto first = runTool({"diagnosis", file, "--archive"});
    ASSERT_EQ(first.status, 0) << first.err;
    const std::string archive = first.out.substr(0, first.out.size() - 1);
    EXPECT_EQ(archive.rfind(dir.path() + "/SV", 0), 0u) << archive;
    EXPECT_EQ(archive.substr(archive.size() - 4), ".DIS");
    EXPECT_EQ(readBytes(archive), anna().toBytes());
    EXPECT_EQ(runTool({"diagnosis", file, "--archive"}).status, 2) << "nothing left";
}

TEST(DiagnosisCommand, DamagedFilesAreRefusedAndLeftAlone) {
    glosbo::test::TempRoot dir;
    std::string bytes = anna().toBytes();
    bytes[0] = 40; // a name length of 40
    dir.write("SDIAG.DIA", bytes);
    const std::string file = dir.path() + "/SDIAG.DIA";
    for (const glosbo::tool::Args& args :
         {glosbo::tool::Args{"diagnosis", file, "--set", "Bo", "1", "3"},
          glosbo::tool::Args{"diagnosis", file, "--remove", "Bo"},
          glosbo::tool::Args{"diagnosis", file, "--pdf", dir.path() + "/out.pdf"},
          glosbo::tool::Args{"diagnosis", file}}) {
        const auto r = runTool(args);
        EXPECT_EQ(r.status, 1) << args[2];
        EXPECT_NE(r.err.find("damaged"), std::string::npos) << r.err;
        EXPECT_EQ(readBytes(file), bytes);
    }
    const auto archived = runTool({"diagnosis", file, "--archive"});
    ASSERT_EQ(archived.status, 0) << "the teacher can still archive it";
    EXPECT_EQ(readBytes(archived.out.substr(0, archived.out.size() - 1)), bytes);
}

TEST(DiagnosisCommand, BadChangeArguments) {
    glosbo::test::TempRoot dir;
    dir.write("SDIAG.DIA", anna().toBytes());
    const std::string file = dir.path() + "/SDIAG.DIA";
    for (const glosbo::tool::Args& args : {
             glosbo::tool::Args{"diagnosis", file, "--set", "Bo", "18", "3"},
             glosbo::tool::Args{"diagnosis", file, "--set", "Bo", "1", "21"},
             glosbo::tool::Args{"diagnosis", file, "--set", "Bo", "1", "x"},
             glosbo::tool::Args{"diagnosis", file, "--set", "Bo", "1"},
             glosbo::tool::Args{"diagnosis", file, "--set", "", "1", "3"},
             glosbo::tool::Args{"diagnosis", file, "--set", "\xC5\x81ukasz", "1", "3"},
             glosbo::tool::Args{"diagnosis", file, "--set", std::string(21, 'a'), "1", "3"},
             glosbo::tool::Args{"diagnosis", file, "--remove"},
             glosbo::tool::Args{"diagnosis", file, "--archive", "--remove", "Bo"},
             glosbo::tool::Args{"diagnosis", file, "--name", "Bo"},
             glosbo::tool::Args{"diagnosis", file, "--csv", "--archive"},
         }) {
        const auto r = runTool(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_EQ(readBytes(file), anna().toBytes());
    }
}

TEST(DiagnosisCommand, TeacherPassword) {
    glosbo::test::TempRoot dir;
    const std::string file = dir.path() + "/SVE45444.DOT";
    ASSERT_EQ(runTool({"teacher-password", dir.path()}, "Ny\xC3\xA5rs\n").status, 0);
    EXPECT_EQ(readBytes(file), glosbo::core::teacherPasswordRecord("Ny\xE5rs"));
    for (const std::string& bad : {std::string("\n"), std::string(")hemlis\n"),
                                   std::string("01234567890\n"), std::string("\xC5\x81\n")}) {
        const auto r = runTool({"teacher-password", dir.path()}, bad);
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_EQ(readBytes(file), glosbo::core::teacherPasswordRecord("Ny\xE5rs"));
    }
    EXPECT_EQ(runTool({"teacher-password", dir.path() + "/none"}, "abc\n").status, 2);
    EXPECT_EQ(runTool({"teacher-password"}, "abc\n").status, 2);
}

namespace {

// Runs the tool as a user who may not write a read-only directory: root
// writes anywhere, so as root the run is made in a child process that has
// become "nobody".
glosbo::test::Outcome runToolWithoutRoot(const glosbo::tool::Args& args) {
    if (::geteuid() != 0) return runTool(args);
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return {-1, "", "pipe failed"};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(99);
        const glosbo::test::Outcome r = runTool(args);
        const std::string text = r.err + '\0' + r.out;
        [[maybe_unused]] const auto written = ::write(pipeEnds[1], text.data(), text.size());
        ::_exit(r.status);
    }
    ::close(pipeEnds[1]);
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, std::size_t(n));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    const std::size_t split = text.find('\0');
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text.substr(split + 1),
            text.substr(0, split)};
}

} // namespace

// A forgotten password comes back only through the directory: the reset
// writes the master password over a missing, a damaged or a good file.
TEST(DiagnosisCommand, TeacherPasswordReset) {
    const std::string master = glosbo::core::teacherPasswordRecord("KVARNSTO");
    std::string damaged = glosbo::core::teacherPasswordRecord("abc");
    damaged[27] = 40; // a password length beyond its field
    for (const char* before : {"missing", "damaged", "good"}) {
        glosbo::test::TempRoot dir;
        const std::string file = dir.path() + "/SVE45444.DOT";
        if (std::string(before) == "damaged") dir.write("SVE45444.DOT", damaged);
        if (std::string(before) == "good")
            dir.write("SVE45444.DOT", glosbo::core::teacherPasswordRecord("eget"));
        const auto r = runTool({"teacher-password", dir.path(), "--reset"});
        EXPECT_EQ(r.status, 0) << before << r.err;
        EXPECT_EQ(readBytes(file), master) << before;
        EXPECT_EQ(r.out, file + " now holds the master password KVARNSTO. Log in as teacher with "
                                "it; you will be asked at once to choose a new password.\n");
    }

    glosbo::test::TempRoot dir;
    const std::string good = glosbo::core::teacherPasswordRecord("eget");
    dir.write("SVE45444.DOT", good);
    ::chmod(dir.path().c_str(), 0555);
    const auto refused = runToolWithoutRoot({"teacher-password", dir.path(), "--reset"});
    ::chmod(dir.path().c_str(), 0700);
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "glosbo-data teacher-password: cannot write " + dir.path() +
                               " (Permission denied): only someone who may write the "
                               "diagnosis directory can reset the teacher password\n");
    EXPECT_EQ(readBytes(dir.path() + "/SVE45444.DOT"), good);
    EXPECT_EQ(runTool({"teacher-password", dir.path(), "--reste"}).status, 2);
}

// The printed protocols as PDF, read back with pdftotext.
TEST(DiagnosisCommand, PdfHasAPagePerPupil) {
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    glosbo::test::TempRoot dir;
    DiagnosisRecord bo;
    bo.name = "Bo";
    dir.write("SDIAG.DIA", anna().toBytes() + bo.toBytes());
    const std::string file = dir.path() + "/SDIAG.DIA", pdf = dir.path() + "/p.pdf";
    const auto r = runTool({"diagnosis", file, "--pdf", pdf});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string txt = dir.path() + "/p.txt";
    ASSERT_EQ(std::system(("pdftotext -layout '" + pdf + "' '" + txt + "'").c_str()), 0);
    const std::string text = readBytes(txt);
    EXPECT_NE(text.find("Diagnosprotokoll fr\xC3\xA5n Glosbo f\xC3\xB6r \xC3\x85sa Berg."),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Diagnosprotokoll fr\xC3\xA5n Glosbo f\xC3\xB6r Bo."), std::string::npos);
    EXPECT_NE(text.find('\f'), std::string::npos) << "two pages";
    EXPECT_NE(text.find("Summa:"), std::string::npos);

    const auto one = runTool({"diagnosis", file, "--pdf", pdf, "--name", "bo"});
    ASSERT_EQ(one.status, 0) << one.err;
    const auto none = runTool({"diagnosis", file, "--pdf", pdf, "--name", "Eva"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(runTool({"diagnosis", file, "--pdf", dir.path() + "/no/dir/p.pdf"}).status, 2);
}

// The class overview: aligned text, CSV and the printed pages, in Swedish
// name order; a damaged file shows nothing.
TEST(DiagnosisCommand, ClassOverviewAsTextCsvAndPdf) {
    glosbo::test::TempRoot dir;
    DiagnosisRecord bo, comma;
    bo.name = "bo";
    comma.name = "Ek, Ola";
    glosbo::core::diagnosback(comma, 2, 16, 1765000000);
    dir.write("SDIAG.DIA", anna().toBytes() + bo.toBytes() + comma.toBytes());
    const std::string file = dir.path() + "/SDIAG.DIA";

    const auto text = runTool({"diagnosis", file, "--class"});
    ASSERT_EQ(text.status, 0) << text.err;
    const auto lines = glosbo::test::outputLines(text.out);
    ASSERT_GE(lines.size(), 5u) << text.out;
    // Names in Swedish order (Å after the rest), the count row last; the
    // columns line up, so every row but the count row is as long.
    const std::vector<std::string> first = {"Namn", "bo", "Ek,", "\xC3\x85sa", "Antal"};
    std::vector<std::size_t> lengths;
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(split(lines[i], ' ')[0], first[i]) << lines[i];
        std::size_t characters = 0;
        for (const char c : lines[i])
            characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        lengths.push_back(characters);
    }
    EXPECT_EQ(lengths[0], lengths[1]);
    EXPECT_EQ(lengths[0], lengths[3]);
    EXPECT_EQ(lines[0].substr(lines[0].size() - 7), "Klarade");
    std::istringstream asa(lines[3]);
    std::vector<std::string> words{std::istream_iterator<std::string>(asa), {}};
    ASSERT_EQ(words.size(), 2u + 2 * 17 + 1);
    EXPECT_EQ(words[2] + " " + words[3], "15 T");
    EXPECT_EQ(words[4] + " " + words[5], "0 B");
    EXPECT_EQ(words[6] + " " + words[7], "12 \xC3\x96");
    EXPECT_EQ(words.back(), "2");
    std::istringstream count(lines[4]);
    words.assign(std::istream_iterator<std::string>(count), {});
    EXPECT_EQ(words[2] + words[3] + words[4], "110") << lines[4];
    EXPECT_NE(text.out.find("B = B\xC3\xB6rja"), std::string::npos) << "the legend";

    const auto csv = runTool({"diagnosis", file, "--class", "--csv"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    const auto rows = glosbo::test::outputLines(csv.out);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].rfind("Namn,1 \xC3\x84-ljudet resultat,1 \xC3\x84-ljudet status", 0), 0u)
        << rows[0];
    EXPECT_NE(rows[0].find(",\"8 KS-\"\"ljudet\"\" resultat\","), std::string::npos) << rows[0];
    EXPECT_EQ(rows[2].rfind("\"Ek, Ola\",0,B\xC3\xB6rja,16", 0), 0u) << rows[2];
    EXPECT_EQ(rows[3].rfind("\xC3\x85sa Berg,15,Testa,0,B\xC3\xB6rja,12,\xC3\x96va", 0), 0u)
        << rows[3];
    EXPECT_EQ(rows[4].rfind("Antal klarade,1,,1,,0,", 0), 0u) << rows[4];

    if (std::system("command -v pdftotext >/dev/null 2>&1") == 0 &&
        std::system("command -v pdfinfo >/dev/null 2>&1") == 0) {
        const std::string pdf = dir.path() + "/k.pdf", txt = dir.path() + "/k.txt";
        const auto printed = runTool({"diagnosis", file, "--class", "--pdf", pdf});
        ASSERT_EQ(printed.status, 0) << printed.err;
        ASSERT_EQ(std::system(("pdftotext -layout '" + pdf + "' '" + txt + "'").c_str()), 0);
        const std::string pages = readBytes(txt);
        EXPECT_NE(pages.find("Klass\xC3\xB6versikt fr\xC3\xA5n Glosbo"), std::string::npos)
            << pages;
        EXPECT_NE(pages.find("Ek, Ola"), std::string::npos);
        ASSERT_EQ(std::system(("pdfinfo '" + pdf + "' > '" + txt + "'").c_str()), 0);
        EXPECT_NE(readBytes(txt).find("842 x 595"), std::string::npos) << readBytes(txt);
    }

    dir.write("CUT.DIA", anna().toBytes() + "cut");
    const std::string cut = anna().toBytes() + "cut";
    for (const char* option : {"", "--csv"}) {
        glosbo::tool::Args args{"diagnosis", dir.path() + "/CUT.DIA", "--class"};
        if (*option) args.push_back(option);
        const auto damaged = runTool(args);
        EXPECT_EQ(damaged.status, 1);
        EXPECT_EQ(damaged.out, "") << "nothing of a damaged class";
        EXPECT_NE(damaged.err.find("is damaged"), std::string::npos);
    }
    EXPECT_EQ(readBytes(dir.path() + "/CUT.DIA"), cut);
    EXPECT_EQ(runTool({"diagnosis", file, "--class", "--set", "Bo", "1", "5"}).status, 2);
    EXPECT_EQ(runTool({"diagnosis", file, "--class", "--pdf", "x.pdf", "--name", "bo"}).status, 2);
}
