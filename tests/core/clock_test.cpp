#include <gtest/gtest.h>

#include "core/clock.h"
#include "core/record_fields.h"

using namespace glosbo::core;

namespace {

// Every numeral 10 pixels wide and 20 high.
ClockFace face(int record, int height = 225) {
    return clockFace(record, height, [](int) { return ClockTextSize{10, 20}; });
}

} // namespace

// The hands by record: the hour hand creeps on with the minutes, halves
// of a degree rounding to the even neighbour.
TEST(Clock, HandsFollowTheRecordNumber) {
    struct Case {
        int record;
        int minute;
        int hour;
    };
    for (const Case& c :
         {Case{1, 0, 0}, Case{2, 30, 2}, Case{3, 60, 5}, Case{4, 90, 8}, Case{13, 0, 30},
          Case{16, 90, 38}, Case{18, 150, 42}, Case{144, 330, 358}}) {
        SCOPED_TRACE(c.record);
        EXPECT_EQ(minuteAngle(c.record), c.minute);
        EXPECT_EQ(hourAngle(c.record), c.hour);
    }
    // Past 144 records the hands go round again.
    EXPECT_EQ(hourAngle(145), hourAngle(1));
    EXPECT_EQ(hourAngle(160), hourAngle(16));
}

TEST(Clock, FaceGeometryAtTheWindowHeight) {
    const ClockFace f = face(1);
    EXPECT_EQ(f.width, 233);
    EXPECT_EQ(f.centre, (ClockPoint{116, 112}));
    EXPECT_EQ(f.radius, 87);
    EXPECT_EQ(f.hourLength, 63);
    EXPECT_EQ(f.dotRadius, 9);
    EXPECT_EQ(f.fontHeight, 18);
    // Record 1: both hands straight up.
    EXPECT_EQ(f.minuteHand.tip, (ClockPoint{116, 25}));
    EXPECT_EQ(f.hourHand.tip, (ClockPoint{116, 49}));
    EXPECT_EQ(f.dot, (ClockPoint{116, 81}));
    // The sides lie 10 degrees either way, at a third of the length.
    EXPECT_EQ(f.minuteHand.side1, clockPoint(f.centre, 80, 29));
    EXPECT_EQ(f.minuteHand.side2, clockPoint(f.centre, 100, 29));
    // Record 16, a quarter past one: the minute hand points right.
    EXPECT_EQ(face(16).minuteHand.tip, (ClockPoint{203, 112}));
}

// The numerals stand by their top-left corners: 3 right of the dial, 12 on
// top, and 7 placed with its width both ways.
TEST(Clock, NumeralCorners) {
    const ClockFace f = face(1);
    EXPECT_EQ(f.numerals[3], (ClockPoint{211, 103}));
    EXPECT_EQ(f.numerals[12], (ClockPoint{111, 6}));
    EXPECT_EQ(f.numerals[7], (ClockPoint{60, 192}));
}

TEST(Clock, ClockNumberComesFromTheQueueInACorrectionRound) {
    EXPECT_EQ(clockNumberFor(false, 17, 40), 17);
    EXPECT_EQ(clockNumberFor(true, 17, 40), 40);
}

// The first letter of a time may be a capital or not, in either direction
// and for an alternative too; every other letter must be as the record has it.
TEST(Clock, AnswerIgnoresOnlyTheFirstLettersCase) {
    const RecordFields quarter = str_postarray("kvart i nio#8.45#&femton minuter i nio");
    const RecordFields capital = str_postarray("\xC5tta#8.00");
    struct Case {
        const RecordFields* fields;
        const char* typed;
        bool right;
    };
    for (const Case& c :
         {Case{&quarter, "kvart i nio", true}, Case{&quarter, "Kvart i nio", true},
          Case{&quarter, "  Kvart i nio", true}, Case{&quarter, "Femton minuter i nio", true},
          Case{&quarter, "kvart i Nio", false}, Case{&quarter, "KVART I NIO", false},
          Case{&quarter, "kvart", false}, Case{&quarter, "", false},
          Case{&capital, "\xE5tta", true}, Case{&capital, "\xC5tta", true},
          Case{&capital, "\xE5TTA", false}}) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(acceptsClockAnswer(*c.fields, c.typed), c.right);
    }
    // The lamp stays green for a capital that begins the time.
    EXPECT_EQ(GreenRedTest(quarter, clockLampText(quarter, "Kvart i"), "kvart i nio"), 1);
    EXPECT_EQ(GreenRedTest(quarter, clockLampText(quarter, "Fem"), "kvart i nio"), 1);
    EXPECT_EQ(GreenRedTest(quarter, clockLampText(quarter, "KV"), "kvart i nio"), 2);
    EXPECT_EQ(clockLampText(quarter, "kvar"), "kvar");
}
