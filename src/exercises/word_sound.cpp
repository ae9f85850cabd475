#include "exercises/word_sound.h"

#include "app/services.h"
#include "app/sound_service.h"
#include "core/app_state.h"
#include "core/sounds.h"

namespace glosbo::exercises {

WordSound::WordSound(core::AppState& state, app::Services& services, QObject* parent)
    : QObject(parent), m_state(state), m_services(services) {
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
    app::SpelaUppWavLjud(m_state, m_services, name);
}

} // namespace glosbo::exercises
