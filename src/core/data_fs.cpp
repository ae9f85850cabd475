#include "core/data_fs.h"

#include <filesystem>
#include <vector>

#include "core/cp1252.h"

namespace glosbo::core {
namespace fs = std::filesystem;

namespace {

// A name as Windows-1252 capitals. Names come as Windows-1252 bytes (from
// data files) or as UTF-8 (names on disk, and names a caller converted); a
// name that reads as UTF-8 the code page can hold is taken as UTF-8.
std::string nameKey(std::string_view name) {
    if (isValidUtf8(name))
        if (const auto cp1252 = utf8ToCp1252(name)) return upperCp1252(*cp1252);
    return upperCp1252(name);
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return nameKey(a) == nameKey(b);
}

std::vector<std::string_view> components(std::string_view relative) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= relative.size(); ++i) {
        if (i == relative.size() || relative[i] == '/' || relative[i] == '\\') {
            if (i > start) parts.push_back(relative.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

} // namespace

bool fileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool directoryExists(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

std::optional<std::string> findInRoot(std::string_view root, std::string_view relative) {
    if (root.empty()) return std::nullopt;
    fs::path current{std::string(root)};
    std::error_code ec;
    const auto parts = components(relative);
    // Names from data files never climb out of the data root.
    for (const auto part : parts)
        if (part == "." || part == "..") return std::nullopt;
    for (const auto part : parts) {
        fs::path exact = current / std::string(part);
        if (fs::exists(exact, ec)) {
            current = std::move(exact);
            continue;
        }
        bool found = false;
        for (fs::directory_iterator it(current, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (equalsNoCase(name, part)) {
                current = it->path();
                found = true;
                break;
            }
        }
        if (!found) return std::nullopt;
    }
    if (!fs::exists(current, ec)) return std::nullopt;
    return current.string();
}

std::optional<std::string> findDataFile(const DataRoots& roots, std::string_view relative) {
    if (auto p = findInRoot(roots.pcPath, relative)) return p;
    return findInRoot(roots.cdPath, relative);
}

std::optional<std::string> findDataFileCdFirst(const DataRoots& roots, std::string_view relative) {
    if (auto p = findInRoot(roots.cdPath, relative)) return p;
    return findInRoot(roots.pcPath, relative);
}

bool hasExtension(std::string_view fileName, std::string_view ext) {
    return fileName.size() >= ext.size() &&
           equalsNoCase(fileName.substr(fileName.size() - ext.size()), ext);
}

std::string lineFileSubdirectory(std::string_view fileName) {
    if (hasExtension(fileName, ".DAT")) return "/DATA/DAT/";
    if (hasExtension(fileName, ".LOV")) return "/DATA/LOV/";
    return {};
}

} // namespace glosbo::core
