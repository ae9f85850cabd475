#include "exercises/word_sound.h"

#include "app/message_boxes.h"
#include "app/services.h"
#include "app/sound_service.h"
#include "core/app_state.h"
#include "core/sounds.h"

namespace glosbo::exercises {

WordSound::WordSound(core::AppState& state, app::Services& services, QObject* parent,
                     WaitingPlayer waitingPlayer)
    : QObject(parent), m_state(state), m_services(services),
      m_waitingPlayer(std::move(waitingPlayer)) {
    Timer5 = new QTimer(this);
    Timer5->setObjectName(QStringLiteral("Timer5"));
    Timer5->setInterval(2);
    connect(Timer5, &QTimer::timeout, this, &WordSound::Timer5Timer);
}

bool WordSound::active() const {
    return m_soundExercise && m_state.settings.playsWords();
}

std::string WordSound::fileName(const std::string& soundDirectory, int recordNumber) {
    if (recordNumber < 1 || recordNumber > 999) return {};
    return core::recordSoundName(soundDirectory, recordNumber);
}

void WordSound::playSoon() {
    if (!active()) return;
    m_ticks = 0;
    Timer5->start();
}

void WordSound::stop() {
    Timer5->stop();
}

void WordSound::Timer5Timer() {
    if (++m_ticks < m_state.settings.answerDisplaySeconds()) return;
    Timer5->stop();
    Ljudet();
}

void WordSound::Ljudet() {
    if (!active()) return;
    const auto& files = m_state.files;
    const int number =
        files.errorPracticeMode ? files.errorRecordNumber : files.currentRecordNumber;
    const std::string name = fileName(m_state.sounds.directory(), number);
    if (name.empty()) return;
    const core::SoundRequest request = m_state.soundRequest(name);
    if (!request.path) {
        m_services.messages.information(request.missingMessage);
        return;
    }
    // The window is open, so the program is this exercise's own.
    if (core::waitsForSound(m_state.programNumber))
        m_waitingPlayer(request);
    else
        m_services.sounds.play(request);
}

} // namespace glosbo::exercises
