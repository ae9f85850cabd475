#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/lock_file.h"
#include "core/records_file.h"
#include "results/trekord.h"
#include "ui_support.h"

using glosbo::core::RecordEntry;
using glosbo::results::TRekord;
using glosbo::test::Harness;

namespace {

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<RecordEntry> table(int count, int best) {
    std::vector<RecordEntry> entries;
    for (int i = 0; i < count; ++i) {
        RecordEntry e;
        e.name = "Elev " + std::to_string(i + 1);
        e.year = 1998;
        e.month = 6;
        e.day = 19;
        e.hour = 22;
        e.minute = 5;
        e.result = best - 10 * i;
        entries.push_back(e);
    }
    return entries;
}

class TrekordTest : public ::testing::Test {
protected:
    // Opens the table of "Synonym 1" with a new result, the file holding
    // the given bytes (nothing: no file).
    std::unique_ptr<TRekord> open(std::int32_t result, std::optional<std::string> bytes,
                                  const std::string& name = "Nora") {
        if (bytes) glosbo::test::writeFile(file(), *bytes);
        h.state->selectExercise("SVE32110.DAT");
        h.state->recordsPath = file();
        h.state->pendingRecord = RecordEntry{};
        h.state->pendingRecord.name = name;
        h.state->pendingRecord.result = result;
        auto w = std::make_unique<TRekord>(*h.state, h.services);
        w->lockOptions.waitLimit = std::chrono::milliseconds(50);
        w->lockOptions.retryEvery = std::chrono::milliseconds(5);
        w->show();
        // A table that cannot be used closes the window at once.
        if (w->pendingRow() != 0) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        }
        return w;
    }
    std::string file() const { return h.path("RESULTAT/SVE32110.SVR"); }
    std::vector<RecordEntry> stored() const {
        return glosbo::core::parseRecordsFile(readBytes(file())).entries;
    }
    Harness h;
};

} // namespace

TEST_F(TrekordTest, NewResultStandsAtItsRankAndEnterSavesIt) {
    auto w = open(315, glosbo::core::recordsBytes(table(3, 330))); // 330, 320, 310
    EXPECT_EQ(w->Label1->text(), "Rekordtabell för programmet Synonym 1");
    const char* header[] = {"  Nr", "       Namn", "  Datum och tid", "    Resultat"};
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(w->cell(0, c), header[c]);
    EXPECT_EQ(w->pendingRow(), 3);
    EXPECT_EQ(w->cell(1, 0), "    1");
    EXPECT_EQ(w->cell(1, 1), "   Elev 1");
    EXPECT_EQ(w->cell(1, 2), " 980619 22:05");
    EXPECT_EQ(w->cell(1, 3), "      330");
    EXPECT_EQ(w->cell(3, 1), "   Nora");
    EXPECT_EQ(w->cell(4, 1), "   Elev 3");
    EXPECT_EQ(w->cell(10, 0), "  10");
    EXPECT_EQ(w->cell(100, 0), "100");
    EXPECT_EQ(w->cell(TRekord::kExtraRow, 0), "");
    EXPECT_EQ(w->StringGrid1->currentRow(), 2);
    EXPECT_EQ(w->firstVisibleRow(), 1);

    // Somebody saves a better result meanwhile: it is kept.
    auto others = table(3, 330);
    others.insert(others.begin(), table(1, 900).front());
    glosbo::test::writeFile(file(), glosbo::core::recordsBytes(others));
    QTest::keyClick(w->StringGrid1, Qt::Key_Return);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), QDialog::Accepted);
    const auto saved = stored();
    ASSERT_EQ(saved.size(), 5u);
    EXPECT_EQ(saved[0].result, 900);
    EXPECT_EQ(saved[3].name, "Nora");
    EXPECT_EQ(saved[3].result, 315);
    EXPECT_GE(saved[3].year, 2024);
    EXPECT_TRUE(h.messages.texts.empty());
}

TEST_F(TrekordTest, AResultBelowAFullTableShowsXAndIsNeverSaved) {
    const std::string bytes = glosbo::core::recordsBytes(table(100, 1100)); // lowest 110
    auto w = open(110, bytes);
    EXPECT_EQ(w->pendingRow(), TRekord::kExtraRow);
    EXPECT_EQ(w->cell(TRekord::kExtraRow, 0), "  X");
    EXPECT_EQ(w->cell(TRekord::kExtraRow, 1), "   Nora");
    EXPECT_EQ(w->cell(TRekord::kExtraRow, 3), "      110");
    EXPECT_EQ(w->cell(100, 3), "      110");
    EXPECT_EQ(w->StringGrid1->currentRow(), TRekord::kExtraRow - 1);
    // The extra row is scrolled into view.
    EXPECT_GT(
        w->StringGrid1->visualItemRect(w->StringGrid1->item(TRekord::kExtraRow - 1, 0)).bottom(),
        0);
    EXPECT_LE(
        w->StringGrid1->visualItemRect(w->StringGrid1->item(TRekord::kExtraRow - 1, 0)).bottom(),
        w->StringGrid1->viewport()->height());
    w->Button1->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(readBytes(file()), bytes);
}

