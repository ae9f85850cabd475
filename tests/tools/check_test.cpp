#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "core/scramble.h"
#include "core/test_support.h"
#include "tools/tool_runner.h"

using glosbo::core::kryptrad;
using glosbo::test::crlf;
using glosbo::test::outputLines;
using glosbo::test::readBytes;
using glosbo::test::runTool;
using glosbo::test::TempRoot;

namespace {} // namespace

TEST(CheckCommand, PassesACleanRoot) {
    TempRoot root;
    // Scrambling a long line produces bytes that are undefined in
    // Windows-1252; only the unscrambled text has to be clean.
    const std::string longRecord = std::string(500, 'a') + " # svar";
    ASSERT_NE(kryptrad(longRecord).find('\x81'), std::string::npos);
    root.write("DATA/datfiler.sve", crlf({"SVE10100.DAT", "readme.txt", "SVOM9001.LOV"}));
    // Names on disk in lower case: the look-up ignores case.
    root.write("DATA/dat/sve10100.dat",
               crlf({"; kommentar", "$" + std::string(80, 'R'), "$\xA7Skriv\tsvaret.", "",
                     kryptrad("g\xE5 <till> skolan # till"), kryptrad(longRecord),
                     "plain\twith tab # svar"}));
    root.write("DATA/LOV/SVOM9001.LOV", crlf({"Bra!", "Snyggt!"}));

    const auto r = runTool({"check", root.path()});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.out, "");
}

