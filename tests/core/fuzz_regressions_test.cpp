// Inputs that the fuzz targets once failed on, kept so the faults stay fixed.
#include <gtest/gtest.h>

#include <limits>

#include "core/diagnosis_file.h"
#include "core/picture_questions.h"
#include "core/sources.h"
#include "core/wrap.h"
#include "test_support.h"

using namespace glosbo::core;

namespace {
constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();
} // namespace

// Bounds far apart overflowed the width (right - left, then the scaling to
// the screen), which wrapped it round to a negative width.
TEST(FuzzRegressions, WrapWidthNeverOverflows) {
    WrapContext c;
    c.width = [](std::string_view t, int) { return int(t.size()) * 10; };
    c.screenWidth = 800;
    const std::string text = "Sj\xF6n ligger stilla.";
    EXPECT_EQ(dela_mening(6, kMax, 3, text, c)[1], text);
    EXPECT_EQ(dela_mening(kMin, kMax, 3, text, c)[1], text);
    c.screenWidth = kMax;
    EXPECT_EQ(dela_mening(0, 1000, 3, text, c)[1], text);
    // Reversed bounds give the narrowest width: one character a line.
    const auto narrow = dela_mening(kMax, kMin, 3, text, c);
    EXPECT_EQ(narrow[1], "S");
    EXPECT_EQ(narrow[2], "j");
    EXPECT_EQ(narrow[3], "\xF6");
}

// A record with a result no test gives or a status that does not exist was
// read as a pupil's record: the protocol showed a sum of millions and a test
// without a status, which the pupil could not start. Such a file is damaged:
// refused whole, and a save leaves it as it is.
TEST(FuzzRegressions, DiagnosisRecordOutsideItsValuesIsDamaged) {
    DiagnosisRecord good;
    good.name = "Anna";
    good.result[1] = 20, good.status[1] = kStatusTest;
    good.result[2] = 9, good.status[2] = kStatusPractise;
    good.status[3] = kStatusWait;
    struct Case {
        int test;
        std::int32_t result;
        std::uint8_t status;
        bool damaged;
    };
    for (const Case c : {Case{1, 20, kStatusPractise, false}, Case{17, 0, kStatusWait, false},
                         Case{20, 0, kStatusStart, false}, Case{10, 33555202, kStatusTest, true},
                         Case{5, -7, kStatusPractise, true}, Case{1, 21, kStatusTest, true},
                         Case{17, 5, 4, true}, Case{20, 0, 255, true}}) {
        SCOPED_TRACE(testing::Message()
                     << "test " << c.test << " result " << c.result << " status " << int(c.status));
        DiagnosisRecord odd;
        odd.name = "Bo";
        odd.result[c.test] = c.result;
        odd.status[c.test] = c.status;
        const std::string bytes = good.toBytes() + odd.toBytes();
        const DiagnosisContents contents = parseDiagnosisFile(bytes);
        EXPECT_EQ(contents.damaged(), c.damaged);
        EXPECT_EQ(contents.badValues, c.damaged ? std::optional<std::size_t>(1) : std::nullopt);

        glosbo::test::TempRoot dir;
        dir.write(DiagnosisFile::kFileName, bytes);
        const FixedClock clock(1'700'000'000);
        DiagnosisFile file(dir.path(), clock);
        EXPECT_EQ(file.save(good).status,
                  c.damaged ? DiagnosisSave::Status::Damaged : DiagnosisSave::Status::Saved);
        if (c.damaged) {
            EXPECT_EQ(glosbo::test::readBytes(file.path()), bytes) << "the file is never written";
        }
    }
}

// A question with a long run of spaces wrapped into a first line, a line of
// spaces alone (which comes back empty) and a last line; the labels showed
// the first line only and the end of the question was lost.
TEST(FuzzRegressions, PictureQuestionKeepsTheLineAfterABlankOne) {
    WrapContext c;
    c.width = [](std::string_view t, int) { return int(t.size()) * 11; };
    c.programNumber = 38100;
    const std::string question = "Vad heter delen" + std::string(60, ' ') + "nummer 3?";
    const auto wrapped = dela_mening(40, 420, 3, question, c);
    ASSERT_EQ(wrapped[2], "");
    ASSERT_EQ(wrapped[3], "nummer 3?");
    const PictureQuestionLines lines = pictureQuestionLines(wrapped);
    EXPECT_EQ(lines.upper, wrapped[1]);
    EXPECT_EQ(lines.lower, "nummer 3?");
}
