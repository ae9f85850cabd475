// The level file of the sentence parts on arbitrary bytes: the records of
// each level are counted as the window counts them (only sentences that can
// be shown), compared with a plain model of the line rules, drawn in their
// random order and played to the end by dropping every part on its box.
#include <cstddef>
#include <cstdint>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/line_file.h"
#include "core/record_fields.h"
#include "core/scramble.h"
#include "core/sentence_parts.h"
#include "core/sources.h"
#include "fuzz_check.h"

using namespace glosbo::core;

namespace {

bool showable(std::string_view record) {
    return Sentence::fromRecord(str_postarray(record)).has_value();
}

// The level of a line by the rules of the file, with its record; 0 for
// every line that is not a showable record of level 1..20.
int modelLevel(const std::string& line, std::string& record) {
    if (line.empty() || line[0] == ';' || line[0] == '$') return 0;
    const std::string text = line[0] == ')' ? dekryptrad(line) : line;
    if (text.size() < 2 || text.find('#', 1) == std::string::npos) return 0;
    std::size_t digits = 0;
    long level = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        if (level < 1000) level = level * 10 + (text[digits] - '0');
        ++digits;
    }
    if (level < 1 || level > LevelFile::kMostLevels) return 0;
    record = text.substr(digits);
    return showable(record) ? int(level) : 0;
}

void play(const std::string& record) {
    const RecordFields fields = str_postarray(record);
    const auto sentence = Sentence::fromRecord(fields);
    FUZZ_CHECK(sentence.has_value());
    FUZZ_CHECK(sentence->partCount() >= 1 && sentence->partCount() <= kMostSentenceParts);
    FUZZ_CHECK(sentence->partsToPlace() >= 1 && sentence->partsToPlace() <= sentence->partCount());

    // The sentence is its parts and the texts between them, marks left out.
    const SentenceSplit& split = sentence->split();
    std::string joined;
    for (int k = 1; k <= split.partCount; ++k)
        joined += split.between[k] + "<" + split.parts[k] + ">";
    joined += split.between[split.partCount + 1];
    FUZZ_CHECK(joined == fields[1]);

    // A wrong box refuses; every part then finds its box.
    Sentence s = *sentence;
    for (int k = 1; k <= s.partCount(); ++k)
        if (s.roleOfPart(k) == 0) FUZZ_CHECK(s.drop(k, 1) == PartDrop::Refused);
    for (const Sentence::Box& box : sentence->boxes()) {
        int target = 0;
        for (int b = 1; b <= s.partsToPlace(); ++b)
            if (s.boxes()[std::size_t(b - 1)].role == box.role && !s.received(b)) {
                target = b;
                break;
            }
        FUZZ_CHECK(target != 0);
        FUZZ_CHECK(s.drop(box.part, target) == PartDrop::Placed);
        FUZZ_CHECK(s.drop(box.part, target) == PartDrop::AlreadyPlaced);
    }
    FUZZ_CHECK(s.finished());
    FUZZ_CHECK(s.placed() == sentence->partsToPlace());

    const TaskLines task = sentencePartsTask("1. ", fields[1], *sentence);
    (void)task;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // The model: the showable records of each level, in file order.
    std::vector<std::string> lines;
    {
        std::istringstream in(bytes);
        std::string line;
        while (readLine(in, line))
            lines.push_back(line);
    }
    std::vector<std::vector<std::string>> model(LevelFile::kMostLevels + 1);
    for (const std::string& line : lines) {
        std::string record;
        if (const int level = modelLevel(line, record)) model[std::size_t(level)].push_back(record);
    }

    LevelFile file;
    {
        std::istringstream in(bytes);
        file.count(in, showable);
    }
    int levels = 0;
    while (levels < LevelFile::kMostLevels && !model[std::size_t(levels + 1)].empty())
        ++levels;
    FUZZ_CHECK(file.levels() == levels);

    SeededRandom random(size);
    for (int level = 1; level <= LevelFile::kMostLevels; ++level) {
        const auto& records = model[std::size_t(level)];
        FUZZ_CHECK(file.recordCount(level) == int(records.size()));
        file.shuffle(level, random);

        // One round of the order fetches every record once; the next round
        // starts again.
        std::set<int> seen;
        for (std::size_t n = 0; n < records.size() && n < 12; ++n) {
            const int number = file.nextNumber(level);
            FUZZ_CHECK(number >= 1 && number <= int(records.size()));
            FUZZ_CHECK(seen.insert(number).second);
            std::istringstream in(bytes);
            const auto record = file.fetch(in, level);
            FUZZ_CHECK(record == records[std::size_t(number - 1)]);
            play(*record);
        }
        if (records.empty()) {
            std::istringstream in(bytes);
            FUZZ_CHECK(file.nextNumber(level) == 0);
            FUZZ_CHECK(!file.fetch(in, level));
        }
    }

    // The climb never leaves its levels.
    LevelClimb climb;
    climb.start(levels);
    for (std::size_t i = 0; i < std::min<std::size_t>(size, 64) && !climb.topPassed(); ++i) {
        if (data[i] & 1)
            climb.right();
        else
            climb.wrong();
        FUZZ_CHECK(climb.level() >= 1 && climb.level() <= std::max(levels, 1) + 1);
        FUZZ_CHECK(climb.run() >= 0 && climb.run() <= 2);
    }

    // Every line as a record of a plain exercise.
    for (std::size_t i = 0; i < lines.size() && i < 64; ++i) {
        const std::string without = withoutLevel(lines[i]);
        FUZZ_CHECK(lines[i].compare(lines[i].size() - without.size(), without.size(), without) ==
                   0);
        if (showable(lines[i])) play(lines[i]);
    }
    return 0;
}
