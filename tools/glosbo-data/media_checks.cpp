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
#include "core/sounds.h"
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

// The lines of a file of the root; nothing when it is missing or unreadable.
std::optional<std::vector<Line>> rootFileLines(const std::string& root,
                                               const std::string& relative) {
    const auto path = core::findInRoot(root, relative);
    const auto data = path ? readFile(*path) : std::nullopt;
    if (!data) return std::nullopt;
    return splitLines(*data);
}

std::vector<std::string> listedFiles(const std::string& root) {
    std::vector<std::string> names;
    for (const Line& line : rootFileLines(root, "DATA/datfiler.sve").value_or(std::vector<Line>{}))
        names.push_back(line.text);
    return names;
}

// The upper-cased paths the voice command could not make.
std::vector<std::string> unspokenSounds(const std::string& root) {
    std::vector<std::string> paths;
    for (const Line& line : rootFileLines(root, "LJUD/.generated").value_or(std::vector<Line>{}))
        if (line.text.rfind("- - ", 0) == 0)
            paths.push_back(core::upperCp1252(line.text.substr(4)));
    return paths;
}

// A translation list (1 English, 2 German) read as the program reads it;
// nothing when the root has no such list.
std::optional<core::TranslationLists> translationList(const std::string& root,
                                                      const std::string& list, int language) {
    if (!core::findInRoot(root, list)) return std::nullopt;
    core::DataRoots roots;
    roots.pcPath = root;
    core::TranslationLists lists;
    core::FyllEngListan(roots, language, lists);
    return lists;
}

// The exercises that show the translation of the word they say.
bool showsTranslation(std::uint16_t p) {
    return core::choiceProgram(p).translated || core::categoryProgram(p).translated;
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
        int setting;
    };
    for (const TranslationList list : {TranslationList{"DATA/DAT/GLOSENG.DAT", "English", 1},
                                       TranslationList{"DATA/DAT/GLOSTYS.DAT", "German", 2}}) {
        const auto lists = translationList(root, list.file, list.setting);
        if (!lists) continue;
        std::set<std::string> reported;
        for (const WordSound& sound : plan.sounds) {
            if (!showsTranslation(sound.programNumber)) continue;
            const std::string word = core::utf8ToCp1252Lossy(sound.text);
            const std::string lower = core::cp1252ToUtf8(core::lowerCp1252(word));
            if (core::findTranslation(*lists, word) || !reported.insert(lower).second) continue;
            findings.push_back({shown(root, list.file),
                                std::string("no ") + list.language + " translation of \"" + lower +
                                    "\" (" + sound.origin + ")",
                                false});
        }
    }
    return findings;
}

} // namespace glosbo::tool
