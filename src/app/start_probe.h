#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace glosbo::app {

// Milliseconds since the process started (loading the libraries included).
qint64 millisecondsSinceProcessStart();

// Watches the start of the program for the options that end it early: once
// the first window has painted it either saves what the screen shows
// (--screenshot) or prints the start-up time (--quit-after-paint), then asks
// the application to exit.
class StartProbe : public QObject {
    Q_OBJECT
public:
    // The exit status of --quit-after-paint when a message box was painted
    // before any window of the program; its text goes to stderr.
    static constexpr int kMessageFirst = 3;

    StartProbe(QString screenshotFile, bool quitAfterPaint, QObject* parent = nullptr);

    bool active() const { return !m_screenshotFile.isEmpty() || m_quitAfterPaint; }
    // The window whose screen area the screenshot covers.
    void setMainWindow(QWidget* window) { m_mainWindow = window; }
    // Paints of the main window no longer count: the probe waits for the
    // window opened over it (--exercise).
    void awaitWindowOverMain() { m_awaitWindowOverMain = true; }
    // True once the probe has asked the application to exit.
    bool finished() const { return m_finished; }
    int exitCode() const { return m_exitCode; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void takeScreenshot();
    void finish(int code);

    QString m_screenshotFile;
    bool m_quitAfterPaint;
    bool m_awaitWindowOverMain = false;
    bool m_triggered = false;
    bool m_finished = false;
    int m_exitCode = 0;
    QPointer<QWidget> m_mainWindow;
    QPointer<QWidget> m_firstPainted;
};

} // namespace glosbo::app
