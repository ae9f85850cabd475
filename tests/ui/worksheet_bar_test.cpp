#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

#include "exercises/tflerbar.h"
#include "exercises/tpassakt.h"
#include "exercises/tskriv.h"
#include "exercises/tutskrift.h"
#include "ui_support.h"

using namespace glosbo;
using namespace glosbo::exercises;
using glosbo::test::Harness;

namespace {

const std::string S = "       ";
const std::string kBlank57 = S + std::string(57, '_');

// Exercise files of the three windows whose lines the worksheet takes.
class WorksheetBarTest : public ::testing::Test {
protected:
    WorksheetBarTest() {
        h.writeDataRoot({
            {"DATA/DAT/SVE45000.DAT", "$Plural\r\n$%Skriv ordet i plural\r\nhand#h\xE4nder\r\n"
                                      "bok#b\xF6\x63ker\r\nfot#f\xF6tter\r\n"},
            {"DATA/DAT/SVE39100.DAT", "$E eller \xC4\r\nJag har tre p<e>nnor.\r\n"},
            {"DATA/DAT/SVE31010.DAT",
             "$Lade eller l\xE5g\r\nBoken <l\xE5g> p\xE5 bordet.#lade\r\n"},
            {"DATA/DAT/SVE21200.DAT", "$Hur m\xE5nga vokaler?\r\n$%Skriv antalet vokaler\r\n"
                                      "banan#2#5#1#4#3\r\n"},
            {"DATA/LOV/SVOM9001.LOV", "Alla r\xE4tt!\r\n"},
        });
    }

    std::unique_ptr<TSKRIV> plural() {
        return h.openExercise<TSKRIV>("SVE45000.DAT", core::RunMode::Worksheet);
    }

    const std::vector<std::string>& questions() const { return h.state->worksheets.questions(); }
    const std::vector<std::string>& answers() const { return h.state->worksheets.answers(); }

    Harness h;
};

std::vector<std::string> texts(const std::vector<core::Page>& pages) {
    std::vector<std::string> all;
    for (const core::Page& page : pages)
        for (const core::PageText& t : page.texts)
            all.push_back(t.text);
    return all;
}

// An accelerator: the button shows itself pressed, then clicks.
void pressAlt(QWidget& window, Qt::Key key) {
    QTest::keyClick(window.focusWidget(), key, Qt::AltModifier);
    QTest::qWait(150);
}

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

} // namespace

// Every component of the bar and of the worksheet window goes by its name,
// once in the exercise window; in worksheet mode no help is offered.
TEST_F(WorksheetBarTest, ComponentsGoByTheirNames) {
    auto w = plural();
    EXPECT_FALSE(w->BitBtn2->isVisible());
    WorksheetBar* b = w->SkrivutHelaPanelen;
    const std::vector<std::pair<const char*, QObject*>> named = {
        {"SkrivutHelaPanelen", b},
        {"SkrivutPanel1", b->SkrivutPanel1},
        {"SkrivutAntalButton", b->SkrivutAntalButton},
        {"ValjaUtButton", b->ValjaUtButton},
        {"VisaUtSkriftListaButton", b->VisaUtSkriftListaButton},
        {"Skrivut1Button", b->Skrivut1Button},
        {"RensaButton", b->RensaButton},
        {"SkrivutAvbryt1Button", b->SkrivutAvbryt1Button},
        {"SkrivutValPanel", b->SkrivutValPanel},
        {"SkrivutNextButton", b->SkrivutNextButton},
        {"SkrivutSkickaButton", b->SkrivutSkickaButton},
        {"VisaUtskriftLista2Button", b->VisaUtskriftLista2Button},
        {"Skrivut2Button", b->Skrivut2Button},
        {"SkrivutAvbryt2Button", b->SkrivutAvbryt2Button},
        {"SkrivutAntalPanel", b->SkrivutAntalPanel},
        {"SkrivutSpinButton", b->SkrivutSpinButton},
        {"SkrivutAntalTextLabel", b->SkrivutAntalTextLabel},
        {"SkrivutAntalLabel", b->SkrivutAntalLabel},
        {"SkrivutKlartButton", b->SkrivutKlartButton},
        {"SkrivutAvbryt4Button", b->SkrivutAvbryt4Button},
        {"SkrivutSvarPanel", b->SkrivutSvarPanel},
        {"SkrivutUtanButton", b->SkrivutUtanButton},
        {"SkrivutMedButton", b->SkrivutMedButton},
        {"SkrivutAvbryt3Button", b->SkrivutAvbryt3Button},
        {"SkrivutListValPanel", b->SkrivutListValPanel},
        {"SeListUtanButton", b->SeListUtanButton},
        {"SelistMedButton", b->SelistMedButton},
        {"SkrivutAvbryt5Button", b->SkrivutAvbryt5Button},
        {"TUtskrift", b->Utskrift},
        {"TitelPanel", b->Utskrift->TitelPanel},
        {"ListBox1", b->Utskrift->ListBox1},
        {"ListBox2", b->Utskrift->ListBox2},
    };
    for (const auto& [name, member] : named) {
        SCOPED_TRACE(name);
        ASSERT_NE(member, nullptr);
        EXPECT_EQ(member->objectName(), QString::fromLatin1(name));
        EXPECT_EQ(w->findChildren<QObject*>(QString::fromLatin1(name)).size(), 1);
    }
}

