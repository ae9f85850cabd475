#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ini_file.h"

namespace glosbo::core {

// Reads an environment variable; returns nothing when it is not set.
using EnvLookup = std::function<std::optional<std::string>(const std::string&)>;
EnvLookup processEnvironment();

// The two data roots and the output directories, from the INI file. Paths
// are native (UTF-8, '/'-separated).
struct DataRoots {
    std::string pcPath;       // first data root
    std::string cdPath;       // second data root, used when a file is not under the first
    std::string resultsDir;   // records files; ends with '/' unless empty
    std::string diagnosisDir; // diagnosis files; never ends with '/'
    std::string upgradeNote;  // free text for the about window (UTF-8)
};

// Builds the data roots from the INI's "Path" and "Upgraded" sections.
// On top of the plain values, "${NAME}" and a leading "~" are expanded from
// the environment (XDG_DATA_HOME and XDG_CONFIG_HOME default to their usual
// places under HOME), "\" is read as "/", and a relative path is taken
// relative to iniDir, so that a data root can ship with its own INI.
DataRoots dataRootsFromIni(const IniFile& ini, const std::string& iniDir, const EnvLookup& env);

// Expands "${NAME}" and a leading "~" as described above.
std::string expandPath(std::string_view value, const EnvLookup& env);

// Cuts UTF-8 text to at most n characters.
std::string cutChars(std::string_view utf8, std::size_t n);

// The INI file to read: the --ini option, then $GLOSBO_INI, then
// $XDG_CONFIG_HOME/glosbo/Glos97.Ini, then glosbo/Glos97.Ini in each
// directory of $XDG_CONFIG_DIRS (default /etc/xdg), then the bundled
// default. The first that is given (and, for the files looked for, exists)
// wins.
std::string findIniFile(const std::optional<std::string>& option, const EnvLookup& env,
                        const std::string& bundledDefault);

// The program's own data directory, $XDG_DATA_HOME/glosbo.
std::string ownDataDirectory(const EnvLookup& env);

// Creates the results and diagnosis directories when they are missing and
// lie in the program's own data directory, where the bundled default INI
// puts them, so that a new user starts without a message. A directory
// elsewhere that a school's INI names (a network share) is the school's to
// make. A directory that cannot be made is left to the check that reports
// it.
void createOwnResultsDirectories(const DataRoots& roots, const EnvLookup& env);

} // namespace glosbo::core
