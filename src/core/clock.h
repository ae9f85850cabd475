#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/record_fields.h"

namespace glosbo::core {

// The clock exercise: its file holds one record for each five minutes of
// twelve hours, and the record number alone gives the time on the clock.
constexpr std::uint16_t kClockProgram = 55000;
constexpr int kClockRecords = 144;

struct ClockPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ClockPoint&) const = default;
};

// The point at an angle (degrees) and a distance from a centre: 90 degrees
// points up and 180 to the right; rounded to the nearest pixel, halves to
// the even neighbour.
ClockPoint clockPoint(ClockPoint centre, int degrees, int distance);

// Hour index (0 = twelve o'clock) and five-minute step of a record number;
// a file of more records goes on round the clock.
int clockHour(int recordNumber);
int clockStep(int recordNumber);
// The hands' angles in degrees clockwise from twelve, below 360. The hour
// hand moves 0, 2, 5, 8 ... 28 degrees past the hour.
int minuteAngle(int recordNumber);
int hourAngle(int recordNumber);

// A hand is drawn as two triangles from the centre to its tip, one on each
// side of it.
struct ClockHand {
    ClockPoint tip;
    ClockPoint side1;
    ClockPoint side2;
};

struct ClockTextSize {
    int width = 0;
    int height = 0;
};

// Everything the clock face of a record shows at a height, in the clock's
// own pixels: a (height + 8) x height face.
struct ClockFace {
    int width = 0;
    int height = 0;
    ClockPoint centre;
    int radius = 0;     // of the dial, where the minute hand ends
    int hourLength = 0; // of the hour hand
    int dotRadius = 0;  // of the dot on the hour hand
    int fontHeight = 0; // of the numerals, in pixels
    // Top-left corners of the numerals 1..12 (index 0 unused).
    std::array<ClockPoint, 13> numerals{};
    ClockHand hourHand;
    ClockPoint dot; // centre of the dot on the hour hand
    ClockHand minuteHand;
};

// The face of a record at a height (at least 1). measure gives the size of
// a numeral's text in the face's font, fontHeight pixels high.
ClockFace clockFace(int recordNumber, int height,
                    const std::function<ClockTextSize(int numeral)>& measure);

// The record number the clock shows for the question just fetched: the
// queued record in a correction round, the drawn one otherwise.
int clockNumberFor(bool correctionRound, int drawnRecord, int queuedRecord);

// A time typed in words is judged exactly against field 1 and the
// alternatives, except for the case of its first letter: a pupil may write
// the time as a sentence ("Kvart i nio") or not ("kvart i nio").
bool acceptsClockAnswer(const RecordFields& fields, std::string typed);
// The text the warning lamp tests while the pupil types: the typed text, or
// the same with its first letter's case turned when only that one begins
// field 1 or an alternative.
std::string clockLampText(const RecordFields& fields, std::string_view typed);

} // namespace glosbo::core
