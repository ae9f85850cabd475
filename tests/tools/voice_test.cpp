#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>

#include "core/cp1252.h"
#include "core/line_file.h"
#include "core/record_fields.h"
#include "core/scramble.h"
#include "core/test_support.h"
#include "sound_plan.h"
#include "tools/tool_runner.h"
#include "voice.h"
#include "wav.h"

using glosbo::core::kryptrad;
using glosbo::test::crlf;
using glosbo::test::Outcome;
using glosbo::test::readBytes;
using glosbo::test::runTool;
using glosbo::test::TempRoot;
using namespace glosbo::tool;
namespace fs = std::filesystem;

namespace {

std::map<std::string, std::string> soundsByPath(const SoundPlan& plan) {
    std::map<std::string, std::string> m;
    for (const auto& s : plan.sounds)
        m[s.path] = s.text;
    return m;
}

std::vector<std::string> numbered(const std::string& word, int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(word + std::to_string(i));
    return lines;
}

MonoSound toneThenSilence(double toneSeconds, double silenceSeconds) {
    MonoSound s;
    const int tone = static_cast<int>(toneSeconds * s.sampleRate);
    const int total = tone + static_cast<int>(silenceSeconds * s.sampleRate);
    for (int i = 0; i < total; ++i)
        s.samples.push_back(i < tone ? static_cast<std::int16_t>(8000 * std::sin(i * 0.1))
                                     : (i % 2 ? 3 : -3));
    return s;
}

} // namespace

// Each window that speaks says its own part of the record.
TEST(SoundPlan, SaysWhatEachExerciseWindowAsksFor) {
    TempRoot root;
    root.write(
        "DATA/datfiler.sve",
        crlf({"SVE23100.DAT", "SVE22200.DAT", "SVE25500.DAT", "SVE24300.DAT", "SVOVN111.DAT",
              "SVE24100.DAT", "SVE54200.DAT", "SVE31010.DAT", "SVE23101.DAT", "SVOM9001.LOV"}));
    const auto dat = [&](const std::string& name, const std::vector<std::string>& lines) {
        root.write("DATA/DAT/" + name, crlf(lines));
    };
    dat("SVE23100.DAT", {"$Rubrik", "; kommentar", kryptrad("Jag skriver med en p<e>nna."),
                         "<\xC4>ngen \xE4r gr\xF6n."});
    dat("SVE22200.DAT", {"Jag <vill> ha glass.#vil"});
    dat("SVE25500.DAT", {"<skj>orta#SJ-ljud#TJ-ljud"});
    dat("SVE24300.DAT", {"Han <ramlade> och <slog> sig.#hj\xE4lp"});
    dat("SVOVN111.DAT", {"Jag <vet>.#Du <vet> inte.", "Bara <en> mening.#"});
    dat("SVE24100.DAT", {"  cykel#x#hj\xE4lp"});
    dat("SVE54200.DAT", {kryptrad("sol")});
    dat("SVE31010.DAT", {"<Stor> bokstav.#stor"});
    dat("SVE23101.DAT", {"Cykeln har tv\xE5 <hjul>.#jul"});

    const SoundPlan plan = planWordSounds(root.path());
    const std::map<std::string, std::string> expected = {
        {"LJUD/S231/S231001.WAV", "penna"},
        {"LJUD/S231/S231002.WAV", "Ängen"},
        {"LJUD/S222/S222001.WAV", "vill"},
        {"LJUD/S255/S255001.WAV", "skjorta"},
        {"LJUD/S243/S243001.WAV", "ramlade, slog"},
        {"LJUD/S111/S111001.WAV", "vet"},
        {"LJUD/S111/S111002.WAV", "en"},
        {"LJUD/S241/S241001.WAV", "cykel"},
        {"LJUD/S542/S542001.WAV", "sol"},
        {"LJUD/S2310/S2310001.WAV", "hjul"},
    };
    EXPECT_EQ(soundsByPath(plan), expected);
    EXPECT_TRUE(plan.clashes.empty());
}

