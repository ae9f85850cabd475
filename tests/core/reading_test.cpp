#include <gtest/gtest.h>

#include "core/reading.h"
#include "test_support.h"

using namespace glosbo::core;

TEST(Reading, JusteraMemoText) {
    using Lines = std::vector<std::string>;
    const std::pair<Lines, Lines> cases[] = {
        {{"R\xE4ven", "och korpen."}, {"R\xE4ven och korpen."}},
        // 15 characters is a line of its own.
        {{"Femton tecken j", "n\xE4sta."}, {"Femton tecken j", "n\xE4sta."}},
        {{"Kort fr\xE5ga?", "Svar."}, {"Kort fr\xE5ga?", "Svar."}},
        {{"Hej!", "Hej."}, {"Hej!", "Hej."}},
        // "$" lines are never shown: first, in the middle, last.
        {{"$Anteckning", "Text.", "$mitt", "", "Mer text.", "$sist"}, {"Text.", "", "Mer text."}},
        {{"$bara"}, {}},
        // Each line is looked at once: a joined line is not joined again.
        {{"R\xE4ven", "och", "korpen."}, {"R\xE4ven och", "korpen."}},
        // The last line has nothing to join.
        {{"Text.", "slut"}, {"Text.", "slut"}},
        {{"", "kort", ""}, {"", "kort "}},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(JusteraMemoText(in), out) << (in.empty() ? "" : in.front());
}

// A long text keeps every line that is shown, joined where it should be;
// its speed is measured by the benchmark, not here.
TEST(Reading, JusteraMemoTextKeepsALongTextWhole) {
    std::vector<std::string> lines;
    for (int i = 0; i < 10000; ++i)
        lines.push_back(i % 3 == 0   ? "kort"
                        : i % 7 == 0 ? "$not"
                                     : "En mening som \xE4r l\xE5ng nog.");
    const auto shown = JusteraMemoText(lines);
    EXPECT_LT(shown.size(), lines.size());
    std::size_t shownLetters = 0;
    for (const auto& line : shown) {
        EXPECT_EQ(line.find('$'), std::string::npos);
        for (char c : line)
            shownLetters += c != ' ';
    }
    std::size_t nonSpace = 0;
    for (const auto& line : lines)
        if (line.front() != '$')
            for (char c : line)
                nonSpace += c != ' ';
    EXPECT_EQ(shownLetters, nonSpace); // nothing lost, nothing added
}

TEST(Reading, ProgramsAndAnswers) {
    EXPECT_FALSE(readAndAnswerProgram(32130, 40).readingText);
    EXPECT_EQ(readAndAnswerProgram(32130, 40).seriesLength, 10);
    EXPECT_TRUE(readAndAnswerProgram(56100, 6).readingText);
    EXPECT_EQ(readAndAnswerProgram(56100, 6).seriesLength, 6);
    EXPECT_EQ(readAndAnswerProgram(56900, 14).seriesLength, 10);

    const std::pair<const char*, int> answers[] = {
        {"Fr\xE5ga?#r\xE4tt#fel", 2},
        {"Fr\xE5ga?#r\xE4tt#fel#fel2", 3},
        {"Fr\xE5ga?#r\xE4tt#fel#fel2#mer", 3},
        {"Fr\xE5ga?#r\xE4tt##fel2", 1},
        {"Fr\xE5ga?", 0},
    };
    for (const auto& [line, count] : answers)
        EXPECT_EQ(answerCount(str_postarray(line)), count) << line;
    EXPECT_EQ(readingTextPath("SVE56100.DAT"), "DATA/LAS/SVE56100.LAS");
    EXPECT_EQ(readingTextPath("LANGFILNAMN.DAT"), "DATA/LAS/LANGFILNA.LAS");
    EXPECT_EQ(readingGymSoundName("S541", 7), "S541007.WAV");
    EXPECT_EQ(readingGymSoundName("S541", 1000), "");
}

// A reading text that is not text is refused like a missing one.
TEST(Reading, ReadingTextMustBeText) {
    glosbo::test::TempRoot dir;
    DataRoots roots;
    roots.pcPath = dir.path();
    const auto write = [&](const std::string& bytes) { dir.write("DATA/LAS/SVE56100.LAS", bytes); };
    EXPECT_FALSE(readReadingText(roots, "SVE56100.DAT"));
    write("R\xE4ven\r\noch korpen.\r\n\tIndrag.\r\n");
    const auto lines = readReadingText(roots, "SVE56100.DAT");
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (std::vector<std::string>{"R\xE4ven", "och korpen.", "\tIndrag."}));
    write(std::string("Text\0med noll.", 14));
    EXPECT_FALSE(readReadingText(roots, "SVE56100.DAT"));
    write("Text\x1B.");
    EXPECT_FALSE(readReadingText(roots, "SVE56100.DAT"));
    write(std::string(kLargestReadingText + 1, 'a'));
    EXPECT_FALSE(readReadingText(roots, "SVE56100.DAT"));
    write(std::string(kLargestReadingText, 'a'));
    EXPECT_TRUE(readReadingText(roots, "SVE56100.DAT"));
}
