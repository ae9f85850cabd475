#include <gtest/gtest.h>

#include "core/diagnosis_record.h"
#include "core/text.h"

using namespace glosbo::core;

TEST(DiagnosisRecord, LayoutIsLittleEndianAtFixedOffsets) {
    DiagnosisRecord r;
    r.name = "Anna \xD6st";
    r.password = "hemligt";
    r.result[1] = 15;
    r.result[17] = 0x01020304;
    r.status[17] = kStatusPractise;
    r.year[1] = 2026;
    r.minute[20] = 59;
    const std::string b = r.toBytes();
    ASSERT_EQ(b.size(), 336u);
    EXPECT_EQ(b[0], 8);
    EXPECT_EQ(b.substr(1, 8), "Anna \xD6st");
    EXPECT_EQ(b[22], 7);
    EXPECT_EQ(b.substr(23, 7), "hemligt");
    EXPECT_EQ(b[36], 15);
    EXPECT_EQ(b.substr(36 + 16 * 4, 4), std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(b[116 + 16], 3);
    EXPECT_EQ(std::uint8_t(b[136]), 2026 & 0xFF);
    EXPECT_EQ(std::uint8_t(b[137]), 2026 >> 8);
    EXPECT_EQ(b[296 + 19 * 2], 59);

    const DiagnosisRecord back = DiagnosisRecord::fromBytes(b);
    EXPECT_EQ(back.toBytes(), b);
    EXPECT_EQ(back.name, r.name);
    EXPECT_EQ(back.result[17], 0x01020304);

    std::string bad = b;
    bad[0] = char(200); // a length beyond the field is cut to it
    EXPECT_EQ(DiagnosisRecord::fromBytes(bad).name.size(), 21u);
    EXPECT_EQ(DiagnosisRecord::fromBytes("short").name, "");
}

TEST(DiagnosisRecord, ResultsAndStatuses) {
    DiagnosisRecord r;
    struct Step {
        int correct;
        int result;
        std::uint8_t status;
    };
    diagnosback(r, 3, 0, 0);
    EXPECT_EQ(r.status[3], kStatusStart);
    for (const Step s :
         {Step{15, 15, kStatusTest}, Step{14, 14, kStatusPractise}, Step{12, 12, kStatusPractise},
          Step{0, 0, kStatusPractise}, Step{0, 0, kStatusStart}}) {
        diagnosback(r, 3, s.correct, 1765000000);
        EXPECT_EQ(r.result[3], s.result);
        EXPECT_EQ(r.status[3], s.status) << s.correct;
    }
    EXPECT_EQ(r.year[3], 2025);
    r.result[5] = 9;
    EXPECT_EQ(GeStatusTal(r, 0), kStatusStart) << "no test 0";
    EXPECT_EQ(GeStatusTal(r, 21), kStatusStart) << "no test 21";
    completePractice(r, 5);
    EXPECT_EQ(r.status[5], kStatusTest);
    EXPECT_EQ(r.result[5], 9);
    EXPECT_EQ(utf8Bytes(statusName(kStatusPractise)), "Öva");
    EXPECT_EQ(utf8Bytes(statusName(kStatusWait)), "Vänta");
}

TEST(DiagnosisRecord, HeadingAndBox) {
    EXPECT_EQ(utf8Bytes(TestOverSkrift(RunMode::DiagnosisTest, 0).value()), "Diagnos: Testning");
    EXPECT_EQ(utf8Bytes(TestOverSkrift(RunMode::DiagnosisPractice, 0).value()), "Övning 1");
    EXPECT_EQ(utf8Bytes(TestOverSkrift(RunMode::DiagnosisPracticeHelp, 1).value()), "Övning 2");
    EXPECT_FALSE(TestOverSkrift(RunMode::Practice, 0).has_value());
    EXPECT_FALSE(TestOverSkrift(RunMode::DiagnosisPracticeErrors, 0).has_value());
    EXPECT_EQ(diagnosisQuestionText(7), "7/20");
}
