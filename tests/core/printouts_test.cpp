#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/crazy_text.h"
#include "core/diagnosis_protocol.h"
#include "core/manual.h"
#include "core/story_writing.h"
#include "core/text_printout.h"
#include "core/worksheets.h"
#include "core/write_answer.h"
#include "test_support.h"

using namespace glosbo::core;

namespace {

// A PDF (no margins) and a printer with margins wider than the least one.
const PageMargins kNoMargins{};
const PageMargins kPrinter{10, 12.7, 8, 15};

// Text 2.8 mm a character at 14 points: lines of 70 letters are too wide.
const glosbo::test::FixedPageMetrics kMetrics(0.2);

std::string longLine(int words) {
    std::string line;
    for (int i = 0; i < words; ++i)
        line += (i ? " " : "") + std::string("ordet") + std::to_string(i);
    return line;
}

// Every page type with enough text for several pages and lines too long
// for the paper.
std::vector<std::pair<const char*, std::function<std::vector<Page>(const PageMargins&)>>>
pageTypes() {
    std::vector<std::string> many;
    for (int i = 0; i < 120; ++i)
        many.push_back(i % 7 == 3 ? longLine(20) : "rad " + std::to_string(i));
    return {
        {"worksheet",
         [](const PageMargins& m) {
             Worksheets sheets;
             sheets.startExercise();
             for (int i = 0; i < 40; ++i) {
                 sheets.addHeading(i % 5 == 0 ? longLine(12) : "Plural",
                                   "      Skriv ordet i plural:");
                 sheets.addTask(
                     writeAnswerTask(sheets.nextItemPrefix(), longLine(i % 3 * 6), "bilar"));
             }
             return sheets.layout(true, kMetrics, m);
         }},
        {"manual", [many](const PageMargins& m) { return layOutManual(many, 10, kMetrics, m); }},
        {"crazy text", [many](const PageMargins& m) { return crazyTextPages(many, kMetrics, m); }},
        {"story", [many](const PageMargins& m) { return storyPages(many, kMetrics, m); }},
        {"protocol",
         [](const PageMargins& m) {
             DiagnosisRecord record;
             return std::vector<Page>{protocolPage(
                 protocolTable(record), "Kalle Karlsson-Andersson", {4, 55, 69, 88}, kMetrics, m)};
         }},
    };
}

} // namespace

// On a sheet without margins and on a printer with them, every text of
// every printout lies inside the printable area, at least 5 mm from each
// edge of the sheet, and every page says the area it was laid out in.
TEST(Printouts, EveryTextStaysInsideThePrintableArea) {
    for (const PageMargins& printer : {kNoMargins, kPrinter}) {
        const PageFrame frame(printer);
        const PageMargins& m = frame.margins();
        EXPECT_GE(m.left, kLeastMarginMm);
        EXPECT_GE(m.top, kLeastMarginMm);
        for (const auto& [name, layOut] : pageTypes()) {
            SCOPED_TRACE(std::string(name) +
                         (printer == kNoMargins ? ", no margins" : ", margins"));
            const std::vector<Page> pages = layOut(printer);
            ASSERT_FALSE(pages.empty());
            for (std::size_t p = 0; p < pages.size(); ++p) {
                EXPECT_EQ(pages[p].frame, m);
                for (const PageText& t : pages[p].texts) {
                    const double right = t.x + kMetrics.widthMm(t.text, t.font);
                    const double bottom = t.y + kMetrics.heightMm(t.text, t.font);
                    EXPECT_GE(t.x, m.left) << "page " << p + 1 << ": " << t.text;
                    EXPECT_GE(t.y, m.top) << "page " << p + 1 << ": " << t.text;
                    EXPECT_LE(right, Page::kWidth - m.right) << "page " << p + 1 << ": " << t.text;
                    EXPECT_LE(bottom, Page::kHeight - m.bottom)
                        << "page " << p + 1 << ": " << t.text;
                }
                for (const PageLine& l : pages[p].lines)
                    for (const auto& [x, y] : {std::pair{l.x1, l.y1}, std::pair{l.x2, l.y2}}) {
                        EXPECT_GE(x, m.left - 0.1);
                        EXPECT_LE(x, Page::kWidth - m.right);
                        EXPECT_GE(y, m.top);
                        EXPECT_LE(y, Page::kHeight - m.bottom);
                    }
            }
        }
    }
}

// The places a printout is given count from the printable area's corner:
// the crazy text's first line 2 printer pixels below its top, the
// worksheet's page number 2 mm below it, its lines 20 mm from its left.
TEST(Printouts, ThePlacesCountFromThePrintableArea) {
    for (const PageMargins& printer : {kNoMargins, kPrinter}) {
        const PageMargins m = PageFrame(printer).margins();
        const std::vector<Page> crazy = crazyTextPages({"Titel", "rad"}, kMetrics, printer);
        EXPECT_DOUBLE_EQ(crazy[0].texts[0].y, m.top + printerPixelsToMm(2));
        EXPECT_DOUBLE_EQ(crazy[0].texts[0].x, m.left + printerPixelsToMm(200));

        Worksheets sheets;
        sheets.startExercise();
        sheets.addHeading("Plural", "");
        sheets.addTask(writeAnswerTask(sheets.nextItemPrefix(), "bil", "bilar"));
        const Page sheet = sheets.layout(false, kMetrics, printer)[0];
        EXPECT_EQ(sheet.texts[0].text, "1");
        EXPECT_DOUBLE_EQ(sheet.texts[0].y, m.top + 2);
        EXPECT_DOUBLE_EQ(sheet.texts.back().x, m.left + 20);
    }
}
