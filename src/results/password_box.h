#pragma once

#include <QLineEdit>
#include <QString>
#include <optional>

namespace glosbo::results {

// Passwords are stored in Windows-1252. A character the code page cannot
// hold would be stored as "?" and then match any other such character, so
// it is taken out of the box as soon as it is typed or pasted. Returns the
// message that says why, or nothing when every character can be kept.
std::optional<QString> keepWindows1252(QLineEdit& box);

} // namespace glosbo::results
