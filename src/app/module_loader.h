#pragma once

#include <QString>

class QLibrary;

namespace glosbo::app {

// Loads one of the program's own modules (libglosbo_media.so, ...), which
// carry the parts of Qt that only some pupils need, so that the program
// starts without them. Looked for beside the program, then where it is
// installed (relative to the program), then where the build made it. The
// module stays loaded to the end. Null, with the reason in error, when it
// cannot be loaded.
QLibrary* loadModule(const QString& fileName, const QString& installedFromBin,
                     const QString& builtPath, QString& error);

} // namespace glosbo::app
