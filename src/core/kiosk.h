#pragma once

#include <optional>
#include <string>

#include "core/data_roots.h"
#include "core/ini_file.h"

namespace glosbo::core {

// The school's INI: glosbo/Glos97.Ini in the first directory of
// $XDG_CONFIG_DIRS (default /etc/xdg) that has one.
std::optional<std::string> findSchoolIniFile(const EnvLookup& env);

// Whether the program runs in kiosk mode: --kiosk, Kiosk=1 in [Glosbo] of
// the INI read, or Kiosk=1 in the school's INI. The school's setting holds
// for every user, whatever a user's own INI (or --ini) says: a setting that
// locks something down is never undone by a file the user can write.
bool kioskMode(bool option, const IniFile& ini, const EnvLookup& env);

} // namespace glosbo::core
