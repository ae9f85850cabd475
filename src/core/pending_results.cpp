#include "core/pending_results.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>
#include <unistd.h>

#include "core/cp1252.h"

namespace glosbo::core {

namespace {

constexpr const char* kFormatLine = "Glosbo pending diagnosis results 1\n";

// FNV-1a: a short, stable file name for a pupil of a diagnosis file.
std::uint64_t fnv1a(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

// When a test was taken; a test never taken has no time, whatever its time
// fields hold (a reset record keeps the old ones).
std::tuple<int, int, int, int, int> takenAt(const DiagnosisRecord& r, int t) {
    if (r.result[t] == 0 && r.status[t] == kStatusStart) return {0, 0, 0, 0, 0};
    return {r.year[t], r.month[t], r.day[t], r.hour[t], r.minute[t]};
}

} // namespace

PendingResults::PendingResults(std::string directory, std::string diagnosisFile)
    : m_directory(std::move(directory)), m_diagnosisFile(std::move(diagnosisFile)) {}

std::string PendingResults::path(const std::string& name) const {
    char hex[17];
    std::snprintf(
        hex, sizeof hex, "%016llx",
        static_cast<unsigned long long>(fnv1a(m_diagnosisFile + '\n' + upperCp1252(name))));
    return m_directory + "/PENDING-" + hex + ".DIA";
}

std::optional<DiagnosisRecord> PendingResults::load(const std::string& name) const {
    if (m_directory.empty() || name.empty()) return std::nullopt;
    std::ifstream in(path(name), std::ios::binary);
    if (!in) return std::nullopt;
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    const std::string head = std::string(kFormatLine) + m_diagnosisFile + '\n';
    if (bytes.size() != head.size() + DiagnosisRecord::kSize || bytes.compare(0, head.size(), head))
        return std::nullopt;
    const std::string_view record = std::string_view(bytes).substr(head.size());
    if (std::uint8_t(record[0]) > 21 || std::uint8_t(record[22]) > 10) return std::nullopt;
    DiagnosisRecord kept = DiagnosisRecord::fromBytes(record);
    if (upperCp1252(kept.name) != upperCp1252(name)) return std::nullopt;
    return kept;
}

std::optional<FileError> PendingResults::keep(const DiagnosisRecord& record) const {
    if (m_directory.empty()) return FileError{FileError::Step::Create, "", ENOENT};
    std::error_code ec;
    std::filesystem::create_directories(m_directory, ec);
    return replaceFile(path(record.name),
                       std::string(kFormatLine) + m_diagnosisFile + '\n' + record.toBytes());
}

void PendingResults::drop(const std::string& name) const {
    if (m_directory.empty() || name.empty()) return;
    ::unlink(path(name).c_str());
}

bool mergePendingResults(DiagnosisRecord& stored, const DiagnosisRecord& kept) {
    bool changed = false;
    for (int t = 1; t <= DiagnosisRecord::kTests; ++t) {
        const auto keptAt = takenAt(kept, t), storedAt = takenAt(stored, t);
        const bool newer =
            keptAt > storedAt || (keptAt == storedAt && kept.result[t] == stored.result[t] &&
                                  kept.status[t] != stored.status[t]);
        if (!newer) continue;
        stored.result[t] = kept.result[t];
        stored.status[t] = kept.status[t];
        stored.year[t] = kept.year[t];
        stored.month[t] = kept.month[t];
        stored.day[t] = kept.day[t];
        stored.hour[t] = kept.hour[t];
        stored.minute[t] = kept.minute[t];
        changed = true;
    }
    if (stored.password.empty() && !kept.password.empty()) {
        stored.password = kept.password;
        changed = true;
    }
    return changed;
}

} // namespace glosbo::core
