#pragma once

// A data root for the targets that read exercise files the way the windows
// do: made once per process in a temporary directory and removed at its end.
// Each input is written as one exercise file (listed in the file list) and
// read through a fresh AppState, as when a pupil opens the exercise.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "core/app_state.h"
#include "core/messages.h"
#include "fuzz_check.h"

namespace fuzz {

class QuietMessages final : public glosbo::core::MessageSink {
public:
    void information(const std::u8string&) override { ++count; }
    void warning(const std::u8string&) override { ++count; }
    void error(const std::u8string&) override { ++count; }
    int count = 0;
};

struct TempDirectory {
    TempDirectory() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "glosbo-fuzz-XXXXXX").string();
        if (!mkdtemp(tmpl.data())) std::abort();
        path = tmpl;
    }
    ~TempDirectory() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;
    std::string path;
};

// The directory of this process.
inline const std::string& scratchDirectory() {
    static const TempDirectory dir;
    return dir.path;
}

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    FUZZ_CHECK(out.good());
}

// An AppState over the scratch root with bytes as the exercise file name
// (for example "SVE41100.DAT"), the file made current and checked.
struct Exercise {
    Exercise(const std::string& name, const std::string& bytes, std::uint32_t seed) {
        const std::string& root = scratchDirectory();
        writeFile(root + "/DATA/datfiler.sve", name + "\r\n");
        writeFile(root + "/DATA/DAT/" + name, bytes);
        glosbo::core::DataRoots roots;
        roots.pcPath = root;
        state = std::make_unique<glosbo::core::AppState>(
            roots, messages, std::make_unique<glosbo::core::SeededRandom>(seed), nullptr);
        FUZZ_CHECK(state->startUp());
        state->selectExercise(name);
        usable = state->files.Kolla(name);
        records = state->files.file(state->files.currentFileIndex).recordCount;
        FUZZ_CHECK(usable == (records > 0));
    }

    // The line of record n as the window fetches it.
    std::string line(int n) const {
        std::string l;
        state->files.haemtaord(state->files.currentExerciseFile, n, l);
        return l;
    }

    QuietMessages messages;
    std::unique_ptr<glosbo::core::AppState> state;
    bool usable = false;
    int records = 0;
};

} // namespace fuzz
