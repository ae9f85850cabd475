#include "core/ini_file.h"

#include <fstream>
#include <sstream>

namespace glosbo::core {
namespace {

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return out;
}

std::string_view trim(std::string_view s) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && isSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string keyOf(std::string_view section, std::string_view key) {
    return lower(trim(section)) + '\n' + lower(trim(key));
}

} // namespace

IniFile IniFile::parse(std::istream& in) {
    IniFile ini;
    std::string section;
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        std::string_view view = line;
        if (first && view.substr(0, 3) == "\xEF\xBB\xBF") view.remove_prefix(3); // UTF-8 BOM
        first = false;
        view = trim(view);
        if (view.empty() || view.front() == ';' || view.front() == '#') continue;
        if (view.front() == '[') {
            const auto close = view.find(']');
            if (close != std::string_view::npos) section = std::string(view.substr(1, close - 1));
            continue;
        }
        const auto eq = view.find('=');
        if (eq == std::string_view::npos) continue;
        auto value = trim(view.substr(eq + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        ini.m_values.emplace(keyOf(section, view.substr(0, eq)), std::string(value));
    }
    return ini;
}

IniFile IniFile::parse(std::string_view text) {
    std::istringstream in{std::string(text)};
    return parse(in);
}

IniFile IniFile::load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    return parse(in);
}

std::string IniFile::value(std::string_view section, std::string_view key) const {
    const auto it = m_values.find(keyOf(section, key));
    return it == m_values.end() ? std::string() : it->second;
}

bool IniFile::has(std::string_view section, std::string_view key) const {
    return m_values.count(keyOf(section, key)) != 0;
}

} // namespace glosbo::core
