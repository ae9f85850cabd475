// The picture questions on arbitrary bytes: the input is the question file
// of one of the two pictures. Every record is split, checked as the data
// tool checks it, its question wrapped into the two labels and its answer
// typed back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/picture_questions.h"
#include "core/record_fields.h"
#include "core/wrap.h"
#include "core/write_answer.h"
#include "exercise_root.h"
#include "fuzz_check.h"

using namespace glosbo::core;

namespace {

int measure(std::string_view text, int) {
    return int(text.size()) * 11;
}

// The text without spaces and line ends: what the labels show, however the
// lines were cut.
std::string withoutSpaces(std::string_view s) {
    std::string out;
    for (char c : s)
        if (c != ' ' && c != '\n') out += c;
    return out;
}

bool isMark(char c) {
    return std::string_view("!,.?\xA8\xAD").find(c) != std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    fuzz::Exercise ex(size % 2 ? "SVE38100.DAT" : "SVE38200.DAT", bytes, std::uint32_t(size));
    FUZZ_CHECK(!pictureQuestionFile(ex.state->programNumber).empty());

    for (int n = 1; n <= ex.records && n <= 40; ++n) {
        const RecordFields fields = str_postarray(ex.line(n));
        std::vector<std::string> problems;
        checkPictureQuestion(fields, problems);

        const std::string test = pictureTestText(fields);
        FUZZ_CHECK(test.size() ==
                   fields[2].size() + fields[3].size() + fields[4].size() + fields[5].size() + 6);

        // The question in its labels: a line alone stands in the lower one;
        // nothing of what was wrapped is lost.
        WrapContext wrap{measure, 640, ex.state->programNumber};
        const auto wrapped = dela_mening(40, 420, 3, fields[1], wrap);
        const PictureQuestionLines lines = pictureQuestionLines(wrapped);
        FUZZ_CHECK(lines.upper.empty() == (wrapped[2].empty() && wrapped[3].empty()) ||
                   wrapped[1].empty());
        FUZZ_CHECK(withoutSpaces(lines.upper + lines.lower) ==
                   withoutSpaces(wrapped[1] + wrapped[2] + wrapped[3]));
        FUZZ_CHECK(std::count(lines.lower.begin(), lines.lower.end(), '\n') <=
                   std::count(fields[1].begin(), fields[1].end(), '\n') + 1);

        // A record the check lets through can be answered: its answer, and
        // every alternative after it, typed as the file writes them.
        if (!problems.empty()) continue;
        FUZZ_CHECK(acceptsTypedAnswer(fields, fields[2]));
        for (int k = fields.fieldCount - fields.alternativeCount + 1; k <= fields.fieldCount; ++k) {
            std::string alternative = fields[k];
            if (!alternative.empty() && alternative.front() == '&') alternative.erase(0, 1);
            const std::string trimmed = MellanslagBort(alternative);
            if (trimmed.empty()) continue;
            // The judging takes a mark off each end of the typed answer in
            // every pass over the alternatives, as it always has: one
            // written with marks at its ends may not come back as written.
            if (isMark(trimmed.front()) || isMark(trimmed.back())) continue;
            FUZZ_CHECK(acceptsTypedAnswer(fields, alternative));
        }
    }
    return 0;
}
