#include <gtest/gtest.h>

#include "core/record_fields.h"
#include "core/scramble.h"

using namespace glosbo::core;

TEST(StrPostarray, SplitsFieldsAndAlternatives) {
    const auto r = str_postarray("hund # dog # &hound # Hund");
    EXPECT_EQ(r.fieldCount, 4);
    EXPECT_EQ(r.alternativeCount, 2);
    EXPECT_EQ(r[1], "hund ");
    EXPECT_EQ(r[2], "dog ");
    EXPECT_EQ(r[3], "hound ");
    EXPECT_EQ(r[4], "Hund");
}

TEST(StrPostarray, EdgeCases) {
    const auto empty = str_postarray("a##b");
    EXPECT_EQ(empty.fieldCount, 3);
    EXPECT_EQ(empty[2], "");

    const auto eleven = str_postarray("1#2#3#4#5#6#7#8#9#10#11");
    EXPECT_EQ(eleven.fieldCount, 10);
    EXPECT_EQ(eleven[10], "1011");

    const auto alt = str_postarray("fr\xE5ga#&svar#annat");
    EXPECT_EQ(alt.alternativeCount, 2);
    EXPECT_EQ(alt[2], "svar");

    const auto trailing = str_postarray("a#b#");
    EXPECT_EQ(trailing.fieldCount, 2);

    const auto spaces = str_postarray("a#   #b");
    EXPECT_EQ(spaces[2], " ");

    const auto scrambled = str_postarray(kryptrad("katt#cat"));
    EXPECT_EQ(scrambled[1], "katt");
    EXPECT_EQ(scrambled[2], "cat");

    EXPECT_EQ(str_postarray("").fieldCount, 0);
}

TEST(MellanslagBort, CleansSpaces) {
    EXPECT_EQ(MellanslagBort("  hej  "), "hej");
    EXPECT_EQ(MellanslagBort("en  bil"), "en bil");
    EXPECT_EQ(MellanslagBort("a  b    c"), "a b c");
    EXPECT_EQ(MellanslagBort(""), "");
}

struct JudgeCase {
    const char* line;
    const char* expected;
    const char* typed;
    CompareKind kind;
    std::uint16_t verdict;
};

void PrintTo(const JudgeCase& c, std::ostream* os) {
    *os << '"' << c.typed << '"';
}

class Svarstest : public ::testing::TestWithParam<JudgeCase> {};

TEST_P(Svarstest, Verdict) {
    const auto& c = GetParam();
    const RecordFields r = str_postarray(c.line);
    std::string typed = c.typed;
    EXPECT_EQ(svarstest(r, c.expected, typed, c.kind), c.verdict) << c.typed;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Svarstest,
    ::testing::Values(
        JudgeCase{"Sveriges huvudstad#Stockholm.", "Stockholm.", "stockholm",
                  CompareKind::IgnoreCase, 0},
        JudgeCase{"Sveriges huvudstad#Stockholm.", "Stockholm.", "stockholm", CompareKind::Exact,
                  60000},
        JudgeCase{"x#Hej", "Hej", "Hej!", CompareKind::Exact, 0},
        JudgeCase{"x#en bil", "en bil", " en  bil", CompareKind::Exact, 0},
        JudgeCase{"x#svar", "svar", "", CompareKind::Exact, 6000},
        JudgeCase{"x#svar", "svar", "fel", CompareKind::Exact, 60000},
        // Alternatives, last non-empty field first.
        JudgeCase{"hund # dog # &hound # Hund", "dog", "Hund", CompareKind::Exact, 0},
        JudgeCase{"hund # dog # &hound # Hund", "dog", "hound", CompareKind::Exact, 0},
        JudgeCase{"hund # dog # &hound # Hund", "dog", "cat", CompareKind::Exact, 60000},
        // National letters compare without case in kind 3 only.
        JudgeCase{"x#\xC4pple", "\xC4pple", "\xE4pple", CompareKind::IgnoreCase, 0},
        JudgeCase{"x#\xC4pple", "\xC4pple", "\xE4pple", CompareKind::Exact, 60000},
        // The typed answer is cleaned again in each pass: a second mark goes
        // in the pass over the alternative.
        JudgeCase{"q#a#&b", "a", "b!!", CompareKind::Exact, 0},
        JudgeCase{"q#a", "a", "a!!", CompareKind::Exact, 60000},
        // Bytes 168 and 173 count as punctuation.
        JudgeCase{"x#ja", "ja", "ja\xA8", CompareKind::Exact, 0}));

TEST(GreenRedTest, FollowsTheAnswerAndAlternatives) {
    const RecordFields r = str_postarray("hund#dog#&hound#Hund");
    EXPECT_EQ(GreenRedTest(r, "", "dog"), 2);
    EXPECT_EQ(GreenRedTest(r, " d", "dog"), 1);
    EXPECT_EQ(GreenRedTest(r, "do", "dog"), 1);
    EXPECT_EQ(GreenRedTest(r, "dogs", "dog"), 2);
    EXPECT_EQ(GreenRedTest(r, "hou", "dog"), 1);
    EXPECT_EQ(GreenRedTest(r, "Hu", "dog"), 1);
    EXPECT_EQ(GreenRedTest(r, "Do", "dog"), 2); // exact case
    const RecordFields plain = str_postarray("katt#cat");
    EXPECT_EQ(GreenRedTest(plain, "ka", "cat"), 2);
}

TEST(LetaPrep, SplitsAtAngleBrackets) {
    const auto p = LetaPrep("g\xE5 <till> skolan");
    EXPECT_EQ(p[1], "g\xE5 ");
    EXPECT_EQ(p[2], "till");
    EXPECT_EQ(p[3], " skolan");
    EXPECT_EQ(p[4], "");
    const auto many = LetaPrep("a<b>c<d>e<f>g");
    EXPECT_EQ(many[5], "e");
}