TEST(SoundPlan, PutsLargeFilesInHundredsExceptThePrograms) {
    TempRoot root;
    root.write("DATA/datfiler.sve", crlf({"SVE54100.DAT", "SVE23500.DAT", "SVE21100.DAT"}));
    root.write("DATA/DAT/SVE54100.DAT", crlf(numbered("ord", 120)));
    std::vector<std::string> sj = numbered("<sj>\xF6", 100);
    root.write("DATA/DAT/SVE23500.DAT", crlf(sj));
    root.write("DATA/DAT/SVE21100.DAT", crlf(numbered("a", 99)));

    const auto sounds = soundsByPath(planWordSounds(root.path()));
    EXPECT_EQ(sounds.at("LJUD/S541/L0/S541099.WAV"), "ord99");
    EXPECT_EQ(sounds.at("LJUD/S541/L1/S541100.WAV"), "ord100");
    EXPECT_EQ(sounds.at("LJUD/S541/L1/S541120.WAV"), "ord120");
    EXPECT_EQ(sounds.count("LJUD/S235/S235100.WAV"), 1u); // 23500 keeps its sounds together
    EXPECT_EQ(sounds.count("LJUD/S211/S211099.WAV"), 1u); // 99 records: no hundreds
    EXPECT_EQ(sounds.size(), 120u + 100u + 99u);
}

TEST(SoundPlan, ReportsATestAndItsPracticeSayingDifferentThingsInOneSound) {
    // The test "SVDI11" and its practice "SVOVN111" share the sound directory S111.
    TempRoot root;
    root.write("DATA/datfiler.sve", crlf({"SVDI11.DAT", "SVOVN111.DAT"}));
    root.write("DATA/DAT/SVDI11.DAT", crlf({"A <ett>.#B <tv\xE5>.", "A <tre>.#B <fyra>."}));
    root.write("DATA/DAT/SVOVN111.DAT", crlf({"C <ett>.#D <tv\xE5>.", "C <fem>.#D <sex>."}));

    const SoundPlan plan = planWordSounds(root.path());
    EXPECT_EQ(soundsByPath(plan),
              (std::map<std::string, std::string>{{"LJUD/S111/S111001.WAV", "två"},
                                                  {"LJUD/S111/S111002.WAV", "fyra"}}));
    ASSERT_EQ(plan.clashes.size(), 1u);
    EXPECT_NE(plan.clashes[0].find("SVOVN111.DAT record 2"), std::string::npos);
    EXPECT_NE(plan.clashes[0].find("SVDI11.DAT record 2"), std::string::npos);
}

TEST(Wav, TrimsTheSilenceAfterTheWordButLeavesAShortTail) {
    MonoSound sound = toneThenSilence(0.2, 0.6);
    trimTrailingSilence(sound);
    const double seconds = static_cast<double>(sound.samples.size()) / sound.sampleRate;
    EXPECT_NEAR(seconds, 0.26, 0.011);

    MonoSound silent = toneThenSilence(0.0, 0.3);
    const auto before = silent.samples.size();
    trimTrailingSilence(silent);
    EXPECT_EQ(silent.samples.size(), before);
}

TEST(Wav, ReadsBackWhatItWritesAndRefusesOtherFormats) {
    const MonoSound sound = toneThenSilence(0.01, 0.01);
    const std::string bytes = wavBytes(sound);
    const auto back = parseWav(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->sampleRate, 22050);
    EXPECT_EQ(back->samples, sound.samples);

    std::string stereo = bytes;
    stereo[22] = 2;
    EXPECT_FALSE(parseWav(stereo));
    std::string eightBits = bytes;
    eightBits[34] = 8;
    EXPECT_FALSE(parseWav(eightBits));
    EXPECT_FALSE(parseWav(bytes.substr(0, 30)));
    // A data chunk that claims more than there is: the samples that are there.
    const auto cut = parseWav(bytes.substr(0, bytes.size() - 10));
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->samples.size(), sound.samples.size() - 5);
}

