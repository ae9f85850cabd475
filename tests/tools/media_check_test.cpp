#include <gtest/gtest.h>

#include <algorithm>

#include "core/test_support.h"
#include "tools/tool_runner.h"

using glosbo::test::crlf;
using glosbo::test::outputLines;
using glosbo::test::runTool;
using glosbo::test::TempRoot;

namespace {

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

} // namespace

// A root with a BILD folder is a full data root: the pictures of Sweden in
// their four sizes, the pages' pictures and the anthem must all be there.
TEST(CheckMedia, AFullRootMustHoldTheProgramsPicturesAndTheAnthem) {
    TempRoot root;
    root.write("DATA/datfiler.sve", crlf({"SVE10100.DAT"}));
    root.write("DATA/DAT/SVE10100.DAT", crlf({"fr\xE5ga # svar"}));
    for (const char* present : {"SVE001.BMP", "SVEL001.BMP", "SVEM001.BMP", "sves001.bmp",
                                "Glos97.BMP", "SVEMAP.BMP", "SV_FLAG.BMP", "SVEA.BMP"})
        root.write(std::string("BILD/") + present, "BM");

    const auto r = runTool({"check", root.path()});
    EXPECT_EQ(r.status, 1);
    const auto lines = outputLines(r.out);
    const std::string bild = root.path() + "/BILD/";
    EXPECT_TRUE(contains(lines, bild + "SVE002.BMP: missing picture of Sweden 2")) << r.out;
    EXPECT_TRUE(contains(lines, bild + "SVES040.BMP: missing start picture 40 in size S"));
    EXPECT_TRUE(contains(lines, bild + "TREKRONA.BMP: missing picture"));
    EXPECT_TRUE(contains(lines, root.path() + "/LJUD/SVERIGE.WAV: missing national anthem"));
    // 40 pictures in four sizes, five page pictures and the anthem; eight
    // are there (one under a lower-case name).
    EXPECT_EQ(lines.size(), 40u * 4 + 5 + 1 - 8) << r.out;
}

// Without a BILD folder only what the listed files call for is needed: the
// picture of a picture-question exercise and the sound of every record of an
// exercise that speaks.
TEST(CheckMedia, TheListedFilesNeedTheirPicturesAndWordSounds) {
    TempRoot root;
    root.write("DATA/datfiler.sve", crlf({"SVE38100.DAT", "SVE21100.DAT"}));
    root.write("DATA/DAT/SVE38100.DAT", crlf({"Vad heter delen du t\xE4nker med?#huvud"}));
    root.write("DATA/DAT/SVE21100.DAT", crlf({"a#Vokal#Konsonant", "b#Konsonant#Vokal"}));
    root.write("ljud/s211/s211001.wav", "RIFF");

    const auto r = runTool({"check", root.path()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(outputLines(r.out),
              (std::vector<std::string>{
                  root.path() + "/BILD/KROPPEN.BMP: missing picture of SVE38100.DAT",
                  root.path() + "/LJUD/S211/S211002.WAV: missing sound of SVE21100.DAT record 2",
              }));
}

// A word that an exercise says and shows translated but that a translation
// list lacks is a note naming the word: once, in lower case, whatever case
// the sentence gives it. Exercises that show no translation are not asked.
TEST(CheckMedia, SpokenWordsMissingFromATranslationListAreNoted) {
    TempRoot root;
    root.write("DATA/datfiler.sve", crlf({"SVE23100.DAT", "SVE21100.DAT"}));
    root.write("DATA/DAT/SVE23100.DAT",
               crlf({"Jag har en p<e>nna.", "En v<\xE4>ska.", "<\xC4>pplet \xE4r r\xF6tt.",
                     "En v<\xE4>ska till."}));
    root.write("DATA/DAT/SVE21100.DAT", crlf({"a#Vokal#Konsonant"}));
    root.write("DATA/DAT/GLOSENG.DAT", crlf({"; ord#word", "penna#pen"}));
    for (const char* sound : {"S231/S231001.WAV", "S231/S231002.WAV", "S231/S231003.WAV",
                              "S231/S231004.WAV", "S211/S211001.WAV"})
        root.write(std::string("LJUD/") + sound, "RIFF");

    const auto r = runTool({"check", root.path()});
    EXPECT_EQ(r.status, 0) << r.out;
    const std::string list =
        root.path() + "/DATA/DAT/GLOSENG.DAT: note: no English translation of ";
    EXPECT_EQ(outputLines(r.out),
              (std::vector<std::string>{list + "\"v\xC3\xA4ska\" (SVE23100.DAT record 2)",
                                        list + "\"\xC3\xA4pplet\" (SVE23100.DAT record 3)"}));
}
