#include "sound_plan.h"

#include <map>

#include "core/alternatives.h"
#include "core/cp1252.h"
#include "core/data_fs.h"
#include "core/line_file.h"
#include "core/program_number.h"
#include "core/record_fields.h"
#include "core/scramble.h"
#include "core/sounds.h"
#include "core/spoken_word.h"
#include "text_io.h"

namespace glosbo::tool {
namespace {

constexpr int kLastSoundRecord = 999; // the windows name three digits

} // namespace

std::string spokenText(SpokenPart part, std::uint16_t p, const std::string& line) {
    if (part == SpokenPart::None) return {};
    if (part == SpokenPart::WholeLine) {
        const std::string text =
            core::classifyLine(line) == core::LineClass::Scrambled ? core::dekryptrad(line) : line;
        return core::cp1252ToUtf8(core::tidySpoken(text));
    }
    return core::cp1252ToUtf8(core::spokenWord(part, p, core::str_postarray(line)));
}

SoundPlan planWordSounds(const std::string& root) {
    SoundPlan plan;
    const auto list = core::findInRoot(root, "DATA/datfiler.sve");
    if (!list) return plan;
    const auto listData = readFile(*list);
    if (!listData) return plan;

    std::map<std::string, std::size_t> byPath; // upper-cased path -> index in plan.sounds
    for (const Line& entry : splitLines(*listData)) {
        const std::string& name = entry.text;
        if (!core::hasExtension(name, ".DAT")) continue;
        const std::uint16_t p = core::GeProgramtal(name);
        const SpokenPart part = spokenPartOf(p);
        if (part == SpokenPart::None) continue;
        const auto path = core::findInRoot(root, "DATA/DAT/" + name);
        const auto data = path ? readFile(*path) : std::nullopt;
        if (!data) continue; // the file check reports it

        std::vector<std::string> records;
        for (const Line& line : splitLines(*data))
            if (core::isRecord(core::classifyLine(line.text))) records.push_back(line.text);
        const std::string directory = core::GeLjudDirectory(p);
        const bool split = records.size() >= 100 && !core::keepsSoundsTogether(p);
        const int last = std::min<int>(static_cast<int>(records.size()), kLastSoundRecord);
        for (int r = 1; r <= last; ++r) {
            const std::string origin = name + " record " + std::to_string(r);
            std::string text = spokenText(part, p, records[r - 1]);
            if (text.empty()) {
                plan.silent.push_back(origin + ": nothing to say");
                continue;
            }
            std::string relative = "LJUD/" + directory + "/";
            if (split) relative += "L" + std::to_string(r / 100) + "/";
            relative += core::recordSoundName(directory, r);
            const std::string key = core::upperCp1252(relative);
            if (auto it = byPath.find(key); it != byPath.end()) {
                const WordSound& first = plan.sounds[it->second];
                if (first.text != text)
                    plan.clashes.push_back(origin + " says \"" + text + "\" but " + first.origin +
                                           " says \"" + first.text + "\" in the same sound " +
                                           relative + "; the first is kept");
                continue;
            }
            byPath.emplace(key, plan.sounds.size());
            plan.sounds.push_back({relative, std::move(text), origin, p});
        }
    }
    return plan;
}

} // namespace glosbo::tool
