#include <QDir>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include <map>

#include "app/speech_service.h"
#include "exercises/tdiktam.h"
#include "exercises/tinsetxt.h"
#include "exercises/tskriv.h"
#include "games/tsynon.h"
#include "info/tomtolm.h"
#include "info/tregelform.h"
#include "info/tstallin.h"
#include "recording_speech.h"
#include "ui_support.h"

using glosbo::test::Harness;
using glosbo::test::RecordingSpeechService;
namespace app = glosbo::app;
namespace core = glosbo::core;
namespace exercises = glosbo::exercises;
namespace info = glosbo::info;

namespace {

// The exercises of these tests on a small data root, opened with a speech
// service that records what is read.
class ReadAloudTest : public ::testing::Test {
protected:
    ReadAloudTest() {
        std::map<std::string, std::string> files;
        std::string questions = "$Vilket ord\r\n$\xA7Skriv ordet.\r\n";
        for (int n = 1; n <= 30; ++n)
            questions += "Djur " + std::to_string(n) + ": S M U#mus" + std::to_string(n) + "\r\n";
        files["DATA/DAT/SVE31110.DAT"] = questions;
        // Dictation: words without recordings, and a word with one.
        std::string words = "$Diktamen\r\n$\xA7Skriv ordet.\r\n";
        for (int n = 1; n <= 12; ++n)
            words += "ord" + std::to_string(n) + "##Ett tips.\r\n";
        files["DATA/DAT/SVE24100.DAT"] = words;
        files["DATA/DAT/SVE24200.DAT"] = "$Diktamen\r\nskjorta##Han har en vit ___.\r\n";
        files["LJUD/S242/" + core::recordSoundName("S242", 1)] = "RIFF";
        std::string fable = "$R\xE4ven och korpen\r\n$\xA7L\xE4s.\r\n";
        for (int n = 1; n <= 6; ++n)
            fable += "Fr\xE5ga " + std::to_string(n) + "?#r\xE4tt#fel\r\n";
        files["DATA/DAT/SVE56100.DAT"] = fable;
        files["DATA/LAS/SVE56100.LAS"] = "R\xE4ven och korpen.\r\n\r\nEn korp satt i ett tr\xE4"
                                         "d. Hon hade en ost!\r\n";
        for (int n = 1; n <= 16; ++n)
            files["DATA/LOV/SVOM90" + std::string(n < 10 ? "0" : "") + std::to_string(n) + ".LOV"] =
                "Bra!\r\n";
        h.writeDataRoot(files);
        h.state->settings.setAnswerDisplaySeconds(0);
    }

    template <class W> std::unique_ptr<W> open(const std::string& file) {
        h.state->selectExercise(file);
        EXPECT_TRUE(h.state->files.Kolla(file)) << file;
        h.state->runMode = core::RunMode::Practice;
        auto window = exercises::makeExerciseWindow<W>({*h.state, services, nullptr});
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QApplication::setActiveWindow(window.get());
        return window;
    }

    Harness h;
    RecordingSpeechService speech;
    app::Services services{h.messages, h.modal, h.measure, h.windows, h.sounds, h.printer, speech};
};

} // namespace

TEST_F(ReadAloudTest, F4ReadsTheQuestionAndASecondPressStops) {
    auto w = open<exercises::TSKRIV>("SVE31110.DAT");
    ASSERT_NE(w->LasUppButton, nullptr);
    EXPECT_EQ(w->LasUppButton->accessibleName(), QStringLiteral("Läs upp"));
    EXPECT_TRUE(w->LasUppButton->isVisible());

    QTest::keyClick(w->Edit1, Qt::Key_F4);
    ASSERT_EQ(speech.said.size(), 1u);
    const std::string& said = speech.said[0];
    EXPECT_TRUE(said.starts_with("Skriv ordet. ... Djur ")) << said;
    EXPECT_EQ(said.find("mus"), std::string::npos) << said; // never the key
    EXPECT_FALSE(speech.slowly[0]);
    EXPECT_TRUE(speech.speaking());

    QTest::keyClick(w->Edit1, Qt::Key_F4);
    EXPECT_FALSE(speech.speaking());
    EXPECT_EQ(speech.said.size(), 1u);

    // The button does the same; the slow speed comes from the settings.
    h.state->settings.setSlowSpeech(true);
    w->LasUppButton->click();
    ASSERT_EQ(speech.said.size(), 2u);
    EXPECT_TRUE(speech.slowly[1]);
    EXPECT_TRUE(w->Edit1->hasFocus()); // the button takes no focus
}

