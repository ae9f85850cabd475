#include <QTest>
#include <gtest/gtest.h>

#include "app/text_codec.h"
#include "games/tavsloj.h"
#include "ui_support.h"

using glosbo::games::Tavsloj;
using glosbo::test::Harness;

namespace {

// Two stories: a dialogue with a short first row and a "-" token, and one of
// twelve words without names.
const std::string kStories = "; noter\r\n"
                             "$Avsl\xF6ja\r\n"
                             "<Anna> Hej, katten!\r\n"
                             "<Bo> - Katten sover.\r\n"
                             "#\r\n"
                             "Ett tv\xE5 tre fyra fem sex sju\r\n"
                             "\xE5tta nio tio elva tolv\r\n"
                             "#\r\n";

class TavslojTest : public ::testing::Test {
protected:
    std::unique_ptr<Tavsloj> open(const std::string& stories = kStories) {
        h.writeDataRoot({{"DATA/DAT/SVE52000.DAT", stories}});
        return h.openExercise<Tavsloj>("SVE52000.DAT");
    }
    static void choose(Tavsloj& w, int story, bool guess) {
        (guess ? w.RadioButton2 : w.RadioButton1)->setChecked(true);
        w.ListBox2->setCurrentRow(story - 1);
        w.ListBox2Click();
    }
    static void guess(Tavsloj& w, const QString& word) {
        QTest::keyClicks(w.Edit1, word);
        QTest::keyClick(w.Edit1, Qt::Key_Return);
    }
    static QString stats(const Tavsloj& w) {
        return w.StatVarde[0]->text() + " | " + w.StatVarde[1]->text() + " | " +
               w.StatVarde[2]->text();
    }
    Harness h;
};

} // namespace

TEST_F(TavslojTest, StoryListAndRows) {
    auto w = open();
    ASSERT_EQ(w->ListBox2->count(), 2);
    EXPECT_EQ(w->ListBox2->item(1)->text(), "      2");
    choose(*w, 1, true);
    EXPECT_FALSE(w->ValPanel->isVisible());
    EXPECT_TRUE(w->GissaPanel->isVisible());
    EXPECT_EQ(w->NamnLabel[0]->text(), "Anna");
    EXPECT_TRUE(w->NamnLabel[1]->isVisible());
    EXPECT_FALSE(w->NamnLabel[2]->isVisible());
    EXPECT_EQ(w->Ord[0]->text(), "***,");
    EXPECT_FALSE(w->Ord[2]->isVisible());
    // Row 2 starts at slot 8, level with its name; "-" shows from the start.
    EXPECT_EQ(w->Ord[7]->text(), "-");
    EXPECT_EQ(w->Ord[7]->y(), w->NamnLabel[1]->y());
    EXPECT_GT(w->Ord[8]->x(), w->Ord[7]->x() + w->Ord[7]->width());
    EXPECT_EQ(stats(*w), "0 % | 0 % | 0");
}

TEST_F(TavslojTest, GuessesRevealAndSeeHideKeepsFoundWords) {
    auto w = open();
    choose(*w, 1, true);
    guess(*w, "hej"); // case counts
    EXPECT_EQ(stats(*w), "0 % | 0 % | 1");
    guess(*w, "Katten");
    EXPECT_EQ(w->Ord[8]->text(), "Katten");
    EXPECT_EQ(w->Ord[1]->text(), "******!");
    EXPECT_EQ(stats(*w), "50 % | 25 % | 2");
    guess(*w, "Hej"); // the comma is put back
    EXPECT_EQ(w->Ord[0]->text(), "Hej,");
    EXPECT_EQ(stats(*w), "67 % | 50 % | 3");
    w->Button1->click();
    EXPECT_EQ(w->Button1->text(), "&Göm historien");
    EXPECT_FALSE(w->Edit1->isEnabled());
    EXPECT_EQ(w->Ord[1]->text(), "katten!");
    w->Button1->click();
    EXPECT_EQ(w->Ord[0]->text(), "Hej,");
    EXPECT_EQ(w->Ord[1]->text(), "******!");
    EXPECT_TRUE(w->Edit1->isEnabled());
    guess(*w, "katten");
    guess(*w, "sover");
    // The whole story found: congratulations, then the story list again.
    ASSERT_FALSE(h.messages.texts.empty());
    EXPECT_EQ(h.messages.texts.back(), "Grattis! Du klarade det!");
    EXPECT_TRUE(w->ValPanel->isVisible());
    EXPECT_EQ(stats(*w), "0 % | 0 % | 0");
}

TEST_F(TavslojTest, DropsAndEscape) {
    auto w = open();
    choose(*w, 2, false);
    EXPECT_TRUE(w->ListBox1->isVisible());
    EXPECT_EQ(w->ListBox1->count(), 12);
    EXPECT_EQ(w->ListBox1->item(0)->text(), "elva"); // without regard to case
    w->utruta(QStringLiteral("två"), 2);
    w->utruta(QStringLiteral("Ett"), 1);
    w->utruta(QStringLiteral("tre"), 3);
    w->utruta(QStringLiteral("fyra"), 5);
    EXPECT_EQ(w->Ord[0]->text(), "Ett");
    EXPECT_EQ(w->Ord[4]->text(), "***");
    EXPECT_EQ(stats(*w), "75 % | 25 % | 4");
    EXPECT_EQ(w->ListBox1->count(), 9);
    QTest::keyClick(w->ListBox1, Qt::Key_Escape);
    EXPECT_TRUE(w->ValPanel->isVisible());
    EXPECT_FALSE(w->StoryPanel->isVisible());
    QTest::keyClick(w->ListBox2, Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(TavslojTest, AFileWithoutAStoryClosesTheWindow) {
    h.writeDataRoot({{"DATA/DAT/SVE52000.DAT", "$Avsl\xF6ja\r\n; bara noter\r\n#\r\n"}});
    h.state->selectExercise("SVE52000.DAT");
    ASSERT_TRUE(h.state->files.Kolla("SVE52000.DAT"));
    auto w = glosbo::exercises::makeExerciseWindow<Tavsloj>({*h.state, h.services, nullptr});
    w->show();
    QTest::qWait(10);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(h.messages.texts,
              std::vector<std::string>{"Filen SVE52000.DAT finns inte eller \xC3\xA4r felaktig"});
}