TEST(CheckCommand, ReportsEachKindOfProblem) {
    TempRoot root;
    root.write("DATA/datfiler.sve",
               crlf({"SVE20100.DAT", "SVE20200.DAT", "SVE20300.DAT", "SVE20400.DAT", "SVE20500.DAT",
                     "SVE20600.DAT", "SVE20700.DAT", "SVE20800.DAT", "SVE2080000.DAT"}));
    const auto dat = [&](const std::string& name, const std::vector<std::string>& lines) {
        root.write("DATA/DAT/" + name, crlf(lines));
    };
    dat("SVE20100.DAT", {"ok # x", "bad\x81"
                                   "byte # x"});
    dat("SVE20200.DAT", {"ok # x", "form\x0C"
                                   "feed # x"});
    // ")v" unscrambles to DEL, ")\x88" to the undefined byte 0x81.
    dat("SVE20300.DAT", {")v", ")\x88"});
    std::vector<std::string> many(901, "fr\xE5ga # svar");
    dat("SVE20400.DAT", many);
    dat("SVE20500.DAT", {"; bara kommentarer", "$Rubrik"});
    dat("SVE20600.DAT", {"$Rubrik", kryptrad("g\xE5 <till skolan"), "a > b", "<a> <b <c>"});
    dat("SVE20700.DAT", {"$" + std::string(81, 'x'), "$\xA7" + std::string(80, 'y'), "post # svar",
                         "", "", "", "", "$sen rubrik"});
    dat("SVE2080000.DAT", {"post # svar"});

    const auto r = runTool({"check", root.path()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "");
    const std::string dir = root.path() + "/DATA/DAT/";
    const std::string list = root.path() + "/DATA/datfiler.sve";
    const std::vector<std::string> expected = {
        dir + "SVE20100.DAT:2: byte 0x81 at column 4 is undefined in Windows-1252",
        dir + "SVE20200.DAT:2: control character 0x0C at column 5",
        dir + "SVE20300.DAT:1: unscrambles to control character 0x7F at column 1",
        dir + "SVE20300.DAT:2: unscrambles to byte 0x81 at column 1 is undefined in Windows-1252",
        dir + "SVE20400.DAT:901: record 901: only the first 900 records can be drawn",
        dir + "SVE20500.DAT: no records",
        dir + "SVE20600.DAT:2: unclosed '<' at column 4",
        dir + "SVE20600.DAT:3: unbalanced '>' at column 3",
        dir + "SVE20600.DAT:4: unbalanced '<' at column 8",
        dir + "SVE20700.DAT:1: '$' text of 81 characters; only the first 80 are used",
        dir + "SVE20700.DAT:8: '$' line after line 6: it is read only the first time the file is "
              "opened",
        list + ":8: SVE20800.DAT: listed file not found (looked for DATA/DAT/SVE20800.DAT)",
        list + ":9: SVE2080000.DAT: file name longer than 12 characters",
    };
    EXPECT_EQ(outputLines(r.out), expected);
}

TEST(CheckCommand, ReportsAMissingFileListAndTooManyFiles) {
    TempRoot root;
    root.write("DATA/LOV/SVOM9001.LOV", "Bra!\r\n");
    auto r = runTool({"check", root.path()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, root.path() + "/DATA/datfiler.sve: file list not found\n");

    std::vector<std::string> names(21, "SVOM9001.LOV");
    root.write("DATA/datfiler.sve", crlf(names));
    r = runTool({"check", root.path()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, root.path() + "/DATA/datfiler.sve:21: SVOM9001.LOV: the program takes only 20 "
                                   "praise files; this one is ignored\n");
}

// Records of the write-the-answer exercises: question, answer, at most two
// help lines, then the alternatives; other programs are not held to it.
TEST(CheckCommand, WriteAnswerRecords) {
    TempRoot root;
    root.write("DATA/datfiler.sve", crlf({"SVE45000.DAT", "SVOVN112.DAT", "SVE41100.DAT"}));
    root.write("DATA/DAT/SVE45000.DAT",
               crlf({"bil # bilar", "fot # f\xF6tter # T\xE4nk p\xE5 vokalen. # &f\xF6ttrar",
                     "hand # h\xE4nder # ett # tv\xE5 # &h\xE4nderna # h\xE4nder!", "mus",
                     " # m\xF6ss", "lus # &l\xF6ss",
                     "bok # b\xF6"
                     "cker # ett # tv\xE5 # tre",
                     "ko # kor ## tv\xE5", "man # m\xE4n # &m\xE4nnen ## m\xE4nner",
                     "ord # " + std::string(46, 'x')}));
    root.write("DATA/DAT/SVOVN112.DAT", crlf({"gris"}));
    root.write("DATA/DAT/SVE41100.DAT", crlf({"gris#substantiv"}));

    const auto r = runTool({"check", root.path()});
    EXPECT_EQ(r.status, 1);
    const std::string file = root.path() + "/DATA/DAT/SVE45000.DAT:";
    const std::vector<std::string> expected = {
        file + "4: no answer (field 2)",
        file + "5: no question (field 1)",
        file + "6: the answer (field 2) is marked '&': put the alternatives after it",
        file + "7: 3 help lines: the window offers help only for one or two",
        file + "8: empty help line 1: no help after it is shown",
        file + "9: empty alternative in field 4",
        file + "10: answer of 46 characters; the input takes 45",
        root.path() + "/DATA/DAT/SVOVN112.DAT:1: no answer (field 2)",
    };
    EXPECT_EQ(outputLines(r.out), expected);
}

// Records of the click-the-category exercises: an item, the right category
// and at least one other, at most seven boxes of 30 characters, and one
// marked part where the window explains it.
TEST(CheckCommand, CategoryRecords) {
    TempRoot root;
    root.write("DATA/datfiler.sve", crlf({"SVE34200.DAT", "SVE47400.DAT", "SVDI17.DAT"}));
    root.write("DATA/DAT/SVE34200.DAT",
               crlf({"a#Vokal#Konsonant", "b#Konsonant", "#Vokal#Konsonant", "c",
                     "d#1#2#3#4#5#6#7#8", "e#Vokal#Konsonant#Vokal",
                     "f#" + std::string(31, 'x') + "#y", "g#Vokal##Konsonant"}));
    root.write("DATA/DAT/SVE47400.DAT",
               crlf({"Jag l\xE4ser <en bok>.#ackusativobjekt#dativobjekt",
                     "Jag l\xE4ser en bok.#ackusativobjekt#dativobjekt",
                     "<Jag> l\xE4ser <en bok>.#ackusativobjekt#dativobjekt"}));
    root.write("DATA/DAT/SVDI17.DAT", crlf({"dikt#Ja"}));

    const auto r = runTool({"check", root.path()});
    EXPECT_EQ(r.status, 1);
    const std::string file = root.path() + "/DATA/DAT/SVE34200.DAT:";
    const std::string objects = root.path() + "/DATA/DAT/SVE47400.DAT:";
    const std::vector<std::string> expected = {
        file + "2: only one category: give at least one wrong one after it",
        file + "3: no item (field 1)",
        file + "4: no right category (field 2)",
        file + "5: 8 categories; the window shows only 7",
        file + "6: field 4 repeats the right category (field 2)",
        file + "7: category in field 2 has 31 characters; a box shows 30",
        file + "8: only one category: give at least one wrong one after it",
        file + "8: field 4 comes after an empty field and is never shown",
        objects + "2: item (field 1) has 0 marked parts; it needs exactly one between '<' and '>'",
        objects + "3: item (field 1) has 2 marked parts; it needs exactly one between '<' and '>'",
        root.path() +
            "/DATA/DAT/SVDI17.DAT:1: only one category: give at least one wrong one after it",
    };
    EXPECT_EQ(outputLines(r.out), expected);
}

// Records of the choose-the-alternative exercises: one marked word in the
// sentence; where the record holds the words, a wrong one that differs from
// the right word as the boxes show it.
TEST(CheckCommand, ChoiceRecords) {
    TempRoot root;
    root.write("DATA/datfiler.sve", crlf({"SVE39100.DAT", "SVE31010.DAT"}));
    root.write("DATA/DAT/SVE39100.DAT",
               crlf({"Jag har en p<e>nna.", "Ingen lucka.", "<a> och <b>", "Tom <> lucka."}));
    root.write("DATA/DAT/SVE31010.DAT",
               crlf({"Vi bor i <Sverige>.#sverige", "Vi bor i <Sverige>.", "I <Sverige>.#Sverige",
                     "I <Sverige>.#sverige#Sverige!"}));

    const auto r = runTool({"check", root.path()});
    EXPECT_EQ(r.status, 1);
    const std::string vowels = root.path() + "/DATA/DAT/SVE39100.DAT:";
    const std::string capitals = root.path() + "/DATA/DAT/SVE31010.DAT:";
    const std::vector<std::string> expected = {
        vowels + "2: sentence (field 1) has 0 marked words; it needs exactly one between '<' and "
                 "'>'",
        vowels + "3: sentence (field 1) has 2 marked words; it needs exactly one between '<' and "
                 "'>'",
        vowels + "4: the marked word of the sentence (field 1) is empty",
        capitals + "2: no wrong word (field 2): the window would offer only the right one",
        capitals + "3: field 2 is the right word \"Sverige\" again",
        capitals + "4: field 3 is the right word \"Sverige\" again",
    };
    EXPECT_EQ(outputLines(r.out), expected);
}

// Records of the sentence-parts exercises: paired marks around one to five
// parts, a known role for each, one part to place at least; in the level
// files a level before each record and no level left out.
TEST(CheckCommand, SentencePartsRecords) {
    TempRoot root;
    root.write("DATA/datfiler.sve", crlf({"SVE47300.DAT", "SVE47100.DAT"}));
    root.write("DATA/DAT/SVE47300.DAT",
               crlf({"<Mormor> <gav> <barnen> <en present>.#s#P#do#AO",
                     "<Hunden> <sk\xE4ller> <hela natten>.#S#P#NN", "<Hunden> sk\xE4ller>.#S",
                     "<Hunden> <sk\xE4ller>.#S#V", "<Det> <regnar>.#NN#nn",
                     "<Vi> <\xE5ker>.#S#P#AO", "<a><b><c><d><e><f>#S#P#S#P#S#P"}));
    root.write("DATA/DAT/SVE47100.DAT",
               crlf({"$Satsdelar", "1<Hunden> <sk\xE4ller>.#S#P", "<Katten> <sover>.#S#P",
                     "2<Vi> <\xE5ker>.#S#P", "4<Vi> <\xE5ker>.#S#P"}));

    const auto r = runTool({"check", root.path()});
    EXPECT_EQ(r.status, 1);
    const std::string series = root.path() + "/DATA/DAT/SVE47300.DAT:";
    const std::string levels = root.path() + "/DATA/DAT/SVE47100.DAT";
    const std::string unusable = "the sentence (field 1) needs one to five non-empty parts, each "
                                 "between '<' and '>'; the window skips it";
    const std::vector<std::string> expected = {
        series + "3: unbalanced '>' at column 17",
        series + "3: " + unusable,
        series + "4: part 2 has the role \"V\" (field 3); give AO, DO, P, PF, S or NN",
        series + "5: no part with a role to place (all NN): the window skips it",
        series + "6: field 4 gives a role, but the sentence has only 2 marked parts",
        series + "7: " + unusable,
        levels + ":3: no level number (1 to 20) before the sentence",
        levels + ": level 4 has records but level 3 has none: the climb stops below it",
    };
    EXPECT_EQ(outputLines(r.out), expected);
}

// Records of the put-in-order exercises: two to eight items, not all equal,
// and in Swedish alphabetical order where the exercise sorts names.
TEST(CheckCommand, PutInOrderRecords) {
    TempRoot root;
    root.write("DATA/datfiler.sve", crlf({"SVE34600.DAT"}));
    root.write("DATA/DAT/SVE34600.DAT",
               crlf({"Anna#bo#Cecilia#Zorro#\xC5sa#\xC4lva#\xD6rjan", "Bo#Anna", "Anna", "Bo#Bo#Bo",
                     "a#b#c#d#e#f#g#h#i", "Anna#Bo##Cecilia", "\xD6rjan#Zorro"}));

    const auto r = runTool({"check", root.path()});
    EXPECT_EQ(r.status, 1);
    const std::string file = root.path() + "/DATA/DAT/SVE34600.DAT:";
    const std::vector<std::string> expected = {
        file + "2: \"Bo\" (field 1) comes after \"Anna\" in alphabetical order",
        file + "3: fewer than two items: nothing to put in order",
        file + "4: all items are equal: nothing to put in order",
        file + "5: 9 items; the window uses only the first 8",
        file + "6: field 4 comes after an empty field and is never shown",
        file + "7: \"Örjan\" (field 1) comes after \"Zorro\" in alphabetical order",
    };
    EXPECT_EQ(outputLines(r.out), expected);
}

// The picture questions need a question and an answer; the clock needs its
// time in words and exactly one record for each five minutes.
TEST(CheckCommand, PictureQuestionsAndTheClock) {
    TempRoot root;
    root.write("DATA/datfiler.sve", crlf({"SVE38100.DAT", "SVE55000.DAT"}));
    root.write("DATA/DAT/SVE38100.DAT",
               crlf({"$Kroppens delar", "Vad heter delen med nummer 3?#arm#&armen",
                     "Vad heter delen med nummer 4?", "#hand"}));
    root.write("DATA/DAT/SVE55000.DAT", crlf({"tolv#12.00", "#12.05", "tio \xF6ver tolv#12.10"}));
    const auto r = runTool({"check", root.path()});
    EXPECT_EQ(r.status, 1);
    const auto lines = outputLines(r.out);
    const std::string dat = root.path() + "/DATA/DAT/";
    for (const std::string& expected :
         {dat + "SVE38100.DAT:3: no answer (field 2)",
          dat + "SVE38100.DAT:4: no question (field 1)",
          dat + "SVE55000.DAT:2: no time in words (field 1)",
          dat + "SVE55000.DAT: 3 records; the clock needs exactly 144, record n for the time "
                "(n - 1) * 5 minutes past twelve"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected << "\n"
                                                                                << r.out;
    for (const std::string& line : lines)
        EXPECT_EQ(line.find("SVE38100.DAT:2:"), std::string::npos) << line;
}

// The dictation's words, the questions with two or three answers and their
// reading texts, and the reading gym's words.
TEST(CheckCommand, DictationReadAndAnswerAndReadingGymRecords) {
    TempRoot root;
    root.write("DATA/datfiler.sve", crlf({"SVE24100.DAT", "SVE32130.DAT", "SVE56100.DAT",
                                          "SVE56200.DAT", "SVE54100.DAT", "SVE54200.DAT"}));
    root.write("DATA/DAT/SVE24100.DAT",
               crlf({"hoppa##Grodan kan ___.", "#", std::string(46, 'o')}));
    root.write("DATA/DAT/SVE32130.DAT",
               crlf({"Vad betyder envis?#som inte ger sig#som \xE4r r\xE4"
                     "dd",
                     "Vad betyder ivrig?#som vill#som vill", "Vad?#bara ett", "Vad?#a#b#c#d",
                     "Vad?#a##c", "#a#b"}));
    root.write("DATA/DAT/SVE56100.DAT", crlf({"Vem?#R\xE4ven#Korpen"}));
    root.write("DATA/LAS/SVE56100.LAS", crlf({"R\xE4ven och korpen."}));
    root.write("DATA/DAT/SVE56200.DAT", crlf({"Vem?#Haren#Sk\xF6ldpaddan"}));
    root.write("DATA/LAS/SVE56200.LAS", std::string("Text\x01.", 6));
    root.write("DATA/DAT/SVE54100.DAT", crlf({"ko", "\xE5r", "bil", "k#o"}));
    root.write("DATA/DAT/SVE54200.DAT", crlf({"sol", "ko", "s l"}));

    const auto r = runTool({"check", root.path()});
    EXPECT_EQ(r.status, 1);
    const std::string dir = root.path() + "/DATA/DAT/";
    const std::vector<std::string> expected = {
        dir + "SVE24100.DAT:2: no word (field 1)",
        dir + "SVE24100.DAT:3: word of 46 characters; the input takes 45",
        dir + "SVE32130.DAT:2: field 3 repeats field 2",
        dir + "SVE32130.DAT:3: needs the right answer (field 2) and one or two wrong ones after "
              "it",
        dir + "SVE32130.DAT:4: field 5 is never shown: a question has at most three answers, in "
              "fields 2 to 4, without an empty one",
        dir + "SVE32130.DAT:5: needs the right answer (field 2) and one or two wrong ones after "
              "it",
        dir + "SVE32130.DAT:5: field 4 is never shown: a question has at most three answers, in "
              "fields 2 to 4, without an empty one",
        dir + "SVE32130.DAT:6: no question (field 1)",
        root.path() + "/DATA/datfiler.sve:4: SVE56200.DAT: its reading text "
                      "DATA/LAS/SVE56200.LAS is missing or is not text",
        dir + "SVE54100.DAT:3: \"bil\" is not one word of 2 letters",
        dir + "SVE54100.DAT:4: '#' in a word: the whole line is shown as one word",
        dir + "SVE54200.DAT:2: \"ko\" is not one word of 3 letters",
        dir + "SVE54200.DAT:3: \"s l\" is not one word of 3 letters",
    };
    // The words' sounds are missing too; that is checked elsewhere.
    std::vector<std::string> records;
    for (const std::string& line : outputLines(r.out))
        if (line.find("/LJUD/") == std::string::npos) records.push_back(line);
    EXPECT_EQ(records, expected);
}

// Records of the fill-in exercises (one or two marked words in the question,
// at most two help texts) and of the verb forms (a verb and its form).
TEST(CheckCommand, FillInAndVerbRecords) {
    TempRoot root;
    root.write("DATA/datfiler.sve", crlf({"SVE42000.DAT", "SVE46200.DAT", "SVE46110.DAT"}));
    root.write("DATA/DAT/SVE42000.DAT",
               crlf({"Jag bor <i> Sverige.", "Jag <bor> <i> Sverige.#h1#h2", "Jag bor i Sverige.",
                     "<Jag> <bor> <i> Sverige.", "Jag bor < > Sverige.", "Jag <bor> i <Sverige",
                     "Jag bor <i> Sverige.#h1#h2#h3#&p\xE5",
                     // 161 letters: longer than the window lays out.
                     std::string(157, 'a') + " <bo>."}));
    root.write("DATA/DAT/SVE46200.DAT",
               crlf({"Du ska <l\xE4sa>.#<L\xE4s>!", "Du ska <l\xE4sa>.#L\xE4s!", "<L\xE4s>!",
                     "Du ska <>.#<L\xE4s>!"}));
    root.write("DATA/DAT/SVE46110.DAT",
               crlf({"springa # springer", "springa", "# springer", "g\xE5 # &g\xE5r"}));

    const auto r = runTool({"check", root.path()});
    EXPECT_EQ(r.status, 1);
    const std::string fill = root.path() + "/DATA/DAT/SVE42000.DAT:";
    const std::string imperative = root.path() + "/DATA/DAT/SVE46200.DAT:";
    const std::string verb = root.path() + "/DATA/DAT/SVE46110.DAT:";
    const std::string skipped = "; the window skips this record";
    const std::vector<std::string> expected = {
        fill + "3: question: no marked word" + skipped,
        fill + "4: question: more than two marked words" + skipped,
        fill + "5: question: an empty marked word" + skipped,
        fill + "6: unclosed '<' at column 13",
        fill + "6: question: a \"<\" without its \">\"" + skipped,
        fill + "7: 3 help texts: the window offers help only for one or two",
        fill + "8: question of 161 letters: the window lays out at most 160",
        imperative + "2: question: no marked word" + skipped,
        imperative + "4: model sentence: an empty marked word" + skipped,
        verb + "2: no form (field 2)" + skipped,
        verb + "3: no verb (field 1)" + skipped,
        verb + "4: no form (field 2)" + skipped,
    };
    EXPECT_EQ(outputLines(r.out), expected);
}

// The worksheet lines of chosen records, as a fresh window would add them.
TEST(WorksheetCommand, QuestionAndAnswerLists) {
    TempRoot root;
    const std::string file = root.path() + "/SVE42000.DAT";
    root.write("SVE42000.DAT",
               crlf({"$Preposition", "$%Skriv r\xE4tt preposition", "Katten sover <under> bordet.",
                     "Jag bor <i> Sverige.", "utan markering"}));
    const auto q = runTool({"worksheet", file, "2", "1"});
    EXPECT_EQ(q.status, 0) << q.err;
    EXPECT_EQ(outputLines(q.out),
              (std::vector<std::string>{"1.  Preposition", "      Skriv r\xC3\xA4tt preposition:",
                                        "   1. Jag bor  ______  Sverige.",
                                        "   2. Katten sover  _______  bordet."}));
    const auto a = runTool({"worksheet", "--answers", file, "1"});
    EXPECT_EQ(outputLines(a.out)[2], "   1. Katten sover <under> bordet.");

    // All records: the one outside the format is reported and left out.
    const auto all = runTool({"worksheet", file});
    EXPECT_EQ(all.status, 1);
    EXPECT_EQ(outputLines(all.out).size(), 4u);
    EXPECT_NE(all.err.find("record 3"), std::string::npos) << all.err;

    root.write("SVE46150.DAT", crlf({"$Tempus", "springa#ska springa#&kommer att springa"}));
    const auto verbs = runTool({"worksheet", "--answers", root.path() + "/SVE46150.DAT"});
    EXPECT_EQ(outputLines(verbs.out).back(), "       ska springa eller kommer att springa.");

    root.write("SVE41100.DAT", crlf({"hund#katt"}));
    EXPECT_EQ(runTool({"worksheet", root.path() + "/SVE41100.DAT"}).status, 2);
    EXPECT_EQ(runTool({"worksheet", "1", file}).status, 2) << "a record before any FILE";
    EXPECT_EQ(runTool({"worksheet", file, "9"}).status, 2);
    EXPECT_EQ(runTool({"worksheet", file, "x"}).status, 2);
}

// A worksheet of three files, each one opening of its window: headings
// 1 to 3, task numbers going on from file to file.
TEST(WorksheetCommand, SeveralFilesOfTheWriteChooseAndClickWindows) {
    TempRoot root;
    root.write("SVE45000.DAT",
               crlf({"$Plural", "$%Skriv ordet i plural", "hand#h\xE4nder", "bok#b\xF6\x63ker"}));
    root.write("SVE39100.DAT", crlf({"$E eller \xC4", "Jag har tre p<e>nnor.", "En v<\xE4>ska."}));
    root.write("SVE21200.DAT", crlf({"$Satsdelar", "$%Skriv satsdelen",
                                     "Hon gav <honom> boken.#Dativobjekt#Ackusativobjekt"}));
    const std::vector<std::string> args = {
        "worksheet", root.path() + "/SVE45000.DAT", "2",
        "1",         root.path() + "/SVE39100.DAT", root.path() + "/SVE21200.DAT"};
    const std::string S = "       ";
    const auto q = runTool(args);
    ASSERT_EQ(q.status, 0) << q.err;
    EXPECT_EQ(outputLines(q.out),
              (std::vector<std::string>{
                  "1.  Plural", "      Skriv ordet i plural:", "   1. bok",
                  S + std::string(57, '_'), "   2. hand", S + std::string(57, '_'),
                  "2.  E eller \xC3\x84", "     E eller \xC3\xA4 ?", "   3. Jag har tre p__nnor.",
                  "   4. En v__ska.", "3.  Satsdelar", "      Skriv satsdelen",
                  "   5. Hon gav <honom> boken.", S + std::string(28, '_')}));
    auto withAnswers = args;
    withAnswers.insert(withAnswers.begin() + 1, "--answers");
    const auto a = runTool(withAnswers);
    const auto lines = outputLines(a.out);
    ASSERT_EQ(lines.size(), 14u) << a.out;
    EXPECT_EQ(lines[3], S + "b\xC3\xB6\x63ker");
    EXPECT_EQ(lines[8], "   3. Jag har tre p<e>nnor.");
    EXPECT_EQ(lines[13], S + "Dativobjekt") << "as the record writes it";
}

// The sentence-parts window makes worksheet lines too: the sentence, then a
// legend per part in box order. A level file's records lose their level,
// and a file without a headline takes the window's own title. The key of a
// click-the-category file prints a role written out as it is written.
TEST(WorksheetCommand, SentencePartsAndRolesAsWritten) {
    TempRoot root;
    root.write("SVE47300.DAT",
               crlf({"$Ackusativ eller dativobjekt?", "Jag gav <katten> <mat>.#DO#AO"}));
    root.write("SVE47100.DAT",
               crlf({"1<Hunden> <sk\xE4ller>.#S#P", "2<Katten> sover <utan slut.#S#P"}));
    root.write("SVE47400.DAT", crlf({"$Satsdelar", "Hon \xE4r <glad>.#predikatsfyllnad#"
                                                   "ackusativobjekt#dativobjekt"}));
    const std::string S = "       ";
    const std::string blank(28, '_');
    const auto q = runTool({"worksheet", root.path() + "/SVE47300.DAT"});
    ASSERT_EQ(q.status, 0) << q.err;
    EXPECT_EQ(outputLines(q.out), (std::vector<std::string>{"1.  Ackusativ eller dativobjekt?",
                                                            "   1. Jag gav <katten> <mat>.",
                                                            S + "Ackusativobjekt  =" + blank,
                                                            S + "Dativobjekt        =" + blank}));

    const auto a = runTool({"worksheet", "--answers", root.path() + "/SVE47300.DAT",
                            root.path() + "/SVE47100.DAT", root.path() + "/SVE47400.DAT"});
    EXPECT_EQ(a.status, 1) << "the level file's second record cannot be shown";
    EXPECT_NE(a.err.find("SVE47100.DAT record 2"), std::string::npos) << a.err;
    EXPECT_EQ(outputLines(a.out),
              (std::vector<std::string>{
                  "1.  Ackusativ eller dativobjekt?", "   1. Jag gav <katten> <mat>.",
                  S + "Ackusativobjekt  = mat", S + "Dativobjekt        = katten",
                  "2.  SATSDELAR. Predikat och subjekt?", "   2. <Hunden> <sk\xC3\xA4ller>.",
                  S + "Predikat             = sk\xC3\xA4ller", S + "Subjekt               = Hunden",
                  "3.  Satsdelar", "   3. Hon \xC3\xA4r <glad>.", S + "Predikatsfyllnad"}));
}

// The printout as a PDF file: one A4 document, every line in order, the
// key with its own heading.
TEST(WorksheetCommand, PdfOfTheWorksheetAndTheKey) {
    if (std::system("command -v pdftotext >/dev/null 2>&1 && command -v pdfinfo >/dev/null 2>&1") !=
        0)
        GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed";
    TempRoot root;
    std::vector<std::string> lines = {"$Plural", "$%Skriv ordet i plural"};
    for (int n = 1; n <= 30; ++n)
        lines.push_back("ord" + std::to_string(n) + "#svar" + std::to_string(n));
    root.write("SVE45000.DAT", crlf(lines));
    const std::string file = root.path() + "/SVE45000.DAT";
    const std::string pdf = root.path() + "/blad.pdf", key = root.path() + "/facit.pdf";
    ASSERT_EQ(runTool({"worksheet", "--pdf", pdf, file}).status, 0);
    ASSERT_EQ(runTool({"worksheet", "--answers", "--pdf", key, file}).status, 0);

    const auto text = [&](const std::string& in) {
        const std::string out = in + ".txt";
        EXPECT_EQ(std::system(("pdftotext '" + in + "' '" + out + "'").c_str()), 0);
        return readBytes(out);
    };
    const auto info = [&](const std::string& in) {
        const std::string out = in + ".info";
        EXPECT_EQ(std::system(("pdfinfo '" + in + "' > '" + out + "'").c_str()), 0);
        return readBytes(out);
    };
    const std::string sheet = text(pdf);
    std::size_t at = sheet.find("Arbetsblad fr\xC3\xA5n Glosbo.");
    ASSERT_NE(at, std::string::npos) << sheet;
    EXPECT_EQ(sheet.find("Facit"), std::string::npos);
    for (const std::string& line :
         {std::string("1. Plural"), std::string("Skriv ordet i plural:")}) {
        at = sheet.find(line, at);
        EXPECT_NE(at, std::string::npos) << line;
    }
    for (int n = 1; n <= 30; ++n) {
        const std::string task = std::to_string(n) + ". ord" + std::to_string(n) + "\n";
        const std::size_t next = sheet.find(task, at);
        ASSERT_NE(next, std::string::npos) << task << sheet;
        at = next;
    }
    EXPECT_EQ(sheet.find("svar1"), std::string::npos);
    EXPECT_NE(sheet.find("Glosbo\n"), std::string::npos) << "the name on the later pages";
    const std::string pages = info(pdf);
    EXPECT_EQ(pages.find("Pages:           1\n"), std::string::npos) << "more than a page";
    EXPECT_NE(pages.find("Pages:"), std::string::npos) << pages;
    EXPECT_NE(pages.find("pts (A4)"), std::string::npos) << pages;

    const std::string answers = text(key);
    EXPECT_NE(answers.find("Arbetsblad fr\xC3\xA5n Glosbo. Facit."), std::string::npos);
    EXPECT_LT(answers.find("svar1\n"), answers.find("svar30\n"));
    EXPECT_EQ(runTool({"worksheet", "--pdf", root.path() + "/no/dir/x.pdf", file}).status, 2);
    EXPECT_EQ(runTool({"worksheet", file, "--pdf"}).status, 2);
}

// Stories of the crazy text and introductions of the story window: titles
// may stand on any line; each story or introduction outside its format is
// reported, as the windows leave it out.
TEST(CheckCommand, StoriesAndIntroductions) {
    TempRoot root;
    root.write("DATA/datfiler.sve", crlf({"SVE51000.DAT", "SVE53000.DAT"}));
    root.write("DATA/DAT/SVE51000.DAT",
               crlf({"; sagor", "$Ett", kryptrad("Hon var #1 och #2."), "#", "", "", "", "$Tv\xE5",
                     kryptrad("#1#1#1#1#1#1#1#1#1#1#1"), "#", "$Tre", kryptrad("En #4 rad."), "#",
                     "utanf\xF6r", "$Fyra", kryptrad("Slut #3.")}));
    root.write("DATA/DAT/SVE53000.DAT",
               crlf({"a1", "a2", "a3", "#", "b1", "b2", "#", "c1", "c2", "c3", "#"}));

    const auto r = runTool({"check", root.path()});
    EXPECT_EQ(r.status, 1);
    const std::string dir = root.path() + "/DATA/DAT/";
    const std::vector<std::string> expected = {
        dir + "SVE51000.DAT:8: story \"Tv\xE5\" has 11 gaps #1; at most 10 are allowed: left out",
        dir + "SVE51000.DAT:11: story \"Tre\" has a \"#\" not followed by 1, 2 or 3: left out",
        dir + "SVE51000.DAT:14: line outside a story: ignored",
        dir + "SVE51000.DAT:15: story \"Fyra\" has no closing \"#\" line: left out",
        dir + "SVE53000.DAT:5: introduction of 2 lines; it needs exactly 3: left out",
    };
    EXPECT_EQ(outputLines(r.out), expected);
}

// The word games: odd-one-out records of five fields with the odd word
// once, duel records of a word and a known class, stories that fit the
// 7 x 7 word slots with nothing after the last "#".
TEST(CheckCommand, WordGameRecordsAndRevealStories) {
    TempRoot root;
    root.write("DATA/datfiler.sve", crlf({"SVE32210.DAT", "SVE41100.DAT", "SVE52000.DAT"}));
    root.write("DATA/DAT/SVE32210.DAT",
               crlf({"$Katt", "gurka#\xE4pple#p\xE4ron#banan#Gurka \xE4r en gr\xF6nsak.",
                     "gurka#\xE4pple#p\xE4ron#banan", "ko#ko#h\xE4st#gris#Tv\xE5 kor."}));
    root.write("DATA/DAT/SVE41100.DAT",
               crlf({"$Ordkamp", "hund#substantiv", "katt", "bil#fordon", "glad#adjektiv#extra"}));
    root.write(
        "DATA/DAT/SVE52000.DAT",
        crlf({"$Avsl\xF6ja", "; en not", "Ett tv\xE5 tre.", "#", "a b c d e f g h", "#", "1", "2",
              "3", "4", "5", "6", "7", "8", "#", std::string(21, 'x'), "#", "efter sista"}));

    const auto r = runTool({"check", root.path()});
    EXPECT_EQ(r.status, 1);
    const std::string dir = root.path() + "/DATA/DAT/";
    const std::vector<std::string> expected = {
        dir + "SVE32210.DAT:3: not five fields: odd word#three words that belong together#comment",
        dir + "SVE32210.DAT:4: the odd word \"ko\" stands twice",
        dir + "SVE41100.DAT:3: not two fields: word#word class",
        dir + "SVE41100.DAT:4: unknown word class \"fordon\"",
        dir + "SVE41100.DAT:5: not two fields: word#word class",
        dir + "SVE52000.DAT: story 2: a line of more than 7 words",
        dir + "SVE52000.DAT: story 3: more than 7 lines",
        dir + "SVE52000.DAT: story 4: a word over 20 characters: " + std::string(21, 'x'),
        dir + "SVE52000.DAT:18: text after the last \"#\" belongs to no story",
    };
    EXPECT_EQ(outputLines(r.out), expected);
}

// The word hunts: a word to show and at least one to find, no empty piece,
// no space beside "#", no word twice.
TEST(CheckCommand, WordHuntRecords) {
    TempRoot root;
    root.write("DATA/datfiler.sve", crlf({"SVE31310.DAT", "SVE32120.DAT"}));
    root.write("DATA/DAT/SVE31310.DAT",
               crlf({"$Poet", "hus#mus#lus", "ensam", "sol#stol#", "katt# hatt", "bil#fil#Bil"}));
    root.write("DATA/DAT/SVE32120.DAT", crlf({"$Synonym 2", "modig#tapper#g\xE5 p\xE5"}));

    const auto r = runTool({"check", root.path()});
    EXPECT_EQ(r.status, 1);
    const std::string dir = root.path() + "/DATA/DAT/";
    const std::vector<std::string> expected = {
        dir + "SVE31310.DAT:3: no word to find: word#word to find#...",
        dir + "SVE31310.DAT:4: piece 3 is empty",
        dir + "SVE31310.DAT:5: a space beside \"#\" in \" hatt\"",
        dir + "SVE31310.DAT:6: \"Bil\" stands twice",
    };
    EXPECT_EQ(outputLines(r.out), expected);
}
