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
    const int mode = m_state.settings.soundMode;
    return m_soundExercise && (mode == 1 || mode == 3);
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
    if (++m_ticks < m_state.settings.answerDisplaySeconds) return;
    Timer5->stop();
    Ljudet();
}

void WordSound::Ljudet() {
    if (!active()) return;
    const auto& files = m_state.files;
    const int number =
        files.errorPracticeMode ? files.errorRecordNumber : files.currentRecordNumber;
    const std::string name = fileName(m_state.soundDirectory, number);
    if (name.empty()) return;
    app::SpelaUppWavLjud(m_state, m_services, name);
}

std::optional<std::string> WordSound::translationOf(const std::string& word) {
    if (m_state.settings.soundTranslation == 0 || word.empty()) return std::nullopt;
    if (m_state.translationReload ||
        m_state.translationsLanguage != m_state.settings.soundTranslation) {
        m_state.FyllEngListan();
        m_state.translationReload = false;
    }
    const std::string* translation = core::findTranslation(m_state.translations, word);
    return translation ? std::optional<std::string>(*translation) : std::nullopt;
}

} // namespace glosbo::exercises
