#pragma once

#include <functional>
#include <string>

namespace glosbo::app {

// A media player that plays one sound file at a time on the default audio
// output. The one the program uses plays through Qt Multimedia and lives in
// a module of its own (libglosbo_media.so) that the sound service loads at
// the first sound, so that neither Qt Multimedia nor the sound system is
// loaded at start-up.
class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;

    // Starts the file, stopping what played before.
    virtual void play(const std::string& path) = 0;
    virtual void stop() = 0;
    // True once nothing plays any more: the sound ended or was stopped, or
    // the file could not be read.
    virtual bool finished() const = 0;
    // The length of the sound and how far it has played; 0 until known.
    virtual long long durationMs() const = 0;
    virtual long long positionMs() const = 0;

    // Called when what finished() says may have changed.
    std::function<void()> changed;
    // Called when the length of the sound becomes known.
    std::function<void(long long)> durationKnown;
    // Called with the player's own text when it cannot play a file; it may
    // come more than once for one fault.
    std::function<void(const std::string&)> failed;
};

// The module's entry points, looked up by these names.
using CreateMediaPlayerFunction = MediaPlayer* (*)();
using HasAudioOutputFunction = bool (*)();
inline constexpr const char* kCreateMediaPlayerName = "glosbo_create_media_player";
inline constexpr const char* kHasAudioOutputName = "glosbo_has_audio_output";

} // namespace glosbo::app
