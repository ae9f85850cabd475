#include <gtest/gtest.h>

#include "core/data_fs.h"
#include "test_support.h"

using namespace glosbo::core;

TEST(DataFs, FindsNamesWithoutRegardToCase) {
    glosbo::test::TempRoot root;
    root.write("data/dat/sve23100.dat", "x");
    const auto found = findInRoot(root.path(), "/DATA/DAT/SVE23100.DAT");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(*found, root.path() + "/data/dat/sve23100.dat");
    EXPECT_FALSE(findInRoot(root.path(), "DATA\\DAT\\SVE99999.DAT").has_value());
    EXPECT_FALSE(findInRoot("", "DATA").has_value());

    glosbo::test::TempRoot cd;
    cd.write("DATA/DAT/SVE23100.DAT", "cd");
    cd.write("DATA/DAT/ONLYCD.DAT", "cd");
    DataRoots roots{root.path(), cd.path(), "", "", ""};
    EXPECT_EQ(*findDataFile(roots, "DATA/DAT/SVE23100.DAT"),
              root.path() + "/data/dat/sve23100.dat");
    EXPECT_EQ(*findDataFile(roots, "DATA/DAT/ONLYCD.DAT"), cd.path() + "/DATA/DAT/ONLYCD.DAT");
    EXPECT_EQ(*findDataFileCdFirst(roots, "DATA/DAT/SVE23100.DAT"),
              cd.path() + "/DATA/DAT/SVE23100.DAT");
}

// Names on disk are UTF-8 as a teacher copies them in, or raw Windows-1252
// bytes; names asked for come from data files (Windows-1252) or as UTF-8.
TEST(DataFs, MatchesLettersByTheirCapitalsAndStaysInsideTheRoot) {
    glosbo::test::TempRoot root;
    root.write("DATA/DAT/SVE23100.DAT", "x");
    root.write("LJUD/\xC3\x84LG/\xC3\x96ga.wav", "x"); // ÄLG/Öga.wav
    root.write("BILD/caf\xC3\xA9.bmp", "x");           // café.bmp
    root.write("LJUD/\xE5ngest.wav", "x");             // ångest.wav in Windows-1252
    struct Case {
        std::string asked;
        std::string found; // empty: nothing
    };
    const Case cases[] = {
        {"LJUD/\xC3\xA4lg/\xC3\x96GA.WAV", "LJUD/\xC3\x84LG/\xC3\x96ga.wav"}, // UTF-8 älg/ÖGA
        {"LJUD/\xE4lg/\xD6GA.WAV", "LJUD/\xC3\x84LG/\xC3\x96ga.wav"},         // Windows-1252
        {"BILD/CAF\xC3\x89.BMP", "BILD/caf\xC3\xA9.bmp"},                     // CAFÉ, UTF-8
        {"BILD/CAF\xC9.BMP", "BILD/caf\xC3\xA9.bmp"},                         // CAFÉ, Windows-1252
        {"LJUD/\xC5NGEST.WAV", "LJUD/\xE5ngest.wav"},                         // ÅNGEST
        {"LJUD/\xC3\x85NGEST.WAV", "LJUD/\xE5ngest.wav"},                     // ÅNGEST, UTF-8
        {"LJUD/ALG/OGA.WAV", ""},                                             // a is not ä
        {"DATA//DAT/SVE23100.DAT", "DATA/DAT/SVE23100.DAT"},
        {"DATA/DAT/../DAT/SVE23100.DAT", ""},
        {"./DATA/DAT/SVE23100.DAT", ""},
        {"DATA\\DAT\\..\\..\\DATA\\DAT\\SVE23100.DAT", ""},
        {"LJUD/../../" + root.path().substr(root.path().rfind('/') + 1) + "/BILD", ""},
        {"..", ""},
    };
    for (const Case& c : cases) {
        const auto found = findInRoot(root.path(), c.asked);
        if (c.found.empty())
            EXPECT_FALSE(found.has_value()) << c.asked << " -> " << found.value_or("");
        else
            EXPECT_EQ(found.value_or("(none)"), root.path() + "/" + c.found) << c.asked;
    }
    EXPECT_TRUE(hasExtension("sve23100.dat", ".DAT"));
    EXPECT_TRUE(hasExtension("\xE5ngest.lov", ".LOV"));
}
