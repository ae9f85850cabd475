#pragma once

class QDialog;

namespace glosbo::core {
class Screen;
}

namespace glosbo::app {

// Opens the windows below the main window: each runs modally until it closes.
// Tests replace it to answer or inspect a window without showing it.
class ModalWindows {
public:
    enum class Placement {
        Maximised, // the full-screen windows: exercises, games, information
        Centred,   // small windows such as the menus, at their designed size
    };

    virtual ~ModalWindows() = default;
    // Shows the dialog borderless and modal; returns its result code.
    virtual int exec(QDialog& dialog, Placement placement = Placement::Maximised) = 0;
};

// Places the windows on the screen the main window measured.
class QtModalWindows final : public ModalWindows {
public:
    explicit QtModalWindows(const core::Screen& screen) : m_screen(screen) {}
    int exec(QDialog& dialog, Placement placement) override;

private:
    const core::Screen& m_screen;
};

} // namespace glosbo::app
