// The teacher password file on arbitrary bytes: read from its bytes and
// through the real file of a diagnosis directory; a password that may be
// stored is written and read back unchanged. The input is the file, and its
// first line is also tried as a new password.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/scramble.h"
#include "core/sources.h"
#include "core/teacher_password.h"
#include "fuzz_check.h"

using namespace glosbo::core;
namespace fs = std::filesystem;

namespace {

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

constexpr std::size_t kRecord = TeacherPassword::kRecordSize;
constexpr std::size_t kWidth = TeacherPassword::kTextWidth;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // A file shorter than a record, or a length beyond its field, is
    // damaged; otherwise the password is the unscrambled second text.
    const auto read = teacherPasswordFromBytes(bytes);
    const bool whole =
        size >= kRecord && std::uint8_t(bytes[0]) <= kWidth && std::uint8_t(bytes[27]) <= kWidth;
    FUZZ_CHECK(read.has_value() == whole);
    if (read) {
        FUZZ_CHECK(*read == dekryptrad(bytes.substr(28, std::uint8_t(bytes[27]))));
        FUZZ_CHECK(read->size() <= kWidth);
    }

    // The same through the file: read when whole, damaged otherwise; a
    // damaged file opens nothing with its own bytes.
    const std::string& dir = directory();
    const std::string path = dir + "/" + TeacherPassword::kFileName;
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
        FUZZ_CHECK(out.good());
    }
    const FixedClock clock(1'700'000'000);
    TeacherPasswordFile file(dir, clock);
    const TeacherPasswordLoad load = file.load();
    FUZZ_CHECK(load.status ==
               (whole ? TeacherPasswordLoad::Status::Read : TeacherPasswordLoad::Status::Damaged));
    FUZZ_CHECK(load.password == read);
    if (read && !read->empty()) FUZZ_CHECK(TeacherPasswordFile::accepts(load, *read));
    FUZZ_CHECK(!TeacherPasswordFile::accepts(load, "")); // an empty password never opens

    // A password that may be stored comes back as it was typed, through the
    // record and through the file.
    const std::string typed = bytes.substr(0, bytes.find('\n'));
    const std::string record = teacherPasswordRecord(typed);
    FUZZ_CHECK(record.size() == kRecord);
    FUZZ_CHECK(teacherPasswordFromBytes(record).has_value());
    if (validTeacherPassword(typed)) {
        FUZZ_CHECK(typed.size() <= TeacherPassword::kMaxLength);
        FUZZ_CHECK(teacherPasswordFromBytes(record) == typed);
        FUZZ_CHECK(!file.save(typed));
        const TeacherPasswordLoad again = file.load();
        FUZZ_CHECK(again.status == TeacherPasswordLoad::Status::Read);
        FUZZ_CHECK(again.password == typed);
        FUZZ_CHECK(TeacherPasswordFile::accepts(again, typed));
    }
    return 0;
}
