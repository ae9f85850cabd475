#include "core/wrap.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace glosbo::core {
namespace {

bool isBreak(char c) {
    return c == ' ' || c == ',' || c == '-' || c == '.';
}

bool inRange(int n, int lo, int hi) {
    return n >= lo && n <= hi;
}

// Rounds half to the even neighbour, as the scaled widths always have, and
// keeps absurd widths within the int range.
int roundHalfEven(double x) {
    return static_cast<int>(std::clamp(std::nearbyint(x), double(std::numeric_limits<int>::min()),
                                       double(std::numeric_limits<int>::max())));
}

} // namespace

int wrapPointSize(std::uint16_t p, bool captionStyle) {
    if (captionStyle) return 8;
    if (p == 17 || p == 117 || inRange(p, 21100, 21300) || p == 22100 || p == 25500 ||
        inRange(p, 31110, 31180) || p == 32300 || p == 32400 || p == 34200 || p == 39100 ||
        p == 39200)
        return 22;
    if (p == 47400) return 18;
    if (p == 51000) return 12;
    return 14;
}

std::array<std::string, 4> dela_mening(int left, int right, int maxLines, std::string_view text,
                                       WrapContext& context) {
    std::array<std::string, 4> lines;
    const bool caption = context.captionStyle;
    context.captionStyle = false;
    const std::uint16_t p = context.programNumber;
    // Computed in double so that no pair of bounds can overflow.
    double span = double(right) - double(left);
    if (!caption && p != 38100 && p != 38200 && p != 51000)
        span = span * context.screenWidth / 640.0;
    const int width = roundHalfEven(span);
    if (maxLines > 3) maxLines = 3;
    if (text.empty() || maxLines < 1) return lines;
    const int points = wrapPointSize(p, caption);

    int l = 1;
    std::size_t s = 0; // start of the current line
    std::size_t pos = 0;
    while (l <= maxLines && pos < text.size()) {
        lines[l] += text[pos];
        if (context.width(lines[l], points) > width && pos > s) {
            // Break after the last break character of this line, or at the
            // width when the line has none.
            std::size_t cut = pos;
            for (std::size_t q = pos; q-- > s;) {
                if (isBreak(text[q])) {
                    cut = q + 1;
                    break;
                }
            }
            lines[l] = std::string(text.substr(s, cut - s));
            ++l;
            s = cut;
            pos = cut;
            continue;
        }
        if (pos == text.size() - 1) {
            lines[l] = std::string(text.substr(s));
            for (int k = 1; k <= l; ++k) {
                const auto first = lines[k].find_first_not_of(' ');
                lines[k].erase(0, first == std::string::npos ? lines[k].size() : first);
            }
            return lines;
        }
        ++pos;
    }
    // The text did not fit: the rest is dropped, the lines stay as cut.
    return lines;
}

std::vector<std::string> wrapLines(std::string_view text, int width,
                                   const std::function<int(std::string_view)>& measure) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        // The longest run from start that fits, then back to its last break.
        std::size_t end = start + 1;
        while (end < text.size() && measure(text.substr(start, end + 1 - start)) <= width)
            ++end;
        if (end < text.size()) {
            bool inside = false;
            std::size_t cut = 0;
            for (std::size_t q = start; q < end; ++q) {
                if (text[q] == '<') inside = true;
                if (text[q] == '>') inside = false;
                if (!inside && isBreak(text[q])) cut = q + 1;
            }
            if (cut > start) {
                end = cut;
            } else if (inside) {
                // A marked word wider than the line keeps its line to itself.
                const std::size_t close = text.find('>', end);
                end = close == std::string_view::npos ? text.size() : close + 1;
            }
        }
        std::string line(text.substr(start, end - start));
        line.erase(0, std::min(line.find_first_not_of(' '), line.size()));
        if (!line.empty()) lines.push_back(std::move(line));
        start = end;
    }
    return lines;
}

} // namespace glosbo::core
