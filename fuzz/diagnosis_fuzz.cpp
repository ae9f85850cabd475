// The diagnosis file of a class on arbitrary bytes. The bytes are split into
// records as every reader splits them, each record is read, shown as the
// protocol shows it and written back; then the bytes are written as a real
// diagnosis file into which one pupil's record is saved and from which one
// name is removed. A damaged file is refused whole and never written.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/cp1252.h"
#include "core/diagnosis_file.h"
#include "core/diagnosis_protocol.h"
#include "core/diagnosis_record.h"
#include "fuzz_check.h"

using namespace glosbo::core;
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kSize = DiagnosisRecord::kSize;

// The directory lives for the whole process and is removed at its end.
struct TempDirectory {
    TempDirectory() {
        std::string tmpl = (fs::temp_directory_path() / "glosbo-fuzz-XXXXXX").string();
        if (!mkdtemp(tmpl.data())) std::abort();
        path = tmpl;
    }
    ~TempDirectory() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    std::string path;
};

const std::string& directory() {
    static const TempDirectory dir;
    return dir.path;
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeAll(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    FUZZ_CHECK(out.good());
}

bool sameRecord(const DiagnosisRecord& a, const DiagnosisRecord& b) {
    return a.name == b.name && a.password == b.password && a.result == b.result &&
           a.status == b.status && a.year == b.year && a.month == b.month && a.day == b.day &&
           a.hour == b.hour && a.minute == b.minute;
}

// Whether a record holds only what this program writes: texts within their
// fields, and for every test a result of 0..20 and one of the four statuses.
bool wellFormed(std::string_view bytes) {
    if (std::uint8_t(bytes[0]) > 21 || std::uint8_t(bytes[22]) > 10) return false;
    const DiagnosisRecord r = DiagnosisRecord::fromBytes(bytes);
    for (int t = 1; t <= DiagnosisRecord::kTests; ++t)
        if (r.result[t] < 0 || r.result[t] > DiagnosisRecord::kFullScore ||
            r.status[t] > kStatusPractise)
            return false;
    return true;
}

// The bytes of a record that carry its contents: the texts up to their
// lengths and everything from the results on (the rest is padding).
std::string meaningful(std::string_view bytes) {
    const std::size_t name = std::min<std::size_t>(std::uint8_t(bytes[0]), 21);
    const std::size_t password = std::min<std::size_t>(std::uint8_t(bytes[22]), 10);
    return std::string(bytes.substr(0, 1 + name)) + std::string(bytes.substr(22, 1 + password)) +
           std::string(bytes.substr(36));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // Whole records in file order and a tail; the first record outside the
    // format makes the file damaged.
    const DiagnosisContents contents = parseDiagnosisFile(bytes);
    FUZZ_CHECK(contents.records.size() == size / kSize);
    FUZZ_CHECK(contents.tailBytes == size % kSize);
    FUZZ_CHECK(contents.fileSize() == size);
    std::optional<std::size_t> firstBad;
    for (std::size_t i = 0; i < contents.records.size(); ++i) {
        FUZZ_CHECK(contents.records[i] == bytes.substr(i * kSize, kSize));
        if (!firstBad && !wellFormed(contents.records[i])) firstBad = i;
    }
    FUZZ_CHECK(contents.damaged() == (contents.tailBytes != 0 || firstBad.has_value()));

    // Every record reads, shows and writes back the same.
    std::vector<std::string> names;
    for (std::size_t i = 0; i < contents.records.size(); ++i) {
        const DiagnosisRecord r = contents.record(i);
        FUZZ_CHECK(r.name.size() <= 21 && r.password.size() <= 10);
        FUZZ_CHECK(r.name == contents.name(i));
        if (!r.name.empty()) names.push_back(r.name);
        const std::string written = r.toBytes();
        FUZZ_CHECK(written.size() == kSize);
        FUZZ_CHECK(sameRecord(DiagnosisRecord::fromBytes(written), r));
        if (wellFormed(contents.records[i]))
            FUZZ_CHECK(meaningful(written) == meaningful(contents.records[i]));

        const auto found = contents.find(r.name);
        FUZZ_CHECK(found && *found <= i);
        FUZZ_CHECK(upperCp1252(contents.name(*found)) == upperCp1252(r.name));

        if (contents.damaged()) continue; // the protocol never shows these
        const ProtocolTable table = protocolTable(r);
        const int sum = protocolSum(r);
        FUZZ_CHECK(sum >= 0 && sum <= DiagnosisRecord::kTests * DiagnosisRecord::kFullScore);
        for (int t = 1; t <= kDiagnosisTests; ++t) {
            FUZZ_CHECK(!statusName(r.status[t]).empty());
            FUZZ_CHECK(table[std::size_t(t)][4].size() > 4);
            FUZZ_CHECK(protocolDateText(r, t).size() == 12);
        }
    }
    FUZZ_CHECK(contents.names() == names);

    // A save replaces the pupil's records or adds one; a removal drops the
    // records of exactly that name and those without one. A damaged file is
    // left as it is.
    const std::string& dir = directory();
    const std::string path = dir + "/" + DiagnosisFile::kFileName;
    const FixedClock clock(1'700'000'000);
    DiagnosisFile file(dir, clock);

    DiagnosisRecord mine;
    mine.name = names.empty() ? std::string("Elev") : names[size % names.size()];
    mine.password = "abc";
    diagnosback(mine, 1 + int(size % 17), int(size % 21), clock.now());

    writeAll(path, bytes);
    const DiagnosisSave saved = file.save(mine);
    const std::string afterSave = readAll(path);
    if (contents.damaged()) {
        FUZZ_CHECK(saved.status == DiagnosisSave::Status::Damaged);
        FUZZ_CHECK(afterSave == bytes);
    } else {
        FUZZ_CHECK(saved.status == DiagnosisSave::Status::Saved);
        const DiagnosisContents now = parseDiagnosisFile(afterSave);
        FUZZ_CHECK(!now.damaged());
        const std::string upper = upperCp1252(mine.name);
        std::size_t replaced = 0;
        for (std::size_t i = 0; i < contents.records.size(); ++i) {
            if (upperCp1252(contents.name(i)) == upper) {
                ++replaced;
                FUZZ_CHECK(sameRecord(now.record(i), mine));
            } else {
                FUZZ_CHECK(now.records[i] == contents.records[i]);
            }
        }
        FUZZ_CHECK(now.records.size() == contents.records.size() + (replaced == 0));
        if (replaced == 0) FUZZ_CHECK(sameRecord(now.record(now.records.size() - 1), mine));
    }

    writeAll(path, bytes);
    const DiagnosisChange removed = file.remove(mine.name);
    const std::string afterRemove = readAll(path);
    if (contents.damaged()) {
        FUZZ_CHECK(removed.status == DiagnosisChange::Status::Damaged);
        FUZZ_CHECK(afterRemove == bytes);
    } else {
        std::string kept;
        bool found = false;
        for (std::size_t i = 0; i < contents.records.size(); ++i) {
            const std::string name = contents.name(i);
            found = found || name == mine.name;
            if (name != mine.name && !name.empty()) kept += contents.records[i];
        }
        FUZZ_CHECK(removed.status ==
                   (found ? DiagnosisChange::Status::Done : DiagnosisChange::Status::NotFound));
        FUZZ_CHECK(afterRemove == kept);
    }
    return 0;
}
