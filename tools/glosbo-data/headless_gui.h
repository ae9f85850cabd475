#pragma once

#include <QGuiApplication>
#include <iosfwd>
#include <memory>
#include <string>

namespace glosbo::tool {

// Qt needs a GUI application for fonts (an SVG or a page may hold text). The
// tool has no screen to use, so the application is made on the offscreen
// platform, and only when the process has none of its own (the tests may).
// Qt's remarks on drawing and its errors go to err, headed by the command;
// its talk about the platform does not.
class HeadlessGui {
public:
    HeadlessGui(std::ostream& err, std::string command);
    ~HeadlessGui();
    HeadlessGui(const HeadlessGui&) = delete;
    HeadlessGui& operator=(const HeadlessGui&) = delete;

private:
    QtMessageHandler m_previousHandler = nullptr;
    char m_name[12] = "glosbo-data";
    char m_platformOption[10] = "-platform";
    char m_platform[10] = "offscreen";
    char* m_argv[4] = {m_name, m_platformOption, m_platform, nullptr};
    int m_argc = 3;
    std::unique_ptr<QGuiApplication> m_app;
};

} // namespace glosbo::tool
