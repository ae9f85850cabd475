#include "core/game_records.h"

namespace glosbo::core {

int drawRecord(AppState& state, const std::function<bool(const std::string& line)>& usable) {
    DataFiles& files = state.files;
    const int records = files.file(files.currentFileIndex).recordCount;
    std::string line;
    // Every record comes up within one round of the random order.
    for (int tries = 0; tries < records; ++tries) {
        const int n = state.haemta_slumptal();
        if (n <= 0) break;
        line.clear();
        files.haemtaord(files.currentExerciseFile, n, line);
        if (!usable(line)) continue;
        files.currentRecordNumber = static_cast<std::uint16_t>(n);
        files.currentRecordLine = line;
        return n;
    }
    return 0;
}

int drawUsableRecord(AppState& state, RecordCheck usable) {
    return drawRecord(state, [&](const std::string& line) {
        state.str_postarray(line);
        return usable(state.fields);
    });
}

} // namespace glosbo::core
