#include "core/data_fs.h"

#include <filesystem>
#include <vector>

namespace glosbo::core {
namespace fs = std::filesystem;

namespace {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
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
    for (const auto part : components(relative)) {
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
