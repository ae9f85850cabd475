#include "app/sound_service.h"

#include <algorithm>

#include <QAudioDevice>
#include <QAudioOutput>
#include <QEventLoop>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>

#include "app/message_boxes.h"
#include "app/services.h"
#include "core/app_state.h"

namespace glosbo::app {

QtSoundService::QtSoundService(MessageBoxes& messages, bool requireOutputDevice)
    : QtSoundService(messages, requireOutputDevice, WaitLimits{}) {}

QtSoundService::QtSoundService(MessageBoxes& messages, bool requireOutputDevice, WaitLimits limits)
    : m_messages(messages), m_requireOutputDevice(requireOutputDevice), m_limits(limits),
      m_context(std::make_unique<QObject>()) {}

QtSoundService::~QtSoundService() {
    if (m_player && !m_playerFailed) m_player->stop();
}

bool QtSoundService::hasOutputDevice() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

bool QtSoundService::ensurePlayer() {
    if (m_player) return true;
    if (m_requireOutputDevice && !hasOutputDevice()) return false;
    m_output = std::make_unique<QAudioOutput>();
    m_player = std::make_unique<QMediaPlayer>();
    m_player->setAudioOutput(m_output.get());
    // The player may report one fault several times over; the pupil sees it
    // once. The box waits until the player's signal is done with, so that
    // nothing the box lets happen meanwhile can pull the player away.
    QObject::connect(m_player.get(), &QMediaPlayer::errorOccurred, m_context.get(),
                     [this](QMediaPlayer::Error error, const QString& text) {
                         if (error == QMediaPlayer::NoError || m_playerFailed) return;
                         m_playerFailed = true;
                         m_pendingError = text.toStdString();
                         QTimer::singleShot(0, m_context.get(), [this] { showPendingError(); });
                         if (m_waitLoop) m_waitLoop->quit();
                     });
    return true;
}

void QtSoundService::showPendingError() {
    if (!m_pendingError) return;
    const std::string text = std::move(*m_pendingError);
    m_pendingError.reset();
    m_messages.error(text);
}

void QtSoundService::play(const core::SoundRequest& request) {
    if (!request.path) return;
    // One sound at a time: a sound being waited for gives way to this one.
    if (m_waitLoop) m_waitLoop->quit();
    if (m_playerFailed) {
        m_player.reset();
        m_output.reset();
        m_playerFailed = false;
    }
    if (!ensurePlayer()) return;
    const int generation = ++m_generation;
    m_player->stop();
    m_player->setSource(QUrl::fromLocalFile(QString::fromStdString(*request.path)));
    m_player->play();
    if (request.wait) waitForEnd(generation);
}

void QtSoundService::waitForEnd(int generation) {
    QMediaPlayer& player = *m_player;
    const auto finished = [&] {
        const auto status = player.mediaStatus();
        return m_playerFailed || player.playbackState() == QMediaPlayer::StoppedState ||
               status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia ||
               status == QMediaPlayer::NoMedia;
    };
    if (!finished()) {
        QEventLoop loop;
        QTimer limit;
        limit.setSingleShot(true);
        bool timedOut = false;
        QObject::connect(&limit, &QTimer::timeout, &loop, [&] {
            timedOut = true;
            loop.quit();
        });
        const auto check = [&] {
            if (finished()) loop.quit();
        };
        QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, &loop, check);
        QObject::connect(&player, &QMediaPlayer::playbackStateChanged, &loop, check);
        // Once the length is known the limit follows it, so that a long sound
        // is heard to its end and a stuck player lets go soon after.
        const auto followLength = [&](qint64 duration) {
            if (duration > 0)
                limit.start(
                    int(std::clamp<qint64>(duration - player.position(), 0, 10 * 60 * 1000)) +
                    m_limits.slackMs);
        };
        QObject::connect(&player, &QMediaPlayer::durationChanged, &loop, followLength);
        limit.start(m_limits.loadMs);
        followLength(player.duration());

        QEventLoop* outer = m_waitLoop;
        m_waitLoop = &loop;
        // The program stands still as it waits: typing and clicks keep until
        // the sound has ended, while the screen is still painted.
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        m_waitLoop = outer;
        // A newer sound may have replaced the player meanwhile.
        if (timedOut && generation == m_generation && !m_playerFailed) m_player->stop();
    }
    if (generation == m_generation) showPendingError();
}

void SpelaUppWavLjud(core::AppState& state, Services& services, const std::string& fileName) {
    const core::SoundRequest request = state.soundRequest(fileName);
    if (!request.path) {
        services.messages.information(request.missingMessage);
        return;
    }
    services.sounds.play(request);
}

} // namespace glosbo::app
