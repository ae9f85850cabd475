#include "core/kiosk.h"

#include <filesystem>

namespace glosbo::core {

namespace {
bool kioskSet(const IniFile& ini) {
    return ini.value("Glosbo", "Kiosk") == "1";
}
} // namespace

std::optional<std::string> findSchoolIniFile(const EnvLookup& env) {
    std::error_code ec;
    // A school's INI for every user, in the system's configuration
    // directories; relative entries are ignored, as the XDG rules say.
    std::string dirs = env("XDG_CONFIG_DIRS").value_or("");
    if (dirs.empty()) dirs = "/etc/xdg";
    std::size_t start = 0;
    while (start <= dirs.size()) {
        std::size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        const std::string dir = dirs.substr(start, end - start);
        if (!dir.empty() && dir.front() == '/') {
            const std::string school = dir + "/glosbo/Glos97.Ini";
            if (std::filesystem::is_regular_file(school, ec)) return school;
        }
        start = end + 1;
    }
    return std::nullopt;
}

bool kioskMode(bool option, const IniFile& ini, const EnvLookup& env) {
    if (option || kioskSet(ini)) return true;
    const auto school = findSchoolIniFile(env);
    return school && kioskSet(IniFile::load(*school));
}

} // namespace glosbo::core
