#include "wav.h"

#include <algorithm>
#include <cmath>

namespace glosbo::tool {
namespace {

std::uint32_t u32(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::uint16_t u16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      static_cast<unsigned char>(b[at + 1]) << 8);
}

void put32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void put16(std::string& out, std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

} // namespace

std::optional<MonoSound> parseWav(std::string_view b) {
    if (b.size() < 12 || b.substr(0, 4) != "RIFF" || b.substr(8, 4) != "WAVE") return std::nullopt;
    std::optional<MonoSound> sound;
    bool formatSeen = false;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::string_view id = b.substr(at, 4);
        const std::size_t declared = u32(b, at + 4);
        const std::size_t body = at + 8;
        const std::size_t size = std::min(declared, b.size() - body);
        if (id == "fmt ") {
            if (size < 16) return std::nullopt;
            const bool pcm = u16(b, body) == 1;
            const bool mono = u16(b, body + 2) == 1;
            const bool sixteenBits = u16(b, body + 14) == 16;
            if (!pcm || !mono || !sixteenBits) return std::nullopt;
            sound.emplace();
            sound->sampleRate = static_cast<int>(u32(b, body + 4));
            formatSeen = true;
        } else if (id == "data") {
            if (!formatSeen) return std::nullopt;
            sound->samples.resize(size / 2);
            for (std::size_t i = 0; i < sound->samples.size(); ++i)
                sound->samples[i] = static_cast<std::int16_t>(u16(b, body + 2 * i));
            return sound;
        }
        at = body + size + (size & 1); // chunks are padded to even sizes
    }
    return std::nullopt;
}

std::string wavBytes(const MonoSound& sound) {
    const auto dataSize = static_cast<std::uint32_t>(sound.samples.size() * 2);
    std::string out;
    out.reserve(44 + dataSize);
    out += "RIFF";
    put32(out, 36 + dataSize);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, static_cast<std::uint32_t>(sound.sampleRate));
    put32(out, static_cast<std::uint32_t>(sound.sampleRate * 2));
    put16(out, 2);  // bytes a frame
    put16(out, 16); // bits a sample
    out += "data";
    put32(out, dataSize);
    for (std::int16_t s : sound.samples)
        put16(out, static_cast<std::uint16_t>(s));
    return out;
}

void trimTrailingSilence(MonoSound& sound, double rmsThreshold, int tailMs) {
    const std::size_t window = std::max(1, sound.sampleRate / 100);
    const std::size_t n = sound.samples.size();
    std::size_t end = 0; // one past the last window that is loud enough
    for (std::size_t start = 0; start < n; start += window) {
        const std::size_t stop = std::min(n, start + window);
        double sum = 0;
        for (std::size_t i = start; i < stop; ++i)
            sum += static_cast<double>(sound.samples[i]) * sound.samples[i];
        if (std::sqrt(sum / static_cast<double>(stop - start)) >= rmsThreshold) end = stop;
    }
    if (end == 0) return;
    const std::size_t tail = static_cast<std::size_t>(sound.sampleRate) * tailMs / 1000;
    sound.samples.resize(std::min(n, end + tail));
}

} // namespace glosbo::tool