TEST(Overrides, ReplaceAWholeWordWhateverItsCase) {
    std::vector<std::string> problems;
    const auto o =
        parseOverrides("# comment\n\nskjorta [[sx'u:ta]]\n  \xC3\x84ngen  [['ENe-n]]\n", problems);
    ASSERT_TRUE(o) << problems.front();
    EXPECT_EQ(espeakInput(*o, "Skjorta"), "[[sx'u:ta]]");
    EXPECT_EQ(espeakInput(*o, "ängen"), "[['ENe-n]]");
    EXPECT_EQ(espeakInput(*o, "skjortan"), "skjortan");

    EXPECT_FALSE(parseOverrides("skjorta sx'u:ta\n[[x]]\n", problems));
    EXPECT_EQ(problems, (std::vector<std::string>{"1: expected WORD [[phonemes]]",
                                                  "2: expected WORD [[phonemes]]"}));
}

// The voice command with a stand-in synthesiser that writes a fixed sound
// and logs what it was asked to say.
class VoiceCommand : public ::testing::Test {
protected:
    void SetUp() override {
        m_tools.write("sound.wav", wavBytes(toneThenSilence(0.1, 0.5)));
        m_tools.write("say",
                      "#!/bin/sh\n"
                      "while [ $# -gt 0 ]; do\n"
                      "  case \"$1\" in -f) in=\"$2\"; shift;; -w) out=\"$2\"; shift;; esac\n"
                      "  shift\n"
                      "done\n"
                      "cp '" +
                          m_tools.path() +
                          "/sound.wav' \"$out\"\n"
                          // One write, so that jobs running at once do not mix.
                          "printf '%s\\n' \"$(cat \"$in\")\" >> '" +
                          m_tools.path() + "/log'\n");
        fs::permissions(m_tools.path() + "/say", fs::perms::owner_all);
        m_tools.write("log", "");
        m_tools.write("overrides.txt", "skjorta [[sx'u:ta]]\n");
        m_root.write("DATA/datfiler.sve", crlf({"SVE23400.DAT"}));
        writeRecords({"En <sk>jorta.", "En <sj>\xF6.", "En <stj>\xE4rna."});
    }

    void writeRecords(const std::vector<std::string>& lines) {
        m_root.write("DATA/DAT/SVE23400.DAT", crlf(lines));
    }

    Outcome voice(const std::string& synthesiser = "") {
        return runTool({"voice", "--jobs", "2", "--espeak",
                        synthesiser.empty() ? m_tools.path() + "/say" : synthesiser, "--overrides",
                        m_tools.path() + "/overrides.txt", m_root.path()});
    }

    std::string said() const { return readBytes(m_tools.path() + "/log"); }
    std::string sound(int record) const {
        return m_root.path() + "/LJUD/S234/S23400" + std::to_string(record) + ".WAV";
    }

    TempRoot m_tools;
    TempRoot m_root;
};

TEST_F(VoiceCommand, SpeaksEachWordOnceAndThenOnlyWhatChanged) {
    auto r = voice();
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("3 made, 0 up to date"), std::string::npos) << r.out;
    // The override is spoken instead of the word; the order of the log is
    // the order the two parallel jobs finished in.
    std::string log = said();
    for (const char* input : {"[[sx'u:ta]]\n", "sjö\n", "stjärna\n"})
        EXPECT_NE(log.find(input), std::string::npos) << input;
    const auto made = parseWav(readBytes(sound(2)));
    ASSERT_TRUE(made);
    EXPECT_LT(made->samples.size(), static_cast<std::size_t>(0.2 * made->sampleRate));

    r = voice();
    EXPECT_NE(r.out.find("0 made, 3 up to date"), std::string::npos) << r.out;
    EXPECT_EQ(said(), log);

    writeRecords({"En <sk>jorta.", "En <sj>uk.", "En <stj>\xE4rna."});
    r = voice();
    EXPECT_NE(r.out.find("1 made, 2 up to date"), std::string::npos) << r.out;
    EXPECT_EQ(said(), log + "sjuk\n");
}

