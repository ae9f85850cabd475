#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <QTextBrowser>
#include <fstream>
#include <gtest/gtest.h>

#include "app/sound_service.h"
#include "catalogue/window_catalogue.h"
#include "core/rule_pages.h"
#include "info/tregelform.h"
#include "info/tstallin.h"
#include "ui_support.h"

using glosbo::test::Harness;
namespace app = glosbo::app;
namespace core = glosbo::core;
namespace info = glosbo::info;

namespace {

void writeFile(const std::string& path, const std::string& bytes) {
    QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath());
    std::ofstream(path, std::ios::binary) << bytes;
}

// A WAV file of silence: 16-bit mono at 8000 samples a second.
std::string silentWav(int milliseconds) {
    const std::uint32_t data = std::uint32_t(milliseconds) * 8 * 2;
    std::string w;
    const auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            w += char((v >> (8 * i)) & 0xFF);
    };
    const auto u16 = [&](std::uint16_t v) {
        w += char(v & 0xFF);
        w += char(v >> 8);
    };
    w += "RIFF";
    u32(36 + data);
    w += "WAVEfmt ";
    u32(16);
    u16(1);     // PCM
    u16(1);     // mono
    u32(8000);  // samples a second
    u32(16000); // bytes a second
    u16(2);     // bytes a sample
    u16(16);    // bits a sample
    w += "data";
    u32(data);
    w += std::string(data, '\0');
    return w;
}

} // namespace

// --- Sounds -----------------------------------------------------------------

TEST(SoundPlaying, FoundSoundGoesToThePlayerAndAMissingOneIsReported) {
    Harness h;
    writeFile(h.path("LJUD/S411/S411007.WAV"), silentWav(100));
    writeFile(h.path("LJUD/SVERIGE.WAV"), silentWav(100));
    core::AppState& state = *h.state;
    state.selectExercise("SVE41100.DAT");

    app::SpelaUppWavLjud(state, h.services, "S411007.WAV");
    ASSERT_EQ(h.sounds.played.size(), 1u);
    EXPECT_EQ(*h.sounds.played[0].path, h.path("LJUD/S411/S411007.WAV"));
    EXPECT_FALSE(h.sounds.played[0].wait);

    // The programs that speak before going on wait for the sound.
    state.selectExercise("SVE31200.DAT");
    writeFile(h.path("LJUD/S312/S312002.WAV"), silentWav(100));
    app::SpelaUppWavLjud(state, h.services, "S312002.WAV");
    ASSERT_EQ(h.sounds.played.size(), 2u);
    EXPECT_TRUE(h.sounds.played[1].wait);

    state.sounds.playFromRoot();
    app::SpelaUppWavLjud(state, h.services, "SVERIGE.WAV");
    ASSERT_EQ(h.sounds.played.size(), 3u);
    EXPECT_EQ(*h.sounds.played[2].path, h.path("LJUD/SVERIGE.WAV"));
    EXPECT_FALSE(state.sounds.fromRoot());
    EXPECT_TRUE(h.messages.texts.empty());

    state.sounds.playFromRoot();
    app::SpelaUppWavLjud(state, h.services, "saknas.wav");
    EXPECT_EQ(h.sounds.played.size(), 3u);
    ASSERT_EQ(h.messages.texts.size(), 1u);
    EXPECT_EQ(h.messages.texts[0], "Ljudfilen /LJUD/SAKNAS.WAV  finns inte eller är felaktig.");
    EXPECT_FALSE(state.sounds.fromRoot());
}

TEST(SoundPlaying, WithoutAnAudioOutputNothingPlaysOrWaits) {
    if (app::QtSoundService::hasOutputDevice()) GTEST_SKIP() << "this machine has an audio output";
    Harness h;
    writeFile(h.path("LJUD/ORD.WAV"), silentWav(3000));
    app::QtSoundService sounds(h.messages);
    EXPECT_FALSE(sounds.playerCreated());
    QElapsedTimer clock;
    clock.start();
    sounds.play(core::SoundRequest{h.path("LJUD/ORD.WAV"), "", true});
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_FALSE(sounds.playerCreated());
    EXPECT_TRUE(h.messages.texts.empty());
}

// The player itself, made to play even where no audio output is there.
TEST(SoundPlaying, WaitingEndsWithTheSoundOrWithTheError) {
    Harness h;
    writeFile(h.path("LJUD/KORT.WAV"), silentWav(300));
    writeFile(h.path("LJUD/TRASIG.WAV"), "RIFF, but nothing a player can read");
    app::QtSoundService sounds(h.messages, false, {3000, 1000});
    EXPECT_FALSE(sounds.playerCreated()); // nothing is made before the first sound

    QElapsedTimer clock;
    clock.start();
    sounds.play(core::SoundRequest{h.path("LJUD/KORT.WAV"), "", true});
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_TRUE(h.messages.texts.empty()) << h.messages.texts.front();

    clock.restart();
    sounds.play(core::SoundRequest{h.path("LJUD/TRASIG.WAV"), "", true});
    EXPECT_LT(clock.elapsed(), 3000);
    ASSERT_EQ(h.messages.texts.size(), 1u); // one box, however often the player complains
    EXPECT_FALSE(h.messages.texts[0].empty());

    // Not waiting: the call returns at once, and an unreadable file is still
    // reported once the player finds out.
    h.messages.texts.clear();
    clock.restart();
    sounds.play(core::SoundRequest{h.path("LJUD/TRASIG.WAV"), "", false});
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !h.messages.texts.empty(); }, 3000));
    QTest::qWait(200);
    EXPECT_EQ(h.messages.texts.size(), 1u);
}