TEST_F(ReadAloudTest, ANewQuestionAndEscStopTheSpeech) {
    auto w = open<exercises::TSKRIV>("SVE31110.DAT");
    QTest::keyClick(w->Edit1, Qt::Key_F4);
    ASSERT_TRUE(speech.speaking());
    w->Edit1->setText(QString::fromLatin1(h.state->fields[2].c_str()));
    QTest::keyClick(w->Edit1, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Edit1->isEnabled(); }));
    EXPECT_FALSE(speech.speaking());
    EXPECT_EQ(speech.said.size(), 1u); // not read again unless asked

    QTest::keyClick(w->Edit1, Qt::Key_F4);
    ASSERT_TRUE(speech.speaking());
    QTest::keyClick(w->Edit1, Qt::Key_Escape);
    EXPECT_TRUE(w->buttonBar->isVisible());
    EXPECT_FALSE(speech.speaking());

    // Leaving the window stops it too.
    w->Button2->click();
    QTest::keyClick(w->Edit1, Qt::Key_F4);
    ASSERT_TRUE(speech.speaking());
    static_cast<QDialog*>(w.get())->reject();
    EXPECT_FALSE(speech.speaking());
}

TEST_F(ReadAloudTest, ReadsEachNewQuestionWhenTheSettingsSaySo) {
    h.state->settings.setReadsQuestionsAloud(true);
    auto w = open<exercises::TSKRIV>("SVE31110.DAT");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !speech.said.empty(); }));
    const std::string first = speech.said.back();
    w->Edit1->setText(QString::fromLatin1(h.state->fields[2].c_str()));
    QTest::keyClick(w->Edit1, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return speech.said.size() == 2; }));
    EXPECT_NE(speech.said.back(), first);
    EXPECT_TRUE(speech.said.back().starts_with("Skriv ordet. ... Djur ")) << speech.said.back();
}

TEST_F(ReadAloudTest, DictationSynthesisesAWordWithoutRecordingButPlaysARecording) {
    {
        auto w = open<exercises::TDiktam>("SVE24100.DAT");
        ASSERT_TRUE(QTest::qWaitFor([&] { return !speech.said.empty(); }, 2000));
        EXPECT_EQ(speech.said[0], "ord" + std::to_string(h.state->files.currentRecordNumber));
        EXPECT_TRUE(h.sounds.played.empty());
        // Never the message of a missing sound file.
        EXPECT_TRUE(h.messages.texts.empty()) << h.messages.texts[0];
        static_cast<QDialog*>(w.get())->reject();
    }
    speech.said.clear();
    auto w = open<exercises::TDiktam>("SVE24200.DAT");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !h.sounds.played.empty(); }, 2000));
    EXPECT_TRUE(h.sounds.played[0].path->ends_with(core::recordSoundName("S242", 1)));
    EXPECT_TRUE(speech.said.empty());
}

TEST_F(ReadAloudTest, TheFableIsReadSentenceBySentence) {
    auto w = open<exercises::TInseTxt>("SVE56100.DAT");
    ASSERT_TRUE(w->textShown());
    ASSERT_NE(w->sentenceReader, nullptr);
    QTest::keyClick(w->Memo1, Qt::Key_F4);
    ASSERT_EQ(speech.said, std::vector<std::string>{"Räven och korpen."});
    EXPECT_EQ(w->sentenceReader->current(), 0);
    const auto highlighted = [&] {
        const auto marks = w->Memo1->extraSelections();
        return marks.size() == 1 ? marks[0].cursor.selectedText().toStdString() : std::string();
    };
    EXPECT_EQ(highlighted(), "Räven och korpen.");

    speech.finish(); // said to its end: the next sentence follows
    EXPECT_EQ(speech.said.back(), "En korp satt i ett träd.");
    QTest::keyClick(w->Memo1, Qt::Key_PageDown);
    EXPECT_EQ(speech.said.back(), "Hon hade en ost!");
    EXPECT_EQ(highlighted(), "Hon hade en ost!");
    QTest::keyClick(w->Memo1, Qt::Key_Up);
    EXPECT_EQ(speech.said.back(), "En korp satt i ett träd.");

    // A second press stops; to the questions, F4 reads the question.
    QTest::keyClick(w->Memo1, Qt::Key_F4);
    EXPECT_FALSE(speech.speaking());
    w->SeTextButton->click();
    QTest::keyClick(w->Edit1, Qt::Key_F4);
    EXPECT_NE(speech.said.back().find(" ... Fråga "), std::string::npos) << speech.said.back();
    EXPECT_NE(speech.said.back().find("1, "), std::string::npos) << speech.said.back();
}

