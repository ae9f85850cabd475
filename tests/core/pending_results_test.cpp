#include <gtest/gtest.h>

#include <fstream>

#include "core/pending_results.h"
#include "core/test_support.h"

using namespace glosbo::core;
using glosbo::test::readBytes;

namespace {

// 2025-03-07 at hour:minute, local time.
std::time_t at(int hour, int minute) {
    std::tm t{};
    t.tm_year = 125, t.tm_mon = 2, t.tm_mday = 7, t.tm_hour = hour, t.tm_min = minute;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

DiagnosisRecord pupil(const std::string& name) {
    DiagnosisRecord r;
    r.name = name;
    return r;
}

} // namespace

// Per test the newer of the two wins; a test never taken has no time, even
// when a reset record kept an old one.
TEST(PendingResults, TheNewerResultOfEachTestWins) {
    DiagnosisRecord stored = pupil("Anna");
    diagnosback(stored, 1, 12, at(9, 0)); // stored later than kept
    diagnosback(stored, 2, 15, at(8, 0)); // stored earlier than kept
    stored.year[4] = 2030;                // a left-over time of a test never taken
    DiagnosisRecord kept = stored;
    diagnosback(kept, 1, 20, at(8, 30)); // older: dropped
    diagnosback(kept, 2, 3, at(8, 30));  // newer: taken
    diagnosback(kept, 3, 18, at(8, 45)); // only kept has it: taken
    diagnosback(kept, 4, 7, at(8, 50));  // beats the left-over time
    completePractice(kept, 2);           // same time, practice completed: taken

    DiagnosisRecord merged = stored;
    EXPECT_TRUE(mergePendingResults(merged, kept));
    EXPECT_EQ(merged.result[1], 12);
    EXPECT_EQ(merged.result[2], 3);
    EXPECT_EQ(merged.status[2], kStatusTest);
    EXPECT_EQ(merged.result[3], 18);
    EXPECT_EQ(merged.result[4], 7);
    EXPECT_EQ(merged.hour[4], 8);

    // Merged once, nothing is newer any more.
    EXPECT_FALSE(mergePendingResults(merged, kept));
    // Nothing newer at all: nothing changes.
    DiagnosisRecord older = pupil("Anna");
    diagnosback(older, 1, 20, at(7, 0));
    DiagnosisRecord unchanged = stored;
    EXPECT_FALSE(mergePendingResults(unchanged, older));
    EXPECT_EQ(unchanged.toBytes(), stored.toBytes());

    // A password chosen while saving failed, for a pupil that had none.
    DiagnosisRecord withPassword = pupil("Anna");
    withPassword.password = "ny";
    DiagnosisRecord noPassword = pupil("Anna"), hasOne = pupil("Anna");
    hasOne.password = "egen";
    EXPECT_TRUE(mergePendingResults(noPassword, withPassword));
    EXPECT_EQ(noPassword.password, "ny");
    EXPECT_FALSE(mergePendingResults(hasOne, withPassword));
    EXPECT_EQ(hasOne.password, "egen");
}

// One file per pupil and diagnosis file; anything else read from it is
// ignored, never half taken.
TEST(PendingResults, KeptLoadedAndDropped) {
    glosbo::test::TempRoot dir;
    const PendingResults pending(dir.path() + "/own", "/school/DIAGNOS/SDIAG.DIA");
    DiagnosisRecord anna = pupil("Anna");
    diagnosback(anna, 5, 17, at(10, 0));
    EXPECT_FALSE(pending.load("Anna"));
    ASSERT_FALSE(pending.keep(anna)) << "the directory is made";
    EXPECT_EQ(pending.load("ANNA")->toBytes(), anna.toBytes()) << "letter case ignored";
    EXPECT_FALSE(pending.load("Bo"));
    EXPECT_NE(pending.path("Anna"), pending.path("Bo"));
    const PendingResults otherClass(dir.path() + "/own", "/school/DIAGNOS2/SDIAG.DIA");
    EXPECT_FALSE(otherClass.load("Anna")) << "another diagnosis file's pupil";

    // Damaged files: cut, a length beyond its field, another name inside.
    const std::string good = readBytes(pending.path("Anna"));
    std::string badLength = good;
    badLength[good.size() - DiagnosisRecord::kSize] = 40;
    DiagnosisRecord bo = pupil("Bo");
    std::string otherName = good.substr(0, good.size() - DiagnosisRecord::kSize) + bo.toBytes();
    for (const std::string& bytes : {good.substr(0, good.size() - 1), badLength, otherName}) {
        std::ofstream(pending.path("Anna"), std::ios::binary) << bytes;
        EXPECT_FALSE(pending.load("Anna"));
    }
    pending.drop("Anna");
    EXPECT_FALSE(pending.load("Anna"));
    EXPECT_TRUE(readBytes(pending.path("Anna")).empty());

    EXPECT_TRUE(PendingResults("", "/x/SDIAG.DIA").keep(anna)) << "nowhere to keep it";
}
