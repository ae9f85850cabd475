#include <gtest/gtest.h>

#include <regex>

#include "tools/tool_runner.h"

using glosbo::test::runTool;

TEST(Usage, BadArgumentsGiveOneLineAndStatus2) {
    const glosbo::tool::Args cases[] = {
        {},
        {"frobnicate"},
        {"help", "frobnicate"},
        {"scramble", "extra"},
        {"unscramble", "extra"},
        {"encode", "only-in"},
        {"encode", "--scramble", "a", "b", "c"},
        {"encode", "--bogus"},
        {"encode", "/nonexistent/in.txt", "/nonexistent/out.dat"},
        {"decode", "-x"},
        {"decode", "/nonexistent/in.dat", "/nonexistent/out.txt"},
        {"info"},
        {"info", "/nonexistent/SVE10100.DAT"},
        {"info", "/"},
        {"show", "a", "b"},
        {"judge", "a # b", "b"},
        {"judge", "--kind", "2", "a # b", "b"},
        {"judge", "--kind", "1", "a # b"},
        {"judge", "--kind"},
        {"judge", "--kind", "1", "pil # \xE2\x86\x92", "x"},
        {"check"},
        {"check", "/nonexistent"},
        {"clock", "0", "/nonexistent/klocka.png"},
    };
    for (const auto& args : cases) {
        std::string shown;
        for (const auto& a : args)
            shown += a + " ";
        const auto r = runTool(args);
        EXPECT_EQ(r.status, 2) << shown;
        EXPECT_EQ(r.out, "") << shown;
        ASSERT_FALSE(r.err.empty()) << shown;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    }
}

TEST(Usage, HelpListsEveryCommandAndEachHasItsOwn) {
    const auto overview = runTool({"--help"});
    EXPECT_EQ(overview.status, 0);
    for (const char* command : {"scramble", "unscramble", "encode", "decode", "info", "show",
                                "judge", "check", "clock"}) {
        EXPECT_NE(overview.out.find(std::string("\n  ") + command), std::string::npos) << command;
        for (const auto& args :
             {glosbo::tool::Args{command, "--help"}, glosbo::tool::Args{"help", command}}) {
            const auto r = runTool(args);
            EXPECT_EQ(r.status, 0);
            EXPECT_TRUE(r.out.starts_with(std::string("usage: glosbo-data ") + command)) << r.out;
        }
    }
}

// The version line names the tool and a dotted version, and nothing else;
// the package test checks that it is the program's and the package's.
TEST(Usage, VersionIsOneLine) {
    const auto r = runTool({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(std::regex_match(r.out, std::regex("glosbo-data [0-9]+\\.[0-9]+\\.[0-9]+\n")))
        << r.out;
}
