#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "core/class_overview.h"
#include "core/cp1252.h"
#include "test_support.h"

using namespace glosbo::core;

namespace {

const std::string kClassFile = GLOSBO_TEST_FIXTURES "/diagnosis/class.DIA";

ClassOverview fixtureClass() {
    const DiagnosisLoad load = loadDiagnosisFile(kClassFile);
    EXPECT_EQ(load.status, DiagnosisLoad::Status::Loaded);
    EXPECT_FALSE(load.contents.damaged());
    return classOverview(load.contents);
}

std::vector<std::string> namesOf(const ClassOverview& o) {
    std::vector<std::string> names;
    for (const ClassPupil& p : o.pupils)
        names.push_back(cp1252ToUtf8(p.name));
    return names;
}

const ClassPupil& pupilNamed(const ClassOverview& o, const std::string& utf8) {
    const std::string name = *utf8ToCp1252(utf8);
    const auto it = std::find_if(o.pupils.begin(), o.pupils.end(),
                                 [&](const ClassPupil& p) { return p.name == name; });
    EXPECT_NE(it, o.pupils.end()) << utf8;
    return *it;
}

// Like FixedPageMetrics(0.2), but a W takes half the font's size in points.
class WideWMetrics final : public PageMetrics {
public:
    double widthMm(std::string_view text, const PageFont& f) const override {
        double w = 0;
        for (const char c : text)
            w += (c == 'W' ? 0.5 : 0.2) * f.points;
        return w;
    }
    double heightMm(std::string_view, const PageFont& f) const override { return 0.4 * f.points; }
};

const std::vector<std::string> kNameOrder = {"Adam Öberg", "anna Lind", "Émile Ny",   "Zorro Ahl",
                                             "åke Holm",   "Åsa Berg",  "Ärla Ström", "Östen Ek"};

} // namespace

TEST(ClassOverview, EveryNamedPupilInSwedishOrderWithCountsOfPasses) {
    const ClassOverview o = fixtureClass();
    EXPECT_EQ(namesOf(o), kNameOrder) << "Å, Ä, Ö after Z, É with E, letter case ignored; "
                                         "the record without a name left out";
    // Tests passed are results of at least 15, whatever the status says: a
    // completed practice shows Testa at 9 right and is not a pass.
    const std::vector<std::pair<std::string, int>> passed = {
        {"Adam Öberg", 0}, {"anna Lind", 1}, {"Émile Ny", 1},    {"Zorro Ahl", 0},
        {"åke Holm", 1},   {"Åsa Berg", 1},  {"Ärla Ström", 17}, {"Östen Ek", 2}};
    for (const auto& [name, n] : passed)
        EXPECT_EQ(pupilNamed(o, name).passed, n) << name;
    const std::array<int, 17> perTest = {3, 2, 1, 2, 1, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2};
    EXPECT_EQ(o.passedPerTest, perTest);
}

TEST(ClassOverview, CellsShowResultAndStatusLetter) {
    const ClassOverview o = fixtureClass();
    const ClassTable table = classOverviewTable(o);
    ASSERT_EQ(table.size(), o.pupils.size() + 2);
    for (const auto& row : table)
        EXPECT_EQ(row.size(), 19u);
    EXPECT_EQ(table[0][0], "Namn");
    EXPECT_EQ(table[0][1], "1 \xC4");
    EXPECT_EQ(table[0][4], "4 SJ");
    EXPECT_EQ(table[0][5], "5 SJ");
    EXPECT_EQ(table[0][17], "17 Alfab");
    EXPECT_EQ(table[0][18], "Klarade");
    // The row of a pupil, by their place in name order (heading first).
    const auto row = [&](const std::string& name) {
        const auto at = std::find(kNameOrder.begin(), kNameOrder.end(), name) - kNameOrder.begin();
        return table[std::size_t(at) + 1];
    };
    struct Case {
        std::string pupil;
        int test;
        std::string cell;
    };
    for (const Case& c : std::vector<Case>{
             {"Östen Ek", 1, "20 T"},
             {"Östen Ek", 3, "14 \xD6"},
             {"Östen Ek", 4, "0 B"},
             {"anna Lind", 5, "0 V"},
             {"Åsa Berg", 1, "0 \xD6"}, // taken again with 0 right
             {"Zorro Ahl", 3, "9 T"},   // practice completed
             {"Ärla Ström", 17, "20 T"},
         })
        EXPECT_EQ(row(c.pupil)[std::size_t(c.test)], c.cell) << c.pupil << " test " << c.test;
    EXPECT_EQ(row("Ärla Ström")[0], "\xC4rla Str\xF6m");
    EXPECT_EQ(row("Ärla Ström")[18], "17");
    EXPECT_EQ(table.back()[0], "Antal klarade");
    EXPECT_EQ(table.back()[1], "3");
    EXPECT_EQ(table.back()[17], "2");
    EXPECT_EQ(table.back()[18], "");
    // A status code the program never writes still shows, as "?".
    EXPECT_EQ(classCellText(-7, 9), "-7 ?");
    EXPECT_EQ(statusWord(9), "9");
    EXPECT_EQ(statusWord(kStatusPractise), "\xD6va");
}

