#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace glosbo::core {

// Width in pixels of a Windows-1252 text in the measuring font (Arial bold)
// at the given point size.
using TextWidthFunction = std::function<int(std::string_view text, int pointSize)>;

// What the wrapper needs to know besides the text.
struct WrapContext {
    TextWidthFunction width;
    int screenWidth = 640;
    std::uint16_t programNumber = 0;
    bool captionStyle = false; // small captions of the start pictures; one call only
};

// The point size the wrapper measures in for a program number.
int wrapPointSize(std::uint16_t programNumber, bool captionStyle);

// Wraps a text into at most maxLines lines (1..3) that fit between left and
// right, breaking after a space, ',', '-' or '.'. Lines 1..3 of the result;
// lines past maxLines stay empty. Clears captionStyle.
std::array<std::string, 4> dela_mening(int left, int right, int maxLines, std::string_view text,
                                       WrapContext& context);

// Wraps a text into as many lines as it needs, each at most width pixels
// by measure, breaking after a space, ',', '-' or '.' as dela_mening does,
// but never between a '<' and its '>', so that a marked word stays whole.
// A piece without a break wider than the width is cut at the width.
// Leading spaces of each line are dropped.
std::vector<std::string> wrapLines(std::string_view text, int width,
                                   const std::function<int(std::string_view)>& measure);

} // namespace glosbo::core
