// The program: finds its data, starts the core and runs the main window.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <iostream>

#include "app/focus_style.h"
#include "app/message_boxes.h"
#include "app/modal_windows.h"
#include "app/program_options.h"
#include "app/qt_translations.h"
#include "app/services.h"
#include "app/sound_service.h"
#include "app/start_probe.h"
#include "app/text_measure.h"
#include "app/tform1.h"
#include "app/window_registry.h"
#include "catalogue/window_catalogue.h"
#include "core/app_state.h"
#include "core/data_roots.h"
#include "core/ini_file.h"
#include "core/kiosk.h"
#include "menus/menu_dispatch.h"
#include "menus/menu_table.h"

namespace {

// The INI that comes with the program: beside the data root in the build
// tree, or in the installed share directory.
std::string bundledIni() {
    const QDir exeDir(QCoreApplication::applicationDirPath());
    const QString inBuildTree = exeDir.filePath(QStringLiteral("data/Glos97.Ini"));
    if (QFileInfo::exists(inBuildTree)) return inBuildTree.toStdString();
    return QDir::cleanPath(exeDir.filePath(QStringLiteral("../share/glosbo/Glos97.Ini")))
        .toStdString();
}

std::string directoryOf(const std::string& file) {
    return QFileInfo(QString::fromStdString(file)).absolutePath().toStdString();
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace glosbo;

    const app::ProgramOptions options =
        app::parseProgramOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options.error.empty()) {
        std::cerr << "glosbo: " << options.error << "\n\n" << app::usageText();
        return 2;
    }
    if (options.help) {
        std::cout << app::usageText();
        return 0;
    }
    if (options.version) {
        std::cout << app::versionText();
        return 0;
    }
    const menus::MenuEntry* exercise = nullptr;
    if (options.exerciseFile) {
        exercise = menus::findExerciseEntry(*options.exerciseFile);
        // An entry without a data file goes by its window's name.
        if (!exercise) exercise = menus::findWindowEntry(*options.exerciseFile);
        if (!exercise) {
            std::cerr << "glosbo: no menu entry runs the data file " << *options.exerciseFile
                      << "\n";
            return 2;
        }
    }

    // The application comes first because a start-up warning is a message box.
    QApplication application(argc, argv);
    QApplication::setStyle(new app::FocusStyle); // the application takes it
    QApplication::setApplicationName(QStringLiteral("Glosbo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Glosbo"));
    // Qt's own dialogs and menus in Swedish. Loading the catalogue takes
    // about 0.1 ms (a 64 KiB file, mapped), so it is done at the start and
    // every dialog and input menu finds it.
    app::installQtTranslations(application);
    app::StartProbe probe(QString::fromStdString(options.screenshotFile.value_or("")),
                          options.quitAfterPaint);

    app::QtMessageBoxes messages;
    const core::EnvLookup env = core::processEnvironment();
    const std::string defaultIni = bundledIni();
    const std::string iniFile = core::findIniFile(options.iniFile, env, defaultIni);
    const core::IniFile ini = core::IniFile::load(iniFile);
    core::DataRoots roots = core::dataRootsFromIni(ini, directoryOf(iniFile), env);
    // The bundled INI, and the school-wide one the package installs, put the
    // results in the user's own directory, which a new user does not have
    // yet; only directories there are made.
    core::createOwnResultsDirectories(roots, env);
    core::AppState state(std::move(roots), messages, nullptr, nullptr);
    if (!state.startUp()) return 1;
    state.kiosk = core::kioskMode(options.kiosk, ini, env);
    if (probe.finished()) return probe.exitCode();

    app::QtModalWindows modal(state.screen);
    app::FontTextMeasure measure;
    app::WindowRegistry windows;
    catalogue::registerWindows(windows);
    if (options.windowName && !windows.has(*options.windowName)) {
        std::cerr << "glosbo: the window " << *options.windowName
                  << " is not available in this version\n";
        return 2;
    }
    if (exercise) {
        for (const std::string& window : menus::windowsOpenedBy(*exercise)) {
            if (!windows.has(window)) {
                std::cerr << "glosbo: the window " << window << " that runs " << exercise->dataFile
                          << " is not available in this version\n";
                return 2;
            }
        }
    }
    app::QtSoundService sounds(messages);
    app::QtPrintService printer(messages);
    printer.setFileOutputAllowed(!state.kiosk);
    app::QtSpeechService speech(sounds, messages, &app::QtSoundService::hasOutputDevice);
    app::Services services{messages, modal, measure, windows, sounds, printer, speech};

    app::TForm1 form(state, services);
    if (probe.finished()) return probe.exitCode();
    probe.setMainWindow(&form);
    form.showOnScreen();
    if (options.windowName) {
        probe.awaitWindowOverMain();
        QTimer::singleShot(0, &form, [&] {
            windows.openOrSayNotReady(*options.windowName,
                                      app::WindowContext{state, services, &form});
        });
    } else if (exercise) {
        probe.awaitWindowOverMain();
        // Once the event loop runs, as if the pupil had pressed the entry.
        QTimer::singleShot(0, &form, [&] {
            menus::runEntry(*exercise, app::WindowContext{state, services, &form});
        });
    }
    return QApplication::exec();
}
