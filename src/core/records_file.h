#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/atomic_file.h"
#include "core/data_roots.h"
#include "core/lock_file.h"

// The records table of a game: the 100 best results with the player's name
// and the minute each was saved, best first, in a file of 36-byte entries
// that pupils on several computers may save into at once.
namespace glosbo::core {

struct RecordEntry {
    static constexpr std::size_t kSize = 36;
    static constexpr std::size_t kNameField = 21;
    // Names typed by the player are cut to this many characters.
    static constexpr std::size_t kNameLimit = 20;

    std::string name; // Windows-1252
    std::uint16_t year = 0, month = 0, day = 0, hour = 0, minute = 0;
    std::int32_t result = 0;

    std::string toBytes() const;
    // Name bytes past the length are ignored; a length above the field is
    // cut to the field (parseRecordsFile reports such a file as damaged).
    static RecordEntry fromBytes(std::string_view bytes);
    // Sets the date and time to the local time of now, seconds dropped.
    void stamp(std::time_t now);
    bool operator==(const RecordEntry&) const = default;
};

constexpr int kRecordRanks = 100;

struct RecordsContents {
    std::vector<RecordEntry> entries; // stored order, best first
    // A length that is not whole entries, more than 100 entries or a name
    // length beyond its field: not a records file as this program writes
    // it. Such a file is never written.
    bool damaged = false;
};

RecordsContents parseRecordsFile(std::string_view bytes);
std::string recordsBytes(const std::vector<RecordEntry>& entries);

// The stored entries with a new one merged in. The stored order is walked,
// never re-sorted: the new entry goes above the first entry it beats, so a
// tie stays below the older entry, and the entry pushed past rank 100 falls
// off. An entry with an empty name is an entry like any other.
struct RecordsMerge {
    std::vector<RecordEntry> entries; // at most 100, what a save writes
    // The new entry's rank 1..100, or nothing when it does not make the
    // table (it is then shown below it with "  X" and never saved).
    std::optional<int> rank;
};

RecordsMerge mergeRecords(const std::vector<RecordEntry>& stored, const RecordEntry& pending);

// Cell texts of the table, with their leading spaces.
// "    1".."    9", "  10".."  99", "100"; empty outside 1..100.
std::string recordRankText(int rank);
// Three spaces and the name, at most 24 characters in all.
std::string recordNameText(const std::string& name);
std::string recordDateText(const RecordEntry& entry); // "980619 22:05"
std::string recordResultText(std::int32_t result);    // empty outside 1..30000
inline const char* const kRecordExtraRow = "  X";

// "SVE31310.SVR" for "SVE31310.DAT": the records file of an exercise file.
std::string recordsFileName(const std::string& exerciseFile);
// Where the records file of an exercise file lies: the file's name up to its
// first "." plus ".SVR", in the results directory, or in "RESULTAT" under the
// first data root when no results directory is set.
std::string recordsPathFor(const DataRoots& roots, const std::string& exerciseFile);

struct RecordsLoad {
    enum class Status { Loaded, Missing, Unreadable };
    Status status = Status::Unreadable;
    RecordsContents contents;
    int code = 0;
};

struct RecordsSave {
    enum class Status {
        Saved,
        NotPlaced, // the result does not make the full table; nothing written
        Damaged,   // the file is not a records file; it was left alone
        Busy,      // another program held the lock the whole wait
        Failed,    // the lock, reading or writing failed
    };
    Status status = Status::Failed;
    std::optional<int> rank; // when Saved
    std::optional<LockHolder> holder;
    std::optional<FileError> error;
    int code = 0;
};

class RecordsFile {
public:
    explicit RecordsFile(std::string path, const Clock& clock,
                         LockSystem& lockSystem = systemLockSystem(), LockOptions lockOptions = {},
                         FileOps& ops = systemFileOps());

    const std::string& path() const { return m_path; }
    RecordsLoad load() const;
    // Creates a missing file empty (the window does so when it opens);
    // false with errno when it can be neither opened nor created.
    bool ensureExists(int& code) const;

    // Merges pending into what the file holds now and replaces the file,
    // all under the lock, so results others saved since are kept. The
    // entry is saved as it is given (stamped and cut by the caller).
    RecordsSave save(const RecordEntry& pending);

private:
    std::string m_path;
    const Clock& m_clock;
    LockSystem& m_lockSystem;
    LockOptions m_lockOptions;
    FileOps& m_ops;
};

} // namespace glosbo::core
