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
#include "text_io.h"

namespace glosbo::tool {
namespace {

constexpr int kLastSoundRecord = 999; // the windows name three digits

bool inRange(std::uint16_t p, std::uint16_t first, std::uint16_t last) {
    return p >= first && p <= last;
}

std::string withoutMarks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != '<' && c != '>') out += c;
    return out;
}

// Spaces at the ends dropped, inner runs of white space made one space.
std::string tidy(std::string_view text) {
    std::string out;
    bool space = false;
    for (char c : text) {
        if (c == ' ' || c == '\t') {
            space = !out.empty();
            continue;
        }
        if (space) out += ' ';
        space = false;
        out += c;
    }
    return out;
}

// The question sentence of the fill-in window: field 1 in the one-sentence
// layout; in the two-sentence layout field 2, or field 1 when field 2 is empty.
const std::string& questionSentence(std::uint16_t p, const core::RecordFields& f) {
    const bool oneSentence = p == 13 || p == 14 || p == 16 || p == 113 || p == 114 || p == 116 ||
                             p == 24300 || inRange(p, 33100, 33300) || p == 42000 ||
                             inRange(p, 43100, 43300);
    if (oneSentence || f.fieldCount < 2 || f[2].empty()) return f[1];
    return f[2];
}

} // namespace

SpokenPart spokenPartOf(std::uint16_t p) {
    switch (p) {
    // Choose the alternative: the alternatives stand in the record.
    case 22200:
    case 22300:
    case 23101:
        return SpokenPart::MarkedText;
    // Choose the alternative among the marked letters of the whole file.
    case 23100:
    case 23200:
    case 23300:
    case 23400:
    case 23500:
    case 23600:
    case 23700:
    case 23800:
    case 23900:
    case 25100:
    case 25200:
    case 25300:
    case 25400:
    case 25600:
    case 25700:
        return SpokenPart::WholeMarkedWord;
    // Click the category.
    case 21100:
    case 21200:
    case 21300:
    case 22100:
    case 25500:
        return SpokenPart::ItemText;
    // Fill in the word: "Knepiga ord" and its diagnosis test and practice.
    case 24300:
    case 11:
    case 111:
        return SpokenPart::GapWords;
    // Dictation.
    case 24100:
    case 24200:
        return SpokenPart::FirstField;
    // Reading gym.
    case 54100:
    case 54200:
        return SpokenPart::WholeLine;
    default:
        return SpokenPart::None;
    }
}

std::string spokenText(SpokenPart part, std::uint16_t p, const std::string& line) {
    if (part == SpokenPart::None) return {};
    if (part == SpokenPart::WholeLine) {
        const std::string text =
            core::classifyLine(line) == core::LineClass::Scrambled ? core::dekryptrad(line) : line;
        return core::cp1252ToUtf8(tidy(text));
    }
    const core::RecordFields f = core::str_postarray(line);
    std::string said;
    switch (part) {
    case SpokenPart::WholeMarkedWord:
        said = core::wordAroundGap(f[1]);
        break;
    case SpokenPart::MarkedText:
        said = core::LetaPrep(f[1])[2];
        break;
    case SpokenPart::ItemText:
        said = withoutMarks(f[1]);
        break;
    case SpokenPart::GapWords: {
        const auto pieces = core::LetaPrep(questionSentence(p, f));
        said = pieces[2];
        if (!pieces[4].empty()) said += (said.empty() ? "" : ", ") + pieces[4];
        break;
    }
    case SpokenPart::FirstField:
        said = f[1];
        break;
    default:
        break;
    }
    return core::cp1252ToUtf8(tidy(said));
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
