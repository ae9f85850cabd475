// Reading exercise data files through the real DataFiles on real files: the
// input is written as the file list and as two exercise files of a data root
// made once per process. Record counts and fetched records are compared with
// a plain model of the line rules, and the error queue is driven by the
// input's first bytes and checked for consistency after every step.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/data_files.h"
#include "fuzz_check.h"

using namespace glosbo::core;
namespace fs = std::filesystem;

namespace {

const char* const kFirst = "SVE10000.DAT";
const char* const kSecond = "SVE10001.DAT";

class CountingMessages final : public MessageSink {
public:
    void information(const std::u8string&) override { ++count; }
    void warning(const std::u8string&) override { ++count; }
    void error(const std::u8string&) override { ++count; }
    int count = 0;
};

// The data root lives for the whole process and is removed at its end.
struct TempDataRoot {
    TempDataRoot() {
        std::string tmpl = (fs::temp_directory_path() / "glosbo-fuzz-XXXXXX").string();
        if (!mkdtemp(tmpl.data())) std::abort();
        fs::create_directories(tmpl + "/DATA/DAT");
        path = tmpl;
    }
    ~TempDataRoot() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    std::string path;
};

const std::string& dataRoot() {
    static const TempDataRoot root;
    return root.path;
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    FUZZ_CHECK(out.good());
}

// The lines as a Windows text file holds them: LF or CR LF ends a line, and a
// final line end does not start another line.
std::vector<std::string> splitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        auto nl = bytes.find('\n', start);
        if (nl == std::string::npos) nl = bytes.size();
        std::string line = bytes.substr(start, nl - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = nl + 1;
    }
    return lines;
}

bool isRecordLine(const std::string& line) {
    return !line.empty() && line.front() != ';' && line.front() != '$';
}

// The last line read when reading up to record n; nothing for n = 0 or an
// empty file.
std::optional<std::string> modelFetch(const std::vector<std::string>& lines, int n) {
    if (n <= 0 || lines.empty()) return std::nullopt;
    int seen = 0;
    for (const auto& line : lines) {
        if (isRecordLine(line) && ++seen == n) return line;
    }
    return lines.back();
}

void checkQueue(const DataFiles& files, std::initializer_list<int> slots) {
    const int length = files.queueLength();
    FUZZ_CHECK(length >= 0 && length <= DataFiles::kQueueSize);
    for (int i = 1; i <= DataFiles::kQueueSize; ++i)
        FUZZ_CHECK((files.queueEntry(i).recordNumber != 0) == (i <= length));
    for (const int slot : slots) {
        int entries = 0;
        for (int i = 1; i <= length; ++i)
            entries += files.queueEntry(i).fileSlot == slot;
        FUZZ_CHECK(files.file(slot).errorCount == entries);
    }
}

void checkHeadings(const Headings& h) {
    for (const auto& line : h.lines)
        FUZZ_CHECK(line.size() <= 80);
    FUZZ_CHECK(h.instruction.size() <= 80);
    FUZZ_CHECK(h.worksheetInstruction.size() <= 80);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string& root = dataRoot();
    writeFile(root + "/DATA/datfiler.sve", bytes);
    writeFile(root + "/DATA/DAT/" + kFirst, bytes);
    writeFile(root + "/DATA/DAT/" + kSecond, bytes);

    const std::vector<std::string> lines = splitLines(bytes);
    int records = 0;
    for (const auto& line : lines)
        records += isRecordLine(line);

    DataRoots roots;
    roots.pcPath = root;
    CountingMessages messages;
    DataFiles files(roots, messages);
    FUZZ_CHECK(files.buildTables());
    FUZZ_CHECK(files.fileCount() >= 0 && files.fileCount() <= DataFiles::kFileSlots);
    FUZZ_CHECK(files.praiseFileCount() >= 0 && files.praiseFileCount() <= DataFiles::kPraiseSlots);
    for (int s = 1; s <= files.fileCount(); ++s)
        FUZZ_CHECK(files.file(s).name.size() <= 12);

    files.currentExerciseFile = kFirst;
    const bool usable = files.Kolla(kFirst);
    const int slot = files.currentFileIndex;
    FUZZ_CHECK(slot >= 1 && slot <= DataFiles::kFileSlots);
    FUZZ_CHECK(usable == (records > 0));
    FUZZ_CHECK(files.file(slot).recordCount == records);
    FUZZ_CHECK(usable || messages.count > 0);
    checkHeadings(files.headings);
    if (!usable) return 0;

    // A second check neither counts again nor complains.
    const int before = messages.count;
    FUZZ_CHECK(files.Kolla(kFirst));
    FUZZ_CHECK(files.file(slot).recordCount == records);
    FUZZ_CHECK(messages.count == before);
    checkHeadings(files.headings);

    const int varied = size > 0 ? 1 + data[size - 1] % (records + 2) : 1;
    for (const int n : {0, 1, 2, records, records + 1, 900, varied}) {
        const std::string marker = "\x01unchanged";
        files.currentRecordLine = marker;
        files.haemtaord(kFirst, n);
        FUZZ_CHECK(files.currentRecordLine == modelFetch(lines, n).value_or(marker));
        if (n >= 1 && n <= records) FUZZ_CHECK(isRecordLine(files.currentRecordLine));
    }

    // The error queue, driven by the first bytes: two low bits the mode, the
    // rest the record number (and, at its top values, one add overfills).
    const std::size_t ops = std::min<std::size_t>(size, 48);
    bool filled = false; // one add per input may overfill the queue
    for (std::size_t i = 0; i < ops; ++i) {
        const int mode = data[i] & 3;
        const int arg = data[i] >> 2;
        if (i == ops / 2) {
            // Switch to the second file, which may share the last slot.
            files.currentExerciseFile = kSecond;
            FUZZ_CHECK(files.Kolla(kSecond));
            FUZZ_CHECK(files.file(files.currentFileIndex).recordCount == records);
        }
        const int current = files.currentFileIndex;
        const std::string name = files.currentExerciseFile;
        if (mode == 3) {
            const int adds = arg < 60 || filled ? 1 : DataFiles::kQueueSize + arg - 60;
            filled = filled || adds > 1;
            for (int k = 0; k < adds; ++k) {
                files.currentRecordNumber =
                    static_cast<std::uint16_t>(1 + (arg + k) % (records + 1));
                files.haemtafel(name, QueueOp::Add);
            }
        } else if (mode == 0) {
            files.currentRecordLine = "\x01unchanged";
            files.haemtafel(name, QueueOp::Fetch);
            const int n = files.errorRecordNumber;
            if (files.file(current).errorCount > 0 && n >= 1 && n <= records)
                FUZZ_CHECK(files.currentRecordLine == modelFetch(lines, n));
        } else {
            files.haemtafel(name, static_cast<QueueOp>(mode));
        }
        checkQueue(files, {slot, files.currentFileIndex});
    }
    return 0;
}
