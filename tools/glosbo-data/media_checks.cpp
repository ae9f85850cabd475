#include "media_checks.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <set>

#include "core/alternatives.h"
#include "core/categories.h"
#include "core/cp1252.h"
#include "core/data_fs.h"
#include "core/program_number.h"
#include "sound_plan.h"
#include "text_io.h"

namespace glosbo::tool {
namespace {

constexpr int kSwedenPictures = 40;

// The picture-question exercises and their pictures.
struct ExercisePicture {
    std::uint16_t programNumber;
    const char* picture;
};
constexpr ExercisePicture kExercisePictures[] = {{38100, "BILD/KROPPEN.BMP"},
                                                 {38200, "BILD/HUVUDET.BMP"}};

constexpr const char* kPagePictures[] = {"BILD/Glos97.BMP", "BILD/SVEMAP.BMP", "BILD/SV_FLAG.BMP",
                                         "BILD/SVEA.BMP", "BILD/TREKRONA.BMP"};

bool present(const std::string& root, const std::string& relative) {
    const auto path = core::findInRoot(root, relative);
    return path && core::fileExists(*path);
}

std::string shown(const std::string& root, const std::string& relative) {
    return root + "/" + relative;
}

std::vector<std::string> listedFiles(const std::string& root) {
    std::vector<std::string> names;
    const auto list = core::findInRoot(root, "DATA/datfiler.sve");
    const auto data = list ? readFile(*list) : std::nullopt;
    if (!data) return names;
    for (const Line& line : splitLines(*data))
        names.push_back(line.text);
    return names;
}

// The upper-cased paths the voice command could not make.
std::vector<std::string> unspokenSounds(const std::string& root) {
    std::vector<std::string> paths;
    const auto manifest = core::findInRoot(root, "LJUD/.generated");
    const auto data = manifest ? readFile(*manifest) : std::nullopt;
    if (!data) return paths;
    for (const Line& line : splitLines(*data))
        if (line.text.rfind("- - ", 0) == 0)
            paths.push_back(core::upperCp1252(line.text.substr(4)));
    return paths;
}

// The words of a translation list, in UTF-8; nothing when the root has no such list.
std::optional<std::set<std::string>> translatedWords(const std::string& root,
                                                     const std::string& list) {
    const auto path = core::findInRoot(root, list);
    const auto data = path ? readFile(*path) : std::nullopt;
    if (!data) return std::nullopt;
    std::set<std::string> words;
    for (const Line& line : splitLines(*data))
        if (const auto hash = line.text.find('#'); hash != std::string::npos && hash > 0)
            words.insert(core::cp1252ToUtf8(line.text.substr(0, hash)));
    return words;
}

// The exercises that show the translation of the word they say.
bool showsTranslation(std::uint16_t p) {
    return core::showsWordTranslation(p) || core::categoryProgram(p).translated;
}

std::string threeDigits(int n) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%03d", n);
    return buf;
}

} // namespace

std::vector<MediaFinding> checkMedia(const std::string& root) {
    std::vector<MediaFinding> findings;
    const auto missing = [&](const std::string& relative, const std::string& what) {
        if (!present(root, relative))
            findings.push_back({shown(root, relative), "missing " + what});
    };

    if (core::findInRoot(root, "BILD")) {
        for (int n = 1; n <= kSwedenPictures; ++n) {
            missing("BILD/SVE" + threeDigits(n) + ".BMP", "picture of Sweden " + std::to_string(n));
            for (const char size : {'L', 'M', 'S'})
                missing("BILD/SVE" + std::string(1, size) + threeDigits(n) + ".BMP",
                        "start picture " + std::to_string(n) + " in size " + size);
        }
        for (const char* picture : kPagePictures)
            missing(picture, "picture");
        missing("LJUD/SVERIGE.WAV", "national anthem");
    }

    for (const std::string& name : listedFiles(root)) {
        if (!core::hasExtension(name, ".DAT")) continue;
        const std::uint16_t p = core::GeProgramtal(name);
        for (const auto& e : kExercisePictures)
            if (e.programNumber == p) missing(e.picture, "picture of " + name);
    }

    const SoundPlan plan = planWordSounds(root);
    for (const std::string& clash : plan.clashes)
        findings.push_back({root, clash});
    const auto unspoken = unspokenSounds(root);
    for (const WordSound& sound : plan.sounds) {
        if (present(root, sound.path)) continue;
        const bool pending = std::find(unspoken.begin(), unspoken.end(),
                                       core::upperCp1252(sound.path)) != unspoken.end();
        findings.push_back({shown(root, sound.path),
                            pending
                                ? "not spoken: no speech synthesiser when the root was built (" +
                                      sound.origin + ")"
                                : "missing sound of " + sound.origin,
                            !pending});
    }

    // A spoken word that a translation list lacks is shown untranslated: a
    // note, since the lists are optional, naming the word to add.
    struct TranslationList {
        const char* file;
        const char* language;
    };
    for (const TranslationList list : {TranslationList{"DATA/DAT/GLOSENG.DAT", "English"},
                                       TranslationList{"DATA/DAT/GLOSTYS.DAT", "German"}}) {
        const auto words = translatedWords(root, list.file);
        if (!words) continue;
        std::set<std::string> reported;
        for (const WordSound& sound : plan.sounds) {
            if (!showsTranslation(sound.programNumber)) continue;
            const std::string lower =
                core::cp1252ToUtf8(core::lowerCp1252(core::utf8ToCp1252Lossy(sound.text)));
            if (words->count(sound.text) || words->count(lower) || !reported.insert(lower).second)
                continue;
            findings.push_back({shown(root, list.file),
                                std::string("no ") + list.language + " translation of \"" + lower +
                                    "\" (" + sound.origin + ")",
                                false});
        }
    }
    return findings;
}

} // namespace glosbo::tool
