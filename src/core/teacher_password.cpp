#include "core/teacher_password.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "core/scramble.h"

namespace glosbo::core {

namespace {

void putText(std::string& bytes, std::size_t at, std::string_view text) {
    const std::size_t n = std::min(text.size(), TeacherPassword::kTextWidth);
    bytes[at] = char(n);
    std::memcpy(&bytes[at + 1], text.data(), n);
}

} // namespace

std::string teacherPasswordRecord(std::string_view password) {
    std::string bytes(TeacherPassword::kRecordSize, '\0');
    putText(bytes, 0, kryptrad(TeacherPassword::kTeacherName));
    putText(bytes, 27, kryptrad(password.substr(0, TeacherPassword::kMaxLength)));
    return bytes;
}

std::optional<std::string> teacherPasswordFromBytes(std::string_view bytes) {
    if (bytes.size() < TeacherPassword::kRecordSize) return std::nullopt;
    const auto nameLength = std::uint8_t(bytes[0]);
    const auto length = std::uint8_t(bytes[27]);
    if (nameLength > TeacherPassword::kTextWidth || length > TeacherPassword::kTextWidth)
        return std::nullopt;
    return dekryptrad(bytes.substr(28, length));
}

bool validTeacherPassword(std::string_view password) {
    return !password.empty() && password.size() <= TeacherPassword::kMaxLength &&
           password.front() != ')';
}

TeacherPasswordFile::TeacherPasswordFile(const std::string& directory, const Clock& clock,
                                         LockSystem& lockSystem, LockOptions lockOptions,
                                         FileOps& ops)
    : m_path(directory + "/" + TeacherPassword::kFileName), m_clock(clock),
      m_lockSystem(lockSystem), m_lockOptions(lockOptions), m_ops(ops) {}

TeacherPasswordLoad TeacherPasswordFile::load() {
    using Status = TeacherPasswordLoad::Status;
    TeacherPasswordLoad result;
    std::ifstream in(m_path, std::ios::binary);
    if (in) {
        std::ostringstream bytes;
        bytes << in.rdbuf();
        if (in.bad()) return result; // Unreadable
        result.password = teacherPasswordFromBytes(bytes.str());
        result.status = result.password ? Status::Read : Status::Damaged;
        return result;
    }
    if (errno != ENOENT) return result;

    // No file yet: make it with the master password. Whether or not that
    // works, the master password holds until a file says otherwise.
    result.password = TeacherPassword::kMasterPassword;
    result.status = Status::CreateFailed;
    LockFile lock(m_path + ".lock", m_clock, m_lockSystem, m_lockOptions);
    const LockResult locked = lock.lock();
    if (locked.status != LockResult::Status::Locked) {
        result.error = FileError{FileError::Step::Create, m_path + ".lock", locked.code};
        return result;
    }
    std::ifstream again(m_path, std::ios::binary);
    if (again) {
        // Made by another program meanwhile: read that one.
        std::ostringstream bytes;
        bytes << again.rdbuf();
        result.password = teacherPasswordFromBytes(bytes.str());
        result.status = result.password ? Status::Read : Status::Damaged;
        return result;
    }
    result.error =
        replaceFile(m_path, teacherPasswordRecord(TeacherPassword::kMasterPassword), m_ops);
    if (!result.error) result.status = Status::Created;
    return result;
}

bool TeacherPasswordFile::accepts(const TeacherPasswordLoad& load, std::string_view typed) {
    return load.password && !load.password->empty() && typed == *load.password;
}

std::optional<FileError> TeacherPasswordFile::save(std::string_view password) {
    LockFile lock(m_path + ".lock", m_clock, m_lockSystem, m_lockOptions);
    const LockResult locked = lock.lock();
    if (locked.status != LockResult::Status::Locked)
        return FileError{FileError::Step::Create, m_path + ".lock",
                         locked.code ? locked.code : EBUSY};
    return replaceFile(m_path, teacherPasswordRecord(password), m_ops);
}

} // namespace glosbo::core
