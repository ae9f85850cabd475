#include <gtest/gtest.h>

#include "core/records_file.h"
#include "tool_runner.h"

using namespace glosbo;
using glosbo::test::outputLines;
using glosbo::test::readBytes;
using glosbo::test::runTool;

TEST(RecordsCommand, AddsListsAndReportsBadFiles) {
    test::TempRoot dir;
    const std::string file = dir.path() + "/SVE32110.SVR";
    EXPECT_EQ(runTool({"records", file}).status, 2) << "missing file";
    EXPECT_EQ(runTool({"records", dir.path() + "/nix/A.SVR", "--add", "Bo", "5"}).status, 2);
    EXPECT_EQ(runTool({"records", file, "--add", "Bo", "fem"}).status, 2);

    auto r = runTool({"records", file, "--add", "Bo", "300"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "1\n");
    r = runTool({"records", file, "--add", "\xC3\x85sa Andersson-Lindqvist", "300"}); // Åsa ...
    EXPECT_EQ(r.out, "2\n") << "a tie goes below";
    r = runTool({"records", file});
    ASSERT_EQ(r.status, 0);
    const auto lines = outputLines(r.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 5), "1\tBo\t");
    EXPECT_EQ(lines[1].substr(0, 24), "2\t\xC3\x85sa Andersson-Lindqv\t") << "cut to 20";
    EXPECT_EQ(lines[1].substr(lines[1].size() - 4), "\t300");

    dir.write("SVE32110.SVR", readBytes(file) + "x");
    const std::string damaged = readBytes(file);
    EXPECT_EQ(runTool({"records", file}).status, 1);
    EXPECT_EQ(runTool({"records", file, "--add", "Bo", "9"}).status, 1);
    EXPECT_EQ(readBytes(file), damaged);
}
