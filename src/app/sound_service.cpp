#include "app/sound_service.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLibrary>
#include <QTimer>
#include <algorithm>
#include <iostream>

#include "app/media_player.h"
#include "app/message_boxes.h"
#include "app/module_loader.h"
#include "app/services.h"
#include "core/app_state.h"
#include "core/spoken_word.h"

namespace glosbo::app {
namespace {

// The media module, loaded at the first need and kept to the end, since the
// player it made lives as long as the service.
QLibrary* mediaModule() {
    static QLibrary* const module = []() -> QLibrary* {
        QString error;
        QLibrary* library = loadModule(QStringLiteral("libglosbo_media.so"),
                                       QStringLiteral(GLOSBO_MEDIA_MODULE_INSTALLED),
                                       QStringLiteral(GLOSBO_MEDIA_MODULE_BUILT), error);
        if (!library)
            std::cerr << "glosbo: no sound, the sound module cannot be loaded: "
                      << error.toStdString() << std::endl;
        return library;
    }();
    return module;
}

template <typename Function> Function moduleFunction(const char* name) {
    QLibrary* module = mediaModule();
    return module ? reinterpret_cast<Function>(module->resolve(name)) : nullptr;
}

} // namespace

QtSoundService::QtSoundService(MessageBoxes& messages, bool requireOutputDevice)
    : QtSoundService(messages, requireOutputDevice, WaitLimits{}) {}

QtSoundService::QtSoundService(MessageBoxes& messages, bool requireOutputDevice, WaitLimits limits)
    : m_messages(messages), m_requireOutputDevice(requireOutputDevice), m_limits(limits),
      m_context(std::make_unique<QObject>()) {}

QtSoundService::~QtSoundService() {
    if (m_player && !m_playerFailed) m_player->stop();
}

bool QtSoundService::hasOutputDevice() {
    const auto hasOutput = moduleFunction<HasAudioOutputFunction>(kHasAudioOutputName);
    return hasOutput && hasOutput();
}

bool QtSoundService::canPlay() {
    return m_player || !m_requireOutputDevice || hasOutputDevice();
}

bool QtSoundService::ensurePlayer() {
    if (m_player) return true;
    if (m_requireOutputDevice && !hasOutputDevice()) return false;
    const auto create = moduleFunction<CreateMediaPlayerFunction>(kCreateMediaPlayerName);
    if (!create) return false;
    m_player.reset(create());
    m_player->changed = [this] { onPlayerChanged(); };
    m_player->durationKnown = [this](long long duration) { followLength(duration); };
    // The player may report one fault several times over; the pupil sees it
    // once. The box waits until the player's signal is done with, so that
    // nothing the box lets happen meanwhile can pull the player away.
    m_player->failed = [this](const std::string& text) {
        if (m_playerFailed) return;
        m_playerFailed = true;
        m_pendingError = text;
        QTimer::singleShot(0, m_context.get(), [this] { showPendingError(); });
        if (m_waitLoop) m_waitLoop->quit();
    };
    return true;
}

void QtSoundService::showPendingError() {
    if (!m_pendingError) return;
    const std::string text = std::move(*m_pendingError);
    m_pendingError.reset();
    m_messages.error(core::asUtf8(text));
}

int QtSoundService::start(const core::SoundRequest& request) {
    if (!request.path) return 0;
    // One sound at a time: a sound being waited for gives way to this one.
    if (m_waitLoop) m_waitLoop->quit();
    if (m_playerFailed) {
        m_player.reset();
        m_playerFailed = false;
    }
    if (!ensurePlayer()) return 0;
    const int generation = ++m_generation;
    m_player->play(*request.path);
    return generation;
}

void QtSoundService::play(const core::SoundRequest& request) {
    start(request);
}

void QtSoundService::playAndWait(const core::SoundRequest& request) {
    if (const int generation = start(request)) waitForEnd(generation);
}

void QtSoundService::stop() {
    if (m_waitLoop) m_waitLoop->quit();
    if (m_player && !m_playerFailed) m_player->stop();
}

void QtSoundService::onPlayerChanged() {
    if (m_waitLoop && (m_playerFailed || m_player->finished())) m_waitLoop->quit();
}

// Once the length is known the limit follows it, so that a long sound is
// heard to its end and a stuck player lets go soon after.
void QtSoundService::followLength(long long durationMs) {
    if (!m_waitLimit || durationMs <= 0) return;
    m_waitLimit->start(
        int(std::clamp<long long>(durationMs - m_player->positionMs(), 0, 10 * 60 * 1000)) +
        m_limits.slackMs);
}

void QtSoundService::waitForEnd(int generation) {
    if (!m_playerFailed && !m_player->finished()) {
        QEventLoop loop;
        QTimer limit;
        limit.setSingleShot(true);
        bool timedOut = false;
        QObject::connect(&limit, &QTimer::timeout, &loop, [&] {
            timedOut = true;
            loop.quit();
        });
        QEventLoop* outerLoop = m_waitLoop;
        QTimer* outerLimit = m_waitLimit;
        m_waitLoop = &loop;
        m_waitLimit = &limit;
        limit.start(m_limits.loadMs);
        followLength(m_player->durationMs());
        // The program stands still as it waits: typing and clicks keep until
        // the sound has ended, while the screen is still painted.
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        m_waitLoop = outerLoop;
        m_waitLimit = outerLimit;
        // A newer sound may have replaced the player meanwhile.
        if (timedOut && generation == m_generation && !m_playerFailed) m_player->stop();
    }
    if (generation == m_generation) showPendingError();
}

namespace {

// The word of the current record, when fileName is its recorded word: what a
// synthesised word says in place of a missing recording. Empty otherwise.
std::string wordInPlaceOf(const core::AppState& state, const std::string& fileName) {
    const auto& files = state.files;
    const int number =
        files.errorPracticeMode ? files.errorRecordNumber : files.currentRecordNumber;
    if (number < 1 || fileName != core::recordSoundName(state.sounds.directory(), number))
        return {};
    return core::spokenWord(core::spokenPartOf(state.programNumber), state.programNumber,
                            state.fields);
}

} // namespace

void SpelaUppWavLjud(core::AppState& state, Services& services, const std::string& fileName) {
    const core::SoundRequest request = state.soundRequest(fileName);
    if (!request.path) {
        // A teacher's own file without recordings: the word is synthesised.
        // A recording, where there is one, always wins.
        if (const std::string word = wordInPlaceOf(state, fileName); !word.empty()) {
            services.speech.say(core::ReadAloud{{word}}, state.settings.slowSpeech());
            return;
        }
        services.messages.information(request.missingMessage);
        return;
    }
    services.speech.stop();
    services.sounds.play(request);
}

} // namespace glosbo::app
