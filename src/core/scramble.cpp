#include "core/scramble.h"

namespace glosbo::core {
namespace {

// XORs each byte with its position key unless that would make a control
// character; applying it twice gives back the text for control-free input.
void transform(std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const auto x = static_cast<unsigned char>(c ^ scrambleKey(i + 1));
        if (x >= 32) text[i] = static_cast<char>(x);
    }
}

bool startsWithAny(std::string_view line, std::string_view set) {
    return !line.empty() && set.find(line.front()) != std::string_view::npos;
}

} // namespace

unsigned char scrambleKey(std::size_t p) {
    const std::size_t key = (p % 2 == 1) ? p / 2 + 10 : p / 2 + 8;
    return static_cast<unsigned char>(key % 256);
}

std::string kryptrad(std::string_view line) {
    if (startsWithAny(line, ";$#)")) return std::string(line);
    std::string text = "#";
    text += line;
    transform(text);
    return text;
}

std::string dekryptrad(std::string_view line) {
    if (line.empty() || line.front() != ')') return std::string(line);
    std::string text(line);
    transform(text);
    return text.substr(1);
}

} // namespace glosbo::core