TEST_F(VoiceCommand, NeverReplacesOrRemovesASoundItDidNotMake) {
    // A teacher's recording under a lower-case name, and one for a record
    // that no longer exists.
    m_root.write("ljud/s234/s234001.wav", "recording 1");
    m_root.write("ljud/s234/s234009.wav", "recording 9");
    auto r = voice();
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("2 made, 0 up to date, 1 recordings kept"), std::string::npos) << r.out;
    EXPECT_EQ(said().find("[[sx'u:ta]]"), std::string::npos);
    EXPECT_EQ(readBytes(m_root.path() + "/ljud/s234/s234001.wav"), "recording 1");

    // A sound it made and a teacher then replaced stays the teacher's, even
    // when its record changes.
    m_root.write("ljud/s234/S234002.WAV", "recording 2");
    writeRecords({"En <sk>jorta.", "En <sj>uk."});
    r = voice();
    EXPECT_EQ(readBytes(m_root.path() + "/ljud/s234/S234002.WAV"), "recording 2");
    EXPECT_EQ(said().find("sjuk"), std::string::npos);
    // Record 3 is gone: its generated sound goes, the recording 9 stays.
    EXPECT_FALSE(fs::exists(m_root.path() + "/ljud/s234/S234003.WAV"));
    EXPECT_EQ(readBytes(m_root.path() + "/ljud/s234/s234009.wav"), "recording 9");
    EXPECT_NE(r.out.find("1 removed"), std::string::npos) << r.out;
}

TEST_F(VoiceCommand, WithoutTheSynthesiserListsTheMissingSoundsAndMakesThemLater) {
    auto r = voice(m_tools.path() + "/no-such-program");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("3 word sounds are missing"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("LJUD/S234/S234003.WAV (SVE23400.DAT record 3: stjärna)"),
              std::string::npos)
        << r.out;
    EXPECT_FALSE(fs::exists(sound(1)));

    // The checker knows those were not spoken for want of a synthesiser.
    auto check = runTool({"check", m_root.path()});
    EXPECT_EQ(check.status, 0) << check.out;
    EXPECT_NE(check.out.find("S234001.WAV: note: not spoken"), std::string::npos) << check.out;

    r = voice();
    EXPECT_NE(r.out.find("3 made"), std::string::npos) << r.out;
    EXPECT_TRUE(fs::exists(sound(1)));

    // A record that changes while the synthesiser is away keeps its old
    // sound until the synthesiser is back.
    writeRecords({"En <sk>jorta.", "En <sj>uk.", "En <stj>\xE4rna."});
    r = voice(m_tools.path() + "/no-such-program");
    EXPECT_NE(r.out.find("0 word sounds are missing and 1 out of date"), std::string::npos)
        << r.out;
    EXPECT_TRUE(fs::exists(sound(2)));
    r = voice();
    EXPECT_NE(r.out.find("1 made, 2 up to date"), std::string::npos) << r.out;
    EXPECT_NE(said().find("sjuk\n"), std::string::npos);
}

TEST_F(VoiceCommand, ReportsASynthesiserThatFails) {
    m_tools.write("fail", "#!/bin/sh\nexit 3\n");
    fs::permissions(m_tools.path() + "/fail", fs::perms::owner_all);
    const auto r = voice(m_tools.path() + "/fail");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("S234001.WAV"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("3 failed"), std::string::npos) << r.out;
}

// The bundled words of the sound exercises, as espeak-ng says them: each must
// hold the sound its exercise trains, or the pupil hears the wrong spelling.
namespace {

bool hasSjSound(const std::string& ph) {
    return ph.find("sx") != std::string::npos || std::regex_search(ph, std::regex("S(?!;)"));
}
bool hasTjSound(const std::string& ph) {
    return ph.find("S;") != std::string::npos;
}
bool has(const std::string& ph, const char* phoneme) {
    return ph.find(phoneme) != std::string::npos;
}

// UTF-8 text in lower case (ASCII letters and Å, Ä, Ö are what occur).
std::string lowerUtf8(std::string text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] >= 'A' && text[i] <= 'Z') text[i] = static_cast<char>(text[i] - 'A' + 'a');
        if (text[i] == '\xC3' && i + 1 < text.size()) {
            const auto b = static_cast<unsigned char>(text[i + 1]);
            if (b >= 0x80 && b <= 0x9E && b != 0x97) text[i + 1] = static_cast<char>(b + 0x20);
        }
    }
    return text;
}

