#include "core/read_aloud.h"

#include <gtest/gtest.h>

#include "core/cp1252.h"

namespace glosbo::core {
namespace {

std::string cp(std::string_view utf8) {
    return *utf8ToCp1252(utf8);
}

struct ReadCase {
    const char* name;
    const char* window;
    std::uint16_t program;
    const char* record; // UTF-8, as a teacher writes it
    std::vector<std::string> shown;
    const char* read;                   // what ReadAloud::text() gives, UTF-8
    std::vector<std::string> neverRead; // UTF-8
};

class ReadAloudTable : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadAloudTable, ReadsTheQuestionAndNothingThatGivesTheAnswerAway) {
    const ReadCase& c = GetParam();
    ShownQuestion q;
    q.kind = readAloudKind(c.window);
    q.programNumber = c.program;
    q.instruction = cp("Gör så här.");
    q.fields = str_postarray(cp(c.record));
    for (const std::string& s : c.shown)
        q.shown.push_back(cp(s));
    const ReadAloud read = readAloud(q);
    const std::string text = cp1252ToUtf8(read.text());
    EXPECT_EQ(text, c.read);
    for (const std::string& secret : c.neverRead) {
        for (const std::string& piece : read.pieces)
            EXPECT_EQ(cp1252ToUtf8(piece).find(secret), std::string::npos)
                << '"' << secret << "\" read in \"" << cp1252ToUtf8(piece) << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryWindowKind, ReadAloudTable,
    testing::Values(
        ReadCase{"WriteAnswerNotTheKey",
                 "TSKRIV",
                 31110,
                 "Djur: S M U#mus",
                 {},
                 "Gör så här. ... Djur: S M U",
                 {"mus"}},
        ReadCase{"VerbFormNotTheForm",
                 "TSKRIVHI",
                 46110,
                 "springa#springer",
                 {},
                 "Gör så här. ... springa",
                 {"springer"}},
        ReadCase{"FillInGapIsAPause",
                 "TSkrivinf",
                 24300,
                 "I skogen bor många <djur>.#Ordet börjar med dj.",
                 {},
                 "Gör så här. ... I skogen bor många",
                 {"djur", "Ordet"}},
        ReadCase{"FillInTwoGapsAndModel",
                 "TSkrivinf",
                 46200,
                 "Jag <sprang> hem.#Hon <gick> till <skolan> i går.",
                 {},
                 "Gör så här. ... Jag sprang hem. ... Hon ... till ... i går.",
                 {"gick", "skolan"}},
        ReadCase{"ChoiceWordGapAndBoxes",
                 "TFLERBAR",
                 22200,
                 "Jag <vill> ha glass.#vil",
                 {"vil", "vill"},
                 "Gör så här. ... Jag ... ha glass. ... vil ... vill",
                 {}},
        ReadCase{"ChoiceMarkInsideAWordTakesTheWord",
                 "TFLERBAR",
                 23100,
                 "Jag skriver med en p<e>nna.",
                 {"e", "ä"},
                 "Gör så här. ... Jag skriver med en ... e ... ä",
                 {"nna", "penna"}},
        ReadCase{"CategoryItemThenBoxes",
                 "TPassAkt",
                 21100,
                 "a#Vokal#Konsonant",
                 {},
                 "Gör så här. ... a ... Konsonant ... Vokal",
                 {}},
        ReadCase{"PutInOrderAsShown",
                 "TOrdna",
                 34600,
                 "ett#två#tre",
                 {"tre", "ett", "två"},
                 "Gör så här. ... tre ... ett ... två",
                 {}},
        ReadCase{"SentencePartsWithoutMarks",
                 "TSats",
                 45100,
                 "<Katten> <sover>.#S#P",
                 {},
                 "Gör så här. ... Katten sover.",
                 {"<"}},
        ReadCase{"PictureNotTheAnswer",
                 "TBilden",
                 38100,
                 "Vad heter den här delen?#armen",
                 {},
                 "Gör så här. ... Vad heter den här delen?",
                 {"armen"}},
        ReadCase{"ClockOnlyTheInstruction",
                 "TKlockan",
                 37100,
                 "kvart över tre#3:15",
                 {},
                 "Gör så här.",
                 {"kvart", "3"}},
        ReadCase{"DictationOnlyTheInstruction",
                 "TDiktam",
                 24100,
                 "djungel#Ordet börjar med dj.",
                 {},
                 "Gör så här.",
                 {"djungel", "Ordet"}},
        ReadCase{"ReadAndAnswerNumberedAsShown",
                 "TInseTxt",
                 32130,
                 "Vad gjorde räven?#Han sprang.#Han sov.#Han åt.",
                 {"Han sov.", "Han sprang.", "Han åt."},
                 "Gör så här. ... Vad gjorde räven? ... 1, Han sov. ... 2, Han sprang. ... 3, Han "
                 "åt.",
                 {}},
        ReadCase{"GameReadsItsWords",
                 "TSynon",
                 32110,
                 "glad#lycklig",
                 {"glad", "", "ledsen"},
                 "Gör så här. ... glad ... ledsen",
                 {}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(ReadAloud, EmptyWhenNothingIsShown) {
    ShownQuestion q;
    q.kind = ReadAloudKind::Clock;
    EXPECT_TRUE(readAloud(q).empty());
    q.kind = ReadAloudKind::WriteAnswer;
    q.instruction = "  ";
    q.fields = str_postarray("...#x");
    // Punctuation alone is not read, and no pause stands at either end.
    EXPECT_TRUE(readAloud(q).empty());
}

TEST(ReadAloud, UnpairedMarksAreNotSpelledOut) {
    ShownQuestion q;
    q.kind = ReadAloudKind::SentenceParts;
    q.fields = str_postarray("Katten <sover#P");
    EXPECT_EQ(readAloud(q).text(), "Katten sover");
}

TEST(ReadAloud, SsmlEscapesTheTextAndWritesPausesAsBreaks) {
    const ReadAloud read{{cp("Vad är 2 < 3 & 4 > 1?"), "", "ja"}};
    EXPECT_EQ(read.ssml(300), "<speak>Vad \xC3\xA4r 2 &lt; 3 &amp; 4 &gt; 1? <break "
                              "time=\"300ms\"/>ja </speak>");
}

TEST(SentenceSpans, SplitAtTheEndOfEachSentence) {
    const std::string text = "Räven och korpen.\n\nEn korp satt i ett träd. Hon hade en ost!\n"
                             "\"Vad fin du är!\" sa räven... Korpen log.\nSlut";
    std::vector<std::string> sentences;
    for (const SentenceSpan& span : sentenceSpans(text))
        sentences.push_back(text.substr(span.begin, span.length));
    EXPECT_EQ(sentences, (std::vector<std::string>{
                             "Räven och korpen.", "En korp satt i ett träd.", "Hon hade en ost!",
                             "\"Vad fin du är!\" sa räven...", "Korpen log.", "Slut"}));
}

TEST(SentenceSpans, AHeadingWithoutFullStopEndsAtTheEmptyLine) {
    const std::string text = "Haren och sköldpaddan\n\nHaren skrattade.\n\n  \n";
    std::vector<std::string> sentences;
    for (const SentenceSpan& span : sentenceSpans(text))
        sentences.push_back(text.substr(span.begin, span.length));
    EXPECT_EQ(sentences, (std::vector<std::string>{"Haren och sköldpaddan", "Haren skrattade."}));
}

} // namespace
} // namespace glosbo::core
