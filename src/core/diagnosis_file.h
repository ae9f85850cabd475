#pragma once

#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/atomic_file.h"
#include "core/diagnosis_record.h"
#include "core/lock_file.h"

namespace glosbo::core {

// What a diagnosis file holds: whole records in file order, each kept as its
// bytes so that a record nobody changes is written back unchanged.
struct DiagnosisContents {
    std::vector<std::string> records; // DiagnosisRecord::kSize bytes each
    // Bytes after the last whole record. A file with such a tail was cut or
    // written by something else; it is shown but never overwritten.
    std::size_t tailBytes = 0;
    // The first record whose name or password length does not fit its
    // field: the file is not a diagnosis file as this program writes it.
    std::optional<std::size_t> badLengths;
    // The first record holding a result outside 0..20 or a status outside
    // the four there are: no test gives such a record, and shown it would
    // be numbers nobody scored and tests no pupil could start.
    std::optional<std::size_t> badValues;

    bool damaged() const {
        return tailBytes != 0 || badLengths.has_value() || badValues.has_value();
    }
    std::size_t fileSize() const { return records.size() * DiagnosisRecord::kSize + tailBytes; }
    DiagnosisRecord record(std::size_t i) const { return DiagnosisRecord::fromBytes(records[i]); }
    // The name of record i alone, without reading the rest of the record.
    std::string name(std::size_t i) const;
    // The index of the first record whose name equals name in capitals.
    std::optional<std::size_t> find(std::string_view name) const;
    // The names of the records in file order, empty names left out.
    std::vector<std::string> names() const;
};

// Splits the bytes of a diagnosis file into whole records and a tail.
DiagnosisContents parseDiagnosisFile(std::string_view bytes);

struct DiagnosisLoad {
    enum class Status { Loaded, Missing, Unreadable };
    Status status = Status::Unreadable;
    DiagnosisContents contents;
    int code = 0; // errno when Unreadable
};

struct DiagnosisSave {
    enum class Status {
        Saved,
        Damaged, // the file is not whole records; it was left alone
        Busy,    // another program held the lock the whole wait
        Failed,  // the lock, reading or writing failed; see error / code
    };
    Status status = Status::Failed;
    std::optional<LockHolder> holder; // when Busy
    std::optional<FileError> error;   // when writing failed
    int code = 0;                     // errno when the lock or reading failed
};

// What a removal or an archiving did.
struct DiagnosisChange {
    enum class Status {
        Done,
        NotFound, // removal: no record of exactly that name; nothing written
        Missing,  // there is no diagnosis file
        Damaged,  // removal: the file is not whole records; it was left alone
        Busy,     // another program held the lock the whole wait
        Failed,   // see error / code
    };
    Status status = Status::Failed;
    std::string archive; // the archive's file name (no directory) when archived
    std::optional<LockHolder> holder;
    std::optional<FileError> error;
    int code = 0;
};

// "SV" + YYMMDDHHMM + ".DIS" for a local time.
std::string archiveName(std::time_t now);

// The diagnosis file "SDIAG.DIA" of a diagnosis directory, which pupils on
// several computers may save into at once.
class DiagnosisFile {
public:
    static constexpr const char* kFileName = "SDIAG.DIA";

    explicit DiagnosisFile(const std::string& directory, const Clock& clock,
                           LockSystem& lockSystem = systemLockSystem(),
                           LockOptions lockOptions = {}, FileOps& ops = systemFileOps());

    // A diagnosis file of another name, as the data tool is given it; its
    // lock and archives lie beside it.
    static DiagnosisFile atPath(const std::string& path, const Clock& clock);

    const std::string& path() const { return m_path; }

    DiagnosisLoad load() const;

    // Saves one pupil's record under the lock: every record whose name is
    // the same in capitals is replaced, else the record is appended; the
    // first save creates the file. Other records keep their bytes. Files
    // left by a save that was killed are removed once they are old.
    DiagnosisSave save(const DiagnosisRecord& record);

    // Reads, changes and writes one pupil's record under the lock, so that
    // changes made at the same time by others to the same pupil are kept:
    // change gets the stored record of that name (letter case ignored), or
    // a new record holding only the name. Saved as save() saves.
    DiagnosisSave update(const std::string& name,
                         const std::function<void(DiagnosisRecord&)>& change);

    // Removes under the lock every record of exactly that name (case
    // counts) and every record without a name; the others keep their bytes.
    DiagnosisChange remove(const std::string& name);

    // Renames the file, whole as it is (a damaged one too), to its archive
    // name "SV" + YYMMDDHHMM + ".DIS" in the same directory. An archive never
    // replaces another: a second within the minute gets "-2" before ".DIS",
    // and so on.
    DiagnosisChange archive();

    const std::string& directory() const { return m_directory; }

private:
    void removeLeftovers() const;
    // Saves the record make() gives from the stored one, under the lock.
    DiagnosisSave saveMade(const std::string& name,
                           const std::function<DiagnosisRecord(const DiagnosisContents&,
                                                               std::optional<std::size_t>)>& make);

    std::string m_directory;
    std::string m_path;
    const Clock& m_clock;
    LockSystem& m_lockSystem;
    LockOptions m_lockOptions;
    FileOps& m_ops;
};

// Reads a diagnosis file at any path.
DiagnosisLoad loadDiagnosisFile(const std::string& path);

} // namespace glosbo::core
