#include "core/records_file.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace glosbo::core {

namespace {

void put16(std::string& out, std::uint16_t v) {
    out += char(v & 0xFF);
    out += char(v >> 8);
}

std::uint16_t get16(std::string_view b, std::size_t at) {
    return std::uint16_t(std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8);
}

} // namespace

std::string RecordEntry::toBytes() const {
    std::string out;
    out.reserve(kSize);
    const std::size_t length = std::min(name.size(), kNameField);
    out += char(length);
    out += name.substr(0, length);
    out.append(kNameField - length, '\0');
    for (std::uint16_t v : {year, month, day, hour, minute})
        put16(out, v);
    const auto r = std::uint32_t(result);
    for (int shift = 0; shift < 32; shift += 8)
        out += char((r >> shift) & 0xFF);
    return out;
}

RecordEntry RecordEntry::fromBytes(std::string_view b) {
    RecordEntry e;
    const std::size_t length = std::min<std::size_t>(std::uint8_t(b[0]), kNameField);
    e.name = std::string(b.substr(1, length));
    e.year = get16(b, 22);
    e.month = get16(b, 24);
    e.day = get16(b, 26);
    e.hour = get16(b, 28);
    e.minute = get16(b, 30);
    std::uint32_t r = 0;
    for (int i = 3; i >= 0; --i)
        r = r << 8 | std::uint8_t(b[32 + i]);
    e.result = std::int32_t(r);
    return e;
}

void RecordEntry::stamp(std::time_t now) {
    std::tm local{};
    localtime_r(&now, &local);
    year = std::uint16_t(local.tm_year + 1900);
    month = std::uint16_t(local.tm_mon + 1);
    day = std::uint16_t(local.tm_mday);
    hour = std::uint16_t(local.tm_hour);
    minute = std::uint16_t(local.tm_min);
}

RecordsContents parseRecordsFile(std::string_view bytes) {
    RecordsContents contents;
    constexpr std::size_t size = RecordEntry::kSize;
    contents.damaged = bytes.size() % size != 0 || bytes.size() / size > kRecordRanks;
    const std::size_t whole = bytes.size() / size;
    contents.entries.reserve(whole);
    for (std::size_t i = 0; i < whole; ++i) {
        const std::string_view b = bytes.substr(i * size, size);
        if (std::uint8_t(b[0]) > RecordEntry::kNameField) contents.damaged = true;
        contents.entries.push_back(RecordEntry::fromBytes(b));
    }
    return contents;
}

std::string recordsBytes(const std::vector<RecordEntry>& entries) {
    std::string out;
    out.reserve(entries.size() * RecordEntry::kSize);
    for (const RecordEntry& e : entries)
        out += e.toBytes();
    return out;
}

RecordsMerge mergeRecords(const std::vector<RecordEntry>& stored, const RecordEntry& pending) {
    RecordsMerge merge;
    merge.entries.reserve(kRecordRanks);
    for (const RecordEntry& e : stored) {
        if (int(merge.entries.size()) >= kRecordRanks) break;
        if (!merge.rank && pending.result > e.result) {
            merge.entries.push_back(pending);
            merge.rank = int(merge.entries.size());
            if (int(merge.entries.size()) >= kRecordRanks) break;
        }
        merge.entries.push_back(e);
    }
    if (!merge.rank && int(merge.entries.size()) < kRecordRanks) {
        merge.entries.push_back(pending);
        merge.rank = int(merge.entries.size());
    }
    return merge;
}

std::string recordRankText(int rank) {
    if (rank < 1 || rank > kRecordRanks) return {};
    if (rank < 10) return "    " + std::to_string(rank);
    if (rank < 100) return "  " + std::to_string(rank);
    return std::to_string(rank);
}

std::string recordNameText(const std::string& name) {
    return ("   " + name).substr(0, 24);
}

std::string recordDateText(const RecordEntry& e) {
    auto two = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    const std::string year = std::to_string(e.year);
    const std::string yy = year.size() >= 4 ? year.substr(2, 2) : year;
    return yy + two(e.month) + two(e.day) + " " + two(e.hour) + ":" + two(e.minute);
}

std::string recordResultText(std::int32_t result) {
    if (result < 1 || result > 30000) return {};
    const std::string digits = std::to_string(result);
    const char* pad = result < 10      ? "         "
                      : result < 100   ? "        "
                      : result < 1000  ? "      "
                      : result < 10000 ? "    "
                                       : "   ";
    return pad + digits;
}

std::string recordsFileName(const std::string& exerciseFile) {
    const auto dot = exerciseFile.rfind('.');
    const auto slash = exerciseFile.find_last_of("/\\");
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? exerciseFile.substr(0, dot) : exerciseFile) + ".SVR";
}

std::string recordsPathFor(const DataRoots& roots, const std::string& exerciseFile) {
    const std::string base = exerciseFile.substr(0, exerciseFile.find('.')) + ".SVR";
    if (!roots.resultsDir.empty()) return roots.resultsDir + base;
    return roots.pcPath + "/RESULTAT/" + base;
}

RecordsFile::RecordsFile(std::string path, const Clock& clock, LockSystem& lockSystem,
                         LockOptions lockOptions, FileOps& ops)
    : m_path(std::move(path)), m_clock(clock), m_lockSystem(lockSystem), m_lockOptions(lockOptions),
      m_ops(ops) {}

RecordsLoad RecordsFile::load() const {
    RecordsLoad load;
    std::ifstream in(m_path, std::ios::binary);
    if (!in) {
        load.code = errno;
        load.status =
            load.code == ENOENT ? RecordsLoad::Status::Missing : RecordsLoad::Status::Unreadable;
        return load;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) {
        load.code = errno ? errno : EIO;
        return load;
    }
    load.contents = parseRecordsFile(bytes.str());
    load.status = RecordsLoad::Status::Loaded;
    return load;
}

bool RecordsFile::ensureExists(int& code) const {
    const int fd = ::open(m_path.c_str(), O_RDONLY | O_CREAT, 0666);
    if (fd < 0) {
        code = errno;
        return false;
    }
    ::close(fd);
    return true;
}

RecordsSave RecordsFile::save(const RecordEntry& pending) {
    using Status = RecordsSave::Status;
    RecordsSave result;
    LockFile lock(m_path + ".lock", m_clock, m_lockSystem, m_lockOptions);
    const LockResult locked = lock.lock();
    if (locked.status != LockResult::Status::Locked) {
        result.status = locked.status == LockResult::Status::Busy ? Status::Busy : Status::Failed;
        result.holder = locked.holder;
        result.code = locked.code;
        return result;
    }
    // Read under the lock and keep it to the replacement, so that a result
    // another pupil saves meanwhile is merged, not overwritten.
    const RecordsLoad current = load();
    if (current.status == RecordsLoad::Status::Unreadable) {
        result.code = current.code;
        return result;
    }
    if (current.contents.damaged) {
        result.status = Status::Damaged;
        return result;
    }
    const RecordsMerge merge = mergeRecords(current.contents.entries, pending);
    if (!merge.rank) {
        result.status = Status::NotPlaced;
        return result;
    }
    if (auto error = replaceFile(m_path, recordsBytes(merge.entries), m_ops)) {
        result.code = error->code;
        result.error = std::move(error);
        return result;
    }
    result.status = Status::Saved;
    result.rank = merge.rank;
    return result;
}

} // namespace glosbo::core
