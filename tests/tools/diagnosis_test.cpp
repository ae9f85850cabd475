#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/diagnosis_record.h"
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
