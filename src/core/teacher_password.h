#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/atomic_file.h"
#include "core/lock_file.h"

// The teacher's password for the diagnosis, kept in "SVE45444.DOT" in the
// diagnosis directory: one 54-byte record of two texts, each a length byte
// and 26 characters, the name "LÄRARE" and the password, both scrambled.
namespace glosbo::core {

struct TeacherPassword {
    static constexpr const char* kFileName = "SVE45444.DOT";
    static constexpr std::size_t kRecordSize = 54;
    static constexpr std::size_t kTextWidth = 26;
    static constexpr std::size_t kMaxLength = 10;
    // What a new or reset password file holds. Everybody can read it, so a
    // teacher who logs in with it is asked to choose their own at once.
    static constexpr const char* kMasterPassword = "KVARNSTO";
    // The user name that starts the teacher login (Windows-1252 "LÄRARE").
    static constexpr const char* kTeacherName = "L\xC4RARE";
};

struct TeacherPasswordLoad {
    enum class Status {
        Read,         // the file's password
        Created,      // the file was missing and was made with the master password
        CreateFailed, // missing and could not be made: the master password holds
        Damaged,      // too short or a length beyond its field: nothing is accepted
        Unreadable,   // exists but cannot be read: nothing is accepted
    };
    Status status = Status::Unreadable;
    // The password the file gives; nothing when no password can be
    // accepted (the file must then be reset by someone who may write it).
    std::optional<std::string> password;
    std::optional<FileError> error; // when CreateFailed

    // The file holds the master password, which everybody can read.
    bool holdsMasterPassword() const { return password == TeacherPassword::kMasterPassword; }
};

// The 54 bytes of a password file holding password (Windows-1252).
std::string teacherPasswordRecord(std::string_view password);

// Reads the password from the first record of a file's bytes; nothing when
// the bytes are damaged.
std::optional<std::string> teacherPasswordFromBytes(std::string_view bytes);

// Whether a new teacher password can be stored and read back: 1 to 10
// characters, not starting with ")" (the mark of a scrambled text).
bool validTeacherPassword(std::string_view password);

// The password file of a diagnosis directory. Every write replaces the file
// whole under its lock.
class TeacherPasswordFile {
public:
    TeacherPasswordFile(const std::string& directory, const Clock& clock,
                        LockSystem& lockSystem = systemLockSystem(), LockOptions lockOptions = {},
                        FileOps& ops = systemFileOps());

    const std::string& path() const { return m_path; }

    // Reads the password; a missing file is made with the master password.
    TeacherPasswordLoad load();

    // Whether typed lets the teacher in: the file's password when it is not
    // empty. No other password opens anything.
    static bool accepts(const TeacherPasswordLoad& load, std::string_view typed);

    // Writes a new password (a valid one, see validTeacherPassword).
    std::optional<FileError> save(std::string_view password);

    // Writes a new file holding the master password, whatever the old one
    // held (missing, damaged or good): the way back for a teacher who has
    // forgotten the password, open to whoever may write the directory.
    std::optional<FileError> reset() { return save(TeacherPassword::kMasterPassword); }

private:
    std::string m_path;
    const Clock& m_clock;
    LockSystem& m_lockSystem;
    LockOptions m_lockOptions;
    FileOps& m_ops;
};

} // namespace glosbo::core
