#include "core/swedish_order.h"

#include "core/cp1252.h"

namespace glosbo::core {

namespace {

// The place of a capital letter in the Swedish alphabet, or 0 for a byte
// that is no letter.
int letterPlace(unsigned char b) {
    if (b >= 'A' && b <= 'Z') return b - 'A' + 1;
    switch (b) {
    case 0xC0:
    case 0xC1:
    case 0xC2:
    case 0xC3:
        return 'A' - 'A' + 1;
    case 0xC7:
        return 'C' - 'A' + 1;
    case 0xC8:
    case 0xC9:
    case 0xCA:
    case 0xCB:
        return 'E' - 'A' + 1;
    case 0xCC:
    case 0xCD:
    case 0xCE:
    case 0xCF:
        return 'I' - 'A' + 1;
    case 0xD1:
        return 'N' - 'A' + 1;
    case 0xD2:
    case 0xD3:
    case 0xD4:
    case 0xD5:
        return 'O' - 'A' + 1;
    case 0xD9:
    case 0xDA:
    case 0xDB:
        return 'U' - 'A' + 1;
    case 0xDC:
    case 0xDD:
    case 0x9F:
        return 'Y' - 'A' + 1;
    case 0x8A:
        return 'S' - 'A' + 1;
    case 0x8E:
        return 'Z' - 'A' + 1;
    case 0xC5:
        return 27; // Å
    case 0xC4:
    case 0xC6:
        return 28; // Ä, Æ
    case 0xD6:
    case 0xD8:
        return 29; // Ö, Ø
    default:
        return 0;
    }
}

// Letters after every other byte, in their Swedish places.
int weight(char c) {
    const auto b = static_cast<unsigned char>(upperCp1252(c));
    const int place = letterPlace(b);
    return place ? 1000 + place : b;
}

} // namespace

int compareSwedish(std::string_view a, std::string_view b) {
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const int wa = weight(a[i]), wb = weight(b[i]);
        if (wa != wb) return wa - wb;
    }
    return int(a.size() > b.size()) - int(a.size() < b.size());
}

bool swedishLess(std::string_view a, std::string_view b) {
    if (const int order = compareSwedish(a, b)) return order < 0;
    // The same letters: capitals, then accents, decide.
    return a < b;
}

} // namespace glosbo::core
