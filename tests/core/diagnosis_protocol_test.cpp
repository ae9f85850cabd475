#include <gtest/gtest.h>

#include <algorithm>

#include "core/diagnosis_protocol.h"
#include "test_support.h"

using namespace glosbo::core;

namespace {

DiagnosisRecord taken(int test, int result, std::uint8_t status) {
    DiagnosisRecord r;
    r.name = "Kalle";
    r.result[test] = result;
    r.status[test] = status;
    r.year[test] = 1997, r.month[test] = 5, r.day[test] = 23, r.hour[test] = 9, r.minute[test] = 5;
    return r;
}

} // namespace

TEST(DiagnosisProtocol, ANewPupilHasSeventeenRowsToBegin) {
    const ProtocolTable t = protocolTable(DiagnosisRecord{});
    EXPECT_EQ(t[0][0], "  Nr");
    EXPECT_EQ(t[0][1], "                  Omr\xE5"
                       "de");
    EXPECT_EQ(t[0][2], "    Resultat");
    EXPECT_EQ(t[0][3], "    Tidpunkt");
    EXPECT_EQ(t[0][4], "    Status");
    for (int r = 1; r <= 17; ++r) {
        EXPECT_EQ(t[r][0], (r < 10 ? "   " : "  ") + std::to_string(r));
        EXPECT_EQ(t[r][2], "          0");
        EXPECT_EQ(t[r][3], "  ");
        EXPECT_EQ(t[r][4], "    B\xF6rja");
    }
    EXPECT_EQ(t[1][1], "  \xC4-ljudet");
    EXPECT_EQ(t[8][1], "  KS-\"ljudet\"");
    EXPECT_EQ(t[16][1], "  Tales\xE4tt");
    EXPECT_EQ(t[18][0], "");
    EXPECT_EQ(t[18][1], std::string(56, ' ') + "Summa:");
    EXPECT_EQ(t[18][2], "          0");
}

TEST(DiagnosisProtocol, ResultsTimesStatusesAndTheSum) {
    DiagnosisRecord r = taken(3, 12, kStatusPractise);
    completePractice(r, 3);
    const ProtocolTable t = protocolTable(r);
    EXPECT_EQ(t[3][2], "        12");
    EXPECT_EQ(t[3][3], "  970523 09:05");
    EXPECT_EQ(t[3][4], "    Testa") << "a completed practice keeps its result";
    EXPECT_EQ(t[18][2], "        12");

    DiagnosisRecord full;
    for (int test = 1; test <= 17; ++test)
        diagnosback(full, test, 20, 0);
    EXPECT_EQ(protocolTable(full)[18][2], "       340") << "7 spaces from 100 up";
    EXPECT_EQ(protocolTable(taken(4, 5, kStatusPractise))[4][2], "          5");
    EXPECT_EQ(protocolTable(taken(4, 100, kStatusTest))[4][2], "      100");
    EXPECT_EQ(protocolTable(taken(5, 7, kStatusWait))[5][4], "    V\xE4nta");
    EXPECT_EQ(protocolTable(taken(6, 0, kStatusPractise))[6][3], "  ") << "no time at 0";
    EXPECT_EQ(protocolDateText(taken(1, 1, 3), 1), "970523 09:05");
}

TEST(DiagnosisProtocol, TheTestsAndTheirWindows) {
    EXPECT_STREQ(diagnosisTest(1).testFile, "SVDI01.DAT");
    EXPECT_STREQ(diagnosisTest(11).testWindow, "TSkrivinf");
    EXPECT_STREQ(diagnosisTest(12).practiceFile, "SVOVN112.DAT");
    EXPECT_STREQ(diagnosisTest(17).testWindow, "TPassAkt");
    EXPECT_STREQ(diagnosisTest(17).practiceWindow, "TSKRIV");
}

TEST(DiagnosisProtocol, PrintColumnsFollowTheScreen) {
    // 1024 wide, letter unit 11, sample 160 pixels: c1 = 100*38/1024 = 4,
    // d = 16 - 1 = 15, e = 17; the date column is widened by a point on
    // each side so that the printed date keeps clear of the status rule.
    EXPECT_EQ(printColumnStarts(11, 160, 1024), (std::array<int, 4>{4, 55, 69, 88}));
}

