#include "app/program_options.h"

#include <array>
#include <string_view>

namespace glosbo::app {
namespace {

// Qt accepts its options with one or two dashes.
bool isQtOption(std::string_view name) {
    static constexpr std::array<std::string_view, 14> kQt = {
        "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
        "qwindowicon", "qwindowtitle",       "reverse",       "session", "style",
        "stylesheet",  "widgetcount",        "display",       "name"};
    for (auto q : kQt)
        if (name == q) return true;
    return false;
}

} // namespace

ProgramOptions parseProgramOptions(const std::vector<std::string>& arguments) {
    ProgramOptions o;
    for (std::size_t i = 0; i < arguments.size() && o.error.empty(); ++i) {
        const std::string& arg = arguments[i];
        std::string name = arg;
        std::optional<std::string> value;
        if (arg.rfind("--", 0) == 0) {
            if (const auto eq = arg.find('='); eq != std::string::npos) {
                name = arg.substr(0, eq);
                value = arg.substr(eq + 1);
            }
        }
        const auto takeValue = [&]() -> std::optional<std::string> {
            if (value) return value;
            if (i + 1 < arguments.size()) return arguments[++i];
            o.error = name + (name == "--window" ? " needs a window name" : " needs a file name");
            return std::nullopt;
        };
        if (name == "--help" || name == "-h") {
            o.help = true;
        } else if (name == "--ini") {
            o.iniFile = takeValue();
        } else if (name == "--screenshot") {
            o.screenshotFile = takeValue();
        } else if (name == "--exercise") {
            o.exerciseFile = takeValue();
        } else if (name == "--window") {
            o.windowName = takeValue();
            if (o.windowName && !isPageWindow(*o.windowName))
                o.error = "--window opens TManual, TOmTolm, TKarta, TFlagga or TSvHymn, not " +
                          *o.windowName;
        } else if (name == "--kiosk") {
            o.kiosk = true;
        } else if (name == "--version") {
            o.version = true;
        } else if (name == "--quit-after-paint") {
            o.quitAfterPaint = true;
        } else if (name.rfind("--", 0) == 0 && !isQtOption(std::string_view(name).substr(2))) {
            o.error = "unknown option " + name;
        }
        if ((o.iniFile && o.iniFile->empty()) || (o.screenshotFile && o.screenshotFile->empty()) ||
            (o.exerciseFile && o.exerciseFile->empty()))
            o.error = name + " needs a file name";
    }
    return o;
}

std::string usageText() {
    return "Usage: glosbo [options]\n"
           "Swedish-language training for pupils.\n"
           "\n"
           "  --ini FILE             read the data roots from FILE instead of the usual INI\n"
           "  --screenshot FILE.png  save the screen as the pupil first sees it, then quit\n"
           "  --exercise FILE        open the exercise of data file FILE (SVE23100.DAT) over\n"
           "                         the main window, as its menu entry does; an entry\n"
           "                         without a data file by its window (TVokalex); with\n"
           "                         --screenshot the exercise is saved\n"
           "  --kiosk                run full screen for a classroom: Esc, closing the\n"
           "                         window and \"Avsluta\" end the program only after\n"
           "                         the teacher password (also Kiosk=1 in [Glosbo])\n"
           "  --quit-after-paint     quit once the main window has painted and print the\n"
           "                         milliseconds since the program started; a message\n"
           "                         box before it is printed instead, with exit status 3\n"
           "  --window NAME          open the page NAME (TManual, TOmTolm, TKarta, TFlagga\n"
           "                         or TSvHymn) over the main window, as its button\n"
           "                         does; with --screenshot the page is saved\n"
           "  --version              print the program's version and quit\n"
           "  -h, --help             show this text\n"
           "\n"
           "The INI file is looked for in this order: --ini, $GLOSBO_INI,\n"
           "$XDG_CONFIG_HOME/glosbo/Glos97.Ini, glosbo/Glos97.Ini in each directory of\n"
           "$XDG_CONFIG_DIRS (default /etc/xdg), then the one installed with the program.\n"
           "$XDG_DATA_HOME/glosbo/RESULTAT keeps the results with the installed INI.\n"
           "\n"
           "Exit status: 0 normal end, 1 data not found at start, 2 a wrong command\n"
           "line, 3 a message box before the main window (--quit-after-paint,\n"
           "--screenshot).\n";
}

std::string programVersion() {
    return GLOSBO_VERSION;
}

std::string versionText() {
    return "glosbo " + programVersion() + "\n";
}

bool isPageWindow(std::string_view name) {
    for (std::string_view page : {"TManual", "TOmTolm", "TKarta", "TFlagga", "TSvHymn"})
        if (name == page) return true;
    return false;
}

} // namespace glosbo::app
