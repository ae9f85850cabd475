#include "app/speech_service.h"

#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>
#include <iostream>

#include "app/message_boxes.h"
#include "app/module_loader.h"
#include "app/sound_service.h"

namespace glosbo::app {
namespace {

class SilentSpeech final : public SpeechService {
public:
    void say(const core::ReadAloud&, bool, std::function<void()>) override {}
    void stop() override {}
    bool speaking() const override { return false; }
};

// The sound ends a moment after its last sample: the player needs that long
// to start.
constexpr int kPlayerStartMs = 150;

} // namespace

SpeechService& SpeechService::silent() {
    static SilentSpeech speech;
    return speech;
}

QtSpeechService::QtSpeechService(SoundService& sounds, MessageBoxes& messages,
                                 std::function<bool()> hasOutput, ModuleLookup module)
    : m_sounds(sounds), m_messages(messages), m_hasOutput(std::move(hasOutput)),
      m_module(std::move(module)) {
    m_endTimer.setSingleShot(true);
    QObject::connect(&m_endTimer, &QTimer::timeout, [this] { ended(); });
}

QtSpeechService::~QtSpeechService() = default;

SpeakToWavFunction QtSpeechService::speechModule() {
    static const SpeakToWavFunction function = []() -> SpeakToWavFunction {
        QString error;
        QLibrary* library = loadModule(QStringLiteral("libglosbo_speech.so"),
                                       QStringLiteral(GLOSBO_SPEECH_MODULE_INSTALLED),
                                       QStringLiteral(GLOSBO_SPEECH_MODULE_BUILT), error);
        if (!library) {
            std::cerr << "glosbo: no speech, the speech module cannot be loaded: "
                      << error.toStdString() << std::endl;
            return nullptr;
        }
        return reinterpret_cast<SpeakToWavFunction>(library->resolve(kSpeakToWavName));
    }();
    return function;
}

// Looked at once: the pupil hears of a missing sound output or synthesiser
// at the first request, not at every one.
bool QtSpeechService::ready() {
    if (m_checked) return m_usable;
    m_checked = true;
    if (m_hasOutput && !m_hasOutput()) {
        m_messages.information(
            u8"Datorn kan inte spela upp något ljud, så ingenting kan läsas upp.");
        return false;
    }
    m_speak = m_module ? m_module() : nullptr;
    m_dir =
        std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/glosbo-speech-XXXXXX"));
    if (!m_speak || !m_dir->isValid()) {
        m_messages.information(u8"Uppläsningen fungerar inte på den här datorn.");
        return false;
    }
    m_usable = true;
    return true;
}

void QtSpeechService::say(const core::ReadAloud& text, bool slow, std::function<void()> onEnd) {
    stop();
    if (text.empty()) return;
    QElapsedTimer clock;
    clock.start();
    if (!ready()) return;

    std::string wav;
    long long durationMs = 0;
    std::string error;
    if (!m_speak(text.ssml(), slow, wav, durationMs, error)) {
        std::cerr << "glosbo: speech: " << error << std::endl;
        return;
    }
    // A new file for every text: the player may still hold the last one.
    const QString file = m_dir->filePath(QStringLiteral("speech-%1.wav").arg(++m_fileNumber));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(wav.data(), qint64(wav.size())) != qint64(wav.size())) {
        std::cerr << "glosbo: speech: cannot write " << file.toStdString() << std::endl;
        return;
    }
    out.close();
    if (!m_lastFile.isEmpty()) QFile::remove(m_lastFile);
    m_lastFile = file;

    core::SoundRequest request;
    request.path = file.toStdString();
    m_sounds.play(request);
    m_speaking = true;
    m_onEnd = std::move(onEnd);
    m_endTimer.start(int(durationMs) + kPlayerStartMs);
    m_lastLatencyMs = clock.elapsed();
    if (m_firstLatencyMs < 0) m_firstLatencyMs = m_lastLatencyMs;
}

void QtSpeechService::stop() {
    m_endTimer.stop();
    m_onEnd = nullptr;
    if (!m_speaking) return;
    m_speaking = false;
    m_sounds.stop();
}

void QtSpeechService::ended() {
    m_speaking = false;
    if (auto onEnd = std::exchange(m_onEnd, nullptr)) onEnd();
}

} // namespace glosbo::app
