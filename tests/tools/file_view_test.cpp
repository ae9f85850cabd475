#include <gtest/gtest.h>

#include "core/scramble.h"
#include "core/test_support.h"
#include "tools/tool_runner.h"

using glosbo::test::crlf;
using glosbo::test::runTool;

TEST(InfoCommand, PrintsWhatTheProgramReadsFromAFile) {
    glosbo::test::TempRoot dir;
    const std::string longHeading(90, 'x');
    dir.write("SVE10100.DAT", crlf({"; kommentar", "$Glosor f\xF6r \xE5k 4", "$\xA7Skriv\tsvaret.",
                                    "", "hund # dog", glosbo::core::kryptrad("katt # cat"),
                                    "$%Arbetsblad", "$andra", "$" + longHeading}));
    const auto r = runTool({"info", dir.path() + "/SVE10100.DAT"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "records=2\theading1=Glosor f\xC3\xB6r \xC3\xA5k 4\theading2=andra\theading3=" +
                  std::string(80, 'x') + "\tinstruction=Skriv svaret.\tworksheet=Arbetsblad\n");
}

TEST(ShowCommand, PrintsTheFieldsOfEveryRecord) {
    glosbo::test::TempRoot dir;
    dir.write("SVE10100.DAT", crlf({"$Rubrik", glosbo::core::kryptrad("hund # dog # &hound # Hund"),
                                    "; inte en post", "a##b", "\xE5l#eel"}));
    const auto r = runTool({"show", dir.path() + "/SVE10100.DAT"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "1\t4\t2\thund \tdog \thound \tHund\n"
                     "2\t3\t0\ta\t\tb\n"
                     "3\t2\t0\t\xC3\xA5l\teel\n");
}

TEST(JudgeCommand, ComparesTheAnswerWithField2AndTheAlternatives) {
    struct Case {
        const char* kind;
        const char* line;
        const char* answer;
        const char* verdict;
    } cases[] = {
        {"3", "huvudstad # Stockholm.", "stockholm", "0\n"},
        {"1", "huvudstad # Stockholm.", "stockholm", "60000\n"},
        {"1", "huvudstad # Stockholm.", "", "6000\n"},
        {"3", "\xC3\xA4pple # \xC3\xA4PPLE", "\xC3\x84pple", "0\n"}, // national letters fold too
        {"1", "hund # dog # &hound", "hound", "0\n"},
        {"1", "hund # dog # &hound", "cat", "60000\n"},
    };
    for (const auto& c : cases) {
        const auto r = runTool({"judge", "--kind", c.kind, c.line, c.answer});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, c.verdict) << c.kind << " " << c.line << " / " << c.answer;
    }
    EXPECT_EQ(runTool({"judge", "--kind=1", "--", "minus # -1", "-1"}).out, "0\n");
}
