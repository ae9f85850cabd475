#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/sounds.h"

class QEventLoop;
class QObject;
class QTimer;

namespace glosbo::core {
class AppState;
}

namespace glosbo::app {

class MessageBoxes;
struct Services;

// Plays the recorded sounds: one at a time, a new one stopping the last.
// Tests put in a fake that records what was asked.
class SoundService {
public:
    virtual ~SoundService() = default;
    // Plays request.path and returns at once. A request without a path plays
    // nothing.
    virtual void play(const core::SoundRequest& request) = 0;
    // Plays request.path and returns only when the sound has ended. Only an
    // exercise's own sounds wait, through ExerciseFrame::playAndWait, which
    // holds the window's timers meanwhile.
    virtual void playAndWait(const core::SoundRequest& request) = 0;
    // Stops what plays, and lets go of a sound being waited for. Services
    // that play nothing have nothing to stop.
    virtual void stop() {}
    // Whether a sound played would be heard: false without an audio output
    // (or without the sound module), where play() plays nothing.
    virtual bool canPlay() { return true; }
    // Whether the pupil has been told that no sound is heard; once in a run
    // of the program is enough.
    bool noOutputTold() const { return m_noOutputTold; }
    void tellNoOutput() { m_noOutputTold = true; }

private:
    bool m_noOutputTold = false;
};

class MediaPlayer;

// The media player: Qt Multimedia on the default audio output. The player,
// and the module it comes from with Qt Multimedia and the sound system
// behind it, are loaded at the first sound, so that the start of the
// program does not pay for them. Without an audio output (or without the
// module) nothing is played and nothing waits. A file the player cannot
// play is reported with the player's own text in an error box.
class QtSoundService final : public SoundService {
public:
    // How long a waited-for sound may hold the program up: loadMs until the
    // player knows the sound's length, then that length plus slackMs.
    struct WaitLimits {
        int loadMs = 5000;
        int slackMs = 2000;
    };

    explicit QtSoundService(MessageBoxes& messages, bool requireOutputDevice = true);
    QtSoundService(MessageBoxes& messages, bool requireOutputDevice, WaitLimits limits);
    ~QtSoundService() override;

    void play(const core::SoundRequest& request) override;
    void playAndWait(const core::SoundRequest& request) override;
    void stop() override;
    bool canPlay() override;

    bool playerCreated() const { return m_player != nullptr; }
    // True when the machine has an audio output to play on.
    static bool hasOutputDevice();

private:
    // Starts the sound; the generation it got, or 0 when nothing plays.
    int start(const core::SoundRequest& request);
    bool ensurePlayer();
    void waitForEnd(int generation);
    void onPlayerChanged();
    void followLength(long long durationMs);
    void showPendingError();

    MessageBoxes& m_messages;
    bool m_requireOutputDevice;
    WaitLimits m_limits;
    // Counts the sounds started, so that a waited-for sound knows when a
    // newer one has taken its place.
    int m_generation = 0;
    QEventLoop* m_waitLoop = nullptr;
    QTimer* m_waitLimit = nullptr; // of the sound waited for
    // A player that failed is replaced before the next sound: stopping it
    // would hold the program up for a second.
    bool m_playerFailed = false;
    std::optional<std::string> m_pendingError;
    std::unique_ptr<QObject> m_context; // lives as long as the service
    std::unique_ptr<MediaPlayer> m_player;
};

// Plays a sound of the exercise at hand: the file is looked for in the
// exercise's sound directory (directly in /LJUD with the root-sound flag, which
// is cleared), and a missing file is reported in an information box. fileName
// is Windows-1252, as the records hold it.
void SpelaUppWavLjud(core::AppState& state, Services& services, const std::string& fileName);

} // namespace glosbo::app
