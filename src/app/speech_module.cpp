// The speech module: espeak-ng behind the module's one entry point.
#include "app/speech_module.h"

#include "speech/speech_engine.h"

extern "C" {

__attribute__((visibility("default"))) bool glosbo_speak_to_wav(const std::string& ssml, bool slow,
                                                                std::string& wav,
                                                                long long& durationMs,
                                                                std::string& error) {
    using namespace glosbo::speech;
    Pcm pcm;
    if (!synthesize(ssml, slow ? SpeechRate::Slow : SpeechRate::Normal, pcm, error)) return false;
    wav = wavBytes(pcm);
    durationMs = pcm.durationMs();
    return true;
}
}
