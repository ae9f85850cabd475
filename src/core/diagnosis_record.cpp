#include "core/diagnosis_record.h"

#include <algorithm>
#include <cstring>

#include "core/text.h"

namespace glosbo::core {

namespace {

void putU16(std::string& b, std::size_t at, std::uint16_t v) {
    b[at] = char(v & 0xFF);
    b[at + 1] = char(v >> 8);
}

std::uint16_t getU16(std::string_view b, std::size_t at) {
    return std::uint16_t(std::uint8_t(b[at]) | (std::uint8_t(b[at + 1]) << 8));
}

void putText(std::string& b, std::size_t at, std::size_t width, const std::string& text) {
    const std::size_t n = std::min(text.size(), width);
    b[at] = char(n);
    std::memcpy(&b[at + 1], text.data(), n);
}

std::string getText(std::string_view b, std::size_t at, std::size_t width) {
    const std::size_t n = std::min<std::size_t>(std::uint8_t(b[at]), width);
    return std::string(b.substr(at + 1, n));
}

constexpr std::size_t kResults = 36, kStatuses = 116, kYears = 136, kMonths = 176, kDays = 216,
                      kHours = 256, kMinutes = 296;

} // namespace

std::u8string statusName(std::uint8_t status) {
    switch (status) {
    case kStatusStart:
        return u8"Börja";
    case kStatusWait:
        return u8"Vänta";
    case kStatusTest:
        return u8"Testa";
    case kStatusPractise:
        return u8"Öva";
    default:
        return {};
    }
}

std::string DiagnosisRecord::toBytes() const {
    std::string b(kSize, '\0');
    putText(b, 0, 21, name);
    putText(b, 22, 10, password);
    for (int t = 1; t <= kTests; ++t) {
        const std::size_t i = std::size_t(t - 1);
        const auto r = static_cast<std::uint32_t>(result[t]);
        for (int k = 0; k < 4; ++k)
            b[kResults + 4 * i + k] = char((r >> (8 * k)) & 0xFF);
        b[kStatuses + i] = char(status[t]);
        putU16(b, kYears + 2 * i, year[t]);
        putU16(b, kMonths + 2 * i, month[t]);
        putU16(b, kDays + 2 * i, day[t]);
        putU16(b, kHours + 2 * i, hour[t]);
        putU16(b, kMinutes + 2 * i, minute[t]);
    }
    return b;
}

DiagnosisRecord DiagnosisRecord::fromBytes(std::string_view b) {
    DiagnosisRecord r;
    if (b.size() < kSize) return r;
    r.name = getText(b, 0, 21);
    r.password = getText(b, 22, 10);
    for (int t = 1; t <= kTests; ++t) {
        const std::size_t i = std::size_t(t - 1);
        std::uint32_t v = 0;
        for (int k = 0; k < 4; ++k)
            v |= std::uint32_t(std::uint8_t(b[kResults + 4 * i + k])) << (8 * k);
        r.result[t] = static_cast<std::int32_t>(v);
        r.status[t] = std::uint8_t(b[kStatuses + i]);
        r.year[t] = getU16(b, kYears + 2 * i);
        r.month[t] = getU16(b, kMonths + 2 * i);
        r.day[t] = getU16(b, kDays + 2 * i);
        r.hour[t] = getU16(b, kHours + 2 * i);
        r.minute[t] = getU16(b, kMinutes + 2 * i);
    }
    return r;
}

std::uint8_t GeStatusTal(const DiagnosisRecord& record, int test) {
    if (test < 1 || test > DiagnosisRecord::kTests) return kStatusStart;
    const int r = record.result[test];
    if (r == 0) return kStatusStart;
    return r < DiagnosisRecord::kPassMark ? kStatusPractise : kStatusTest;
}

void diagnosback(DiagnosisRecord& record, int t, int correctCount, std::time_t now) {
    if (t < 1 || t > DiagnosisRecord::kTests) return;
    if (record.result[t] > 0 && correctCount == 0) {
        record.status[t] = kStatusPractise;
        record.result[t] = 0;
    } else {
        record.result[t] = correctCount;
        record.status[t] = GeStatusTal(record, t);
    }
    std::tm local{};
    localtime_r(&now, &local);
    record.year[t] = std::uint16_t(local.tm_year + 1900);
    record.month[t] = std::uint16_t(local.tm_mon + 1);
    record.day[t] = std::uint16_t(local.tm_mday);
    record.hour[t] = std::uint16_t(local.tm_hour);
    record.minute[t] = std::uint16_t(local.tm_min);
}

void resetDiagnosisRecord(DiagnosisRecord& record) {
    record.name.clear();
    record.password.clear();
    for (int t = 1; t <= DiagnosisRecord::kTests; ++t) {
        record.result[t] = 0;
        record.status[t] = GeStatusTal(record, t);
    }
}

void completePractice(DiagnosisRecord& record, int test) {
    if (test >= 1 && test <= DiagnosisRecord::kTests) record.status[test] = kStatusTest;
}

std::optional<std::u8string> TestOverSkrift(RunMode runMode, int practiceCounter) {
    if (runMode == RunMode::DiagnosisTest) return std::u8string(u8"Diagnos: Testning");
    if (isDiagnosisPractice(runMode))
        return u8"Övning " + asUtf8(std::to_string(practiceCounter + 1));
    return std::nullopt;
}

std::string diagnosisQuestionText(int questionNumber) {
    return std::to_string(questionNumber) + "/" + std::to_string(kDiagnosisSeriesSize);
}

} // namespace glosbo::core
