#pragma once

#include <istream>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace glosbo::core {

// A read-only INI file as the Windows profile functions read it: section and
// key names compare without regard to case, the first occurrence wins,
// spaces around names and values are dropped and one pair of enclosing
// double quotes is removed from a value. Lines starting with ';' or '#' are
// comments; lines that are neither a section nor a key are skipped.
class IniFile {
public:
    IniFile() = default;
    static IniFile parse(std::istream& in);
    static IniFile parse(std::string_view text);
    // Reads the file; a missing or unreadable file gives an empty INI.
    static IniFile load(const std::string& path);

    // The value, or the empty default when the section or key is missing.
    std::string value(std::string_view section, std::string_view key) const;
    bool has(std::string_view section, std::string_view key) const;

private:
    std::map<std::string, std::string> m_values; // "section\nkey" in lower case
};

} // namespace glosbo::core
