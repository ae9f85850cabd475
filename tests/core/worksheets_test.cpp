#include <gtest/gtest.h>

#include <algorithm>

#include "core/worksheets.h"
#include "test_support.h"

using namespace glosbo::core;

namespace {

// Heights of 0.4 mm a point (14 pt: 5.6, counted as 6 mm), widths of 0.2 mm
// a point and character.
using FixedMetrics = glosbo::test::FixedPageMetrics;

const std::string kUnderscores(57, '_');

// A worksheet of one write-the-answer exercise with n tasks.
Worksheets plural(int n) {
    Worksheets w;
    w.startExercise();
    for (int i = 1; i <= n; ++i) {
        w.addHeading("Plural", "      Skriv ordet i plural:");
        w.addTask(writeAnswerTask(w.nextItemPrefix(), "en bil", "bilar"));
    }
    return w;
}

const PageText* find(const Page& page, std::string_view text) {
    const auto it = std::find_if(page.texts.begin(), page.texts.end(),
                                 [&](const PageText& t) { return t.text == text; });
    return it == page.texts.end() ? nullptr : &*it;
}

} // namespace

TEST(Worksheets, TheFirstTaskBringsTheHeadingAndBothLists) {
    Worksheets w = plural(1);
    EXPECT_EQ(w.questions(), (std::vector<std::string>{"1.  Plural", "      Skriv ordet i plural:",
                                                       "   1. en bil", "       " + kUnderscores}));
    EXPECT_EQ(w.answers(), (std::vector<std::string>{"1.  Plural", "      Skriv ordet i plural:",
                                                     "   1. en bil", "       bilar"}));
    EXPECT_FALSE(w.headingPending());
}

TEST(Worksheets, NumberingRunsOnAcrossExercisesAndStartsAgainWhenCleared) {
    Worksheets w = plural(10);
    EXPECT_EQ(w.questions()[2 + 9 * 2], " 10. en bil");
    w.startExercise();
    w.addHeading("Krypto", "");
    w.addTask(writeAnswerTask(w.nextItemPrefix(), "xyz", "abc"));
    EXPECT_EQ(w.headingNumber(), 2);
    EXPECT_EQ(w.questions()[22], "2.  Krypto") << "no empty sub-heading line";
    EXPECT_EQ(w.questions()[23], " 11. xyz");

    w.clear();
    EXPECT_TRUE(w.empty());
    w.startExercise();
    w.addHeading("Plural", "");
    w.addTask(writeAnswerTask(w.nextItemPrefix(), "en bil", "bilar"));
    EXPECT_EQ(w.questions()[0], "1.  Plural");
    EXPECT_EQ(w.questions()[1], "   1. en bil");
}

TEST(Worksheets, ItemPrefixes) {
    for (const auto& [n, prefix] : std::vector<std::pair<int, std::string>>{{1, "   1. "},
                                                                            {9, "   9. "},
                                                                            {10, " 10. "},
                                                                            {99, " 99. "},
                                                                            {100, "100. "},
                                                                            {9999, "9999. "}})
        EXPECT_EQ(itemPrefix(n), prefix) << n;
}

TEST(Worksheets, AnswersAndCategoriesForTheKey) {
    EXPECT_EQ(UtSkriftSvar("bilar", {}), "bilar");
    EXPECT_EQ(UtSkriftSvar("hus", {"huset", "husen"}), "hus eller huset, husen.");
    for (const auto& [field, name] :
         std::vector<std::pair<std::string, std::string>>{{"ack", "ackusativ"},
                                                          {"Dat.", "dativ"},
                                                          {"pred.f.", "predikatsfyllnad"},
                                                          {"SUBJ", "subjekt"},
                                                          {"akt", "aktiv"},
                                                          {"subst", "substantiv"},
                                                          {"pass.", "passiv"},
                                                          {"predikat", "predikat"},
                                                          {"adverb", "adverb"},
                                                          // Written out: as written.
                                                          {"predikatsfyllnad", "predikatsfyllnad"},
                                                          {"ackusativobjekt", "ackusativobjekt"},
                                                          {"Dativobjekt", "Dativobjekt"},
                                                          {"passivum", "passivum"}})
        EXPECT_EQ(categoryWrittenOut(field), name) << field;
    const TaskLines click = clickCategoryTask("   3. ", {"Hon gav", "honom boken."}, "dat");
    EXPECT_EQ(click.questions, (std::vector<std::string>{"   3. Hon gav", "       honom boken.",
                                                         "       " + std::string(28, '_')}));
    EXPECT_EQ(click.answers.back(), "       Dativ");
}

