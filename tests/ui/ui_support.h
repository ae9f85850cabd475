#pragma once

#include <QApplication>
#include <QSize>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/message_boxes.h"
#include "app/modal_windows.h"
#include "app/services.h"
#include "app/sound_service.h"
#include "app/text_measure.h"
#include "app/window_registry.h"
#include "core/app_state.h"
#include "exercises/exercise_frame.h"

namespace glosbo::test {

// Records every box instead of showing it, its text as UTF-8 bytes.
class RecordingMessageBoxes final : public app::MessageBoxes {
public:
    void information(const std::u8string& t) override { texts.push_back(core::utf8Bytes(t)); }
    void warning(const std::u8string& t) override { texts.push_back(core::utf8Bytes(t)); }
    void error(const std::u8string& t) override { texts.push_back(core::utf8Bytes(t)); }
    bool confirm(const std::u8string& t) override {
        texts.push_back(core::utf8Bytes(t));
        return confirmAnswer;
    }
    std::optional<std::string> askPassword(const std::u8string& prompt) override {
        texts.push_back(core::utf8Bytes(prompt));
        return passwordAnswer;
    }
    std::vector<std::string> texts;
    bool confirmAnswer = false;
    std::optional<std::string> passwordAnswer; // nothing: the user cancels
};

// Records the windows opened instead of running them. A window closes with
// the result given for its object name, else as accepted.
class RecordingModalWindows final : public app::ModalWindows {
public:
    int exec(QDialog& dialog, Placement) override;
    std::vector<std::string> opened; // object names
    std::map<std::string, int> results;
};

// Records the sounds asked for instead of playing them.
// A sound asked for, and whether the caller waited for its end.
struct PlayedSound : core::SoundRequest {
    bool wait = false;
};

class RecordingSoundService final : public app::SoundService {
public:
    void play(const core::SoundRequest& request) override { played.push_back({request, false}); }
    void playAndWait(const core::SoundRequest& request) override {
        played.push_back({request, true});
    }
    void stop() override { ++stops; }
    bool canPlay() override { return audible; }
    std::vector<PlayedSound> played;
    int stops = 0;
    bool audible = true; // false: a computer without an audio output
};

// Every letter is the same number of pixels wide, whatever the size.
class FixedWidthMeasure final : public app::TextMeasure {
public:
    explicit FixedWidthMeasure(int letterWidth) : m_letterWidth(letterWidth) {}
    int widthPx(std::string_view text, int) const override {
        return int(text.size()) * m_letterWidth;
    }

private:
    int m_letterWidth;
};

// Writes a file at an absolute path (bytes as they stand), making its folder.
void writeFile(const std::string& path, const std::string& bytes);

// A small data root in a temporary directory with fake services, ready for
// a window to be built on it. The screen is measured as the main window
// measures it: the scale percent and the letter unit follow from the
// screen size and the letter width.
struct Harness {
    struct Setup {
        bool resultsDirExists = true;
        bool diagnosisDirExists = true;
        bool emptyResultsDir = false;
        int letterWidth = 16; // 50 letters fill 800 pixels: no scaling
        QSize screen{};       // empty: the platform's screen, as the main window finds it
    };
    Harness() : Harness(Setup{}) {}
    explicit Harness(const Setup& setup);

    std::string path(const std::string& relative) const;
    // Writes a file of the data root (bytes as they stand), making its folder.
    void write(const std::string& relative, const std::string& bytes) const;
    // Writes files of the data root, lists the exercise and praise files among
    // them (DATA/DAT/SV*, DATA/LOV/SV*) in DATA/datfiler.sve and starts the
    // state up again on them.
    void writeDataRoot(const std::map<std::string, std::string>& files);

    // Makes an exercise file current in a run mode, opens the exercise
    // window W on it as the catalogue does and shows it, active.
    template <class W>
    std::unique_ptr<W> openExercise(const std::string& file,
                                    core::RunMode runMode = core::RunMode::Practice) {
        state->selectExercise(file);
        EXPECT_TRUE(state->files.Kolla(file)) << file;
        state->runMode = runMode;
        auto window = exercises::makeExerciseWindow<W>({*state, services, nullptr});
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QApplication::setActiveWindow(window.get());
        return window;
    }

    QTemporaryDir dir;
    RecordingMessageBoxes messages;
    RecordingModalWindows modal;
    FixedWidthMeasure measure;
    app::WindowRegistry windows;
    RecordingSoundService sounds;
    app::PdfPrintService printer{dir.filePath(QStringLiteral("printed.pdf"))};
    app::Services services{messages, modal, measure, windows, sounds, printer};
    std::unique_ptr<core::AppState> state;
};

} // namespace glosbo::test
