#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace glosbo::core {

// The diagnosis test (1..17) that an exercise also serves as; 0 for none.
int diagnosisTestNumber(std::uint16_t programNumber);

// The praise file due after a series: "SVOM9xxx.LOV" by how many questions
// were not answered right (0..2), whether the exercise is a diagnosis test and
// how the pupil did in it, and whether a pupil is logged in. Empty when more
// than two were missed.
std::string HaemtaLovordFilNamn(int correctCount, int seriesLength, std::uint16_t programNumber,
                                const std::array<int, 21>& diagnosisResults,
                                const std::string& diagnosisUserName);

// Replaces "<namn>", "<diagnos>" and "<res>" in a praise text; any other '<'
// is left out.
std::string LovordMen(std::string_view text, const std::string& userName, int testNumber,
                      int testResult);

} // namespace glosbo::core
