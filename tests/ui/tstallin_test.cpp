#include <QDir>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>

#include "info/tstallin.h"
#include "ui_support.h"

using glosbo::test::Harness;
using glosbo::test::writeFile;
namespace info = glosbo::info;

TEST(SettingsDialog, TextsAndStartValues) {
    Harness h;
    h.state->settings.setSwedenPicturesMode(0);
    h.state->settings.setAnswerDisplaySeconds(5);
    h.state->settings.setSoundTranslation(2);
    info::TStallin dialog(*h.state, h.services);
    EXPECT_EQ(h.state->settings.swedenPicturesMode(), 1);
    EXPECT_EQ(dialog.OverPanel->caption(), "Inställningar");
    EXPECT_EQ(dialog.DroejLabel->text(), "Antal sekunder som rätt svar visas:");
    EXPECT_EQ(dialog.TidLabel->text(), "5");
    EXPECT_EQ(dialog.ExtraLabel->text(), "(Visningen av rätt svar kan alltid brytas");
    EXPECT_EQ(dialog.Extra2Label->text(), "med tryck på mellanslagstangenten)");
    EXPECT_EQ(dialog.Label1->text(), "Ljuden översatta till engelska:");
    EXPECT_EQ(dialog.Label2->text(), "Ljuden  översatta till tyska:");
    EXPECT_EQ(dialog.EngButton->text(), "Nej");
    EXPECT_EQ(dialog.Tysbutton->text(), "Ja");
    EXPECT_EQ(dialog.SparaButton->text(), "&Spara");
    EXPECT_EQ(dialog.AvbrytButton->text(), "&Avbryt");

    // Everything lies inside the inner panel, and the two frames are a
    // letter unit wide.
    const int m = h.state->screen.letterUnit();
    EXPECT_EQ(dialog.YtterPanel->geometry(),
              QRect(m, m, dialog.width() - 2 * m, dialog.height() - 2 * m));
    EXPECT_EQ(dialog.InnerPanel->geometry(),
              QRect(m, m, dialog.YtterPanel->width() - 2 * m, dialog.YtterPanel->height() - 2 * m));
    for (QWidget* w : dialog.InnerPanel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(dialog.InnerPanel->rect().contains(w->geometry()))
            << w->objectName().toStdString();
}

TEST(SettingsDialog, SecondsStayWithinZeroToNine) {
    Harness h;
    h.state->settings.setAnswerDisplaySeconds(8);
    info::TStallin dialog(*h.state, h.services);
    dialog.SpinUp->click();
    dialog.SpinUp->click();
    EXPECT_EQ(h.state->settings.answerDisplaySeconds(), 9);
    EXPECT_EQ(dialog.TidLabel->text(), "9");
    for (int i = 0; i < 10; ++i)
        dialog.SpinDown->click();
    EXPECT_EQ(h.state->settings.answerDisplaySeconds(), 0);
    EXPECT_EQ(dialog.TidLabel->text(), "0");
}

TEST(SettingsDialog, LanguageButtonsSwitchEachOtherOff) {
    Harness h;
    info::TStallin dialog(*h.state, h.services);
    h.state->FyllEngListan(); // the lists are loaded: no reload is asked for
    struct Step {
        QPushButton* button;
        const char* eng;
        const char* tys;
        int translation;
        bool reload;
    } steps[] = {
        {dialog.EngButton, "Ja", "Nej", 1, false},
        {dialog.Tysbutton, "No", "Ja", 2, true}, // German took over from English
        {dialog.Tysbutton, "No", "Nein", 0, true},
        {dialog.Tysbutton, "No", "Ja", 2, true},
        {dialog.EngButton, "Ja", "Nej", 1, true},
        {dialog.EngButton, "Nej", "Nej", 0, true},
    };
    for (const auto& s : steps) {
        s.button->click();
        EXPECT_EQ(dialog.EngButton->text(), s.eng) << s.button->objectName().toStdString();
        EXPECT_EQ(dialog.Tysbutton->text(), s.tys);
        EXPECT_EQ(h.state->settings.soundTranslation(), s.translation);
        EXPECT_EQ(h.state->sounds.translationReloadRequested(), s.reload);
    }
}

TEST(SettingsDialog, AvbrytKeepsTheChangeAndSparaLoadsTheLists) {
    Harness h;
    writeFile(h.path("DATA/DAT/GLOSENG.DAT"), "hund#dog\r\nkatt#cat\r\n");
    {
        info::TStallin dialog(*h.state, h.services);
        dialog.EngButton->click();
        dialog.AvbrytButton->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(h.state->settings.soundTranslation(), 1);
    EXPECT_TRUE(h.state->sounds.translations().words.empty());

    info::TStallin dialog(*h.state, h.services);
    EXPECT_EQ(dialog.EngButton->text(), "Ja");
    dialog.SparaButton->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(h.state->sounds.translations().words, (std::vector<std::string>{"hund", "katt"}));
}

TEST(SettingsDialog, EscClosesAndOtherKeysDoNothing) {
    Harness h;
    info::TStallin dialog(*h.state, h.services);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_S);
    QTest::keyClick(dialog.EngButton, Qt::Key_9);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(h.state->settings.soundTranslation(), 0);
    QTest::keyClick(dialog.EngButton, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}
