#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>

#include "app/sound_service.h"
#include "ui_support.h"

using glosbo::test::Harness;
using glosbo::test::writeFile;
namespace app = glosbo::app;
namespace core = glosbo::core;

namespace {

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

    // A program whose exercise waits for its words leaves nothing behind:
    // after the reading gym the anthem's page still plays without waiting.
    state.selectExercise("SVE54100.DAT");
    writeFile(h.path("LJUD/S541/S541002.WAV"), silentWav(100));
    app::SpelaUppWavLjud(state, h.services, "S541002.WAV");
    ASSERT_EQ(h.sounds.played.size(), 2u);
    EXPECT_FALSE(h.sounds.played[1].wait);

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
    sounds.playAndWait(core::SoundRequest{h.path("LJUD/ORD.WAV"), {}});
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
    sounds.playAndWait(core::SoundRequest{h.path("LJUD/KORT.WAV"), {}});
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_TRUE(h.messages.texts.empty()) << h.messages.texts.front();

    clock.restart();
    sounds.playAndWait(core::SoundRequest{h.path("LJUD/TRASIG.WAV"), {}});
    EXPECT_LT(clock.elapsed(), 3000);
    ASSERT_EQ(h.messages.texts.size(), 1u); // one box, however often the player complains
    EXPECT_FALSE(h.messages.texts[0].empty());

    // Not waiting: the call returns at once, and an unreadable file is still
    // reported once the player finds out.
    h.messages.texts.clear();
    clock.restart();
    sounds.play(core::SoundRequest{h.path("LJUD/TRASIG.WAV"), {}});
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !h.messages.texts.empty(); }, 3000));
    QTest::qWait(200);
    EXPECT_EQ(h.messages.texts.size(), 1u);
}
