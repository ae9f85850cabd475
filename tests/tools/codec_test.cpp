#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/test_support.h"
#include "tools/tool_runner.h"

using glosbo::test::runTool;

TEST(ScrambleCommand, RoundTripKeepsEachLineEnd) {
    // Windows-1252 bytes, mixed line ends, a last line without one.
    const std::string input = "hund # dog\r\n;note\n$Rubrik\r\n\xE5ngest \xE4r\n\nsista";
    const auto scrambled = runTool({"scramble"}, input);
    ASSERT_EQ(scrambled.status, 0) << scrambled.err;
    EXPECT_TRUE(scrambled.out.starts_with(")")) << scrambled.out;
    EXPECT_NE(scrambled.out.find("\r\n;note\n$Rubrik\r\n)"), std::string::npos);
    EXPECT_NE(scrambled.out.find("\n)\n)"), std::string::npos); // the empty line scrambles too

    const auto back = runTool({"unscramble"}, scrambled.out);
    ASSERT_EQ(back.status, 0);
    EXPECT_EQ(back.out, input);
    // Scrambling is idempotent: scrambled lines stay as they are.
    EXPECT_EQ(runTool({"scramble"}, scrambled.out).out, scrambled.out);
}

TEST(ScrambleCommand, RefusesALineThatWouldNotUnscrambleToItself) {
    // Far into a line the key turns a tab into a printable byte that
    // unscrambling then leaves alone.
    const auto r = runTool({"scramble"}, "ok\n" + std::string(60, 'a') + "\tb\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(r.err.starts_with("2: ")) << r.err;
}

TEST(EncodeCommand, ConvertsToWindowsTextAndDecodesBack) {
    const std::string source = "; anteckning\n"
                               "$\xC2\xA7Skriv ordet p\xC3\xA5 engelska.\n"
                               "$Glosor\n"
                               "\n"
                               "hund # dog # &hound\n"
                               "#tom f\xC3\xB6rsta\n"
                               "\xE2\x82\xAC och \xC3\x85\xC3\x84\xC3\x96\t# euro\n";

    const auto plain = runTool({"encode"}, source);
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(plain.out,
              "; anteckning\r\n$\xA7Skriv ordet p\xE5 engelska.\r\n$Glosor\r\n\r\n"
              "hund # dog # &hound\r\n#tom f\xF6rsta\r\n\x80 och \xC5\xC4\xD6\t# euro\r\n");

    const auto scrambled = runTool({"encode", "--scramble"}, source);
    ASSERT_EQ(scrambled.status, 0) << scrambled.err;
    EXPECT_NE(scrambled.out.find("\r\n$Glosor\r\n\r\n)"), std::string::npos) << scrambled.out;
    EXPECT_NE(scrambled.out.find("\r\n#tom f\xF6rsta\r\n"), std::string::npos); // '#' stays plain
    EXPECT_EQ(scrambled.out.find("hund"), std::string::npos);

    EXPECT_EQ(runTool({"decode"}, plain.out).out, source);
    EXPECT_EQ(runTool({"decode"}, scrambled.out).out, source);
    // An editor's byte-order mark does not reach the data file.
    EXPECT_EQ(runTool({"encode"}, "\xEF\xBB\xBF" + source).out, plain.out);
}

TEST(EncodeCommand, RefusesLinesWithoutAWindowsForm) {
    struct Case {
        const char* line;
        const char* message;
    } cases[] = {
        {"pil \xE2\x86\x92 h\xC3\xB6ger", "2: character \xE2\x86\x92 (U+2192) at column 5"},
        {"trasig \xC3( text", "2: invalid UTF-8 at column 8"},
        {"avkortad \xE2\x82", "2: invalid UTF-8 at column 10"},
        {"sida\x0C"
         "byte",
         "2: control character U+000C at column 5"},
        {"odefinierad \xC2\x81", "2: control character U+0081 at column 13"},
    };
    for (const auto& c : cases) {
        const auto r = runTool({"encode"}, std::string("bra\n") + c.line + "\nbra\n");
        EXPECT_EQ(r.status, 1) << c.line;
        EXPECT_EQ(r.out, "") << c.line;
        EXPECT_TRUE(r.err.starts_with(c.message)) << r.err;
    }
    // Only when scrambling: a record that the program would take for scrambled.
    EXPECT_EQ(runTool({"encode"}, ")x\n").status, 0);
    const auto r = runTool({"encode", "--scramble"}, ")x\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.starts_with("1: a record cannot start with ')'")) << r.err;
}

TEST(EncodeCommand, FilesAreReplacedWholeOrNotAtAll) {
    glosbo::test::TempRoot dir;
    const std::string in = dir.path() + "/in.txt";
    const std::string out = dir.path() + "/SVE10100.DAT";
    const std::string back = dir.path() + "/back.txt";
    const std::string source = "h\xC3\xA4st # horse\n";
    dir.write("in.txt", source);
    dir.write("SVE10100.DAT", "old\r\n");
    const auto contents = [](const std::string& path) {
        std::ifstream f(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    };

    auto r = runTool({"encode", "--scramble", in, out});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    const std::string encoded = contents(out);
    EXPECT_TRUE(encoded.starts_with(")")) << encoded;
    ASSERT_EQ(runTool({"decode", out, back}).status, 0);
    EXPECT_EQ(contents(back), source);

    // A refused line leaves the earlier file as it was, and no temporary file.
    dir.write("in.txt", "ok\n\xE2\x86\x92\n");
    r = runTool({"encode", in, out});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.starts_with(in + ":2: character")) << r.err;
    EXPECT_EQ(contents(out), encoded);
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        files += e.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 3); // in.txt, SVE10100.DAT, back.txt
}
