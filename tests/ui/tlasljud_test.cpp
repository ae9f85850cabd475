#include <QTest>
#include <gtest/gtest.h>

#include <set>

#include "app/text_codec.h"
#include "core/sounds.h"
#include "exercises/tlasljud.h"
#include "ui_support.h"

using glosbo::exercises::TLasLjud;
using glosbo::test::Harness;
namespace core = glosbo::core;

namespace {

// Records each sound asked for and the buttons' state while it plays.
class WatchedSounds final : public glosbo::app::SoundService {
public:
    void play(const core::SoundRequest& request) override { record(request, false); }
    void playAndWait(const core::SoundRequest& request) override { record(request, true); }
    void record(const core::SoundRequest& request, bool wait) {
        played.push_back({request, wait});
        if (window)
            buttonsEnabledWhilePlaying.push_back(window->FlerordButton->isEnabled() ||
                                                 window->LyssnaButton->isEnabled() ||
                                                 window->AvbrytButton->isEnabled());
    }
    std::vector<glosbo::test::PlayedSound> played;
    std::vector<bool> buttonsEnabledWhilePlaying;
    TLasLjud* window = nullptr;
};

std::string words(int count, const std::string& headings) {
    std::string text = headings;
    for (int n = 1; n <= count; ++n)
        text += "w" + std::to_string(n) + "\r\n";
    return text;
}

class TlasljudTest : public ::testing::Test {
protected:
    TlasljudTest() {
        std::map<std::string, std::string> files = {
            {"DATA/DAT/SVE54100.DAT",
             words(7, "$L\xE4sgympa\r\n$Ord med tv\xE5 bokst\xE4ver\r\n$\xA7L\xE4s orden.\r\n")},
            {"DATA/DAT/SVE54200.DAT", words(300, "$L\xE4sgympa\r\n")},
            {"DATA/DAT/SVE54300.DAT", words(3, "$Tre ord\r\n")},
        };
        for (int n = 1; n <= 300; ++n)
            files["LJUD/S542/L" + std::to_string(n / 100) + "/" +
                  core::recordSoundName("S542", n)] = "RIFF";
        h.writeDataRoot(files);
    }

    std::unique_ptr<TLasLjud> open(const std::string& file) {
        h.state->selectExercise(file);
        EXPECT_TRUE(h.state->files.Kolla(file));
        auto w = glosbo::exercises::makeExerciseWindow<TLasLjud>({*h.state, services, nullptr});
        sounds.window = w.get();
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        QApplication::setActiveWindow(w.get());
        return w;
    }

    static std::vector<std::string> shown(const TLasLjud& w) {
        std::vector<std::string> result;
        for (auto* panel : w.OrdPanel)
            result.push_back(panel->caption().toStdString());
        return result;
    }

    Harness h;
    WatchedSounds sounds;
    glosbo::app::Services services{h.messages, h.modal, h.measure, h.windows, sounds, h.printer};
};

} // namespace

TEST_F(TlasljudTest, FiveDifferentWordsThenTheNextOfTheSameOrder) {
    auto w = open("SVE54100.DAT");
    const auto first = shown(*w);
    EXPECT_EQ(std::set<std::string>(first.begin(), first.end()).size(), 5u);
    EXPECT_EQ(w->OverskriftLabel2->text(), QString::fromUtf8("Ord med två bokstäver"));
    EXPECT_EQ(w->InstruktionsLabel->text(), QString::fromUtf8("Läs orden."));
    w->FlerordButton->click();
    const auto next = shown(*w);
    // The two words of seven not yet shown come first.
    std::set<std::string> all(first.begin(), first.end());
    all.insert(next[0]);
    all.insert(next[1]);
    EXPECT_EQ(all.size(), 7u);
}

TEST_F(TlasljudTest, ThreeRecordsGiveTheOrderAndItsStartAgain) {
    auto w = open("SVE54300.DAT");
    const auto s = shown(*w);
    EXPECT_EQ(std::set<std::string>(s.begin(), s.begin() + 3).size(), 3u);
    EXPECT_EQ(s[3], s[0]);
    EXPECT_EQ(s[4], s[1]);
}