// The lines each window's task and heading add, one row a case.
TEST(Worksheets, LinesOfTheWriteChooseAndClickWindows) {
    const std::string S = "       ";
    struct Case {
        const char* name;
        WorksheetHeading heading;
        TaskLines task;
        std::vector<std::string> questions, answers;
    };
    const std::vector<Case> cases = {
        {"Plural",
         writeAnswerHeading({"Plural", "", ""}, "Skriv ordet i plural", ""),
         writeAnswerTask("   1. ", "hand", UtSkriftSvar("h\xE4nder", {})),
         {"1.  Plural", "      Skriv ordet i plural:", "   1. hand", S + kUnderscores},
         {"1.  Plural", "      Skriv ordet i plural:", "   1. hand", S + "h\xE4nder"}},
        {"synonyms with alternatives",
         writeAnswerHeading({"Synonymer", "Adjektiv", ""}, "", ""),
         writeAnswerTask("   1. ", str_postarray("isande#kall#&kylig#sval")),
         {"1.  Synonymer Adjektiv", "   1. isande", S + kUnderscores},
         {"1.  Synonymer Adjektiv", "   1. isande", S + "kall eller kylig, sval."}},
        {"file alternatives",
         chooseAlternativeHeading({"E eller \xC4", "", ""}, "", {"e", "\xC4"}),
         chooseAlternativeTask("   1. ", {"Jag har tre p<e>nnor."}, {}, 1),
         {"1.  E eller \xC4", "     E eller \xE4 ?", "   1. Jag har tre p__nnor."},
         {"1.  E eller \xC4", "     E eller \xE4 ?", "   1. Jag har tre p<e>nnor."}},
        {"two record alternatives, second line",
         chooseAlternativeHeading({"Lade eller l\xE5g", "", ""}, "", {}),
         chooseAlternativeTask("   1. ", {"Boken <l\xE5g> p\xE5 bordet", "i k\xF6ket."},
                               {"lade", "l\xE5g"}, 4),
         {"1.  Lade eller l\xE5g", "   1. Skriv lade eller l\xE5g i luckan.",
          S + "Boken ________ p\xE5 bordet", S + "i k\xF6ket."},
         {"1.  Lade eller l\xE5g", "   1. Boken <l\xE5g> p\xE5 bordet", S + "i k\xF6ket."}},
        {"five record alternatives",
         chooseAlternativeHeading({"", "", ""}, "Ord", {}),
         chooseAlternativeTask("   1. ", {"Ett <a>."}, {"a", "b", "c", "d", "e"}, 1),
         {"1.  Ord", S + "Ett __."},
         {"1.  Ord", "   1. Ett <a>."}},
        {"dative",
         clickCategoryHeading({"", "", ""}, "Vilken satsdel?"),
         clickCategoryTask("   1. ", {"Hon gav <honom> boken."}, "Dativobjekt"),
         {"1.  ", "      Vilken satsdel?", "   1. Hon gav <honom> boken.",
          S + std::string(28, '_')},
         {"1.  ", "      Vilken satsdel?", "   1. Hon gav <honom> boken.", S + "Dativobjekt"}},
        {"predicative, two lines",
         clickCategoryHeading({"Satsdelar", "", ""}, ""),
         clickCategoryTask("   1. ", {"Han blev", "<glad>."}, "Pred.f."),
         {"1.  Satsdelar", "   1. Han blev", S + "<glad>.", S + std::string(28, '_')},
         {"1.  Satsdelar", "   1. Han blev", S + "<glad>.", S + "Predikatsfyllnad"}},
        {"unknown category",
         clickCategoryHeading({"Ordklasser", "", ""}, ""),
         clickCategoryTask("   1. ", {"<snabbt>"}, "adverb"),
         {"1.  Ordklasser", "   1. <snabbt>", S + std::string(28, '_')},
         {"1.  Ordklasser", "   1. <snabbt>", S + "Adverb"}},
    };
    for (const Case& c : cases) {
        Worksheets w;
        w.startExercise();
        w.add(c.heading, c.task);
        EXPECT_EQ(w.questions(), c.questions) << c.name;
        EXPECT_EQ(w.answers(), c.answers) << c.name;
    }
}

