#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glosbo::app {

// The command line of the program.
struct ProgramOptions {
    std::optional<std::string> iniFile;        // --ini FILE
    std::optional<std::string> screenshotFile; // --screenshot FILE.png
    std::optional<std::string> exerciseFile;   // --exercise FILE
    std::optional<std::string> windowName;     // --window NAME
    bool quitAfterPaint = false;               // --quit-after-paint
    bool version = false;                      // --version
    bool kiosk = false;                        // --kiosk
    bool help = false;                         // --help, -h
    std::string error;                         // why the command line is wrong, if it is
};

// Reads the arguments after the program name. Options of Qt itself
// (-platform, -style, ...) are left alone for QApplication.
ProgramOptions parseProgramOptions(const std::vector<std::string>& arguments);

std::string usageText();
// The program's name and version, as --version prints it ("glosbo 0.1.0").
std::string versionText();
// The version alone ("0.1.0").
std::string programVersion();
// True for the windows --window opens: the manual, about and Sweden pages.
bool isPageWindow(std::string_view name);

} // namespace glosbo::app
