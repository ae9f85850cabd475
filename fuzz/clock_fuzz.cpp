// The clock exercise on arbitrary bytes: the input is the clock file, whose
// record number alone gives the time on the clock. Every record is fetched
// as a question and, when answered wrong, again in the correction round; the
// clock must show the time of the record asked, its hands and numerals
// inside the face. The last input byte sets the face's height.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/clock.h"
#include "core/data_files.h"
#include "core/record_fields.h"
#include "exercise_root.h"
#include "fuzz_check.h"

using namespace glosbo::core;

namespace {

bool inside(ClockPoint p, const ClockFace& f) {
    return p.x >= 0 && p.x <= f.width && p.y >= 0 && p.y <= f.height;
}

void checkFace(int record, int height) {
    // Numerals as the painter measures them: in a font height / 12 pixels
    // high, about half as wide a digit.
    const int font = std::max(height, 1) / 12;
    const auto numeralSize = [font](int numeral) {
        return ClockTextSize{(numeral < 10 ? 1 : 2) * font / 2, font};
    };
    const ClockFace f = clockFace(record, height, numeralSize);
    FUZZ_CHECK(f.height == std::max(height, 1) && f.width == f.height + 8);
    const int hour = clockHour(record), step = clockStep(record);
    FUZZ_CHECK(step >= 0 && step < 12 && hour >= 0);
    FUZZ_CHECK(minuteAngle(record) == 30 * step);
    const int h = hourAngle(record);
    FUZZ_CHECK(h >= 0 && h < 360);
    // The hour hand stands between its hour and the next.
    const int fromHour = (h - 30 * (hour % 12) + 360) % 360;
    FUZZ_CHECK(fromHour >= 0 && fromHour < 30);
    // The window draws its clock 225 pixels high; a face much smaller has no
    // room for its numerals and is not drawn.
    if (height < 160) return;
    for (const ClockPoint p : {f.hourHand.tip, f.hourHand.side1, f.hourHand.side2, f.dot,
                               f.minuteHand.tip, f.minuteHand.side1, f.minuteHand.side2})
        FUZZ_CHECK(inside(p, f));
    for (int i = 1; i <= 12; ++i)
        FUZZ_CHECK(inside(f.numerals[std::size_t(i)], f));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    fuzz::Exercise ex("SVE55000.DAT", bytes, std::uint32_t(size));
    AppState& state = *ex.state;
    FUZZ_CHECK(state.programNumber == kClockProgram);
    const int height = size > 0 ? 8 * data[size - 1] : 240;

    DataFiles& files = state.files;
    for (int k = 0; k < ex.records && k < 30; ++k) {
        // A question: the next record of the random order.
        files.errorPracticeMode = false;
        files.currentRecordNumber = static_cast<std::uint16_t>(state.haemta_slumptal());
        const int n = files.currentRecordNumber;
        FUZZ_CHECK(n >= 1 && n <= ex.records);
        files.haemtaord(files.currentExerciseFile, n);
        FUZZ_CHECK(files.currentRecordLine == ex.line(n));
        state.clockNumber = clockNumberFor(false, n, files.errorRecordNumber);
        FUZZ_CHECK(state.clockNumber == n);
        checkFace(state.clockNumber, height);
        const RecordFields fields = str_postarray(files.currentRecordLine);
        FUZZ_CHECK(fields.fieldCount <= 10);

        // Answered wrong, it comes back in the correction round with its
        // own line and its own time.
        files.haemtafel(files.currentExerciseFile, QueueOp::Add);
        files.errorPracticeMode = true;
        files.haemtafel(files.currentExerciseFile, QueueOp::Fetch);
        FUZZ_CHECK(files.errorRecordNumber >= 1);
        state.clockNumber =
            clockNumberFor(true, files.currentRecordNumber, files.errorRecordNumber);
        const int asked = files.errorRecordNumber;
        FUZZ_CHECK(files.currentRecordLine == ex.line(asked));
        FUZZ_CHECK(state.clockNumber == asked);
        checkFace(state.clockNumber, height);
    }
    return 0;
}
