#pragma once

#include <QToolButton>
#include <functional>
#include <string>
#include <vector>

#include "core/read_aloud.h"

namespace glosbo::core {
class Settings;
}

namespace glosbo::app {

class SpeechService;

// The small speaker button "Läs upp" and its key F4, in every exercise
// window, game and page: a press reads aloud what the window asks the pupil
// to read now, a second press stops it. The speech stops when the window is
// hidden. The button takes no focus, so that the answer input keeps it.
class ReadAloudButton final : public QToolButton {
    Q_OBJECT
public:
    ReadAloudButton(QWidget* window, SpeechService& speech, const core::Settings& settings);

    // What a press reads; set by the window.
    std::function<core::ReadAloud()> text;
    // Where the window reads in a way of its own at times (a text sentence
    // by sentence), a press calls this first; true when it took the press.
    std::function<bool()> customPress;

    // A press of the button or F4.
    void press();
    // Reads the window's text now, stopping what was read before.
    void readNow();
    void stop();

    // The texts a window shows, top to bottom and left to right as a pupil
    // reads them: its visible labels and text views, except those in skip,
    // up to some thousands of characters (Windows-1252).
    static std::vector<std::string> visibleTexts(const QWidget& window,
                                                 const std::vector<const QWidget*>& skip = {});

    // Alt+U belongs to the button only where no other control of the window
    // has it ("&Upprepa ordet"): Qt would otherwise take neither.
    void giveUpTakenMnemonic();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SpeechService& m_speech;
    const core::Settings& m_settings;
};

} // namespace glosbo::app
