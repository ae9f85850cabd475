#include "core/data_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/cp1252.h"
#include "core/data_fs.h"
#include "core/text.h"

namespace glosbo::core {

namespace {

constexpr std::size_t kNameLength = 12;

std::u8string missingFileMessage(const std::string& name) {
    return u8"Filen " + asUtf8(cp1252ToUtf8(name)) + u8" finns inte eller är felaktig";
}

std::string trimEnd(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.pop_back();
    return s;
}

// Matches a file name against "PREFIX*.EXT" without regard to case.
bool matchesPattern(const std::string& name, std::string_view prefix, std::string_view ext) {
    if (name.size() < prefix.size() + ext.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (upperCp1252(name[i]) != prefix[i]) return false;
    return hasExtension(name, ext);
}

} // namespace

DataFiles::DataFiles(const DataRoots& roots, MessageSink& messages)
    : m_roots(roots), m_messages(messages) {}

std::optional<std::string> DataFiles::locate(const std::string& subdirectory,
                                             const std::string& name) const {
    if (name.empty()) return std::nullopt;
    auto path = findDataFile(m_roots, subdirectory + name);
    if (path && !fileExists(*path)) return std::nullopt;
    return path;
}

void DataFiles::addFileName(const std::string& line) {
    const std::string name = trimEnd(line).substr(0, kNameLength);
    if (hasExtension(name, ".DAT")) {
        if (m_fileCount < kFileSlots) m_files[++m_fileCount].name = name;
    } else if (hasExtension(name, ".LOV")) {
        if (m_praiseCount < kPraiseSlots) m_praise[++m_praiseCount].name = name;
    }
}

bool DataFiles::searchDataDirectory(const char* pattern, bool praise) {
    std::optional<std::string> data = findInRoot(m_roots.pcPath, "DATA");
    if (!data || !directoryExists(*data)) data = findInRoot(m_roots.cdPath, "DATA");
    if (!data || !directoryExists(*data)) {
        m_messages.warning(u8"Kan inte hitta katalogen " + asUtf8(m_roots.cdPath) + u8"/DATA");
        return false;
    }
    // The files themselves live in the subdirectory of their kind.
    const std::string prefix = pattern;
    const auto dir = findInRoot(*data, praise ? "LOV" : "DAT");
    std::vector<std::string> names;
    std::error_code ec;
    if (dir) {
        for (std::filesystem::directory_iterator it(*dir, ec), end; !ec && it != end;
             it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (matchesPattern(name, prefix, praise ? ".LOV" : ".DAT")) names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end()); // byte-wise; a prefix sorts first
    for (const auto& name : names)
        addFileName(name);
    return true;
}

bool DataFiles::buildTables() {
    m_fileCount = 0;
    m_praiseCount = 0;
    if (const auto list = findDataFile(m_roots, "DATA/datfiler.sve")) {
        std::ifstream in(*list, std::ios::binary);
        if (in) {
            std::string line;
            while (readLine(in, line))
                addFileName(line);
            if (m_praiseCount == 0) searchDataDirectory("SVOM", true);
            return true;
        }
    }
    if (!searchDataDirectory("SV", false)) return false;
    if (m_praiseCount == 0) searchDataDirectory("SVOM", true);
    return true;
}

void DataFiles::ordantal(const std::string& name, int slot, bool count) {
    const std::string subdirectory = lineFileSubdirectory(name);
    const auto path = locate(subdirectory, name);
    std::ifstream in;
    if (path) in.open(*path, std::ios::binary);
    if (!path || !in) {
        m_messages.information(missingFileMessage(subdirectory + name));
        return;
    }
    const int records = scanLineFile(in, count, headings);
    if (!count) return;
    if (hasExtension(name, ".DAT"))
        m_files[slot].recordCount += records;
    else if (hasExtension(name, ".LOV"))
        m_praise[slot].praiseCount += records;
}

bool DataFiles::Kolla(const std::string& name) {
    headings.clear();
    int slot = kFileSlots;
    for (int s = 1; s < std::min(m_fileCount + 1, kFileSlots); ++s) {
        if (m_files[s].name == name) {
            slot = s;
            break;
        }
    }
    currentFileIndex = slot;
    if (slot == kFileSlots && m_files[slot].name != name) {
        // The last slot serves every unlisted file in turn: a new name starts
        // afresh, so it never inherits another file's record count or errors.
        while (findQueueEntry(slot) != 0)
            haemtafel(name, QueueOp::Remove);
        m_files[slot] = FileSlot{name};
    }
    if (m_files[slot].recordCount == 0) {
        ordantal(name, slot, true);
        if (m_files[slot].recordCount == 0) {
            m_messages.information(missingFileMessage(currentExerciseFile));
            return false;
        }
    } else {
        ordantal(name, slot, false);
    }
    return true;
}

void DataFiles::haemtaord(const std::string& name, int n, std::string& line) const {
    const std::string subdirectory = hasExtension(name, ".DAT") ? "/DATA/DAT/" : "/DATA/LOV/";
    const auto path = locate(subdirectory, name);
    if (!path) return;
    std::ifstream in(*path, std::ios::binary);
    if (!in) return;
    fetchRecord(in, n, line);
}

int DataFiles::findQueueEntry(int slot) const {
    for (int i = 1; i <= kQueueSize && m_queue[i].recordNumber != 0; ++i)
        if (m_queue[i].fileSlot == slot) return i;
    return 0;
}

int DataFiles::queueLength() const {
    int n = 0;
    while (n < kQueueSize && m_queue[n + 1].recordNumber != 0)
        ++n;
    return n;
}

void DataFiles::haemtafel(const std::string& name, QueueOp op) {
    const int slot = currentFileIndex;
    switch (op) {
    case QueueOp::Fetch: {
        if (m_files[slot].errorCount <= 0) return;
        const int i = findQueueEntry(slot);
        errorRecordNumber = i ? m_queue[i].recordNumber : 0;
        if (errorRecordNumber == 0 || errorRecordNumber > m_files[slot].recordCount) return;
        const auto path = locate("/DATA/DAT/", name);
        std::ifstream in;
        if (path) in.open(*path, std::ios::binary);
        if (!path || !in) {
            m_messages.information(missingFileMessage(m_roots.cdPath + "/DATA/DAT/" + name));
            return;
        }
        fetchRecord(in, errorRecordNumber, currentRecordLine);
        return;
    }
    case QueueOp::Remove:
    case QueueOp::MoveBack: {
        const int i = findQueueEntry(slot);
        if (i == 0) return;
        const int last = queueLength();
        const QueuedError taken = m_queue[i];
        for (int k = i; k < last; ++k)
            m_queue[k] = m_queue[k + 1];
        if (op == QueueOp::Remove) {
            m_queue[last] = QueuedError{};
            if (m_files[slot].errorCount > 0) --m_files[slot].errorCount;
        } else {
            m_queue[last] = taken;
        }
        return;
    }
    case QueueOp::Add: {
        int free = queueLength() + 1;
        if (free > kQueueSize) {
            FileSlot& oldest = m_files[m_queue[1].fileSlot];
            if (oldest.errorCount > 0) --oldest.errorCount;
            for (int k = 1; k < kQueueSize; ++k)
                m_queue[k] = m_queue[k + 1];
            free = kQueueSize;
        }
        m_queue[free] = QueuedError{currentRecordNumber, slot};
        if (m_files[slot].errorCount < kQueueSize) ++m_files[slot].errorCount;
        return;
    }
    }
}

int DataFiles::praiseSlotOf(const std::string& name) const {
    for (int s = 1; s <= m_praiseCount; ++s)
        if (m_praise[s].name == name) return s;
    return m_praiseCount + 1;
}

void DataFiles::resetCounts() {
    for (int s = 1; s <= kPraiseSlots + 1; ++s) {
        m_praise[s].drawPosition = 1;
        m_praise[s].praiseCount = 0;
    }
    for (int s = 1; s <= kFileSlots; ++s) {
        m_files[s].drawPosition = 1;
        m_files[s].recordCount = 0;
        m_files[s].errorCount = 0;
    }
    for (auto& e : m_queue)
        e = QueuedError{};
}

} // namespace glosbo::core
