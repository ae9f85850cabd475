#include "app/active_window.h"

#include <QApplication>

namespace glosbo::app {

KeepActiveWindow::KeepActiveWindow() : m_window(QApplication::activeWindow()) {}

KeepActiveWindow::~KeepActiveWindow() {
    if (m_window && m_window->isVisible() && QApplication::activeWindow() != m_window)
        m_window->activateWindow();
}

} // namespace glosbo::app