// The start bar: the list buttons wait for a heading; the count goes from
// 1 within 0 and the record count by the arrows and the Up and Down keys;
// "&Klart" with 0 adds only the heading, with 2 two tasks.
TEST_F(WorksheetBarTest, CountBarByKeys) {
    auto w = plural();
    WorksheetBar* bar = w->SkrivutHelaPanelen;
    ASSERT_TRUE(bar);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->shownPanel(), bar->SkrivutPanel1);
    EXPECT_TRUE(bar->SkrivutAntalButton->hasFocus());
    for (QPushButton* b : {bar->VisaUtSkriftListaButton, bar->RensaButton, bar->Skrivut1Button})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_EQ(bar->ValjaUtButton->toolTip(), "Du själv väljer uppgifter");

    pressAlt(*w, Qt::Key_A); // "Välja &antal"
    ASSERT_EQ(bar->shownPanel(), bar->SkrivutAntalPanel);
    EXPECT_EQ(bar->SkrivutAntalLabel->text(), "1");
    QWidget* focused = w->focusWidget();
    ASSERT_TRUE(focused);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(focused, Qt::Key_Down);
    EXPECT_EQ(bar->SkrivutAntalLabel->text(), "0");
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(focused, Qt::Key_Up);
    EXPECT_EQ(bar->SkrivutAntalLabel->text(), "3") << "no more than the file's records";
    bar->SkrivutSpinButton->down->click();
    bar->SkrivutSpinButton->down->click();
    bar->SkrivutSpinButton->down->click();
    EXPECT_EQ(bar->chosenCount(), 0);

    pressAlt(*w, Qt::Key_K); // "&Klart"
    EXPECT_EQ(bar->shownPanel(), bar->SkrivutPanel1);
    EXPECT_EQ(questions(), (std::vector<std::string>{"1.  Plural", "      Skriv ordet i plural:"}));
    for (QPushButton* b : {bar->VisaUtSkriftListaButton, bar->RensaButton, bar->Skrivut1Button})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();

    bar->SkrivutAntalButton->click();
    EXPECT_EQ(bar->SkrivutAntalLabel->text(), "1");
    bar->SkrivutSpinButton->up->click();
    bar->SkrivutKlartButton->click();
    ASSERT_EQ(questions().size(), 6u) << "one heading, two tasks";
    EXPECT_TRUE(questions()[2].starts_with("   1. "));
    EXPECT_EQ(questions()[3], kBlank57);
    EXPECT_TRUE(questions()[4].starts_with("   2. "));
    EXPECT_EQ(h.state->worksheets.headingNumber(), 1);

    pressAlt(*w, Qt::Key_R); // "&Rensa"
    EXPECT_TRUE(h.state->worksheets.empty());
    EXPECT_FALSE(bar->Skrivut1Button->isEnabled());
    bar->ValjaUtButton->click();
    bar->SkrivutSkickaButton->click();
    EXPECT_EQ(questions()[0], "1.  Plural") << "the heading comes again after clearing";
    EXPECT_TRUE(questions()[2].starts_with("   1. "));
}

