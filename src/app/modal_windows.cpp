#include "app/modal_windows.h"

#include <QDialog>
#include <QScreen>

#include "app/active_window.h"
#include "app/scaling.h"

namespace glosbo::app {

int QtModalWindows::exec(QDialog& dialog, Placement placement) {
    dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    dialog.setWindowModality(Qt::ApplicationModal);
    const QRect area = screenRect(m_screen);
    if (placement == Placement::Maximised) {
        // Without a window manager nobody maximises the window, so it gets
        // the area itself as well.
        dialog.setGeometry(area);
        dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    } else {
        QRect frame(QPoint(), dialog.size());
        frame.moveCenter(area.center());
        dialog.move(frame.topLeft());
    }
    const KeepActiveWindow keep;
    return dialog.exec();
}

} // namespace glosbo::app
