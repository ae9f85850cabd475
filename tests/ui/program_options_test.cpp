#include <gtest/gtest.h>

#include "app/program_options.h"

using glosbo::app::parseProgramOptions;

TEST(ProgramOptions, ReadsItsOwnAndLeavesQtsAlone) {
    auto o = parseProgramOptions({"--ini", "a.ini", "-platform", "offscreen",
                                  "--screenshot=/tmp/s.png", "--quit-after-paint", "--exercise",
                                  "SVE23100.DAT", "--window", "TKarta", "--version", "--kiosk"});
    EXPECT_TRUE(o.error.empty()) << o.error;
    EXPECT_EQ(o.iniFile, "a.ini");
    EXPECT_EQ(o.screenshotFile, "/tmp/s.png");
    EXPECT_TRUE(o.quitAfterPaint);
    EXPECT_EQ(o.exerciseFile, "SVE23100.DAT");
    EXPECT_EQ(o.windowName, "TKarta");
    EXPECT_TRUE(o.version);
    EXPECT_TRUE(o.kiosk);
    EXPECT_FALSE(o.help);

    EXPECT_TRUE(parseProgramOptions({"-h"}).help);
    EXPECT_TRUE(parseProgramOptions({"--platform", "xcb"}).error.empty());
}

TEST(ProgramOptions, RejectsMissingValuesAndUnknownOptions) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"--ini"},
                                                                  {"--screenshot"},
                                                                  {"--ini="},
                                                                  {"--screnshot", "x.png"},
                                                                  {"--exercise"},
                                                                  {"--window"},
                                                                  {"--window", "TSKRIV"},
                                                                  {"--window=tkarta"}})
        EXPECT_FALSE(parseProgramOptions(args).error.empty()) << args[0];
}
