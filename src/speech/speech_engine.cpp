#include "speech/speech_engine.h"

#include <espeak-ng/speak_lib.h>

namespace glosbo::speech {
namespace {

// Words per minute. The slow rate is for pupils who need time between the
// words; espeak-ng's own default (175) runs too fast for a young reader.
constexpr int kNormalRate = 150;
constexpr int kSlowRate = 100;

struct Voice {
    int sampleRate = 0; // 0: espeak-ng could not be loaded
    std::string error;
};

int collect(short* samples, int count, espeak_EVENT* events) {
    if (samples == nullptr || count <= 0) return 0;
    auto* pcm = static_cast<Pcm*>(events->user_data);
    if (pcm) pcm->samples.insert(pcm->samples.end(), samples, samples + count);
    return 0;
}

const Voice& voice() {
    static const Voice loaded = [] {
        Voice v;
        // Synchronous: espeak_Synth returns when the whole text is said, and
        // nothing of espeak-ng's own sound output is started.
        const int rate =
            espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (rate <= 0) {
            v.error = "espeak-ng cannot be started (is its data installed?)";
            return v;
        }
        if (espeak_SetVoiceByName("sv") != EE_OK) {
            v.error = "espeak-ng has no Swedish voice";
            return v;
        }
        espeak_SetSynthCallback(collect);
        v.sampleRate = rate;
        return v;
    }();
    return loaded;
}

void put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

} // namespace

bool synthesize(const std::string& ssml, SpeechRate rate, Pcm& pcm, std::string& error) {
    const Voice& v = voice();
    if (v.sampleRate == 0) {
        error = v.error;
        return false;
    }
    pcm.sampleRate = v.sampleRate;
    pcm.samples.clear();
    espeak_SetParameter(espeakRATE, rate == SpeechRate::Slow ? kSlowRate : kNormalRate, 0);
    const espeak_ERROR result =
        espeak_Synth(ssml.c_str(), ssml.size() + 1, 0, POS_CHARACTER, 0,
                     espeakCHARS_UTF8 | espeakSSML | espeakENDPAUSE, nullptr, &pcm);
    if (result != EE_OK) {
        error = "espeak-ng cannot say the text";
        return false;
    }
    return true;
}

std::string wavBytes(const Pcm& pcm) {
    const auto dataBytes = static_cast<std::uint32_t>(pcm.samples.size() * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    put(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    put(out, 16, 4);
    put(out, 1, 2); // PCM
    put(out, 1, 2); // mono
    put(out, static_cast<std::uint32_t>(pcm.sampleRate), 4);
    put(out, static_cast<std::uint32_t>(pcm.sampleRate) * 2, 4);
    put(out, 2, 2);
    put(out, 16, 2);
    out += "data";
    put(out, dataBytes, 4);
    for (std::int16_t sample : pcm.samples)
        put(out, static_cast<std::uint16_t>(sample), 2);
    return out;
}

} // namespace glosbo::speech
