#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace glosbo::core {

// The fields of the record last split. Fields are numbered 1..10.
struct RecordFields {
    std::array<std::string, 11> field; // field[0] unused
    std::uint16_t fieldCount = 0;
    std::uint16_t alternativeCount = 0;

    const std::string& operator[](int i) const { return field[i]; }
};

// Splits a record line (unscrambling it first) into up to ten '#' fields.
// A field starting with '&' starts the alternative answers.
RecordFields str_postarray(std::string_view line);

// Drops leading and trailing spaces and, in texts of four characters or more,
// reduces inner runs of spaces to one.
std::string MellanslagBort(std::string_view text);

// The two kinds of comparison of an answer.
enum class CompareKind : int { Exact = 1, IgnoreCase = 3 };

// Verdicts of svarstest.
constexpr std::uint16_t kAnswerRight = 0;
constexpr std::uint16_t kAnswerEmpty = 6000;
constexpr std::uint16_t kAnswerWrong = 60000;

// Compares a typed answer with the expected answer and then with the
// alternatives of the record. typed is cleaned in place, as the windows show
// the cleaned text.
std::uint16_t svarstest(const RecordFields& record, std::string_view expected, std::string& typed,
                        CompareKind kind);

// While typing: 1 (green) when the text typed so far starts the expected
// answer or one of the alternatives, 2 (red) otherwise.
int GreenRedTest(const RecordFields& record, std::string_view typed, std::string_view expected);

// Splits a text at '<' and '>' into at most five parts (1..5).
std::array<std::string, 6> LetaPrep(std::string_view text);

} // namespace glosbo::core
