#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/data_roots.h"

namespace glosbo::core {

// Finds root + relative on disk, matching each path component without regard
// to case when the exact name is not there (data files are named in capitals,
// but a teacher may copy them in lower case); letters compare by their
// Windows-1252 capitals, so å, ä, ö and é match too, and relative may be
// Windows-1252 or UTF-8. relative may use '/' or '\'. A "." or ".." part finds
// nothing, so that a name from a data file stays inside the root. Returns the
// real path of an existing file or directory, or nothing. An empty root is no
// root.
std::optional<std::string> findInRoot(std::string_view root, std::string_view relative);

// True when the path names an existing regular file / directory.
bool fileExists(const std::string& path);
bool directoryExists(const std::string& path);

// Looks for relative under the PC path, then under the CD path.
std::optional<std::string> findDataFile(const DataRoots& roots, std::string_view relative);

// Same, the CD path first.
std::optional<std::string> findDataFileCdFirst(const DataRoots& roots, std::string_view relative);

// The subdirectory of a line file by its extension: ".DAT" -> "/DATA/DAT/",
// ".LOV" -> "/DATA/LOV/", anything else none.
std::string lineFileSubdirectory(std::string_view fileName);

bool hasExtension(std::string_view fileName, std::string_view ext); // case-insensitive

} // namespace glosbo::core
