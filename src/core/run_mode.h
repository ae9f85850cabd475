#pragma once

#include <cstdint>

// The run mode of the program and what each mode allows. Every exercise
// window reads it when it opens; the diagnosis moves it between its modes.
namespace glosbo::core {

enum class RunMode : std::uint8_t {
    Practice = 0,
    // Questions are collected for printing rather than asked.
    Worksheet = 1,
    DiagnosisTest = 2,
    DiagnosisPractice = 3,
    // Diagnosis practice after the choose-the-alternative window's rule.
    DiagnosisPracticeHelp = 4,
    // A correction round inside diagnosis practice.
    DiagnosisPracticeErrors = 5,
};

constexpr int toInt(RunMode mode) {
    return static_cast<int>(mode);
}

// Practice and every diagnosis practice mode: the warning lamp may be used.
constexpr bool allowsLamp(RunMode mode) {
    return mode == RunMode::Practice || mode >= RunMode::DiagnosisPractice;
}
// The same modes offer "Rätta felen" over the queued errors.
constexpr bool allowsCorrectionRound(RunMode mode) {
    return allowsLamp(mode);
}
// Diagnosis practice outside a correction round: help counts, the
// completion rule judges the series.
constexpr bool isDiagnosisPractice(RunMode mode) {
    return mode == RunMode::DiagnosisPractice || mode == RunMode::DiagnosisPracticeHelp;
}
// The diagnosis box beside the headline shows.
constexpr bool showsDiagnosisBox(RunMode mode) {
    return mode == RunMode::DiagnosisTest || isDiagnosisPractice(mode);
}
// The progress strip takes each answer.
constexpr bool marksStrip(RunMode mode) {
    return mode == RunMode::Practice || mode == RunMode::DiagnosisPracticeErrors;
}
// A series of 10 questions rather than a diagnosis series of 20.
constexpr bool hasShortSeries(RunMode mode) {
    return mode == RunMode::Practice || mode == RunMode::Worksheet;
}

} // namespace glosbo::core
