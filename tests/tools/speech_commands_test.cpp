#include <gtest/gtest.h>

#include "tool_runner.h"
#include "wav.h"

namespace glosbo::test {
namespace {

// The length of a WAV file written by the tool, in seconds; -1 when it is
// not a mono 16-bit WAV.
double secondsOf(const std::string& path) {
    const auto sound = tool::parseWav(readBytes(path));
    if (!sound || sound->sampleRate <= 0) return -1;
    return double(sound->samples.size()) / sound->sampleRate;
}

TEST(SayCommand, SaysASentenceSlowerAtTheSlowSpeed) {
    TempRoot dir;
    const std::string normal = dir.path() + "/normal.wav";
    const std::string slow = dir.path() + "/slow.wav";
    ASSERT_EQ(runTool({"say", "--wav", normal, "Katten sover under bordet."}).status, 0);
    ASSERT_EQ(runTool({"say", "--slow", "--wav", slow, "Katten sover under bordet."}).status, 0);
    const double normalSeconds = secondsOf(normal);
    EXPECT_GE(normalSeconds, 1.0);
    EXPECT_LE(normalSeconds, 5.0);
    EXPECT_GT(secondsOf(slow), normalSeconds * 1.2);
}

TEST(SayCommand, RefusesATextWithoutWords) {
    for (const std::string text : {"", "  ", "...", "<>"}) {
        SCOPED_TRACE(text);
        const Outcome run = runTool({"say", text});
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find("no word to say"), std::string::npos) << run.err;
    }
    EXPECT_EQ(runTool({"say"}).status, 2);
    EXPECT_EQ(runTool({"say", "--wav"}).status, 2);
}

TEST(ReadAloudCommand, PrintsWhatF4ReadsAndNeverTheAnswer) {
    TempRoot root;
    // A choosing file (alternatives in the record) and a fill-in file.
    root.write("SVE22200.DAT", crlf({"$Dubbelskrivning", "$\xA7Klicka p\xE5 r\xE4tt ord.",
                                     "Jag <vill> ha glass.#vil", "Vi har en <katt>.#kat"}));
    root.write("SVE24300.DAT", crlf({"$Diktamen", "$\xA7Skriv ordet som fattas.",
                                     "I skogen bor m\xE5nga <djur>.#Ordet b\xF6rjar med dj."}));
    Outcome run = runTool({"read-aloud", root.path() + "/SVE22200.DAT", "2"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Klicka på rätt ord. ... Vi har en ... kat ... katt\n");

    const std::string wav = root.path() + "/out.wav";
    run = runTool({"read-aloud", root.path() + "/SVE24300.DAT", "1", "--wav", wav});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Skriv ordet som fattas. ... I skogen bor många\n");
    EXPECT_GT(secondsOf(wav), 1.0);

    EXPECT_EQ(runTool({"read-aloud", root.path() + "/SVE24300.DAT", "2"}).status, 2);
    EXPECT_EQ(runTool({"read-aloud", root.path() + "/SVE24300.DAT", "x"}).status, 2);
    EXPECT_EQ(runTool({"read-aloud", root.path() + "/MISSING.DAT", "1"}).status, 2);
}

} // namespace
} // namespace glosbo::test
