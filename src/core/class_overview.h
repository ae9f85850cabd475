#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/diagnosis_file.h"
#include "core/diagnosis_protocol.h"
#include "core/page.h"

// The teacher's overview of a class: every pupil of a diagnosis file with
// the result and status of each of the 17 tests, how many pupils passed
// each test and how many tests each pupil passed.
namespace glosbo::core {

// One pupil's row. Tests are indexed 0..16 for tests 1..17.
struct ClassPupil {
    std::string name;       // Windows-1252
    std::size_t record = 0; // the record's place in the file
    std::array<std::int32_t, kDiagnosisTests> result{};
    std::array<std::uint8_t, kDiagnosisTests> status{};
    int passed = 0; // tests with at least the pass mark
};

enum class ClassSortKey { Name, Test, Passed };

struct ClassSort {
    ClassSortKey key = ClassSortKey::Name;
    int test = 1; // 1..17, for ClassSortKey::Test
    bool descending = false;

    bool operator==(const ClassSort&) const = default;
};

struct ClassOverview {
    std::vector<ClassPupil> pupils; // in the order of sort
    // Per test, how many pupils reached the pass mark.
    std::array<int, kDiagnosisTests> passedPerTest{};
    ClassSort sort;
};

// Every record with a name, in Swedish alphabetical order. Records without
// a name are left out: nobody can log in to them.
ClassOverview classOverview(const DiagnosisContents& contents);

// Sorts the pupils: by name in Swedish order (letter case ignored), by a
// test's result, or by tests passed. Equal results stand in name order
// whichever way the column runs.
void sortClassOverview(ClassOverview& overview, ClassSort sort);

// "B", "V", "T", "Ö" for the statuses (Windows-1252); "?" for a code the
// program never writes.
std::string statusLetter(std::uint8_t status);
// The status word as the protocol shows it, or the code itself.
std::string statusWord(std::uint8_t status);
// "15 T": a test's cell, the result and its status letter.
std::string classCellText(std::int32_t result, std::uint8_t status);

// Short heading of a test's column: "Ä", "TJ", "Plur" (Windows-1252).
std::string shortAreaHeading(int test);

// Texts of the table's fixed cells (Windows-1252).
inline constexpr const char* kClassNameHeading = "Namn";
inline constexpr const char* kClassPassedHeading = "Klarade";
inline constexpr const char* kClassCountLabel = "Antal klarade";
// "B = Börja   V = Vänta   T = Testa   Ö = Öva   ..." under the table.
std::string classLegend();

// The overview as texts (Windows-1252): a heading row ("Namn", "1 Ä" ...
// "17 Alfab", "Klarade"), a row per pupil, and the count row with an
// empty last cell. 19 cells a row.
using ClassTable = std::vector<std::vector<std::string>>;
ClassTable classOverviewTable(const ClassOverview& overview);

inline constexpr int kClassPupilsPerPage = 30;

// The printed overview on landscape A4 pages, kClassPupilsPerPage pupils a
// page: title and page number, the headings on every page, the pupils'
// rows with their rules, the count row after the last pupil, and the
// legends.
std::vector<Page> classOverviewPages(const ClassOverview& overview, const PageMetrics& metrics);

} // namespace glosbo::core
