#include <QTest>
#include <gtest/gtest.h>

#include "exercises/tvokalex.h"
#include "ui_support.h"

using glosbo::exercises::TVokalex;
using glosbo::test::Harness;

namespace {

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

// Keys that type these characters, å, ä and ö included.
void type(QWidget& w, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&w, &press);
    }
}

class TvokalexTest : public ::testing::Test {
protected:
    std::unique_ptr<TVokalex> open() {
        auto w = glosbo::exercises::makeExerciseWindow<TVokalex>({*h.state, h.services, nullptr});
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        QApplication::setActiveWindow(w.get());
        w->Timer1->setInterval(1);
        return w;
    }

    // Types the keys of one step and waits for the next step.
    static void step(TVokalex& w, const QString& keys) {
        const int before = w.exam().currentStep();
        type(w, keys);
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.exam().currentStep() > before; }, 1000));
    }

    Harness h;
};

} // namespace

TEST_F(TvokalexTest, FlawlessRunGivesTheBestGrade) {
    auto w = open();
    EXPECT_EQ(w->Overs1Label->text(), "Vokalen");
    EXPECT_EQ(w->Overs2Label->text(), "Examen");
    EXPECT_EQ(w->InstruktionsLabel1->text(), utf8("Hur många vokaler finns det i alfabetet?"));
    EXPECT_TRUE(w->SPanel[0]->isVisible());
    EXPECT_FALSE(w->SPanel[1]->isVisible());
    step(*w, "9");
    EXPECT_EQ(w->InstruktionsLabel1->text(), utf8("Räkna upp vokalerna."));
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(w->SPanel[i]->isVisible()) << i;
    step(*w, utf8("aeiouyåäö"));
    step(*w, utf8("EIYÄÖ"));
    step(*w, utf8("aouå"));
    ASSERT_TRUE(w->ResultatPanelen->isVisible());
    ASSERT_TRUE(w->Panel1->isVisible());
    const char* answers[] = {"1", "9", "5", "4", "19"};
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(w->answerLabels[row]->text(), answers[row]) << row;
        EXPECT_EQ(w->idealLabels[row]->text(), answers[row]) << row;
    }
    EXPECT_EQ(w->maxGradeLabel->text(), "10");
    EXPECT_EQ(w->gradeLabel->text(), "10");
    EXPECT_EQ(w->Lovordlabel->text(), utf8("Du är expert."));
    // The whole table fits its panel, the comment on the last line too.
    EXPECT_LE(w->Lovordlabel->geometry().bottom(), w->ResultatPanel2->height());
    EXPECT_GT(w->Lovordlabel->y(), w->gradeLabel->y());
}

TEST_F(TvokalexTest, WrongKeysCountAndShowTheirComment) {
    auto w = open();
    QTest::keyClick(w.get(), Qt::Key_8);
    EXPECT_TRUE(w->KommentarLabel->isVisible());
    EXPECT_EQ(w->KommentarLabel->text(), utf8("Mycket nära. Försök igen!"));
    // Shift and an arrow type nothing and count nothing.
    QTest::keyClick(w.get(), Qt::Key_Shift);
    QTest::keyClick(w.get(), Qt::Key_Left);
    EXPECT_EQ(w->exam().wrongKeys(1), 1);
    step(*w, "9");
    QTest::keyClick(w.get(), Qt::Key_A);
    EXPECT_EQ(w->SPanel[0]->caption(), "A");
    QTest::keyClick(w.get(), Qt::Key_B);
    EXPECT_EQ(w->SPanel[1]->caption(), "");
    EXPECT_EQ(w->exam().wrongKeys(2), 1);
}

// Esc in the middle of a step shows the bar; keys on the bar count for
// nothing, Esc never closes, and "Fortsätta" goes on at the same panel.
TEST_F(TvokalexTest, EscapeAndContinueResumeAtTheSamePanel) {
    auto w = open();
    step(*w, "9");
    type(*w, QStringLiteral("ae"));
    QTest::keyClick(w.get(), Qt::Key_Escape);
    ASSERT_TRUE(w->Panel1->isVisible());
    EXPECT_FALSE(w->SPanel[0]->isEnabled());
    QTest::keyClick(w->Button2, Qt::Key_Escape);
    EXPECT_TRUE(w->isVisible());
    QTest::keyClick(w->Button2, Qt::Key_X);
    EXPECT_EQ(w->exam().wrongKeys(2), 0);
    QTest::keyClick(w->Button2, Qt::Key_Return);
    EXPECT_FALSE(w->Panel1->isVisible());
    EXPECT_EQ(w->exam().wrongKeys(2), 0);
    EXPECT_EQ(w->exam().position(), 3);
    EXPECT_TRUE(w->SPanel[0]->isEnabled());
    QTest::keyClick(w.get(), Qt::Key_I);
    EXPECT_EQ(w->SPanel[2]->caption(), "I");
}

// After the end "Fortsätta" starts the exam again from step 1.
TEST_F(TvokalexTest, ContinueAfterTheEndRestarts) {
    auto w = open();
    step(*w, "79");
    step(*w, utf8("aeiouyåäö"));
    step(*w, utf8("eiyäö"));
    step(*w, utf8("aouå"));
    EXPECT_EQ(w->gradeLabel->text(), "9");
    w->Button2->click();
    EXPECT_FALSE(w->ResultatPanelen->isVisible());
    EXPECT_EQ(w->exam().currentStep(), 1);
    EXPECT_EQ(w->exam().totalWrongKeys(), 0);
    w->Button3->click();
    EXPECT_FALSE(w->isVisible());
}
