#include <gtest/gtest.h>

#include <set>

#include "core/app_state.h"
#include "core/praise.h"
#include "core/rule_pages.h"
#include "test_support.h"

using namespace glosbo::core;
using glosbo::test::crlf;

namespace {
std::array<int, 21> results(int test, int value) {
    std::array<int, 21> r{};
    r[test] = value;
    return r;
}
} // namespace

TEST(Praise, FileByResultTestAndName) {
    struct Case {
        int correct;
        std::uint16_t program;
        std::array<int, 21> res;
        const char* user;
        const char* file;
    };
    const Case cases[] = {
        {10, 41100, {}, "", "SVOM9001.LOV"},
        {9, 41100, {}, "", "SVOM9002.LOV"},
        {8, 41100, {}, "", "SVOM9013.LOV"},
        {7, 41100, {}, "", ""},
        {10, 41100, {}, "Anna", "SVOM9005.LOV"},
        {8, 41100, {}, "Anna", "SVOM9015.LOV"},
        {10, 23100, {}, "", "SVOM9003.LOV"},
        {9, 23100, {}, "Anna", "SVOM9008.LOV"},
        {10, 23300, results(3, 12), "Anna", "SVOM9009.LOV"},
        {9, 23300, results(3, 20), "Anna", "SVOM9012.LOV"},
        {8, 23300, results(3, 20), "Anna", "SVOM9016.LOV"},
        {8, 23300, results(3, 20), "", "SVOM9014.LOV"},
        {10, 34500, results(17, 20), "", "SVOM9011.LOV"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HaemtaLovordFilNamn(c.correct, 10, c.program, c.res, c.user), c.file)
            << c.correct << " " << c.program;
    EXPECT_EQ(diagnosisTestNumber(22300), 10);
    EXPECT_EQ(diagnosisTestNumber(43200), 13);
    EXPECT_EQ(diagnosisTestNumber(34800), 17);
    EXPECT_EQ(diagnosisTestNumber(34900), 0);
}

TEST(Praise, Placeholders) {
    EXPECT_EQ(LovordMen("Bra, <namn>!", "Anna", 0, 0), "Bra, Anna!");
    EXPECT_EQ(LovordMen("<x>", "Anna", 0, 0), "x>");
    EXPECT_EQ(LovordMen("<namn><res> av 20 i test <diagnos>", "Bo", 3, 17), "Bo17 av 20 i test 3");
    EXPECT_EQ(LovordMen("a < b", "", 0, 0), "a  b");
}

TEST(Praise, ChosenAndCountedOnce) {
    glosbo::test::TempRoot root;
    root.write("DATA/datfiler.sve", crlf({"SVE41100.DAT", "SVOM9001.LOV"}));
    root.write("DATA/DAT/SVE41100.DAT", crlf({"a#b"}));
    root.write("DATA/LOV/SVOM9001.LOV", crlf({"; alla r\xE4tt", "Toppen, <namn>!#Alla r\xE4tt.#"}));
    glosbo::test::RecordingMessages messages;
    AppState state(DataRoots{root.path(), "", "", "", ""}, messages,
                   std::make_unique<SeededRandom>(5), nullptr);
    ASSERT_TRUE(state.startUp());
    state.programNumber = 41100;
    state.series.correctCount = 10;
    const auto praise = state.praiseForSeries();
    ASSERT_TRUE(praise.has_value());
    EXPECT_EQ((*praise)[0], "Toppen, !");
    EXPECT_EQ((*praise)[1], "Alla r\xE4tt.");
    EXPECT_EQ(state.files.praise(1).praiseCount, 1);
    state.praiseForSeries();
    EXPECT_EQ(state.files.praise(1).praiseCount, 1);
    state.series.correctCount = 9; // SVOM9002.LOV is not in the table
    EXPECT_FALSE(state.praiseForSeries().has_value());
    EXPECT_TRUE(messages.all.empty());
}

TEST(Pictures, OrderWrapsAfterForty) {
    SeededRandom random(9);
    DrawPermutation draw;
    draw.shuffle(1, 900, random);
    Pictures pictures;
    pictures.parseCaptions(
        "; n#exercise#start\r\n1#R\xF6\x64 flugsvamp#Flugsvamp\r\n2#Vitsippor\r\n");
    int position = 1;
    std::set<int> seen;
    int first = pictures.haemta_Bildslumptal(draw, position);
    seen.insert(first);
    for (int i = 2; i <= 40; ++i)
        seen.insert(pictures.haemta_Bildslumptal(draw, position));
    EXPECT_EQ(seen.size(), 40u);
    EXPECT_EQ(pictures.haemta_Bildslumptal(draw, position), first);
    EXPECT_EQ(pictures.caption(1, Pictures::CaptionKind::Exercise), "R\xF6\x64 flugsvamp");
    EXPECT_EQ(pictures.caption(1, Pictures::CaptionKind::StartPicture), "Flugsvamp");
    EXPECT_EQ(pictures.caption(2, Pictures::CaptionKind::StartPicture), "Vitsippor");
    EXPECT_EQ(exercisePictureName(7), "/BILD/SVE007.BMP");
    EXPECT_EQ(startPictureName('S', 40), "/BILD/SVES040.BMP");
    EXPECT_EQ(startPictureSize(700), 'L');
    EXPECT_EQ(startPictureSize(899), 'M');
    EXPECT_EQ(startPictureSize(900), 'S');
}

TEST(Sounds, DirectoriesAndPaths) {
    EXPECT_EQ(GeLjudDirectory(41100), "S411");
    EXPECT_EQ(GeLjudDirectory(23101), "S2310");
    EXPECT_EQ(GeLjudDirectory(117), "S117");
    EXPECT_EQ(GeLjudDirectory(11), "S111"); // the test file shares its practice sounds
    EXPECT_EQ(GeLjudDirectory(11500), "S115");
    EXPECT_EQ(recordSoundName("S231", 7), "S231007.WAV");
    EXPECT_EQ(wordSoundName("skjortorna"), "skjortor.WAV");

    glosbo::test::TempRoot pc, cd;
    cd.write("LJUD/S411/L1/S411157.WAV", "RIFF");
    cd.write("LJUD/S238/S238157.WAV", "RIFF");
    cd.write("LJUD/SVERIGE.WAV", "RIFF");
    DataRoots roots{pc.path(), cd.path(), "", "", ""};
    auto r = SpelaUppWavLjud(roots, "S411157.WAV", false, {"S411", 41100, 300, 157});
    ASSERT_TRUE(r.path.has_value());
    EXPECT_EQ(*r.path, cd.path() + "/LJUD/S411/L1/S411157.WAV");
    r = SpelaUppWavLjud(roots, "S238157.WAV", false, {"S238", 23800, 300, 157});
    EXPECT_TRUE(r.path.has_value()); // kept together despite 300 records
    EXPECT_TRUE(SpelaUppWavLjud(roots, "SVERIGE.WAV", true, {"S411", 41100, 0, 0}).path);
    EXPECT_TRUE(waitsForSound(31150));
    EXPECT_FALSE(waitsForSound(41100));

    r = SpelaUppWavLjud(roots, "S411001.wav", false, {"S411", 41100, 50, 1});
    EXPECT_FALSE(r.path.has_value());
    std::string shown = cd.path() + "/LJUD/S411/S411001.WAV";
    for (char& ch : shown)
        ch = char(std::toupper(static_cast<unsigned char>(ch)));
    EXPECT_EQ(utf8Bytes(r.missingMessage),
              "Ljudfilen  " + shown + "  finns inte eller är felaktig.");
    r = SpelaUppWavLjud(roots, "X.WAV", true, {});
    EXPECT_EQ(utf8Bytes(r.missingMessage).rfind("Ljudfilen /", 0), 0u);

    // A word's name comes in Windows-1252; the file on disk has a UTF-8 name.
    cd.write("LJUD/S121/\xC3\xA4pple.WAV", "RIFF");
    r = SpelaUppWavLjud(roots, "\xE4pple.WAV", false, {"S121", 12100, 40, 3});
    ASSERT_TRUE(r.path.has_value());
    EXPECT_EQ(*r.path, cd.path() + "/LJUD/S121/\xC3\xA4pple.WAV");
    r = SpelaUppWavLjud(roots, "\xF6ga.WAV", false, {"S121", 12100, 40, 3});
    EXPECT_NE(utf8Bytes(r.missingMessage).find("/LJUD/S121/\xC3\x96GA.WAV  finns"),
              std::string::npos)
        << utf8Bytes(r.missingMessage);
}

TEST(Sounds, TranslationLists) {
    glosbo::test::TempRoot root;
    root.write("DATA/DAT/GLOSENG.DAT", crlf({"; word#translation", "hund#dog", "#no word", "utan",
                                             "katt#cat", std::string(189, 'x') + "#too far"}));
    DataRoots roots{root.path(), "", "", "", ""};
    TranslationLists lists;
    lists.words = {"kept"};
    FyllEngListan(roots, 2, lists); // no German file: unchanged
    EXPECT_EQ(lists.words, std::vector<std::string>{"kept"});
    FyllEngListan(roots, 1, lists);
    EXPECT_EQ(lists.words, (std::vector<std::string>{"; word", "hund", "katt"}));
    EXPECT_EQ(lists.translations[1], "dog");

    // A word that begins its sentence is found by its lower-case form; the
    // list's own case is never changed.
    lists = {{"\xE4r", "Vem", "hund"}, {"is", "who", "dog"}};
    const auto translated = [&](const std::string& word) {
        const std::string* t = findTranslation(lists, word);
        return t ? *t : std::string("-");
    };
    EXPECT_EQ(translated("hund"), "dog");
    EXPECT_EQ(translated("Hund"), "dog");
    EXPECT_EQ(translated("\xC4r"), "is");
    EXPECT_EQ(translated("Vem"), "who");
    EXPECT_EQ(translated("vem"), "-");
    EXPECT_EQ(translated("katt"), "-");
}

TEST(RulePages, ByProgramAndCdPathFirst) {
    EXPECT_EQ(rulePageFor(46130), "Tema1.htm");
    EXPECT_EQ(rulePageFor(46300), "Tema1.htm");
    EXPECT_EQ(rulePageFor(22200), "Dubbelskrivning1.htm");
    EXPECT_EQ(rulePageFor(37200), "Kortning1.htm");
    EXPECT_EQ(rulePageFor(23101), "");
    glosbo::test::TempRoot pc, cd;
    pc.write("regler/Genus.htm", "pc");
    pc.write("regler/Varvart.htm", "pc");
    cd.write("REGLER/genus.htm", "cd");
    DataRoots roots{pc.path(), cd.path(), "", "", ""};
    EXPECT_EQ(*findRulePage(roots, 44000).path, cd.path() + "/REGLER/genus.htm");
    EXPECT_EQ(*findRulePage(roots, 39200).path, pc.path() + "/regler/Varvart.htm");
    const auto missing = findRulePage(roots, 46400);
    EXPECT_FALSE(missing.path.has_value());
    EXPECT_EQ(utf8Bytes(missing.missingMessage),
              "Filen " + pc.path() + "/regler/Transitiva.htm finns inte eller är felaktig");
}
