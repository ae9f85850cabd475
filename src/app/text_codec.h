#pragma once

#include <QString>
#include <string>
#include <string_view>

// The one place where the core's Windows-1252 bytes meet the widgets' text.
namespace glosbo::app {

QString fromCp1252(std::string_view bytes);

// Characters the code page cannot hold become '?'.
std::string toCp1252(const QString& text);

} // namespace glosbo::app
