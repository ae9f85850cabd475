#include "core/sounds.h"

#include <cstdio>
#include <fstream>

#include "core/cp1252.h"
#include "core/data_fs.h"
#include "core/line_file.h"
#include "core/text.h"

namespace glosbo::core {

std::string GeLjudDirectory(std::uint16_t p) {
    const std::string digits = std::to_string(p);
    std::string dir = "S" + digits.substr(0, p == 23101 ? 4 : 3);
    if (dir == "S11") dir = "S111";
    return dir;
}

bool keepsSoundsTogether(std::uint16_t p) {
    switch (p) {
    case 22300:
    case 23500:
    case 23800:
    case 23900:
    case 24300:
    case 25600:
        return true;
    default:
        return false;
    }
}

bool waitsForSound(std::uint16_t p) {
    return p == 11500 || p == 11600 || (p >= 31100 && p <= 31400) || p == 54100 || p == 54200;
}

std::string recordSoundName(const std::string& soundDirectory, int recordNumber) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%03d", recordNumber);
    return soundDirectory + buf + ".WAV";
}

std::string wordSoundName(const std::string& word) {
    return word.substr(0, 8) + ".WAV";
}

SoundRequest SpelaUppWavLjud(const DataRoots& roots, const std::string& fileName, bool rootSound,
                             const SoundContext& c) {
    SoundRequest request;
    std::string relative = "/LJUD/";
    if (!rootSound && !c.soundDirectory.empty()) {
        relative += c.soundDirectory;
        if (c.recordCount >= 100 && !keepsSoundsTogether(c.programNumber))
            relative += "/L" + std::to_string(c.recordNumber / 100);
        relative += "/";
    }
    // The name comes from a record in Windows-1252; names on disk are UTF-8.
    relative += cp1252ToUtf8(fileName);
    if (auto p = findDataFile(roots, relative); p && fileExists(*p)) {
        request.path = *p;
        return request;
    }
    const std::string shown = cp1252ToUtf8(upperCp1252(utf8ToCp1252Lossy(roots.cdPath + relative)));
    // The two texts differ in their spaces, as they always have.
    request.missingMessage = (rootSound ? u8"Ljudfilen " : u8"Ljudfilen  ") + asUtf8(shown) +
                             u8"  finns inte eller är felaktig.";
    return request;
}

void FyllEngListan(const DataRoots& roots, int soundTranslation, TranslationLists& lists) {
    if (soundTranslation != 1 && soundTranslation != 2) return;
    const auto path = findDataFile(roots, soundTranslation == 1 ? "DATA/DAT/GLOSENG.DAT"
                                                                : "DATA/DAT/GLOSTYS.DAT");
    if (!path) return;
    std::ifstream in(*path, std::ios::binary);
    if (!in) return;
    lists = TranslationLists{};
    std::string line;
    for (int n = 0; n < 3000 && readLine(in, line); ++n) {
        const auto hash = line.find('#');
        // The '#' must stand at position 2..189 (1-based).
        if (hash == std::string::npos || hash < 1 || hash > 188) continue;
        lists.words.push_back(line.substr(0, hash));
        lists.translations.push_back(line.substr(hash + 1));
    }
}

const std::string* findTranslation(const TranslationLists& lists, const std::string& word) {
    const auto find = [&](const std::string& key) -> const std::string* {
        for (std::size_t i = 0; i < lists.words.size() && i < lists.translations.size(); ++i)
            if (lists.words[i] == key) return &lists.translations[i];
        return nullptr;
    };
    if (const std::string* found = find(word)) return found;
    const std::string lower = lowerCp1252(word);
    return lower == word ? nullptr : find(lower);
}

} // namespace glosbo::core
