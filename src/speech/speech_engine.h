#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Speech synthesised in the process with espeak-ng's Swedish voice, as 16-bit
// mono samples. No Qt: the program loads it as a module at the first
// request, and the command-line tool links it directly.
namespace glosbo::speech {

enum class SpeechRate { Normal, Slow };

struct Pcm {
    int sampleRate = 22050;
    std::vector<std::int16_t> samples;
    long long durationMs() const {
        return sampleRate > 0 ? static_cast<long long>(samples.size()) * 1000 / sampleRate : 0;
    }
};

// Says SSML text (UTF-8) into pcm. The voice is set up at the first call
// and kept for the rest of the run. False, with the reason in error, when
// espeak-ng or its Swedish voice cannot be loaded or the text cannot be
// said. Not for use from more than one thread.
bool synthesize(const std::string& ssml, SpeechRate rate, Pcm& pcm, std::string& error);

// The WAV file of the samples: a plain 44-byte header and the samples.
std::string wavBytes(const Pcm& pcm);

} // namespace glosbo::speech