// --- Settings dialog --------------------------------------------------------

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

// --- Rule pages -------------------------------------------------------------

namespace {

// A state over the harness's data root as PC path and a CD path of its own.
struct TwoRoots {
    TwoRoots() {
        core::DataRoots roots;
        roots.pcPath = h.dir.path().toStdString();
        roots.cdPath = cd.path().toStdString();
        state = std::make_unique<core::AppState>(roots, h.messages, nullptr, nullptr);
        state->startUp();
    }
    std::string pc(const std::string& relative) const { return h.path(relative); }
    std::string cdPath(const std::string& relative) const {
        return (cd.path() + "/" + QString::fromStdString(relative)).toStdString();
    }
    Harness h;
    QTemporaryDir cd;
    std::unique_ptr<core::AppState> state;
};

} // namespace

TEST(RulePage, PageOfTheProgramFromTheCdPathFirst) {
    TwoRoots r;
    writeFile(r.pc("regler/Tema1.htm"), "<html><body><p>Verbets tider</p></body></html>");
    writeFile(r.pc("regler/Genus.htm"), "<html><body><p>PC</p></body></html>");
    writeFile(r.cdPath("REGLER/GENUS.HTM"), "<html><body><p>CD</p></body></html>");

    info::TRegelform tema(*r.state, r.h.services, 46130);
    EXPECT_EQ(tema.shownFile().toStdString(), r.pc("regler/Tema1.htm"));
    EXPECT_TRUE(tema.WebBrowser1->toPlainText().contains("Verbets tider"));

    info::TRegelform genus(*r.state, r.h.services, 44000);
    EXPECT_EQ(genus.shownFile().toStdString(), r.cdPath("REGLER/GENUS.HTM"));
    EXPECT_EQ(genus.WebBrowser1->toPlainText().trimmed(), "CD");
    EXPECT_TRUE(r.h.messages.texts.empty());

    // The page fills the screen within a letter unit, "Tillbaka" below it.
    const int m = r.state->screen.letterUnit();
    EXPECT_EQ(genus.WebBrowser1->pos(), QPoint(m, m));
    EXPECT_EQ(genus.ClosePanel2Knapp->text(), "Tillbaka");
    EXPECT_EQ(genus.ClosePanel2Knapp->y() + genus.ClosePanel2Knapp->height(),
              genus.Panel1->height());
    EXPECT_LE(genus.WebBrowser1->geometry().bottom(), genus.ClosePanel2Knapp->y());
}

TEST(RulePage, MissingPageIsReportedOnceAndTheWindowStays) {
    TwoRoots r;
    info::TRegelform window(*r.state, r.h.services, 46400);
    window.show();
    ASSERT_EQ(r.h.messages.texts.size(), 1u);
    EXPECT_EQ(r.h.messages.texts[0],
              "Filen " + r.pc("regler/Transitiva.htm") + " finns inte eller är felaktig");
    EXPECT_TRUE(window.shownFile().isEmpty());
    EXPECT_TRUE(window.WebBrowser1->toPlainText().isEmpty());
    EXPECT_TRUE(window.isVisible());
    window.ClosePanel2Knapp->click();
    EXPECT_FALSE(window.isVisible());
}

TEST(RulePage, EscClosesWhereverTheFocusIs) {
    TwoRoots r;
    writeFile(r.pc("regler/Genus.htm"), "<html><body><p>en och ett</p></body></html>");
    info::TRegelform window(*r.state, r.h.services, 44000);
    window.show();
    QTest::keyClick(window.WebBrowser1, Qt::Key_Down);
    QTest::keyClick(window.WebBrowser1, Qt::Key_A);
    EXPECT_TRUE(window.isVisible());
    QTest::keyClick(window.WebBrowser1, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

// Another window opens the rule page through the registry with the program
// in the request; the page leaves the current program alone.
TEST(RulePage, OpenedForTheProgramOfTheRequest) {
    Harness h;
    glosbo::catalogue::registerWindows(h.windows);
    h.state->programNumber = 11111;
    const std::optional<int> result =
        h.windows.open("TRegelform", {*h.state, h.services, nullptr, 46300});
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(h.modal.opened, std::vector<std::string>{"TRegelform"});
    EXPECT_EQ(h.state->programNumber, 11111);
    // The harness has no rule pages: the message is that of 46300's page.
    EXPECT_EQ(h.messages.texts,
              std::vector<std::string>{core::findRulePage(h.state->roots(), 46300).missingMessage});
}
