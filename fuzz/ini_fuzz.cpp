// The INI reader and the data roots made from it, on arbitrary text, with a
// fixed environment.
#include <cstddef>
#include <cstdint>
#include <map>
#include <sstream>
#include <string>

#include "core/cp1252.h"
#include "core/data_roots.h"
#include "core/ini_file.h"
#include "fuzz_check.h"

using namespace glosbo::core;

namespace {

std::optional<std::string> fakeEnv(const std::string& name) {
    static const std::map<std::string, std::string> vars = {
        {"HOME", "/home/elev"}, {"GLOSBO", "/srv/glosbo"}, {"EMPTY", ""}};
    const auto it = vars.find(name);
    if (it == vars.end()) return std::nullopt;
    return it->second;
}

std::size_t utf8Chars(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        n += (c & 0xC0) != 0x80;
    return n;
}

std::string upperAscii(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const IniFile ini = IniFile::parse(text);

    // Names compare without regard to case.
    for (const auto& [section, key] :
         {std::pair{"Path", "Glos97PCPath"}, std::pair{"Path", "GLOS97ScoreDirectory"},
          std::pair{"Upgraded", "Uppgraderad"}}) {
        FUZZ_CHECK(ini.value(section, key) == ini.value(upperAscii(section), upperAscii(key)));
        FUZZ_CHECK(ini.has(section, key) || ini.value(section, key).empty());
    }

    const EnvLookup env = fakeEnv;
    for (const std::string iniDir : {"/etc/glosbo", "", "rel/"}) {
        const DataRoots r = dataRootsFromIni(ini, iniDir, env);
        FUZZ_CHECK(r.resultsDir.empty() || r.resultsDir.back() == '/');
        FUZZ_CHECK(!r.diagnosisDir.empty());
        FUZZ_CHECK(isValidUtf8(r.upgradeNote));
        FUZZ_CHECK(utf8Chars(r.upgradeNote) <= 80);
        for (const std::string* path : {&r.pcPath, &r.cdPath, &r.resultsDir, &r.diagnosisDir})
            FUZZ_CHECK(path->find('\\') == std::string::npos);
    }

    // Path expansion and cutting on the raw text as well.
    const std::string expanded = expandPath(text, env);
    if (text.find("${") == std::string::npos && (text.empty() || text.front() != '~'))
        FUZZ_CHECK(expanded == text);
    for (const std::size_t n : {std::size_t{0}, std::size_t{1}, std::size_t{80}}) {
        const std::string cut = cutChars(text, n);
        FUZZ_CHECK(text.compare(0, cut.size(), cut) == 0);
        FUZZ_CHECK(utf8Chars(cut) <= n);
    }
    return 0;
}