// Where each "&Avbryt" leads: the print and list bars go back to the bar
// they came from, the others to the start bar.
TEST_F(WorksheetBarTest, EachCancelReturnsWhereItCameFrom) {
    auto w = plural();
    WorksheetBar* bar = w->SkrivutHelaPanelen;
    bar->ValjaUtButton->click();
    bar->SkrivutSkickaButton->click();
    struct Case {
        const char* name;
        QPushButton* from; // on the start bar or the choice bar
        QPushButton* open;
        app::Panel* opened;
        QPushButton* cancel;
        app::Panel* back;
    };
    const std::vector<Case> cases = {
        {"choice", nullptr, bar->ValjaUtButton, bar->SkrivutValPanel, bar->SkrivutAvbryt2Button,
         bar->SkrivutPanel1},
        {"count", nullptr, bar->SkrivutAntalButton, bar->SkrivutAntalPanel,
         bar->SkrivutAvbryt4Button, bar->SkrivutPanel1},
        {"print from start", nullptr, bar->Skrivut1Button, bar->SkrivutSvarPanel,
         bar->SkrivutAvbryt3Button, bar->SkrivutPanel1},
        {"print from choice", bar->ValjaUtButton, bar->Skrivut2Button, bar->SkrivutSvarPanel,
         bar->SkrivutAvbryt3Button, bar->SkrivutValPanel},
        {"list from start", nullptr, bar->VisaUtSkriftListaButton, bar->SkrivutListValPanel,
         bar->SkrivutAvbryt5Button, bar->SkrivutPanel1},
        {"list from choice", bar->ValjaUtButton, bar->VisaUtskriftLista2Button,
         bar->SkrivutListValPanel, bar->SkrivutAvbryt5Button, bar->SkrivutValPanel},
    };
    for (const Case& c : cases) {
        bar->start();
        if (c.from) c.from->click();
        c.open->click();
        EXPECT_EQ(bar->shownPanel(), c.opened) << c.name;
        // Enter presses the focused button; Space would too.
        EXPECT_TRUE(c.opened->isAncestorOf(w->focusWidget())) << c.name;
        c.cancel->click();
        EXPECT_EQ(bar->shownPanel(), c.back) << c.name;
    }
    const std::size_t lines = questions().size();
    bar->SkrivutNextButton->click();
    EXPECT_EQ(questions().size(), lines) << "the next question adds nothing";
}

