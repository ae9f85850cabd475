#include "app/start_probe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <ctime>
#include <fstream>
#include <iostream>
#include <sstream>
#include <unistd.h>

namespace glosbo::app {
namespace {

// Fallback clock, started when the program's statics are set up.
const QElapsedTimer& loadTimer() {
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer;
}
[[maybe_unused]] const QElapsedTimer& g_loadTimer = loadTimer();

// The process start time from /proc, in milliseconds since boot.
std::optional<qint64> processStartSinceBoot() {
    std::ifstream in("/proc/self/stat");
    std::string stat;
    std::getline(in, stat);
    const auto close = stat.rfind(')');
    if (close == std::string::npos) return std::nullopt;
    std::istringstream fields(stat.substr(close + 1));
    std::string field;
    // Field 22 (start time); the fields after the name start at number 3.
    for (int n = 3; n <= 22; ++n)
        if (!(fields >> field)) return std::nullopt;
    const long ticks = sysconf(_SC_CLK_TCK);
    if (ticks <= 0) return std::nullopt;
    return static_cast<qint64>(std::stoull(field) * 1000 / static_cast<unsigned long long>(ticks));
}

} // namespace

qint64 millisecondsSinceProcessStart() {
    timespec now{};
    if (clock_gettime(CLOCK_BOOTTIME, &now) == 0) {
        if (const auto start = processStartSinceBoot()) {
            const qint64 nowMs = qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
            if (nowMs >= *start) return nowMs - *start;
        }
    }
    return loadTimer().elapsed();
}

StartProbe::StartProbe(QString screenshotFile, bool quitAfterPaint, QObject* parent)
    : QObject(parent), m_screenshotFile(std::move(screenshotFile)),
      m_quitAfterPaint(quitAfterPaint) {
    if (active()) QCoreApplication::instance()->installEventFilter(this);
}

bool StartProbe::eventFilter(QObject* watched, QEvent* event) {
    if (m_triggered || event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (!widget->window()->isVisible()) return false;
    if (m_awaitWindowOverMain && widget->window() == m_mainWindow) return false;
    // A message box at start-up is the first window the pupil sees; it
    // counts as well as the main window.
    m_triggered = true;
    m_firstPainted = widget->window();
    if (m_quitAfterPaint && m_screenshotFile.isEmpty()) {
        // A start that stops at a message has not reached its window: the
        // message is said, and the exit status tells the timing is not the
        // start's.
        const auto* box = qobject_cast<const QMessageBox*>(widget->window());
        if (box)
            std::cerr << "glosbo: a message came first: " << box->text().toStdString() << std::endl;
        std::cerr << millisecondsSinceProcessStart() << std::endl;
        QTimer::singleShot(0, this, [this, box] { finish(box ? kMessageFirst : 0); });
    } else {
        // Let the window finish painting and reach the screen.
        QTimer::singleShot(200, this, [this] { takeScreenshot(); });
    }
    return false;
}

void StartProbe::takeScreenshot() {
    if (m_quitAfterPaint) std::cerr << millisecondsSinceProcessStart() << std::endl;
    QWidget* window =
        m_mainWindow && m_mainWindow->isVisible() ? m_mainWindow.data() : m_firstPainted.data();
    QScreen* screen = window ? window->screen() : QGuiApplication::primaryScreen();
    QPixmap shot;
    if (screen) {
        // The screen itself, so that a box in front of the window is seen too.
        const QRect area = m_mainWindow && m_mainWindow->isVisible() ? m_mainWindow->frameGeometry()
                                                                     : screen->geometry();
        shot = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    }
    if (shot.isNull() && window) shot = window->grab();
    if (shot.isNull() || !shot.save(m_screenshotFile, "PNG")) {
        std::cerr << "glosbo: cannot save the screenshot " << m_screenshotFile.toStdString()
                  << std::endl;
        finish(1);
        return;
    }
    finish(0);
}

void StartProbe::finish(int code) {
    m_finished = true;
    m_exitCode = code;
    QCoreApplication::exit(code);
}

} // namespace glosbo::app
