#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/diagnosis_record.h"
#include "core/page.h"

// The diagnosis protocol: the 17 tests, the texts of the protocol table and
// the printed protocol.
namespace glosbo::core {

inline constexpr int kDiagnosisTests = 17;

// One diagnosis test: its area, the files of the test and of its practice
// and the windows that run them.
struct DiagnosisTest {
    const char8_t* area;
    const char* testFile;
    const char* practiceFile;
    const char* testWindow;
    const char* practiceWindow;
};

// Tests 1..17.
const DiagnosisTest& diagnosisTest(int test);

// The protocol table: 19 rows (the heading, tests 1..17, the sum) of 5
// columns, Windows-1252 texts with their leading spaces.
inline constexpr int kProtocolRows = 19, kProtocolColumns = 5, kSumRow = 18;
using ProtocolTable = std::array<std::array<std::string, kProtocolColumns>, kProtocolRows>;

// "970523 09:05": year, month, day, hour and minute of a test.
std::string protocolDateText(const DiagnosisRecord& record, int test);
// The sum of the 20 results.
int protocolSum(const DiagnosisRecord& record);
ProtocolTable protocolTable(const DiagnosisRecord& record);

// The wider text of the time column, measured to size the last three columns.
inline constexpr const char* kProtocolSample = "  970523 24:55   ";

// Where columns 1..4 begin on paper, in percent of the table width, from
// the screen's letter unit, the width of kProtocolSample and the screen width.
std::array<int, 4> printColumnStarts(int letterUnit, int sampleWidth, int screenWidth);

// The printed protocol of one pupil on an A4 page: the title, the table of
// 19 rows with its rules, the sum row a little lower. A column whose
// widest text, measured in the print font, would cross its right-hand rule
// takes the room it needs from the area column. printer: the printer's
// margins, none for a PDF.
Page protocolPage(const ProtocolTable& table, std::string_view name,
                  const std::array<int, 4>& columnStarts, const PageMetrics& metrics,
                  const PageMargins& printer = {});

} // namespace glosbo::core
