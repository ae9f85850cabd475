#include "core/diagnosis_file.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "core/cp1252.h"

namespace glosbo::core {

std::optional<std::size_t> DiagnosisContents::find(std::string_view name) const {
    const std::string wanted = upperCp1252(name);
    for (std::size_t i = 0; i < records.size(); ++i)
        if (upperCp1252(record(i).name) == wanted) return i;
    return std::nullopt;
}

DiagnosisContents parseDiagnosisFile(std::string_view bytes) {
    constexpr std::size_t size = DiagnosisRecord::kSize;
    DiagnosisContents contents;
    const std::size_t whole = bytes.size() / size;
    contents.records.reserve(whole);
    for (std::size_t i = 0; i < whole; ++i)
        contents.records.emplace_back(bytes.substr(i * size, size));
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
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) {
        load.code = EIO;
        return load;
    }
    load.contents = parseDiagnosisFile(bytes.str());
    load.status = DiagnosisLoad::Status::Loaded;
    return load;
}

DiagnosisFile::DiagnosisFile(const std::string& directory, const Clock& clock,
                             LockSystem& lockSystem, LockOptions lockOptions, FileOps& ops)
    : m_path(directory + "/" + kFileName), m_clock(clock), m_lockSystem(lockSystem),
      m_lockOptions(lockOptions), m_ops(ops) {}

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
    const std::string mine = record.toBytes();
    const std::string name = upperCp1252(record.name);
    std::string bytes;
    bytes.reserve(current.contents.fileSize() + mine.size());
    bool replaced = false;
    for (std::size_t i = 0; i < current.contents.records.size(); ++i) {
        if (upperCp1252(current.contents.record(i).name) == name) {
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

} // namespace glosbo::core
