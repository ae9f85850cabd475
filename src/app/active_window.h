#pragma once

#include <QPointer>
#include <QWidget>

namespace glosbo::app {

// Gives the keyboard back to the window that had it once a modal box or
// window over it closes. A window manager does so itself; without one (a
// classroom session that runs only Glosbo) the keyboard would otherwise go
// nowhere until the pupil clicks.
class KeepActiveWindow {
public:
    KeepActiveWindow();
    ~KeepActiveWindow();
    KeepActiveWindow(const KeepActiveWindow&) = delete;
    KeepActiveWindow& operator=(const KeepActiveWindow&) = delete;

private:
    QPointer<QWidget> m_window;
};

} // namespace glosbo::app
