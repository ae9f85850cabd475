#include <gtest/gtest.h>

#include "core/settings.h"
#include "core/sound_state.h"
#include "test_support.h"

using namespace glosbo::core;
using glosbo::test::crlf;

namespace {

struct TranslationRoot {
    TranslationRoot() {
        root.write("DATA/DAT/GLOSENG.DAT", crlf({"penna#pen", "\xE4r#is"}));
        root.write("DATA/DAT/GLOSTYS.DAT", crlf({"penna#Stift"}));
    }
    DataRoots roots() const { return DataRoots{root.path(), "", "", "", ""}; }
    glosbo::test::TempRoot root;
};

} // namespace

// The lists are loaded on first use, again when a reload is asked for, and
// whenever the language asked for is not the one loaded, even without the
// reload flag (English off, German on, "Avbryt" in the settings dialog).
TEST(SoundState, TranslationsFollowTheLanguageAndTheReloadFlag) {
    TranslationRoot r;
    SoundState sounds;
    EXPECT_EQ(sounds.translationOf(r.roots(), 0, "penna"), std::nullopt) << "no language set";
    EXPECT_TRUE(sounds.translations().words.empty()) << "nothing loaded without a language";

    EXPECT_EQ(sounds.translationOf(r.roots(), 1, "penna"), "pen");
    EXPECT_EQ(sounds.translationOf(r.roots(), 1, "\xC4r"), "is") << "found in lower case";
    EXPECT_EQ(sounds.translationOf(r.roots(), 1, "hund"), std::nullopt);
    EXPECT_EQ(sounds.translationOf(r.roots(), 1, ""), std::nullopt);
    EXPECT_FALSE(sounds.translationReloadRequested());

    EXPECT_EQ(sounds.translationOf(r.roots(), 2, "penna"), "Stift");

    // A list changed on disk is read again only when a reload is asked for.
    r.root.write("DATA/DAT/GLOSTYS.DAT", crlf({"penna#Bleistift"}));
    EXPECT_EQ(sounds.translationOf(r.roots(), 2, "penna"), "Stift");
    sounds.requestTranslationReload();
    EXPECT_EQ(sounds.translationOf(r.roots(), 2, "penna"), "Bleistift");
    EXPECT_FALSE(sounds.translationReloadRequested());
}

TEST(SoundState, RootSoundIsForOneRequestOnly) {
    TranslationRoot r;
    r.root.write("LJUD/S411/S411007.WAV", "RIFF");
    r.root.write("LJUD/SVERIGE.WAV", "RIFF");
    SoundState sounds;
    sounds.selectProgram(41100);
    EXPECT_EQ(sounds.directory(), "S411");
    const SoundContext context{{}, 41100, 10, 7};
    EXPECT_EQ(sounds.request(r.roots(), "S411007.WAV", context).path,
              r.root.path() + "/LJUD/S411/S411007.WAV");
    sounds.playFromRoot();
    EXPECT_EQ(sounds.request(r.roots(), "SVERIGE.WAV", context).path,
              r.root.path() + "/LJUD/SVERIGE.WAV");
    EXPECT_FALSE(sounds.fromRoot());
    EXPECT_FALSE(sounds.request(r.roots(), "SVERIGE.WAV", context).path.has_value());
}

TEST(Settings, PredicatesOfTheModes) {
    struct Case {
        int mode;
        bool on;
    };
    for (const Case c : {Case{0, false}, Case{1, true}, Case{2, false}, Case{3, true}}) {
        Settings settings;
        settings.setSoundMode(c.mode);
        settings.setSwedenPicturesMode(c.mode);
        EXPECT_EQ(settings.playsWords(), c.on) << c.mode;
        EXPECT_EQ(settings.showsPictures(), c.on) << c.mode;
    }
}

TEST(Settings, SecondsStayWithinZeroToNineAndResetRestoresTheStart) {
    Settings settings;
    settings.setAnswerDisplaySeconds(12);
    EXPECT_EQ(settings.answerDisplaySeconds(), 9);
    settings.setAnswerDisplaySeconds(-1);
    EXPECT_EQ(settings.answerDisplaySeconds(), 0);
    settings.setSoundTranslation(2);
    settings.setSoundMode(0);
    settings.reset();
    EXPECT_EQ(settings.answerDisplaySeconds(), 3);
    EXPECT_EQ(settings.soundMode(), 1);
    EXPECT_EQ(settings.swedenPicturesMode(), 1);
    EXPECT_EQ(settings.soundTranslation(), 0);
}
