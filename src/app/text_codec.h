#pragma once

#include <QString>
#include <string>
#include <string_view>

// The one place where the core's texts meet the widgets' text: the
// Windows-1252 bytes of the data files and the UTF-8 interface texts each
// have their own function (see core/text.h).
namespace glosbo::app {

QString fromCp1252(std::string_view bytes);
QString fromUtf8(std::u8string_view text);

// Characters the code page cannot hold become '?'.
std::string toCp1252(const QString& text);

} // namespace glosbo::app
