// The reading texts and their questions on arbitrary bytes. The input is a
// questions file ("SVE56100.DAT"), then a line "@@LAS@@" and its reading
// text ("SVE56100.LAS"); without that line the whole input is both. The text
// is read and made ready to show as the window does, and every question's
// answers counted.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "core/line_file.h"
#include "core/reading.h"
#include "core/record_fields.h"
#include "exercise_root.h"
#include "fuzz_check.h"

using namespace glosbo::core;

namespace {

const std::string kSeparator = "@@LAS@@\n";

bool isText(const std::string& bytes) {
    return std::none_of(bytes.begin(), bytes.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b < 0x20 && b != '\t' && b != '\r' && b != '\n') || b == 0x7F;
    });
}

bool broken(const std::string& line) {
    return !line.empty() && line.size() < 15 && line.back() != '.' && line.back() != '!' &&
           line.back() != '?';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = bytes.find(kSeparator);
    const std::string questions = cut == std::string::npos ? bytes : bytes.substr(0, cut);
    const std::string text =
        cut == std::string::npos ? bytes : bytes.substr(cut + kSeparator.size());

    static const char* const kFiles[] = {"SVE56100.DAT", "SVE56900.DAT"};
    const std::string name = kFiles[size % 2];
    const std::string las = readingTextPath(name);
    FUZZ_CHECK(las == "DATA/LAS/" + name.substr(0, 8) + ".LAS");
    fuzz::writeFile(fuzz::scratchDirectory() + "/" + las, text);
    fuzz::Exercise ex(name, questions, std::uint32_t(size));

    // A series of the file's questions, at most ten.
    const ReadAndAnswerProgram program = readAndAnswerProgram(ex.state->programNumber, ex.records);
    FUZZ_CHECK(program.readingText);
    FUZZ_CHECK(program.seriesLength >= 1 && program.seriesLength <= 10);
    FUZZ_CHECK(program.seriesLength <= std::max(ex.records, 1));
    for (int n = 1; n <= ex.records && n <= 40; ++n) {
        const RecordFields fields = str_postarray(ex.line(n));
        const int answers = answerCount(fields);
        FUZZ_CHECK(answers >= 0 && answers <= 3);
        for (int k = 2; k < answers + 2; ++k)
            FUZZ_CHECK(!fields[k].empty());
        if (answers < 3) FUZZ_CHECK(fields[answers + 2].empty());
    }

    // The reading text: refused whole when it is too large or not text.
    const auto read = readReadingText(ex.state->roots(), name);
    FUZZ_CHECK(read.has_value() == (text.size() <= kLargestReadingText && isText(text)));
    if (!read) return 0;
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (readLine(in, line))
        lines.push_back(line);
    FUZZ_CHECK(*read == lines);

    // Shown, it is every line that is no note, in order, a broken line
    // joined to the next by one space.
    std::vector<std::string> kept;
    for (const std::string& l : lines)
        if (l.empty() || l.front() != '$') kept.push_back(l);
    const std::vector<std::string> shown = JusteraMemoText(*read);
    FUZZ_CHECK(shown.size() <= kept.size());
    std::size_t k = 0;
    for (const std::string& s : shown) {
        FUZZ_CHECK(k < kept.size());
        if (broken(kept[k]) && k + 1 < kept.size()) {
            FUZZ_CHECK(s == kept[k] + " " + kept[k + 1]);
            k += 2;
        } else {
            FUZZ_CHECK(s == kept[k]);
            ++k;
        }
    }
    FUZZ_CHECK(k == kept.size());
    return 0;
}
