#include "core/diagnosis_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "core/cp1252.h"

namespace glosbo::core {

std::string DiagnosisContents::name(std::size_t i) const {
    // The length byte, then at most 21 bytes of name (as the record reads it).
    const std::string& r = records[i];
    return r.substr(1, std::min<std::size_t>(std::uint8_t(r[0]), 21));
}

std::optional<std::size_t> DiagnosisContents::find(std::string_view name) const {
    const std::string wanted = upperCp1252(name);
    for (std::size_t i = 0; i < records.size(); ++i)
        if (upperCp1252(this->name(i)) == wanted) return i;
    return std::nullopt;
}

std::vector<std::string> DiagnosisContents::names() const {
    std::vector<std::string> all;
    all.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        std::string name = this->name(i);
        if (!name.empty()) all.push_back(std::move(name));
    }
    return all;
}

namespace {

// Whether every result of a record is one a test can give (0..20) and every
// status one of the four.
bool knownValues(std::string_view bytes) {
    const DiagnosisRecord r = DiagnosisRecord::fromBytes(bytes);
    for (int t = 1; t <= DiagnosisRecord::kTests; ++t)
        if (r.result[t] < 0 || r.result[t] > DiagnosisRecord::kFullScore ||
            r.status[t] > kStatusPractise)
            return false;
    return true;
}

} // namespace

DiagnosisContents parseDiagnosisFile(std::string_view bytes) {
    constexpr std::size_t size = DiagnosisRecord::kSize;
    DiagnosisContents contents;
    const std::size_t whole = bytes.size() / size;
    contents.records.reserve(whole);
    for (std::size_t i = 0; i < whole; ++i) {
        contents.records.emplace_back(bytes.substr(i * size, size));
        const auto nameLength = std::uint8_t(bytes[i * size]);
        const auto passwordLength = std::uint8_t(bytes[i * size + 22]);
        if (!contents.badLengths && (nameLength > 21 || passwordLength > 10))
            contents.badLengths = i;
        if (!contents.badValues && !knownValues(contents.records.back())) contents.badValues = i;
    }
    contents.tailBytes = bytes.size() % size;
    return contents;
}

DiagnosisLoad loadDiagnosisFile(const std::string& path) {
    DiagnosisLoad load;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        load.code = errno;
        load.status = load.code == ENOENT ? DiagnosisLoad::Status::Missing
                                          : DiagnosisLoad::Status::Unreadable;
        return load;
    }
    // One read of the whole file: a class's file of thousands of pupils is
    // read on every save.
    std::string bytes;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size > 0) {
        bytes.resize(std::size_t(size));
        in.read(bytes.data(), size);
        bytes.resize(std::size_t(in.gcount()));
    } else if (size < 0) {
        // Not a seekable file: read it as a stream.
        in.clear();
        std::ostringstream stream;
        stream << in.rdbuf();
        bytes = stream.str();
    }
    if (in.bad()) {
        load.code = EIO;
        return load;
    }
    load.contents = parseDiagnosisFile(bytes);
    load.status = DiagnosisLoad::Status::Loaded;
    return load;
}

DiagnosisFile::DiagnosisFile(const std::string& directory, const Clock& clock,
                             LockSystem& lockSystem, LockOptions lockOptions, FileOps& ops)
    : m_directory(directory), m_path(directory + "/" + kFileName), m_clock(clock),
      m_lockSystem(lockSystem), m_lockOptions(lockOptions), m_ops(ops) {}

DiagnosisFile DiagnosisFile::atPath(const std::string& path, const Clock& clock) {
    const std::filesystem::path file(path);
    const std::string parent = file.parent_path().empty() ? "." : file.parent_path().string();
    DiagnosisFile diagnosis(parent, clock);
    diagnosis.m_path = path;
    return diagnosis;
}

DiagnosisLoad DiagnosisFile::load() const {
    return loadDiagnosisFile(m_path);
}

