#include "core/clock.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/cp1252.h"

namespace glosbo::core {

namespace {

int roundHalfEven(double x) {
    return static_cast<int>(std::nearbyint(x));
}

// Where each numeral's top-left corner lies from its point on the circle,
// in 24ths of its width (a) and of its height (b), or of its width for the
// numeral 7, which stands low on the dial.
struct NumeralOffset {
    int a;
    int b;
    bool widthForB;
};
constexpr std::array<NumeralOffset, 13> kOffsets{{{0, 0, false},
                                                  {3, 17, false},
                                                  {0, 15, false},
                                                  {0, 11, false},
                                                  {6, 8, false},
                                                  {4, 4, false},
                                                  {12, 8, false},
                                                  {20, 5, true},
                                                  {24, 8, false},
                                                  {24, 10, false},
                                                  {21, 14, false},
                                                  {15, 17, false},
                                                  {12, 14, false}}};

ClockHand hand(ClockPoint centre, int angle, int length, int sideDistance) {
    return {clockPoint(centre, angle + 90, length), clockPoint(centre, angle + 80, sideDistance),
            clockPoint(centre, angle + 100, sideDistance)};
}

} // namespace

ClockPoint clockPoint(ClockPoint centre, int degrees, int distance) {
    const double radians = (degrees % 360) * std::numbers::pi / 180.0;
    return {roundHalfEven(centre.x - std::cos(radians) * distance),
            roundHalfEven(centre.y - std::sin(radians) * distance)};
}

int clockHour(int recordNumber) {
    return std::max(recordNumber - 1, 0) / 12;
}

int clockStep(int recordNumber) {
    return std::max(recordNumber - 1, 0) % 12;
}

int minuteAngle(int recordNumber) {
    return 30 * clockStep(recordNumber);
}

int hourAngle(int recordNumber) {
    const int past = roundHalfEven(30.0 * clockStep(recordNumber) / 12.0);
    return (30 * (clockHour(recordNumber) % 12) + past) % 360;
}

ClockFace clockFace(int recordNumber, int height,
                    const std::function<ClockTextSize(int numeral)>& measure) {
    ClockFace f;
    f.height = std::max(height, 1);
    f.width = f.height + 8;
    f.centre = {f.width / 2, f.height / 2};
    f.radius = 9 * f.width / 24;
    f.hourLength = 9 * (f.radius / 12);
    f.dotRadius = f.height / 25;
    f.fontHeight = f.height / 12;
    for (int i = 1; i <= 12; ++i) {
        const ClockPoint p = clockPoint(f.centre, (30 * i) % 360 + 90, f.radius + 8);
        const ClockTextSize size = measure(i);
        const NumeralOffset& o = kOffsets[i];
        const int v = o.widthForB ? size.width : size.height;
        f.numerals[i] = {p.x - (o.a * size.width) / 24, p.y - (o.b * v) / 24};
    }
    const int hour = hourAngle(recordNumber);
    f.hourHand = hand(f.centre, hour, f.hourLength, f.hourLength / 2);
    f.dot = clockPoint(f.centre, hour + 90, f.hourLength / 2);
    f.minuteHand = hand(f.centre, minuteAngle(recordNumber), f.radius, f.radius / 3);
    return f;
}

int clockNumberFor(bool correctionRound, int drawnRecord, int queuedRecord) {
    return correctionRound ? queuedRecord : drawnRecord;
}

namespace {

// The text with the case of its first letter (after leading blanks) turned.
std::string withFirstLetterTurned(std::string_view text) {
    std::string turned(text);
    const auto first = turned.find_first_not_of(' ');
    if (first == std::string::npos) return turned;
    const char c = turned[first];
    const char upper = upperCp1252(c);
    turned[first] = upper != c ? upper : lowerCp1252(c);
    return turned;
}

} // namespace

bool acceptsClockAnswer(const RecordFields& fields, std::string typed) {
    std::string turned = withFirstLetterTurned(typed);
    return svarstest(fields, fields[1], typed, CompareKind::Exact) == kAnswerRight ||
           svarstest(fields, fields[1], turned, CompareKind::Exact) == kAnswerRight;
}

std::string clockLampText(const RecordFields& fields, std::string_view typed) {
    constexpr int green = 1;
    if (GreenRedTest(fields, typed, fields[1]) == green) return std::string(typed);
    std::string turned = withFirstLetterTurned(typed);
    if (GreenRedTest(fields, turned, fields[1]) == green) return turned;
    return std::string(typed);
}

} // namespace glosbo::core
