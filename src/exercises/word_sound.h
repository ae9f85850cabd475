#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>

namespace glosbo::core {
class AppState;
struct SoundRequest;
} // namespace glosbo::core
namespace glosbo::app {
struct Services;
}

namespace glosbo::exercises {

// The spoken word of a question in the exercises that train sounds, and the
// translation shown under it. The sound is named by record number (the error
// record's number in a correction round) and played a moment after a new
// question, again on request.
class WordSound : public QObject {
    Q_OBJECT
public:
    // waitingPlayer plays a sound to its end with the window's timers held;
    // the exercises that speak before going on use it.
    using WaitingPlayer = std::function<void(const core::SoundRequest&)>;
    WordSound(core::AppState& state, app::Services& services, QObject* parent,
              WaitingPlayer waitingPlayer);

    // Set once by the window for the programs that have recorded words.
    void setSoundExercise(bool on) { m_soundExercise = on; }
    bool soundExercise() const { return m_soundExercise; }
    // A sound exercise whose words the settings let play.
    bool active() const;

    // "S231007.WAV" for record 7 in "S231"; empty outside 1..999.
    static std::string fileName(const std::string& soundDirectory, int recordNumber);

    // Waits a moment (Timer5 counts its 2 ms ticks up to the answer display
    // seconds) and then plays the word of the current question once.
    void playSoon();
    void stop();
    // Plays the word of the current question now (Ljudet): nothing unless active().
    void Ljudet();

    QTimer* Timer5 = nullptr;

private slots:
    void Timer5Timer();

private:
    core::AppState& m_state;
    app::Services& m_services;
    WaitingPlayer m_waitingPlayer;
    bool m_soundExercise = false;
    int m_ticks = 0;
};

} // namespace glosbo::exercises