void DiagnosisFile::removeLeftovers() const {
    // Temporary files, half-made and set-aside locks of a save that was
    // killed ("SDIAG.DIA.tmp…", "SDIAG.DIA.lock.…"). Saves
    // write only under the lock, which we hold; the age spares the files of
    // a save that hung past the lock's limit and still runs.
    namespace fs = std::filesystem;
    const fs::path file(m_path);
    const std::string tmp = file.filename().string() + ".tmp";
    const std::string lock = file.filename().string() + ".lock.";
    std::error_code ec;
    for (fs::directory_iterator it(file.parent_path(), ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.rfind(tmp, 0) != 0 && name.rfind(lock, 0) != 0) continue;
        struct stat st {};
        if (::lstat(it->path().c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
            m_clock.now() - st.st_mtime > m_lockOptions.staleAfter.count())
            ::unlink(it->path().c_str());
    }
}

DiagnosisSave DiagnosisFile::save(const DiagnosisRecord& record) {
    return saveMade(record.name,
                    [&](const DiagnosisContents&, std::optional<std::size_t>) { return record; });
}

DiagnosisSave DiagnosisFile::update(const std::string& name,
                                    const std::function<void(DiagnosisRecord&)>& change) {
    return saveMade(name, [&](const DiagnosisContents& contents, std::optional<std::size_t> at) {
        DiagnosisRecord record;
        record.name = name;
        if (at) record = contents.record(*at);
        change(record);
        return record;
    });
}

DiagnosisSave DiagnosisFile::saveMade(
    const std::string& name,
    const std::function<DiagnosisRecord(const DiagnosisContents&, std::optional<std::size_t>)>&
        make) {
    using Status = DiagnosisSave::Status;
    DiagnosisSave result;
    LockFile lock(m_path + ".lock", m_clock, m_lockSystem, m_lockOptions);
    const LockResult locked = lock.lock();
    if (locked.status == LockResult::Status::Busy) {
        result.status = Status::Busy;
        result.holder = locked.holder;
        return result;
    }
    if (locked.status == LockResult::Status::Failed) {
        result.code = locked.code;
        return result;
    }

    // Read under the lock, so that nobody's save in between is lost.
    const DiagnosisLoad current = load();
    if (current.status == DiagnosisLoad::Status::Unreadable) {
        result.code = current.code;
        return result;
    }
    if (current.contents.damaged()) {
        result.status = Status::Damaged;
        return result;
    }
    const std::string mine = make(current.contents, current.contents.find(name)).toBytes();
    const std::string wanted = upperCp1252(name);
    std::string bytes;
    bytes.reserve(current.contents.fileSize() + mine.size());
    bool replaced = false;
    for (std::size_t i = 0; i < current.contents.records.size(); ++i) {
        if (upperCp1252(current.contents.name(i)) == wanted) {
            bytes += mine;
            replaced = true;
        } else {
            bytes += current.contents.records[i];
        }
    }
    if (!replaced) bytes += mine;
    if (auto error = replaceFile(m_path, bytes, m_ops)) {
        result.error = std::move(error);
        result.code = result.error->code;
        return result;
    }
    result.status = Status::Saved;
    removeLeftovers();
    return result;
}

DiagnosisChange DiagnosisFile::remove(const std::string& name) {
    using Status = DiagnosisChange::Status;
    DiagnosisChange result;
    LockFile lock(m_path + ".lock", m_clock, m_lockSystem, m_lockOptions);
    const LockResult locked = lock.lock();
    if (locked.status != LockResult::Status::Locked) {
        result.status = locked.status == LockResult::Status::Busy ? Status::Busy : Status::Failed;
        result.holder = locked.holder;
        result.code = locked.code;
        return result;
    }
    const DiagnosisLoad current = load();
    if (current.status != DiagnosisLoad::Status::Loaded) {
        result.status =
            current.status == DiagnosisLoad::Status::Missing ? Status::Missing : Status::Failed;
        result.code = current.code;
        return result;
    }
    if (current.contents.damaged()) {
        result.status = Status::Damaged;
        return result;
    }
    std::string bytes;
    bytes.reserve(current.contents.fileSize());
    bool found = false, dropped = false;
    for (std::size_t i = 0; i < current.contents.records.size(); ++i) {
        const std::string stored = current.contents.name(i);
        if (stored == name) found = true;
        if (stored == name || stored.empty())
            dropped = true;
        else
            bytes += current.contents.records[i];
    }
    if (dropped) {
        if (auto error = replaceFile(m_path, bytes, m_ops)) {
            result.error = std::move(error);
            result.code = result.error->code;
            return result;
        }
    }
    result.status = found ? Status::Done : Status::NotFound;
    return result;
}

std::string archiveName(std::time_t now) {
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    std::snprintf(text, sizeof text, "SV%02d%02d%02d%02d%02d.DIS", (local.tm_year + 1900) % 100,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min);
    return text;
}

namespace {

// Gives the file at from the name to without ever replacing a file there:
// false with errno EEXIST when to exists.
bool renameNoReplace(const std::string& from, const std::string& to) {
    if (::link(from.c_str(), to.c_str()) == 0) return ::unlink(from.c_str()) == 0;
    if (errno == EEXIST) return false;
    // File systems without hard links: under the lock nobody else makes
    // archives, so looking first is enough.
    if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP && errno != EXDEV) return false;
    struct stat st {};
    if (::lstat(to.c_str(), &st) == 0) {
        errno = EEXIST;
        return false;
    }
    return std::rename(from.c_str(), to.c_str()) == 0;
}

void syncDirectory(const std::string& directory) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

DiagnosisChange DiagnosisFile::archive() {
    using Status = DiagnosisChange::Status;
    DiagnosisChange result;
    LockFile lock(m_path + ".lock", m_clock, m_lockSystem, m_lockOptions);
    const LockResult locked = lock.lock();
    if (locked.status != LockResult::Status::Locked) {
        result.status = locked.status == LockResult::Status::Busy ? Status::Busy : Status::Failed;
        result.holder = locked.holder;
        result.code = locked.code;
        return result;
    }
    struct stat st {};
    if (::stat(m_path.c_str(), &st) != 0) {
        result.code = errno;
        result.status = errno == ENOENT ? Status::Missing : Status::Failed;
        return result;
    }
    const std::string base = archiveName(m_clock.now());
    for (int n = 1; n < 1000; ++n) {
        std::string name = base;
        if (n > 1) name.insert(name.size() - 4, "-" + std::to_string(n));
        if (renameNoReplace(m_path, m_directory + "/" + name)) {
            syncDirectory(m_directory);
            result.status = Status::Done;
            result.archive = std::move(name);
            return result;
        }
        if (errno != EEXIST) break;
    }
    result.code = errno;
    result.error = FileError{FileError::Step::Rename, m_path, errno};
    return result;
}

} // namespace glosbo::core
