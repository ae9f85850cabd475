#include "core/cp1252.h"

#include <array>
#include <cstdint>

namespace glosbo::core {
namespace {

// Code points of bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t codePoint(unsigned char b) {
    return (b >= 0x80 && b <= 0x9F) ? kHigh[b - 0x80] : char32_t(b);
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at i; returns false on malformed input.
bool decodeUtf8(std::string_view s, size_t& i, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int extra = 0;
    if (b0 < 0x80) {
        cp = b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        cp = b0 & 0x1F;
        extra = 1;
    } else if ((b0 & 0xF0) == 0xE0) {
        cp = b0 & 0x0F;
        extra = 2;
    } else if ((b0 & 0xF8) == 0xF0) {
        cp = b0 & 0x07;
        extra = 3;
    } else {
        return false;
    }
    if (s.size() - i <= size_t(extra)) return false; // truncated sequence
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += extra + 1;
    return true;
}

std::optional<unsigned char> toCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
    for (size_t k = 0; k < kHigh.size(); ++k)
        if (kHigh[k] == cp) return static_cast<unsigned char>(0x80 + k);
    return std::nullopt;
}

} // namespace

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char c : bytes)
        appendUtf8(out, codePoint(static_cast<unsigned char>(c)));
    return out;
}

bool isValidUtf8(std::string_view bytes) {
    size_t i = 0;
    char32_t cp;
    while (i < bytes.size())
        if (!decodeUtf8(bytes, i, cp)) return false;
    return true;
}

std::optional<std::string> utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    char32_t cp;
    while (i < utf8.size()) {
        if (!decodeUtf8(utf8, i, cp)) return std::nullopt;
        auto b = toCp1252(cp);
        if (!b) return std::nullopt;
        out += char(*b);
    }
    return out;
}

std::string utf8ToCp1252Lossy(std::string_view utf8) {
    std::string out;
    size_t i = 0;
    char32_t cp;
    while (i < utf8.size()) {
        if (!decodeUtf8(utf8, i, cp)) {
            out += '?';
            ++i;
            continue;
        }
        auto b = toCp1252(cp);
        out += b ? char(*b) : '?';
    }
    return out;
}

char upperCp1252(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z') return char(b - 32);
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return char(b - 32);
    switch (b) {
    case 0x9A:
        return char(0x8A); // š -> Š
    case 0x9C:
        return char(0x8C); // œ -> Œ
    case 0x9E:
        return char(0x8E); // ž -> Ž
    case 0xFF:
        return char(0x9F); // ÿ -> Ÿ
    default:
        return c;
    }
}

std::string upperCp1252(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = upperCp1252(c);
    return out;
}

char lowerCp1252(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'A' && b <= 'Z') return char(b + 32);
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return char(b + 32);
    switch (b) {
    case 0x8A:
        return char(0x9A); // Š -> š
    case 0x8C:
        return char(0x9C); // Œ -> œ
    case 0x8E:
        return char(0x9E); // Ž -> ž
    case 0x9F:
        return char(0xFF); // Ÿ -> ÿ
    default:
        return c;
    }
}

std::string lowerCp1252(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = lowerCp1252(c);
    return out;
}

} // namespace glosbo::core
