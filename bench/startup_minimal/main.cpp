// One maximised window with one button, covering the screen. After the window's first paint it
// prints the milliseconds since the process started on stderr and quits,
// measured the same way as the main program measures its own start.
#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <time.h>
#include <unistd.h>

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

// Process start from /proc (field 22, clock ticks since boot), subtracted
// from the boot-time clock now.
long long millisecondsSinceProcessStart() {
    std::ifstream in("/proc/self/stat");
    std::string stat;
    std::getline(in, stat);
    const auto close = stat.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream fields(stat.substr(close + 1));
    std::string field;
    for (int n = 3; n <= 22; ++n)
        if (!(fields >> field)) return -1;
    const long ticks = sysconf(_SC_CLK_TCK);
    timespec now{};
    if (ticks <= 0 || clock_gettime(CLOCK_BOOTTIME, &now) != 0) return -1;
    const long long start = static_cast<long long>(std::stoull(field) * 1000 / ticks);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000 - start;
}

class FirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            std::cerr << millisecondsSinceProcessStart() << std::endl;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* button = new QPushButton("Avsluta", &window);
    layout->addWidget(button);
    QObject::connect(button, &QPushButton::clicked, &app, &QApplication::quit);
    FirstPaint probe;
    window.installEventFilter(&probe);
    // Without a window manager (as under Xvfb) nobody maximises the window,
    // so it is given the screen's area as well, as Glosbo gives its own.
    window.setGeometry(window.screen()->availableGeometry());
    window.showMaximized();
    return app.exec();
}
