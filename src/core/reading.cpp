#include "core/reading.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "core/data_fs.h"
#include "core/line_file.h"
#include "core/scramble.h"
#include "core/sounds.h"

namespace glosbo::core {

ReadAndAnswerProgram readAndAnswerProgram(std::uint16_t programNumber, int recordCount) {
    ReadAndAnswerProgram program;
    if (programNumber >= 56100 && programNumber <= 56900) {
        program.readingText = true;
        program.seriesLength = std::clamp(recordCount, 1, 10);
    }
    return program;
}

int answerCount(const RecordFields& record) {
    int count = 0;
    while (count < 3 && !record[count + 2].empty())
        ++count;
    return count;
}

std::string readingTextPath(const std::string& exerciseFile) {
    std::string stem = exerciseFile.substr(0, exerciseFile.find('.'));
    if (stem.size() > 9) stem.resize(9);
    return "DATA/LAS/" + stem + ".LAS";
}

std::optional<std::vector<std::string>> readReadingText(const DataRoots& roots,
                                                        const std::string& exerciseFile) {
    const auto path = findDataFile(roots, readingTextPath(exerciseFile));
    if (!path) return std::nullopt;
    std::ifstream in(*path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(kLargestReadingText + 1, '\0');
    in.read(bytes.data(), std::streamsize(bytes.size()));
    bytes.resize(std::size_t(in.gcount()));
    if (bytes.size() > kLargestReadingText) return std::nullopt;
    const bool text = std::none_of(bytes.begin(), bytes.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b < 0x20 && b != '\t' && b != '\r' && b != '\n') || b == 0x7F;
    });
    if (!text) return std::nullopt;
    std::istringstream lines(bytes);
    std::vector<std::string> result;
    std::string line;
    while (readLine(lines, line))
        result.push_back(line);
    return result;
}

std::vector<std::string> JusteraMemoText(const std::vector<std::string>& lines) {
    std::vector<std::string> kept;
    kept.reserve(lines.size());
    for (const std::string& line : lines)
        if (line.empty() || line.front() != '$') kept.push_back(line);

    std::vector<std::string> shown;
    shown.reserve(kept.size());
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const std::string& line = kept[i];
        const bool broken = !line.empty() && line.size() < 15 && line.back() != '.' &&
                            line.back() != '!' && line.back() != '?';
        if (broken && i + 1 < kept.size()) {
            shown.push_back(line + " " + kept[i + 1]);
            ++i;
        } else {
            shown.push_back(line);
        }
    }
    return shown;
}

std::string readingGymSoundName(const std::string& soundDirectory, int recordNumber) {
    if (recordNumber < 1 || recordNumber > 999) return {};
    return recordSoundName(soundDirectory, recordNumber);
}

GymWords fetchGymWords(AppState& state, const std::array<int, GymWords::kCount>& recordNumbers) {
    GymWords gym;
    DataFiles& files = state.files;
    std::string line;
    for (int i = 0; i < GymWords::kCount; ++i) {
        const int n = recordNumbers[std::size_t(i)];
        line.clear();
        files.haemtaord(files.currentExerciseFile, n, line);
        gym.recordNumbers[std::size_t(i)] = n;
        gym.words[std::size_t(i)] = dekryptrad(line);
    }
    files.currentRecordNumber = static_cast<std::uint16_t>(recordNumbers.back());
    files.currentRecordLine = line;
    state.str_postarray(line);
    return gym;
}

std::array<int, GymWords::kCount> drawGymRecords(AppState& state) {
    std::array<int, GymWords::kCount> numbers{};
    for (int& n : numbers)
        n = state.haemta_slumptal();
    return numbers;
}

} // namespace glosbo::core