TEST(ClassOverview, SortsByNameTestOrPassesWithNamesBreakingTies) {
    ClassOverview o = fixtureClass();
    struct Case {
        ClassSort sort;
        std::vector<std::string> order;
    };
    const std::vector<Case> cases = {
        // Test 1: Åsa's 0 (Öva) is no better than a test not begun.
        {{ClassSortKey::Test, 1, false},
         {"Adam Öberg", "Émile Ny", "Zorro Ahl", "åke Holm", "Åsa Berg", "anna Lind", "Ärla Ström",
          "Östen Ek"}},
        {{ClassSortKey::Test, 1, true},
         {"Ärla Ström", "Östen Ek", "anna Lind", "Adam Öberg", "Émile Ny", "Zorro Ahl", "åke Holm",
          "Åsa Berg"}},
        {{ClassSortKey::Passed, 1, true},
         {"Ärla Ström", "Östen Ek", "anna Lind", "Émile Ny", "åke Holm", "Åsa Berg", "Adam Öberg",
          "Zorro Ahl"}},
        {{ClassSortKey::Passed, 1, false},
         {"Adam Öberg", "Zorro Ahl", "anna Lind", "Émile Ny", "åke Holm", "Åsa Berg", "Östen Ek",
          "Ärla Ström"}},
        {{ClassSortKey::Name, 1, true},
         std::vector<std::string>(kNameOrder.rbegin(), kNameOrder.rend())},
        {{ClassSortKey::Name, 1, false}, kNameOrder},
    };
    // Each order from whatever order the one before left.
    for (const Case& c : cases) {
        sortClassOverview(o, c.sort);
        EXPECT_EQ(namesOf(o), c.order) << int(c.sort.key) << " " << c.sort.descending;
        EXPECT_EQ(o.sort, c.sort);
    }
}

TEST(ClassOverview, AnEmptyFileHasHeadingsAndCountsOnly) {
    const ClassOverview o = classOverview(parseDiagnosisFile(""));
    EXPECT_TRUE(o.pupils.empty());
    const ClassTable table = classOverviewTable(o);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[1][1], "0");
    const auto pages = classOverviewPages(o, glosbo::test::FixedPageMetrics());
    ASSERT_EQ(pages.size(), 1u);
}

// The printed pages: 30 pupils a page, headings on each, the count row on
// the last, everything inside the landscape sheet.
TEST(ClassOverview, PagesOfThirtyPupilsWithHeadingsOnEach) {
    DiagnosisRecord r;
    std::string bytes;
    for (int i = 0; i < 61; ++i) {
        r.name = "Elev " + std::string(i < 10 ? "0" : "") + std::to_string(i);
        r.result[1] = i % 21;
        r.status[1] = GeStatusTal(r, 1);
        bytes += r.toBytes();
    }
    // A name wider than the name column is cut, never over the rule.
    r.name = std::string(21, 'W');
    bytes += r.toBytes();
    const ClassOverview o = classOverview(parseDiagnosisFile(bytes));
    const WideWMetrics metrics;
    const std::vector<Page> pages = classOverviewPages(o, metrics);
    ASSERT_EQ(pages.size(), 3u);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const Page& page = pages[p];
        EXPECT_TRUE(page.landscape);
        std::vector<std::string> texts;
        for (const PageText& t : page.texts) {
            texts.push_back(t.text);
            EXPECT_GE(t.x, 0) << t.text;
            EXPECT_LE(t.x + metrics.widthMm(t.text, t.font), 297 - 5) << t.text;
            EXPECT_LE(t.y + metrics.heightMm(t.text, t.font), 210 - 5) << t.text;
        }
        for (const PageLine& l : page.lines) {
            EXPECT_LE(std::max(l.x1, l.x2), 297 - 5);
            EXPECT_LE(std::max(l.y1, l.y2), 210 - 5);
        }
        const auto has = [&](const std::string& text) {
            return std::find(texts.begin(), texts.end(), text) != texts.end();
        };
        EXPECT_TRUE(has("Namn") && has("Klarade") && has("Alfab") && has("17"))
            << "headings on page " << p + 1;
        EXPECT_TRUE(has("Sida " + std::to_string(p + 1) + " av 3"));
        EXPECT_EQ(has("Antal klarade"), p == 2) << "the count row closes the last page";
        const auto pupilsOnPage = std::count_if(texts.begin(), texts.end(), [](const auto& t) {
            return t.rfind("Elev ", 0) == 0 || t.rfind("WW", 0) == 0;
        });
        EXPECT_EQ(pupilsOnPage, p < 2 ? 30 : 2);
    }
    // The pupils in their order across the pages.
    const auto firstPupil = [](const Page& page) {
        return std::find_if(page.texts.begin(), page.texts.end(),
                            [](const PageText& t) { return t.text.rfind("Elev ", 0) == 0; })
            ->text;
    };
    EXPECT_EQ(firstPupil(pages[0]), "Elev 00");
    EXPECT_EQ(firstPupil(pages[1]), "Elev 30");
    EXPECT_EQ(firstPupil(pages[2]), "Elev 60");
    const auto wide = std::find_if(pages[2].texts.begin(), pages[2].texts.end(),
                                   [](const PageText& t) { return t.text.rfind("WW", 0) == 0; });
    ASSERT_NE(wide, pages[2].texts.end());
    EXPECT_EQ(wide->text.back(), '\x85') << "cut with an ellipsis";
    EXPECT_LT(wide->text.size(), 21u);
}