TEST_F(TlasljudTest, WordsHeardInScreenOrderEachInItsFolder) {
    auto w = open("SVE54200.DAT");
    w->showRecords({7, 45, 103, 12, 300});
    EXPECT_EQ(w->OrdPanel[2]->caption(), "w103");
    w->LyssnaButton->click();
    const char* expected[] = {"LJUD/S542/L0/S542007.WAV", "LJUD/S542/L0/S542045.WAV",
                              "LJUD/S542/L1/S542103.WAV", "LJUD/S542/L0/S542012.WAV",
                              "LJUD/S542/L3/S542300.WAV"};
    ASSERT_EQ(sounds.played.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        ASSERT_TRUE(sounds.played[i].path) << i;
        EXPECT_TRUE(sounds.played[i].path->ends_with(expected[i])) << *sounds.played[i].path;
        EXPECT_TRUE(sounds.played[i].wait);
        EXPECT_FALSE(sounds.buttonsEnabledWhilePlaying[i]) << i;
    }
    EXPECT_TRUE(w->FlerordButton->isEnabled());
    EXPECT_TRUE(w->AvbrytButton->isEnabled());
}

TEST_F(TlasljudTest, MissingSoundIsReportedAndTheNextWordFollows) {
    auto w = open("SVE54200.DAT");
    w->showRecords({7, 450, 8, 9, 10});
    w->LyssnaButton->click();
    EXPECT_EQ(sounds.played.size(), 4u);
    EXPECT_EQ(h.messages.texts.size(), 1u);
}

TEST_F(TlasljudTest, AvbrytHasTheFocusAndEscLeavesTheWindowOpen) {
    auto w = open("SVE54100.DAT");
    EXPECT_EQ(w->focusWidget(), w->AvbrytButton);
    QTest::keyClick(w.get(), Qt::Key_Escape);
    QTest::keyClick(w->AvbrytButton, Qt::Key_Escape);
    EXPECT_TRUE(w->isVisible());
    w->AvbrytButton->click();
    EXPECT_FALSE(w->isVisible());
}

namespace {

// A box that takes the keyboard while it is up and, closing, gives it to
// nobody: as a message box does on a desktop without a window manager.
class KeyboardTakingBoxes final : public glosbo::app::MessageBoxes {
public:
    void information(const std::u8string&) override {
        QWidget box;
        box.show();
        QApplication::setActiveWindow(&box);
        box.hide();
        QApplication::setActiveWindow(nullptr);
        ++shown;
    }
    void warning(const std::u8string& t) override { information(t); }
    void error(const std::u8string& t) override { information(t); }
    bool confirm(const std::u8string&) override { return false; }
    std::optional<std::string> askPassword(const std::u8string&) override { return {}; }
    int shown = 0;
};

} // namespace

// After a missing sound's message the window has the keyboard again, on
// "Höra orden", so that its keys work without a click.
TEST_F(TlasljudTest, KeyboardComesBackAfterAMissingSound) {
    KeyboardTakingBoxes boxes;
    glosbo::app::Services withBoxes{boxes, h.modal, h.measure, h.windows, sounds, h.printer};
    h.state->selectExercise("SVE54200.DAT");
    ASSERT_TRUE(h.state->files.Kolla("SVE54200.DAT"));
    auto w = glosbo::exercises::makeExerciseWindow<TLasLjud>({*h.state, withBoxes, nullptr});
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    QApplication::setActiveWindow(w.get());
    w->showRecords({7, 450, 8, 9, 10});
    w->LyssnaButton->setFocus();
    QTest::keyClick(w->LyssnaButton, Qt::Key_Space);
    EXPECT_EQ(boxes.shown, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == w.get(); }, 2000));
    EXPECT_EQ(QApplication::focusWidget(), w->LyssnaButton);
}
