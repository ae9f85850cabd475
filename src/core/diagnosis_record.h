#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "core/run_mode.h"

namespace glosbo::core {

// Questions in one diagnosis test.
inline constexpr int kDiagnosisSeriesSize = 20;

// Status of one diagnosis test.
enum DiagnosisStatus : std::uint8_t {
    kStatusStart = 0,    // "Börja"
    kStatusWait = 1,     // "Vänta"
    kStatusTest = 2,     // "Testa"
    kStatusPractise = 3, // "Öva"
};

// The name of a status as the protocol shows it (UTF-8).
std::u8string statusName(std::uint8_t status);

// One pupil's diagnosis: 336 bytes on disk, little-endian. Tests are
// numbered 1..20; only 1..17 exist.
struct DiagnosisRecord {
    static constexpr std::size_t kSize = 336;
    static constexpr int kTests = 20;
    static constexpr int kPassMark = 15;
    static constexpr int kFullScore = 20;

    std::string name;     // Windows-1252, at most 21 bytes
    std::string password; // at most 10 bytes
    std::array<std::int32_t, kTests + 1> result{};
    std::array<std::uint8_t, kTests + 1> status{};
    std::array<std::uint16_t, kTests + 1> year{}, month{}, day{}, hour{}, minute{};

    // Serialises to exactly kSize bytes (longer texts are cut).
    std::string toBytes() const;
    // Reads kSize bytes; lengths beyond their field are cut to the field.
    static DiagnosisRecord fromBytes(std::string_view bytes);
};

// The status that a result gives: 0 Börja, below the pass mark Öva, else Testa.
// A test number outside 1..20 has no result: Börja.
std::uint8_t GeStatusTal(const DiagnosisRecord& record, int test);

// Records the result of test t: a retaken test with 0 right becomes "Öva"
// with result 0; otherwise the result and its status. Stamps the time.
void diagnosback(DiagnosisRecord& record, int test, int correctCount, std::time_t now);

// A new user or a name not in the file: no name, no password, every result
// 0 and every status "Börja". The times stay; they show only with a result.
void resetDiagnosisRecord(DiagnosisRecord& record);

// A practice met its completion rule: the test may be taken again.
void completePractice(DiagnosisRecord& record, int test);

// "Övning 1" / "Diagnos: Testning" for the heading of an exercise window in
// diagnosis mode; nothing in the other modes.
std::optional<std::u8string> TestOverSkrift(RunMode runMode, int practiceCounter);

// "7/20": the question number of the diagnosis box.
std::string diagnosisQuestionText(int questionNumber);

} // namespace glosbo::core
