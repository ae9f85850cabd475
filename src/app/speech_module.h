#pragma once

#include <string>

// espeak-ng lives in a module of its own (libglosbo_speech.so) that the
// speech service loads at the first request, so that the program starts
// without it.
namespace glosbo::app {

// Says SSML text (UTF-8) into the bytes of a mono WAV file, slowly or at the
// normal rate, and gives the length of the sound. False, with the reason in
// error, when the text cannot be said.
using SpeakToWavFunction = bool (*)(const std::string& ssml, bool slow, std::string& wav,
                                    long long& durationMs, std::string& error);
inline constexpr const char* kSpeakToWavName = "glosbo_speak_to_wav";

} // namespace glosbo::app
