#include "app/module_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <memory>

namespace glosbo::app {

QLibrary* loadModule(const QString& fileName, const QString& installedFromBin,
                     const QString& builtPath, QString& error) {
    const QDir exeDir(QCoreApplication::applicationDirPath());
    const QString candidates[] = {
        exeDir.filePath(fileName),
        exeDir.filePath(QStringLiteral("../") + installedFromBin),
        builtPath,
    };
    auto library = std::make_unique<QLibrary>();
    library->setLoadHints(QLibrary::PreventUnloadHint);
    error = fileName + QStringLiteral(" not found");
    for (const QString& file : candidates) {
        if (!QFileInfo::exists(file)) continue;
        library->setFileName(file);
        if (library->load()) return library.release();
        error = library->errorString();
    }
    return nullptr;
}

} // namespace glosbo::app
