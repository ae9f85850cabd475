#pragma once

#include <QGuiApplication>
#include <iosfwd>
#include <memory>

namespace glosbo::tool {

// Qt needs a GUI application for fonts (an SVG may hold text, a worksheet is
// measured in the program's font). The tool has no screen to use, so the
// application is made on the offscreen platform, and only when the process
// has none of its own (the tests may). Qt's remarks about drawing and its
// errors go to err, prefixed with the command; its talk about the platform
// does not.
class HeadlessGui {
public:
    HeadlessGui(std::ostream& err, const char* command);
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
