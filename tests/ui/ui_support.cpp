#include "ui_support.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <fstream>

#include "app/scaling.h"

namespace glosbo::test {

int RecordingModalWindows::exec(QDialog& dialog, Placement) {
    const std::string name = dialog.objectName().toStdString();
    opened.push_back(name);
    const auto it = results.find(name);
    return it == results.end() ? int(QDialog::Accepted) : it->second;
}

Harness::Harness(const Setup& setup) : measure(setup.letterWidth) {
    QDir root(dir.path());
    root.mkpath(QStringLiteral("DATA/DAT"));
    std::ofstream(path("DATA/datfiler.sve"), std::ios::binary) << "SVE11111.DAT\r\n";
    std::ofstream(path("DATA/DAT/SVE11111.DAT"), std::ios::binary) << "$Rubrik\r\nhund#dog\r\n";
    if (setup.resultsDirExists) root.mkpath(QStringLiteral("RESULTAT"));
    if (setup.diagnosisDirExists) root.mkpath(QStringLiteral("DIAGNOS"));

    core::DataRoots roots;
    roots.pcPath = dir.path().toStdString();
    roots.resultsDir = setup.emptyResultsDir ? "" : path("RESULTAT/");
    roots.diagnosisDir = path("DIAGNOS");
    state = std::make_unique<core::AppState>(roots, messages,
                                             std::make_unique<core::SeededRandom>(7), nullptr);
    state->startUp();
    const QRect area = setup.screen.isEmpty() ? app::screenArea() : QRect(QPoint(), setup.screen);
    app::measureScreen(state->screen, area, measure);
}

std::string Harness::path(const std::string& relative) const {
    return (dir.path() + "/" + QString::fromStdString(relative)).toStdString();
}

void writeFile(const std::string& path, const std::string& bytes) {
    QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath());
    std::ofstream(path, std::ios::binary) << bytes;
}

void Harness::write(const std::string& relative, const std::string& bytes) const {
    writeFile(path(relative), bytes);
}

void Harness::writeDataRoot(const std::map<std::string, std::string>& files) {
    std::string list;
    for (const auto& [relative, bytes] : files) {
        write(relative, bytes);
        if (relative.rfind("DATA/DAT/SV", 0) == 0 || relative.rfind("DATA/LOV/SV", 0) == 0)
            list += relative.substr(relative.rfind('/') + 1) + "\r\n";
    }
    write("DATA/datfiler.sve", list);
    state->startUp();
}

} // namespace glosbo::test
