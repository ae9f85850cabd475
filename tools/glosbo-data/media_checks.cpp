#include "media_checks.h"

#include <algorithm>
#include <cstdio>

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
    return findings;
}

} // namespace glosbo::tool
