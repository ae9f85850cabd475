#include <QTest>
#include <gtest/gtest.h>

#include "app/scaling.h"
#include "app/text_measure.h"
#include "games/tavsloj.h"
#include "games/tfalska.h"
#include "games/tkatten.h"
#include "games/tsynon.h"
#include "results/trekord.h"
#include "ui_support.h"

using glosbo::games::Tavsloj;
using glosbo::games::TFalska;
using glosbo::games::Tkatten;
using glosbo::games::TSynon;
using glosbo::results::TRekord;
using glosbo::test::Harness;

namespace {

struct Screen {
    int width;
    int height;
};

// Every shown control of the window lies inside the window.
void expectInsideTheWindow(const QWidget& window) {
    const QRect bounds = window.rect();
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible() || w->isWindow()) continue;
        const QRect r(w->mapTo(&window, QPoint(0, 0)), w->size());
        EXPECT_TRUE(bounds.contains(r)) << w->objectName().toStdString() << " at " << r.x() << ","
                                        << r.y() << " " << r.width() << "x" << r.height();
    }
}

class GameLayout : public ::testing::TestWithParam<Screen> {
protected:
    template <class W> std::unique_ptr<W> open(const std::string& file) {
        const Screen s = GetParam();
        glosbo::app::measureScreen(h.state->screen, QRect(0, 0, s.width, s.height), fonts);
        h.state->selectExercise(file);
        EXPECT_TRUE(h.state->files.Kolla(file));
        auto w = glosbo::exercises::makeExerciseWindow<W>({*h.state, services, nullptr});
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        EXPECT_EQ(w->size(), QSize(s.width, s.height));
        return w;
    }
    void SetUp() override {
        h.writeDataRoot(
            {{"DATA/DAT/SVE32220.DAT",
              "$Katt\r\nhj\xE4lpsamhet#v\xE4nskapsband#kamratskap#sammanh\xE5llning#En "
              "l\xE5ng f\xF6rklaring som ska f\xE5 plats p\xE5 raden.\r\n"},
             {"DATA/DAT/SVE41100.DAT",
              "$Ordkamp\r\n$Substantiv\r\n$\xA7Hur m\xE5nga av orden \xE4r substantiv?\r\n"
              "sammanh\xE5llning#substantiv\r\nspringa#verb\r\nglad#adjektiv\r\n"},
             {"DATA/DAT/SVE32120.DAT",
              "$Synonym 2\r\n$\xA7Skriv ord som betyder ungef\xE4r samma sak och tryck Enter. "
              "Bara Enter: klar.\r\nkonstig#m\xE4rklig#underlig#egendomlig#besynnerlig#"
              "s\xE4llsam#h\xE4pnadsv\xE4"
              "ckande\r\n"},
             {"DATA/DAT/SVE52000.DAT",
              "<Farmor> Vill du hj\xE4lpa mig baka kanelbullar?\r\n<Nora> Ja, g\xE4rna! Vad "
              "ska vi baka?\r\nett tv\xE5 tre fyra fem sex sju\r\n#\r\n"}});
        h.state->playerCount = 3;
        h.state->playerNames = {"Anna", "Bo", std::string(20, 'W')};
    }
    Harness h;
    glosbo::app::FontTextMeasure fonts;
    glosbo::app::Services services{h.messages, h.modal, fonts, h.windows, h.sounds, h.printer};
};

} // namespace

TEST_P(GameLayout, OddOneOutFitsInPlayAndAtTheEnd) {
    auto w = open<Tkatten>("SVE32220.DAT");
    QTest::keyClick(w.get(), char('0' + w->rightBox() % 4 + 1)); // the comment shows
    expectInsideTheWindow(*w);
    QTest::keyClick(w.get(), Qt::Key_Escape);
    expectInsideTheWindow(*w);
}

TEST_P(GameLayout, DuelFitsAndItsNumbersStandAboveTheTrack) {
    auto w = open<TFalska>("SVE41100.DAT");
    expectInsideTheWindow(*w);
    QTest::keyClicks(w->Edit1, "Ali");
    QTest::keyClick(w->Edit1, Qt::Key_Return);
    QTest::keyClick(w.get(), '0');
    expectInsideTheWindow(*w);
    EXPECT_LE(w->SifferPanel->geometry().bottom(), w->BanaYtterPanel->y());
    EXPECT_GE(w->SpeedButton[0]->height(), w->SpeedButton[0]->fontMetrics().height());
    EXPECT_LE(w->Instruktion2Label->geometry().bottom(), w->SifferPanel->y());
}