// The record alternatives are listed in the order the boxes show them,
// which is by character code.
TEST(Worksheets, RecordAlternativesKeepTheirShownOrder) {
    const TaskLines t =
        chooseAlternativeTask(" 12. ", {"De <gick> hem."}, {"gick", "g\xE5r", "ging"}, 4);
    EXPECT_EQ(t.questions[0], " 12. Skriv gick, g\xE5r eller ging i luckan.");
}

// Every line keeps the kind it was added as, whatever its text looks like.
TEST(Worksheets, LinesKeepTheirKinds) {
    Worksheets w;
    w.startExercise();
    w.add(writeAnswerHeading({"Tal", "", ""}, "Skriv", ""),
          writeAnswerTask(w.nextItemPrefix(), "tre", UtSkriftSvar("1. tre", {})));
    const WorksheetList& key = w.list(true);
    EXPECT_EQ(key.lines[3], "       1. tre");
    EXPECT_EQ(key.kinds, (std::vector<LineKind>{LineKind::Heading, LineKind::SubHeading,
                                                LineKind::Task, LineKind::Other}));
    for (int i = 2; i <= 100; ++i)
        w.addTask(writeAnswerTask(w.nextItemPrefix(), "tre", "3"));
    const WorksheetList& questions = w.list(false);
    EXPECT_EQ(questions.lines[2 + 99 * 2], "100. tre");
    EXPECT_EQ(questions.kinds[2 + 99 * 2], LineKind::Task);
}

TEST(WorksheetLayout, FramedHeadingWithOrWithoutAnswers) {
    const Worksheets w = plural(1);
    const FixedMetrics metrics;
    const auto keyPages = glosbo::test::inPrintableArea(w.layout(true, metrics));
    ASSERT_EQ(keyPages.size(), 1u);
    const Page& page = keyPages[0];
    const PageText* title = find(page, "Arbetsblad fr\xE5n Glosbo. Facit.");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->font, (PageFont{22, true}));
    EXPECT_EQ(title->x, 20);
    EXPECT_EQ(title->y, 4);
    const PageText* maker = find(page, "Ett program fr\xE5n TOLM DATA.");
    ASSERT_TRUE(maker);
    EXPECT_EQ(maker->y, 4 + 9); // h = 8.8 mm counted as 9
    ASSERT_EQ(page.lines.size(), 8u) << "two framed rectangles";
    const double w22 = 0.2 * 22 * 30; // width of the title
    EXPECT_DOUBLE_EQ(page.lines[1].x1, 22 + w22);
    EXPECT_DOUBLE_EQ(page.lines[1].y2, 2 + 6 + 9 + 3);
    ASSERT_TRUE(find(page, "1"));
    // At 200 mm, but ending inside the printable area: a digit is 2 mm.
    EXPECT_EQ(find(page, "1")->x, 198);
    EXPECT_TRUE(find(page, "       bilar"));

    const Page plain = glosbo::test::inPrintableArea(w.layout(false, metrics))[0];
    EXPECT_TRUE(find(plain, "Arbetsblad fr\xE5n Glosbo."));
    EXPECT_TRUE(find(plain, "       " + kUnderscores));
}

