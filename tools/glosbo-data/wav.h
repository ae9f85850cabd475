#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Mono 16-bit PCM sound in WAV files: what the speech synthesiser writes and
// what the word sounds are stored as.
namespace glosbo::tool {

struct MonoSound {
    int sampleRate = 22050;
    std::vector<std::int16_t> samples;
};

// Reads a RIFF WAVE file of 16-bit PCM, mono. Nothing for anything else (a
// data chunk that claims more than the file holds is cut to what is there).
std::optional<MonoSound> parseWav(std::string_view bytes);

// The WAV file of a sound: a plain 44-byte header and the samples.
std::string wavBytes(const MonoSound& sound);

// Cuts the silence after the last sound: the end is the last 10 ms window
// whose RMS reaches the threshold, plus a short tail so that the word does not
// stop abruptly. A sound that is silent throughout is left as it is.
void trimTrailingSilence(MonoSound& sound, double rmsThreshold = 100.0, int tailMs = 60);

} // namespace glosbo::tool
