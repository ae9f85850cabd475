#include "core/data_roots.h"

#include <cstdlib>
#include <filesystem>

#include "core/cp1252.h"
#include "core/kiosk.h"

namespace glosbo::core {

EnvLookup processEnvironment() {
    return [](const std::string& name) -> std::optional<std::string> {
        const char* v = std::getenv(name.c_str());
        if (!v) return std::nullopt;
        return std::string(v);
    };
}

namespace {

std::string envOr(const EnvLookup& env, const std::string& name) {
    if (auto v = env(name); v && !v->empty()) return *v;
    const std::string home = env("HOME").value_or("");
    if (name == "XDG_DATA_HOME") return home + "/.local/share";
    if (name == "XDG_CONFIG_HOME") return home + "/.config";
    return {};
}

bool endsWithSlash(std::string_view s) {
    return !s.empty() && (s.back() == '/');
}

// An INI path value made native and absolute; empty stays empty.
std::string nativePath(std::string_view value, const std::string& iniDir, const EnvLookup& env) {
    std::string path = expandPath(value, env);
    for (char& c : path)
        if (c == '\\') c = '/';
    if (path.empty() || path.front() == '/' || iniDir.empty()) return path;
    if (path == ".") return iniDir;
    if (path.rfind("./", 0) == 0) path.erase(0, 2);
    return endsWithSlash(iniDir) ? iniDir + path : iniDir + "/" + path;
}

} // namespace

std::string expandPath(std::string_view value, const EnvLookup& env) {
    std::string out;
    std::size_t i = 0;
    if (!value.empty() && value.front() == '~' && (value.size() == 1 || value[1] == '/')) {
        out = env("HOME").value_or("");
        i = 1;
    }
    while (i < value.size()) {
        if (value.compare(i, 2, "${") == 0) {
            const auto close = value.find('}', i + 2);
            if (close != std::string_view::npos) {
                out += envOr(env, std::string(value.substr(i + 2, close - i - 2)));
                i = close + 1;
                continue;
            }
        }
        out += value[i++];
    }
    return out;
}

std::string cutChars(std::string_view utf8, std::size_t n) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
            if (count == n) return std::string(utf8.substr(0, i));
            ++count;
        }
    }
    return std::string(utf8);
}

DataRoots dataRootsFromIni(const IniFile& ini, const std::string& iniDir, const EnvLookup& env) {
    DataRoots r;
    r.cdPath = nativePath(cutChars(ini.value("Path", "Glos97CDPath"), 80), iniDir, env);
    r.pcPath = nativePath(cutChars(ini.value("Path", "Glos97PCPath"), 80), iniDir, env);
    r.resultsDir = nativePath(ini.value("Path", "GLOS97ScoreDirectory"), iniDir, env);
    if (!r.resultsDir.empty() && !endsWithSlash(r.resultsDir)) r.resultsDir += '/';
    r.diagnosisDir = nativePath(ini.value("Path", "GLOS97DiagnosPath"), iniDir, env);
    if (r.diagnosisDir.empty())
        r.diagnosisDir = r.pcPath + "/RESULTAT";
    else if (endsWithSlash(r.diagnosisDir) && r.diagnosisDir.size() > 1)
        r.diagnosisDir.pop_back();
    // A school may still keep its INI in Windows-1252.
    std::string note = ini.value("Upgraded", "Uppgraderad");
    if (!isValidUtf8(note)) note = cp1252ToUtf8(note);
    r.upgradeNote = cutChars(note, 80);
    return r;
}

std::string findIniFile(const std::optional<std::string>& option, const EnvLookup& env,
                        const std::string& bundledDefault) {
    if (option && !option->empty()) return *option;
    if (auto v = env("GLOSBO_INI"); v && !v->empty()) return *v;
    const std::string user = envOr(env, "XDG_CONFIG_HOME") + "/glosbo/Glos97.Ini";
    std::error_code ec;
    if (std::filesystem::is_regular_file(user, ec)) return user;
    return findSchoolIniFile(env).value_or(bundledDefault);
}

std::string ownDataDirectory(const EnvLookup& env) {
    return envOr(env, "XDG_DATA_HOME") + "/glosbo";
}

void createOwnResultsDirectories(const DataRoots& roots, const EnvLookup& env) {
    namespace fs = std::filesystem;
    const fs::path own = fs::path(ownDataDirectory(env)).lexically_normal();
    // Only relative paths under own/ (no "..") count as the program's own.
    const auto isOwn = [&](const std::string& dir) {
        if (dir.empty()) return false;
        const fs::path relative = fs::path(dir).lexically_normal().lexically_relative(own);
        return !relative.empty() && *relative.begin() != ".." && *relative.begin() != ".";
    };
    for (const std::string& dir : {roots.resultsDir, roots.diagnosisDir}) {
        if (!isOwn(dir)) continue;
        std::error_code ec;
        fs::create_directories(dir, ec);
    }
}

} // namespace glosbo::core