// The lists in the worksheet window over the exercise, question list or
// key in front; "Till &menyn" (or Esc) hides it and closes the exercise,
// the lists stay and a new opening adds a new heading.
TEST_F(WorksheetBarTest, WorksheetWindowAndLeaving) {
    {
        auto w = plural();
        WorksheetBar* bar = w->SkrivutHelaPanelen;
        bar->ValjaUtButton->click();
        bar->SkrivutSkickaButton->click();
        bar->VisaUtskriftLista2Button->click();
        bar->SeListUtanButton->click();
        TUtskrift* list = bar->Utskrift;
        ASSERT_TRUE(list->isVisible());
        // Above its exercise window only: a dialog comes up over it.
        EXPECT_FALSE(list->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ(list->parentWidget(), w.get());
        EXPECT_FALSE(list->isModal());
        EXPECT_EQ(list->TitelPanel->caption(), "Uppgifter som du valt");
        EXPECT_TRUE(list->ListBox1->isVisible());
        EXPECT_FALSE(list->ListBox2->isVisible());
        ASSERT_EQ(list->ListBox1->count(), 4);
        EXPECT_EQ(list->ListBox1->item(3)->text().toStdString(), kBlank57);
        bar->SelistMedButton->click();
        EXPECT_TRUE(list->ListBox2->isVisible());
        EXPECT_FALSE(list->ListBox1->isVisible());
        // Back at the choice the lists no longer cover the question.
        bar->SkrivutAvbryt5Button->click();
        EXPECT_FALSE(list->isVisible());
        bar->SkrivutSkickaButton->click();
        bar->VisaUtskriftLista2Button->click();
        bar->SelistMedButton->click();
        EXPECT_EQ(list->ListBox2->count(), 6) << "the window follows the lists";
        // Nor do they stand over the printing.
        bar->SkrivutAvbryt5Button->click();
        bar->Skrivut2Button->click();
        EXPECT_FALSE(list->isVisible());
        bar->SkrivutAvbryt3Button->click();

        QSignalSpy finished(w.get(), &QDialog::finished);
        QTest::keyClick(w->focusWidget(), Qt::Key_Escape);
        EXPECT_EQ(finished.count(), 1);
        EXPECT_FALSE(list->isVisible());
        EXPECT_FALSE(h.state->worksheets.headingPending());
    }
    EXPECT_EQ(questions().size(), 6u);
    auto w = plural();
    w->SkrivutHelaPanelen->ValjaUtButton->click();
    w->SkrivutHelaPanelen->SkrivutSkickaButton->click();
    EXPECT_EQ(questions()[6], "2.  Plural");
    EXPECT_TRUE(questions()[8].starts_with("   3. "));
    w->SkrivutHelaPanelen->SkrivutAvbryt2Button->click();
    w->SkrivutHelaPanelen->SkrivutAvbryt1Button->click();
    EXPECT_FALSE(w->isVisible());
}

// Printing lays the chosen list out and hands it to the print service as
// one document; the print buttons are usable again afterwards.
TEST_F(WorksheetBarTest, PrintsTheQuestionsOrTheKey) {
    auto w = plural();
    WorksheetBar* bar = w->SkrivutHelaPanelen;
    bar->SkrivutAntalButton->click();
    bar->SkrivutKlartButton->click();
    bar->Skrivut1Button->click();
    pressAlt(*w, Qt::Key_U); // "Skriv ut &utan svaren"
    pressAlt(*w, Qt::Key_M); // "Skriv ut &med svaren"
    ASSERT_EQ(h.printer.printed.size(), 2u);
    const auto plain = texts(h.printer.printed[0]);
    const auto key = texts(h.printer.printed[1]);
    EXPECT_TRUE(contains(plain, "Arbetsblad fr\xE5n Glosbo."));
    EXPECT_TRUE(contains(plain, kBlank57));
    EXPECT_TRUE(contains(key, "Arbetsblad fr\xE5n Glosbo. Facit."));
    EXPECT_FALSE(contains(key, kBlank57));
    EXPECT_TRUE(bar->SkrivutUtanButton->isEnabled());
    EXPECT_TRUE(bar->SkrivutMedButton->isEnabled());
    EXPECT_EQ(bar->shownPanel(), bar->SkrivutSvarPanel);
}

// The choice and category windows in worksheet mode: their boxes shown but
// disabled, the settings button inert, their lines through the same bar.
TEST_F(WorksheetBarTest, ChoiceAndCategoryWindowsAddTheirLines) {
    {
        auto w = h.openExercise<TFLERBAR>("SVE39100.DAT", core::RunMode::Worksheet);
        EXPECT_TRUE(w->Panel1->isVisible());
        EXPECT_FALSE(w->boxes[0]->isEnabled());
        w->SkrivutHelaPanelen->ValjaUtButton->click();
        w->SkrivutHelaPanelen->SkrivutSkickaButton->click();
        w->SkrivutHelaPanelen->SkrivutAvbryt1Button->click();
    }
    {
        auto w = h.openExercise<TFLERBAR>("SVE31010.DAT", core::RunMode::Worksheet);
        w->SkrivutHelaPanelen->ValjaUtButton->click();
        w->SkrivutHelaPanelen->SkrivutSkickaButton->click();
        w->SkrivutHelaPanelen->SkrivutAvbryt1Button->click();
    }
    {
        auto w = h.openExercise<TPassAkt>("SVE21200.DAT", core::RunMode::Worksheet);
        EXPECT_TRUE(w->Panel1->isVisible());
        EXPECT_FALSE(w->Panel1->isEnabled());
        w->BitBtn1->click();
        EXPECT_TRUE(h.modal.opened.empty()) << "no settings in worksheet mode";
        w->SkrivutHelaPanelen->ValjaUtButton->click();
        w->SkrivutHelaPanelen->SkrivutSkickaButton->click();
    }
    EXPECT_EQ(questions(),
              (std::vector<std::string>{
                  "1.  E eller \xC4", "     E ?", "   1. Jag har tre p__nnor.",
                  "2.  Lade eller l\xE5g", "   2. Skriv lade eller l\xE5g i luckan.",
                  S + "Boken ________ p\xE5 bordet.", "3.  Hur m\xE5nga vokaler?",
                  "      Skriv antalet vokaler", "   3. banan", S + std::string(28, '_')}));
    EXPECT_EQ(answers()[2], "   1. Jag har tre p<e>nnor.");
    EXPECT_EQ(answers()[4], "   2. Boken <l\xE5g> p\xE5 bordet.");
    EXPECT_EQ(answers().back(), S + "2");
}
