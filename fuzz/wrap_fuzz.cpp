// Text wrapping with a fixed width function on arbitrary text and bounds. The
// input is "left right maxLines programNumber screenWidth caption\n" followed
// by the text; numbers that do not parse stay at their defaults.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "core/wrap.h"
#include "fuzz_check.h"

using namespace glosbo::core;

namespace {

// A width table that is never negative and adds up per character, so that a
// piece of a line is never wider than the line.
int charWidth(unsigned char c, int points) {
    if (c == ' ') return points / 3;
    if (c < 32) return 0;
    return points / 2 + (c % 7);
}

int measure(std::string_view text, int points) {
    long long w = 0;
    for (unsigned char c : text)
        w += charWidth(c, points);
    return w > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : int(w);
}

int parseInt(const char*& p, const char* end, int fallback) {
    while (p < end && *p == ' ')
        ++p;
    const char* start = p;
    if (p < end && (*p == '-' || *p == '+')) ++p;
    long long v = 0;
    bool digits = false;
    while (p < end && *p >= '0' && *p <= '9') {
        v = v * 10 + (*p - '0');
        if (v > (1LL << 40)) v = 1LL << 40;
        ++p;
        digits = true;
    }
    if (!digits) {
        p = start;
        return fallback;
    }
    if (*start == '-') v = -v;
    if (v > std::numeric_limits<int>::max()) v = std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min()) v = std::numeric_limits<int>::min();
    return int(v);
}

std::string withoutSpaces(std::string_view s) {
    std::string out;
    for (char c : s)
        if (c != ' ') out += c;
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* p = reinterpret_cast<const char*>(data);
    const char* end = p + size;
    const char* nl = p;
    while (nl < end && *nl != '\n')
        ++nl;
    const int left = parseInt(p, nl, 0);
    const int right = parseInt(p, nl, 400);
    const int maxLines = parseInt(p, nl, 3);
    const int program = parseInt(p, nl, 0);
    const int screenWidth = parseInt(p, nl, 640);
    const int caption = parseInt(p, nl, 0);
    const std::string_view text =
        nl < end ? std::string_view(nl + 1, end - nl - 1) : std::string_view();

    WrapContext context;
    int calls = 0;
    context.width = [&calls](std::string_view t, int points) {
        ++calls;
        return measure(t, points);
    };
    context.screenWidth = screenWidth;
    context.programNumber = static_cast<std::uint16_t>(program);
    context.captionStyle = caption != 0;

    const auto lines = dela_mening(left, right, maxLines, text, context);
    FUZZ_CHECK(!context.captionStyle);
    FUZZ_CHECK(lines[0].empty());
    const int kept = maxLines < 0 ? 0 : (maxLines > 3 ? 3 : maxLines);
    for (int l = kept + 1; l <= 3; ++l)
        FUZZ_CHECK(lines[l].empty());
    if (text.empty() || kept == 0) FUZZ_CHECK(calls == 0);

    // The lines are the text cut into pieces in order, less some spaces.
    std::string joined;
    for (int l = 1; l <= 3; ++l)
        joined += lines[l];
    const std::string all = withoutSpaces(text);
    FUZZ_CHECK(all.compare(0, withoutSpaces(joined).size(), withoutSpaces(joined)) == 0);

    // Every line of more than one character fits the width.
    const int points = wrapPointSize(context.programNumber, caption != 0);
    double width = double(right) - double(left);
    const std::uint16_t pn = context.programNumber;
    if (caption == 0 && pn != 38100 && pn != 38200 && pn != 51000)
        width = width * screenWidth / 640.0;
    for (int l = 1; l <= kept; ++l)
        if (lines[l].size() > 1) FUZZ_CHECK(measure(lines[l], points) <= width + 0.5);

    // A text that fits in one line comes back whole, less its leading spaces.
    if (kept >= 1 && !text.empty() && measure(text, points) <= width - 0.5) {
        const auto first = text.find_first_not_of(' ');
        FUZZ_CHECK(lines[1] == (first == std::string_view::npos ? "" : text.substr(first)));
    }
    return 0;
}