TEST_F(TrekordTest, TheRowOfTheNewResultIsBroughtIntoView) {
    struct Case {
        int stored;
        int best;
        int row;
    };
    for (const Case c : {Case{60, 1000, 50}, Case{99, 2000, 95}, Case{8, 100, 5}}) {
        // The new result lands right below rank row - 1.
        const int result = c.best - 10 * (c.row - 1) + 5;
        auto w = open(result, glosbo::core::recordsBytes(table(c.stored, c.best)));
        ASSERT_EQ(w->pendingRow(), c.row);
        const int rowHeight = w->StringGrid1->rowHeight(0);
        const int visible = w->StringGrid1->viewport()->height() / rowHeight;
        const int expected = c.row < 10 ? 1 : c.row < 90 ? c.row - visible / 2 : 90;
        EXPECT_EQ(w->firstVisibleRow(),
                  std::min(expected, w->StringGrid1->verticalScrollBar()->maximum() + 1))
            << c.row;
        w->reject();
    }
}

TEST_F(TrekordTest, AMissingFileIsMadeEmptyAndEscKeepsItEmpty) {
    auto w = open(0, std::nullopt, "");
    EXPECT_TRUE(std::filesystem::exists(file()));
    EXPECT_EQ(w->pendingRow(), 1);
    EXPECT_EQ(w->cell(1, 1), "   ");
    EXPECT_EQ(w->cell(1, 3), ""); // 0 is shown as nothing
    QTest::keyClick(w->StringGrid1, Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), QDialog::Rejected);
    EXPECT_EQ(std::filesystem::file_size(file()), 0u);

    // Saved, an empty name and a result of 0 take rank 1.
    auto again = open(0, std::nullopt, "");
    QTest::keyClick(again->StringGrid1, Qt::Key_Return);
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0].name, "");
}

TEST_F(TrekordTest, ADamagedFileIsNeverWrittenAndTheWindowCloses) {
    const std::string bytes = glosbo::core::recordsBytes(table(3, 300)) + "xyz";
    auto w = open(500, bytes);
    QTest::qWait(20);
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(w->Button1->isEnabled());
    EXPECT_EQ(h.messages.texts,
              std::vector<std::string>{"Rekordtabellen " + file() +
                                       " \xC3\xA4r skadad och kan inte anv\xC3\xA4ndas. Be "
                                       "l\xC3\xA4raren om hj\xC3\xA4lp."});
    w->Button1Click();
    EXPECT_EQ(readBytes(file()), bytes);
}

// While another program holds the table's lock the window says that it
// waits and stays live: it saves once the lock is free, and Esc leaves it.
TEST_F(TrekordTest, WhileTheTableIsLockedTheWindowWaitsAndCanBeLeft) {
    glosbo::core::SystemClock clock;
    for (const bool leave : {false, true}) {
        SCOPED_TRACE(leave ? "Esc" : "the lock is let go");
        auto w = open(500, glosbo::core::recordsBytes(table(3, 300)));
        w->lockOptions.waitLimit = std::chrono::milliseconds(60000);
        auto lock = std::make_unique<glosbo::core::LockFile>(file() + ".lock", clock);
        ASSERT_EQ(lock->lock().status, glosbo::core::LockResult::Status::Locked);
        QTest::keyClick(w->StringGrid1, Qt::Key_Return);
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(w->waiting());
        EXPECT_TRUE(w->WaitLabel->isVisible());
        EXPECT_EQ(w->WaitLabel->text(), QString::fromUtf8("Väntar på resultattabellen …"));
        EXPECT_FALSE(w->Button1->isVisible());
        QTest::qWait(30); // a few tries, the window live all along
        EXPECT_TRUE(w->waiting());
        if (leave) {
            QTest::keyClick(w->StringGrid1, Qt::Key_Escape);
            EXPECT_FALSE(w->isVisible());
            EXPECT_FALSE(w->waiting());
            lock.reset();
            QTest::qWait(20);
            EXPECT_EQ(stored().size(), 3u) << "nothing saved after Esc";
        } else {
            lock.reset();
            EXPECT_TRUE(QTest::qWaitFor([&] { return !w->isVisible(); }, 2000));
            EXPECT_EQ(stored().size(), 4u);
        }
        EXPECT_TRUE(h.messages.texts.empty());
    }
}

TEST_F(TrekordTest, ABusyTableKeepsTheWindowOpenAndAFailedSaveSaysSo) {
    auto w = open(500, glosbo::core::recordsBytes(table(3, 300)));
    {
        glosbo::core::SystemClock clock;
        glosbo::core::LockFile lock(file() + ".lock", clock);
        ASSERT_EQ(lock.lock().status, glosbo::core::LockResult::Status::Locked);
        QTest::keyClick(w->StringGrid1, Qt::Key_Return);
        EXPECT_TRUE(w->isVisible());
        // Past the wait limit the pupil is told and may try again later.
        ASSERT_TRUE(QTest::qWaitFor([&] { return !w->waiting(); }, 2000));
        ASSERT_EQ(h.messages.texts.size(), 1u);
        EXPECT_EQ(h.messages.texts[0],
                  "Rekordtabellen anv\xC3\xA4nds just nu. F\xC3\xB6rs\xC3\xB6k igen om en stund.");
        EXPECT_TRUE(w->Button1->isVisible());
        EXPECT_EQ(stored().size(), 3u);
    }
    // The file cannot be read any more: the pupil is told, the window stays.
    std::filesystem::remove(file());
    std::filesystem::create_directory(file());
    w->Button1->click();
    EXPECT_TRUE(w->isVisible());
    ASSERT_EQ(h.messages.texts.size(), 2u);
    EXPECT_EQ(h.messages.texts[1], "Resultatet kunde inte sparas i " + file() + ".");
    std::filesystem::remove(file());
    w->Button1->click();
    EXPECT_FALSE(w->isVisible());
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0].result, 500);
}
