#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/data_roots.h"
#include "core/line_file.h"
#include "core/messages.h"

namespace glosbo::core {

// One exercise file known to the program.
struct FileSlot {
    std::string name;     // at most 12 characters
    int recordCount = 0;  // 0 until the file is first checked
    int drawPosition = 1; // next position in the file's random order
    int errorCount = 0;   // entries of this file in the error queue
};

// One praise-word file known to the program.
struct PraiseSlot {
    std::string name;
    int praiseCount = 0;
    int drawPosition = 1;
};

// A wrongly answered record waiting in the error queue.
struct QueuedError {
    std::uint16_t recordNumber = 0; // 0 marks a free entry
    int fileSlot = 0;
};

// What haemtafel does with the error queue of the current file.
enum class QueueOp : std::uint8_t {
    // current record line := the file's first queued record.
    Fetch = 0,
    // Drops that entry after a right answer.
    Remove = 1,
    // Moves that entry to the back after another wrong answer.
    MoveBack = 2,
    // Appends the current record.
    Add = 3,
};

// The exercise data files: the file and praise tables, checking a file and
// making it current, fetching records and the error queue. Slots are
// numbered from 1 as the rest of the program counts them.
class DataFiles {
public:
    static constexpr int kFileSlots = 140;
    static constexpr int kPraiseSlots = 20;
    static constexpr int kQueueSize = 400;

    DataFiles(const DataRoots& roots, MessageSink& messages);

    // Builds both tables from "/DATA/datfiler.sve" or, without it, from a
    // search of "/DATA". Returns false when neither exists: the program must
    // end (the warning has been shown).
    bool buildTables();

    // Checks an exercise file and makes it current; true when it has records.
    bool Kolla(const std::string& name);
    // Reads a line file; with count, adds its records to the slot's count.
    void ordantal(const std::string& name, int slot, bool count);
    // current record line := record n of the file (nothing when it is missing).
    void haemtaord(const std::string& name, int n) { haemtaord(name, n, currentRecordLine); }
    // line := record n of the file, leaving the current record alone.
    void haemtaord(const std::string& name, int n, std::string& line) const;
    // The error queue of the current file (see QueueOp).
    void haemtafel(const std::string& name, QueueOp op);

    // Resets record counts, draw positions and the error queue (part of the
    // draw reset); the praise counts and positions too.
    void resetCounts();

    FileSlot& file(int slot) { return m_files[slot]; }
    const FileSlot& file(int slot) const { return m_files[slot]; }
    PraiseSlot& praise(int slot) { return m_praise[slot]; }
    const PraiseSlot& praise(int slot) const { return m_praise[slot]; }
    int fileCount() const { return m_fileCount; }
    int praiseFileCount() const { return m_praiseCount; }
    const QueuedError& queueEntry(int i) const { return m_queue[i]; } // 1..400
    int queueLength() const;

    // Finds a name among the praise slots; praiseFileCount() + 1 when absent.
    int praiseSlotOf(const std::string& name) const;

    // Current exercise state.
    std::string currentExerciseFile;
    int currentFileIndex = 1;
    Headings headings;
    std::string currentRecordLine;
    std::uint16_t currentRecordNumber = 1;
    bool errorPracticeMode = false;
    std::uint16_t errorRecordNumber = 0;

private:
    void addFileName(const std::string& name);
    bool searchDataDirectory(const char* pattern, bool praise);
    int findQueueEntry(int slot) const; // 0 when none
    std::optional<std::string> locate(const std::string& subdirectory,
                                      const std::string& name) const;

    const DataRoots& m_roots;
    MessageSink& m_messages;
    std::array<FileSlot, kFileSlots + 1> m_files{};
    std::array<PraiseSlot, kPraiseSlots + 2> m_praise{};
    std::array<QueuedError, kQueueSize + 1> m_queue{};
    int m_fileCount = 0;
    int m_praiseCount = 0;
};

} // namespace glosbo::core
