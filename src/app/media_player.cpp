// The media module: Qt Multimedia's player behind the MediaPlayer interface.
#include "app/media_player.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>
#include <memory>

namespace glosbo::app {
namespace {

class QtMediaPlayer final : public MediaPlayer {
public:
    QtMediaPlayer() {
        m_player.setAudioOutput(&m_output);
        const auto onChange = [this] {
            if (changed) changed();
        };
        QObject::connect(&m_player, &QMediaPlayer::mediaStatusChanged, onChange);
        QObject::connect(&m_player, &QMediaPlayer::playbackStateChanged, onChange);
        QObject::connect(&m_player, &QMediaPlayer::durationChanged, [this](qint64 duration) {
            if (durationKnown && duration > 0) durationKnown(duration);
        });
        QObject::connect(&m_player, &QMediaPlayer::errorOccurred,
                         [this](QMediaPlayer::Error error, const QString& text) {
                             if (error != QMediaPlayer::NoError && failed)
                                 failed(text.toStdString());
                         });
    }

    void play(const std::string& path) override {
        m_player.stop();
        m_player.setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
        m_player.play();
    }
    void stop() override { m_player.stop(); }
    bool finished() const override {
        const auto status = m_player.mediaStatus();
        return m_player.playbackState() == QMediaPlayer::StoppedState ||
               status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia ||
               status == QMediaPlayer::NoMedia;
    }
    long long durationMs() const override { return m_player.duration(); }
    long long positionMs() const override { return m_player.position(); }

private:
    QAudioOutput m_output;
    QMediaPlayer m_player;
};

} // namespace
} // namespace glosbo::app

extern "C" {

__attribute__((visibility("default"))) glosbo::app::MediaPlayer* glosbo_create_media_player() {
    return new glosbo::app::QtMediaPlayer();
}

__attribute__((visibility("default"))) bool glosbo_has_audio_output() {
    return !QMediaDevices::audioOutputs().isEmpty();
}
}