TEST(WorksheetLayout, HeadingsAndTheirInstructionAreBoldAndLinesGoDown) {
    const Worksheets w = plural(2);
    const Page page = glosbo::test::inPrintableArea(w.layout(false, FixedMetrics()))[0];
    // After the frame y = 2 + 9 + 3 + 2 = 16; lines are 6 mm at 14 pt.
    const PageText* heading = find(page, "1.  Plural");
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->font, (PageFont{16, true}));
    EXPECT_EQ(heading->y, 16 + 2 + 6); // 16 pt: 6.4 mm, counted as 6
    const PageText* instruction = find(page, "      Skriv ordet i plural:");
    ASSERT_TRUE(instruction);
    EXPECT_EQ(instruction->font, (PageFont{14, true}));
    EXPECT_EQ(instruction->y, 24 + 6 + 1);
    std::vector<double> tasks, blanks;
    for (const PageText& t : page.texts) {
        if (t.text == "   1. en bil" || t.text == "   2. en bil") tasks.push_back(t.y);
        if (t.text == "       " + kUnderscores) blanks.push_back(t.y);
        if (t.y > 24) {
            EXPECT_EQ(t.x, 20);
        }
    }
    EXPECT_EQ(tasks, (std::vector<double>{31 + 2 + 7, 47 + 2 + 7}));
    EXPECT_EQ(blanks, (std::vector<double>{47, 63}));
    EXPECT_EQ(find(page, "   1. en bil")->font, (PageFont{14, false}));
}

TEST(WorksheetLayout, ATaskThatWouldPassTheLastLineMovesWholeToANewPage) {
    const Worksheets w = plural(20);
    const auto pages = glosbo::test::inPrintableArea(w.layout(false, FixedMetrics()));
    ASSERT_EQ(pages.size(), 2u);
    const Page& second = pages[1];
    ASSERT_TRUE(find(second, "2"));
    EXPECT_EQ(find(second, "2")->x, 198);
    ASSERT_TRUE(find(second, "Glosbo"));
    EXPECT_EQ(find(second, "Glosbo")->font, (PageFont{8, false}));
    // Tasks take 16 mm from y = 31: task 14 ends at 255; task 15 would
    // end past 256 and goes whole to the second page.
    EXPECT_TRUE(find(pages[0], " 14. en bil"));
    EXPECT_FALSE(find(pages[0], " 15. en bil"));
    const PageText* moved = find(second, " 15. en bil");
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->y, 4 + 2 + 7);
    for (const Page& p : pages)
        for (const PageText& t : p.texts)
            EXPECT_LE(t.y, 256 + 8) << t.text;
}

// A task of one line (a choice sentence with the file's alternatives) also
// needs room: a long run of them goes on to further pages.
TEST(WorksheetLayout, OneLineTasksGoOnToFurtherPages) {
    Worksheets w;
    w.startExercise();
    for (int i = 0; i < 80; ++i)
        w.add(chooseAlternativeHeading({"E eller \xC4", "", ""}, "", {"e", "\xE4"}),
              chooseAlternativeTask(w.nextItemPrefix(), {"Jag har tre p<e>nnor."}, {}, 1));
    const auto pages = glosbo::test::inPrintableArea(w.layout(false, FixedMetrics()));
    // 25 tasks under the frame, 28 on each further page.
    ASSERT_EQ(pages.size(), 3u);
    std::size_t tasks = 0;
    for (const Page& p : pages)
        for (const PageText& t : p.texts) {
            EXPECT_LE(t.y, 256 + 9) << t.text;
            tasks += t.text.ends_with("p__nnor.");
        }
    EXPECT_EQ(tasks, 80u);
}

// The key's answer "1. tre" is an answer line, not a task: it follows its
// task at one line's distance.
TEST(WorksheetLayout, AnAnswerThatLooksNumberedIsNoTask) {
    Worksheets w;
    w.startExercise();
    w.add(writeAnswerHeading({"Tal", "", ""}, "", ""),
          writeAnswerTask(w.nextItemPrefix(), "tre", "1. tre"));
    const Page page = glosbo::test::inPrintableArea(w.layout(true, FixedMetrics()))[0];
    const PageText* task = find(page, "   1. tre");
    const PageText* answer = find(page, "       1. tre");
    ASSERT_TRUE(task && answer);
    EXPECT_EQ(answer->y - task->y, 6 + 1);
}
