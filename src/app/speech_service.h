#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "app/speech_module.h"
#include "core/read_aloud.h"

class QTemporaryDir;

namespace glosbo::app {

class MessageBoxes;
class SoundService;

// Reads texts aloud: one at a time, a new one stopping the last. Tests put
// in a fake that records what was asked.
class SpeechService {
public:
    virtual ~SpeechService() = default;
    // Says the text, after stopping what was being said. onEnd is called when
    // the text has been said to its end, never when it was stopped. An empty
    // text says nothing.
    virtual void say(const core::ReadAloud& text, bool slow, std::function<void()> onEnd = {}) = 0;
    // Stops what is being said; nothing when nothing is.
    virtual void stop() = 0;
    virtual bool speaking() const = 0;

    // A service that says nothing, for the windows of tests that do not
    // listen.
    static SpeechService& silent();
};

// Speech from espeak-ng's Swedish voice, played through the sound service.
// The synthesiser lives in a module loaded at the first text, so that the
// start of the program does not pay for it. The sound is written as a WAV
// file into a private temporary directory and played from there. Without
// an audio output (or without the module) nothing is said, and the pupil is
// told so once.
class QtSpeechService final : public SpeechService {
public:
    // The module's function, or nothing when it cannot be loaded; tests put
    // in their own.
    using ModuleLookup = std::function<SpeakToWavFunction()>;
    QtSpeechService(SoundService& sounds, MessageBoxes& messages, std::function<bool()> hasOutput,
                    ModuleLookup module = speechModule);
    ~QtSpeechService() override;

    // The installed module's function, loaded at the first call.
    static SpeakToWavFunction speechModule();

    void say(const core::ReadAloud& text, bool slow, std::function<void()> onEnd = {}) override;
    void stop() override;
    bool speaking() const override { return m_speaking; }

    // Milliseconds from the request to the start of the sound, module load
    // and synthesis included: of the first text and of the last one.
    long long firstLatencyMs() const { return m_firstLatencyMs; }
    long long lastLatencyMs() const { return m_lastLatencyMs; }

private:
    bool ready();
    void ended();

    SoundService& m_sounds;
    MessageBoxes& m_messages;
    std::function<bool()> m_hasOutput;
    ModuleLookup m_module;
    SpeakToWavFunction m_speak = nullptr;
    bool m_checked = false;
    bool m_usable = false;
    std::unique_ptr<QTemporaryDir> m_dir;
    int m_fileNumber = 0;
    QString m_lastFile;
    QTimer m_endTimer; // runs while the sound plays
    std::function<void()> m_onEnd;
    bool m_speaking = false;
    long long m_firstLatencyMs = -1;
    long long m_lastLatencyMs = -1;
};

} // namespace glosbo::app