// The names on the score track grow with the screen and stop short of the
// first square, a name of twelve wide letters too; the three headline lines
// stand inside the headline box, one below the other.
TEST_P(GameLayout, DuelNamesAndHeadlineFit) {
    const Screen s = GetParam();
    for (const QString& name : {QStringLiteral("Ali"), QStringLiteral("MMMMMMMMMMMM")}) {
        SCOPED_TRACE(name.toStdString());
        auto w = open<TFalska>("SVE41100.DAT");
        QTest::keyClicks(w->Edit1, name);
        QTest::keyClick(w->Edit1, Qt::Key_Return);
        for (QLabel* label : {w->ElevLabel, w->DatornLabel}) {
            const int end = label->x() + label->fontMetrics().horizontalAdvance(label->text());
            EXPECT_LT(end, w->Ruta[0]->x()) << label->objectName().toStdString();
            EXPECT_LE(label->fontMetrics().height(), w->BanaInnerPanel->height() / 2 + 2);
        }
        if (name.size() < 5) {
            EXPECT_GE(w->ElevLabel->font().pixelSize(), s.height / 40);
        }
        const QRect inner = w->OverskriftInnerShape->geometry();
        int previousBottom = inner.top();
        // The file has two heading lines; the third label stays empty.
        EXPECT_TRUE(w->Overs3Label->text().isEmpty());
        for (QLabel* line : {w->Overs1Label, w->Overs2Label}) {
            ASSERT_TRUE(line->isVisible());
            EXPECT_TRUE(inner.contains(line->geometry())) << line->objectName().toStdString();
            EXPECT_LT(line->fontMetrics().horizontalAdvance(line->text()), inner.width());
            EXPECT_GE(line->y() + line->height() / 3, previousBottom);
            previousBottom = line->y() + line->fontMetrics().ascent() / 2;
        }
    }
}

TEST_P(GameLayout, RevealFitsWithTheChoiceAndAStory) {
    auto w = open<Tavsloj>("SVE52000.DAT");
    expectInsideTheWindow(*w);
    w->RadioButton2->setChecked(true);
    w->ListBox2->setCurrentRow(0);
    w->ListBox2Click();
    w->Button1->click(); // every word shown
    expectInsideTheWindow(*w);
    EXPECT_LE(w->StoryPanel->geometry().bottom(), w->GissaPanel->y());
}

TEST_P(GameLayout, WordHuntFitsWithItsListAndAtTheEnd) {
    auto w = open<TSynon>("SVE32120.DAT");
    expectInsideTheWindow(*w);
    QTest::keyClick(w->Edit1, Qt::Key_F3);
    ASSERT_TRUE(w->ListPanel->isVisible());
    expectInsideTheWindow(*w);
    EXPECT_LE(w->Edit1->geometry().right(), w->ListPanel->x());
    EXPECT_LE(w->Edit1->geometry().bottom(), w->SeListanPanel2->y());
    for (QLabel* caption : {w->KvarLabel1, w->UppgiftLabel1, w->PoengLabel1, w->SeListanLabel2})
        EXPECT_GE(caption->width(), caption->sizeHint().width())
            << caption->objectName().toStdString();
    QTest::keyClick(w->ListBox1, Qt::Key_F3);
    while (!w->hunt().over()) {
        QTest::keyClicks(w->Edit1, "underlig");
        QTest::keyClick(w->Edit1, Qt::Key_Return);
        QTest::keyClick(w->Edit1, Qt::Key_Return);
    }
    expectInsideTheWindow(*w);
    w->SparaButton->click();
    expectInsideTheWindow(*w);
}

TEST_P(GameLayout, RecordsTableFitsAndShowsItsColumns) {
    const Screen s = GetParam();
    glosbo::app::measureScreen(h.state->screen, QRect(0, 0, s.width, s.height), fonts);
    h.state->selectExercise("SVE31410.DAT");
    h.state->recordsPath = h.path("RESULTAT/SVE31410.SVR");
    h.state->pendingRecord.name = std::string(20, 'W');
    h.state->pendingRecord.result = 30000;
    TRekord w(*h.state, services);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(w.size(), QSize(s.width, s.height));
    expectInsideTheWindow(w);
    int columns = 0;
    for (int c = 0; c < 4; ++c)
        columns += w.StringGrid1->columnWidth(c);
    EXPECT_LE(columns, w.StringGrid1->viewport()->width());
    EXPECT_GE(w.StringGrid1->columnWidth(3),
              w.StringGrid1->fontMetrics().horizontalAdvance(w.cell(1, 3)));
    EXPECT_GE(w.Button1->width(), w.Button1->sizeHint().width());
    EXPECT_GE(w.Label1->width(), w.Label1->sizeHint().width());
}

INSTANTIATE_TEST_SUITE_P(Screens, GameLayout,
                         ::testing::Values(Screen{800, 600}, Screen{1024, 768}, Screen{1280, 1024},
                                           Screen{1920, 1080}),
                         [](const ::testing::TestParamInfo<Screen>& info) {
                             return std::to_string(info.param.width) + "x" +
                                    std::to_string(info.param.height);
                         });
