#pragma once

#include <optional>
#include <string>

#include "core/atomic_file.h"
#include "core/diagnosis_record.h"

namespace glosbo::core {

// Results that a pupil's save could not put into the diagnosis file (a
// read-only, missing or damaged directory or file), kept in the program's
// own data directory until a later save of that pupil succeeds. One small
// file per pupil and diagnosis file: a line naming the format, a line with
// the diagnosis file's path, then the pupil's 336-byte record.
class PendingResults {
public:
    // directory: where the files are kept ($XDG_DATA_HOME/glosbo); empty:
    // nowhere. diagnosisFile: the path of the diagnosis file they belong to.
    PendingResults(std::string directory, std::string diagnosisFile);

    // The file of a pupil (the name compared without letter case).
    std::string path(const std::string& name) const;
    // The record kept for a pupil; nothing when there is none, or the file
    // is damaged or belongs to another pupil or diagnosis file.
    std::optional<DiagnosisRecord> load(const std::string& name) const;
    // Keeps the record, replacing what was kept for that pupil.
    std::optional<FileError> keep(const DiagnosisRecord& record) const;
    // Forgets what was kept for a pupil.
    void drop(const std::string& name) const;

private:
    std::string m_directory;
    std::string m_diagnosisFile;
};

// Takes into stored what the kept record has that is newer: for each test,
// the kept result, status and time when the kept time is later (or the same
// time with another status, as a completed practice leaves it); a test never
// taken has no time. The kept password only when stored has none. True when
// stored changed.
bool mergePendingResults(DiagnosisRecord& stored, const DiagnosisRecord& kept);

} // namespace glosbo::core