// The vowel after the stress mark is long (espeak-ng's u- is the long u of
// "hus"; the short one is 8).
bool stressedVowelLong(const std::string& ph) {
    const auto stress = ph.find('\'');
    std::size_t i = stress == std::string::npos ? 0 : stress + 1;
    if (ph.compare(i, 2, "u-") == 0) return true;
    for (; i < ph.size(); ++i) {
        if (ph[i] == ':') return true;
        if (std::string_view("bcdfghjklmnpqrstvwxzBDFGHJKLMNPQRSTVXZ;").find(ph[i]) !=
            std::string_view::npos)
            return false;
    }
    return false;
}

// The double-consonant exercises: a double consonant follows a short vowel.
// The second one is about the words that end in a single m or n after a
// short vowel ("rum", "kan"); it offers the doubled spelling as the wrong one.
bool shortVowelSpelt(std::uint16_t p, const std::string& word, const std::string& alternative) {
    if (std::regex_search(word, std::regex("ck|([bdfgjklmnprstv])\\1", std::regex::icase)))
        return true;
    const char last = word.empty() ? ' ' : word.back();
    return p == 22300 && (last == 'm' || last == 'n') && alternative == word + last;
}

// The dictation says whole words: a spelling of a sound that pupils miss
// must be heard as that sound. "ng" before "en" is not the ng-sound
// ("ingenjör").
std::string dictationSoundMissing(const std::string& word, const std::string& ph) {
    const auto spelt = [&](const char* pattern) {
        return std::regex_search(word, std::regex(pattern));
    };
    if (spelt("skj|stj|sj") && !(hasSjSound(ph) && !hasTjSound(ph))) return "sj-sound (sx, S)";
    if (spelt("(^|[^s])[tk]j") && !hasTjSound(ph)) return "tj-sound (S;)";
    if (spelt("ng(?!e[nj])") && !has(ph, "N")) return "ng-sound (N)";
    if (spelt("^(dj|hj|lj)") && (!has(ph, "j") || std::regex_search(ph, std::regex("^'?[dhl]"))))
        return "j-sound (j) without its silent letter";
    return "";
}

// The sound the exercise trains when the phonemes lack it, else empty.
std::string missingSound(std::uint16_t p, const std::string& word, const std::string& marked,
                         const std::string& field2, const std::string& ph) {
    // field2 is the record's second field: the wrong spelling, the category.
    const auto need = [](bool heard, const char* sound) { return heard ? "" : std::string(sound); };
    switch (p) {
    case 24100:
    case 24200:
        return dictationSoundMissing(lowerUtf8(word), ph);
    case 23100:
        return need(has(ph, "E"), "ä-sound (E)");
    case 23200:
        return need(has(ph, "O") || has(ph, "o:"), "å-sound (O, o:)");
    case 23300:
        return need(hasTjSound(ph), "tj-sound (S;)");
    case 23400:
    case 23500:
        return need(hasSjSound(ph) && !hasTjSound(ph), "sj-sound (sx, S)");
    case 23600:
        return need(has(ph, "N"), "ng-sound (N)");
    case 23700:
        return need(has(ph, "j"), "j-sound (j)");
    case 23800:
        return need(has(ph, "ks"), "ks-sound (ks)");
    case 23900:
        return need(std::regex_search(ph, std::regex("s(?!x)")), "s-sound (s)");
    case 22100:
        return need(stressedVowelLong(ph) == (field2 == "L\xC3\xA5ng"),
                    field2 == "Kort" ? "short vowel" : "long vowel");
    case 22200:
    case 22300:
        return need(!shortVowelSpelt(p, lowerUtf8(word), lowerUtf8(field2)) ||
                        !stressedVowelLong(ph),
                    "short vowel");
    case 25500:
        return field2.rfind("SJ", 0) == 0 ? need(hasSjSound(ph) && !hasTjSound(ph), "sj-sound")
                                          : need(hasTjSound(ph), "tj-sound (S;)");
    case 25600:
        if (marked == "u") return need(has(ph, "u-") || has(ph, "8"), "u-sound (u-, 8)");
        if (marked == "y")
            return need(has(ph, "y") || std::regex_search(ph, std::regex("Y(?!:)")), "y-sound");
        return need(has(ph, "Y:") || has(ph, "W"), "ö-sound (Y:, W)");
    default: // the letter pairs B - P, D - T, F - V, G - K and b - d
        return need(marked.size() == 1 && has(ph, marked.c_str()), "the sound of the letter");
    }
}