TEST(DiagnosisProtocol, ThePrintedPageHasTheTitleTheRowsAndTheRules) {
    DiagnosisRecord r = taken(2, 15, kStatusTest);
    // Texts that fit keep the columns the screen gives.
    const Page page = glosbo::test::inPrintableArea(protocolPage(
        protocolTable(r), "Kalle", {4, 55, 70, 87}, glosbo::test::FixedPageMetrics(0.01)));
    ASSERT_FALSE(page.texts.empty());
    EXPECT_EQ(page.texts[0].text, "Diagnosprotokoll fr\xE5n Glosbo f\xF6r Kalle.");
    EXPECT_EQ(page.texts[0].x, 20);
    EXPECT_EQ(page.texts[0].y, 4);
    EXPECT_EQ(page.texts[0].font, (PageFont{12, true, "Arial"}));
    const auto at = [&](const std::string& text) {
        const auto it = std::find_if(page.texts.begin(), page.texts.end(),
                                     [&](const PageText& t) { return t.text == text; });
        EXPECT_NE(it, page.texts.end()) << text;
        return it == page.texts.end() ? PageText{} : *it;
    };
    // Row 2 starts at 12 + 2 * 6; its result in column 2 at 15 + 55% of 180.
    EXPECT_DOUBLE_EQ(at("        15").x, 15 + 0.55 * 180);
    EXPECT_DOUBLE_EQ(at("        15").y, 24 + 1);
    EXPECT_DOUBLE_EQ(at("  970523 09:05").x, 15 + 0.70 * 180);
    EXPECT_DOUBLE_EQ(at("   2").x, 15);
    const PageText sum = at(std::string(56, ' ') + "Summa:");
    EXPECT_DOUBLE_EQ(sum.y, 12 + 18 * 6 + 2) << "the sum row a little lower";
    // Per row: 6 vertical and 2 horizontal rules; one closing rule.
    EXPECT_EQ(page.lines.size(), 19u * 8 + 1);
    EXPECT_DOUBLE_EQ(page.lines.back().y1, 12 + 19 * 6 + 2);
    for (const PageLine& l : page.lines) {
        EXPECT_GE(std::min(l.x1, l.x2), 14.9);
        EXPECT_LE(std::max(l.x1, l.x2), 195.1);
    }
}

// Measured in the print font, a column too narrow for its texts widens:
// no text crosses the rule to its right, and the rules stay in order
// within the table.
TEST(DiagnosisProtocol, PrintedTextsKeepClearOfTheRules) {
    // Near the real bold 12-point font: a space 1.2 mm, any other character 2.4 mm.
    struct : PageMetrics {
        double widthMm(std::string_view text, const PageFont&) const override {
            return 2.4 * double(text.size()) -
                   1.2 * double(std::count(text.begin(), text.end(), ' '));
        }
        double heightMm(std::string_view, const PageFont&) const override { return 4.8; }
    } metrics;
    DiagnosisRecord r = taken(12, 20, kStatusTest);
    const Page page = glosbo::test::inPrintableArea(
        protocolPage(protocolTable(r), "Kalle", {3, 55, 69, 88}, metrics));
    std::vector<double> rules;
    for (const PageLine& l : page.lines)
        if (l.x1 == l.x2 && std::find(rules.begin(), rules.end(), l.x1) == rules.end())
            rules.push_back(l.x1);
    std::sort(rules.begin(), rules.end());
    ASSERT_EQ(rules.size(), 6u);
    EXPECT_GE(rules.front(), 14.9);
    EXPECT_LE(rules.back(), 195.1);
    for (std::size_t i = 1; i < page.texts.size(); ++i) {
        const PageText& t = page.texts[i];
        const auto next = std::upper_bound(rules.begin(), rules.end(), t.x);
        ASSERT_NE(next, rules.end()) << t.text;
        EXPECT_LE(t.x + metrics.widthMm(t.text, t.font), *next) << "'" << t.text << "'";
    }
}
