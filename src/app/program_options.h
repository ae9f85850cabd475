#pragma once

#include <optional>
#include <string>
#include <vector>

namespace glosbo::app {

// The command line of the program.
struct ProgramOptions {
    std::optional<std::string> iniFile;        // --ini FILE
    std::optional<std::string> screenshotFile; // --screenshot FILE.png
    std::optional<std::string> exerciseFile;   // --exercise FILE
    bool quitAfterPaint = false;               // --quit-after-paint
    bool help = false;                         // --help, -h
    std::string error;                         // why the command line is wrong, if it is
};

// Reads the arguments after the program name. Options of Qt itself
// (-platform, -style, ...) are left alone for QApplication.
ProgramOptions parseProgramOptions(const std::vector<std::string>& arguments);

std::string usageText();

} // namespace glosbo::app