// The spelling exercises of sounds, the short or long vowel exercise and
// the dictation.
constexpr std::uint16_t kSoundSpelling[] = {22100, 22200, 22300, 23100, 23200, 23300, 23400,
                                            23500, 23600, 23700, 23800, 23900, 24100, 24200,
                                            25100, 25200, 25300, 25400, 25500, 25600, 25700};

// Windows-1252 letters in lower case.
std::string lowerCp1252(std::string text) {
    for (auto& c : text) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
            c = static_cast<char>(b + 0x20);
    }
    return text;
}

} // namespace

TEST(WordSounds, SoundExercisesHearTheSoundTheyTrain) {
    if (std::system("espeak-ng --version > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "espeak-ng is not installed";
    const std::string root = GLOSBO_TEST_DATA_ROOT;
    std::vector<std::string> problems;
    const auto overrides = parseOverrides(readBytes(GLOSBO_TEST_OVERRIDES), problems);
    ASSERT_TRUE(overrides) << problems.front();

    struct Word {
        std::string origin, text, input, marked, field2;
        std::uint16_t program;
    };
    std::vector<Word> words;
    for (const std::uint16_t p : kSoundSpelling) {
        const std::string name = "SVE" + std::to_string(p) + ".DAT";
        const std::string data = readBytes(root + "/DATA/DAT/" + name);
        ASSERT_FALSE(data.empty()) << name << " is missing from " << root;
        std::istringstream lines(data);
        int record = 0;
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            const auto kind = glosbo::core::classifyLine(line);
            if (!glosbo::core::isRecord(kind)) continue;
            ++record;
            const auto f = glosbo::core::str_postarray(line);
            Word w;
            w.origin = name + " record " + std::to_string(record);
            w.text = spokenText(spokenPartOf(p), p, line);
            w.input = espeakInput(*overrides, w.text);
            w.marked = glosbo::core::cp1252ToUtf8(lowerCp1252(glosbo::core::LetaPrep(f[1])[2]));
            w.field2 = glosbo::core::cp1252ToUtf8(f[2]);
            w.program = p;
            words.push_back(w);
        }
    }

    // One clause a line: espeak-ng prints the phonemes of each on a line.
    TempRoot dir;
    std::string input;
    for (const auto& w : words)
        input += w.input + ".\n";
    dir.write("words.txt", input);
    const std::string command = "espeak-ng -v sv -q -x -b 1 -f '" + dir.path() + "/words.txt'";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::vector<std::string> phonemes;
    char buf[512];
    while (std::fgets(buf, sizeof buf, pipe)) {
        std::string line(buf);
        while (!line.empty() && (line.back() == '\n' || line.back() == ' '))
            line.pop_back();
        while (!line.empty() && line.front() == ' ')
            line.erase(0, 1);
        if (!line.empty()) phonemes.push_back(line);
    }
    ASSERT_EQ(pclose(pipe), 0);
    ASSERT_EQ(phonemes.size(), words.size());

    std::string wrong;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const Word& w = words[i];
        const std::string missing =
            missingSound(w.program, w.text, w.marked, w.field2, phonemes[i]);
        if (!missing.empty())
            wrong += w.origin + ": \"" + w.text + "\" is said " + phonemes[i] + ", without the " +
                     missing + "\n";
    }
    EXPECT_EQ(wrong, "") << "Give these words a line in content/LJUD/overrides.txt.";
}