TEST_F(ReadAloudTest, GamesAndPagesHaveTheButton) {
    info::TOmTolm about(*h.state, services);
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    auto* button = about.findChild<app::ReadAloudButton*>(QStringLiteral("LasUppButton"));
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isVisible());
    EXPECT_TRUE(about.rect().contains(button->geometry()));
    QTest::keyClick(&about, Qt::Key_F4);
    ASSERT_EQ(speech.said.size(), 1u);
    EXPECT_NE(speech.said[0].find("Glosbo"), std::string::npos) << speech.said[0];
    about.reject();
    EXPECT_FALSE(speech.speaking());

    info::TRegelform rule(*h.state, services, 31110);
    EXPECT_NE(rule.findChild<app::ReadAloudButton*>(QStringLiteral("LasUppButton")), nullptr);
}

TEST_F(ReadAloudTest, SettingsTurnAutomaticReadingAndTheSlowSpeedOnAndOff) {
    info::TStallin settings(*h.state, services);
    EXPECT_EQ(settings.LasUppAutoButton->text(), QStringLiteral("Nej"));
    EXPECT_EQ(settings.TalButton->text(), QStringLiteral("Normal"));
    settings.LasUppAutoButton->click();
    settings.TalButton->click();
    EXPECT_TRUE(h.state->settings.readsQuestionsAloud());
    EXPECT_TRUE(h.state->settings.slowSpeech());
    EXPECT_EQ(settings.LasUppAutoButton->text(), QStringLiteral("Ja"));
    EXPECT_EQ(settings.TalButton->text(), QStringLiteral("Långsam"));
    settings.TalButton->click();
    EXPECT_FALSE(h.state->settings.slowSpeech());
}

// The service itself, with a synthesiser that makes a short tone.
TEST(QtSpeechService, PlaysTheSynthesisedWavAndSaysOnceThatNoSoundCanBePlayed) {
    glosbo::test::RecordingMessageBoxes messages;
    glosbo::test::RecordingSoundService sounds;
    const auto module = [] {
        return +[](const std::string& ssml, bool, std::string& wav, long long& ms, std::string&) {
            wav = "RIFF" + ssml;
            ms = 20;
            return true;
        };
    };
    bool output = false;
    app::QtSpeechService speech(
        sounds, messages, [&] { return output; }, module);
    const core::ReadAloud text{{"Hej"}};
    speech.say(text, false);
    speech.say(text, false);
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_TRUE(sounds.played.empty());
    EXPECT_FALSE(speech.speaking());

    output = true;
    app::QtSpeechService working(
        sounds, messages, [&] { return output; }, module);
    bool ended = false;
    working.say(text, false, [&] { ended = true; });
    ASSERT_EQ(sounds.played.size(), 1u);
    QFile wav(QString::fromStdString(*sounds.played[0].path));
    ASSERT_TRUE(wav.open(QIODevice::ReadOnly));
    EXPECT_EQ(wav.readAll().toStdString(), "RIFF<speak>Hej </speak>");
    EXPECT_TRUE(working.speaking());
    EXPECT_GE(working.firstLatencyMs(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ended; }, 2000));
    EXPECT_FALSE(working.speaking());

    // Stopped, it does not call back, and stops the sound.
    ended = false;
    working.say(text, false, [&] { ended = true; });
    working.stop();
    EXPECT_EQ(sounds.stops, 1);
    QTest::qWait(250);
    EXPECT_FALSE(ended);
    EXPECT_EQ(messages.texts.size(), 1u);
}
