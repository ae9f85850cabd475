// The answer boxes of the choosing and clicking exercises on arbitrary bytes.
// The input is a whole exercise file: its marked words are collected as the
// choose window does, and every line is taken as a record of both windows.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "core/alternatives.h"
#include "core/categories.h"
#include "core/record_fields.h"
#include "fuzz_check.h"

using namespace glosbo::core;

namespace {

void checkWords(const AlternativeWords& words) {
    FUZZ_CHECK(words.count >= 0 && words.count <= AlternativeWords::kEntries);
    FUZZ_CHECK(words.shownCount() <= AlternativeWords::kShown);
    for (int i = 1; i <= 2 * AlternativeWords::kEntries; ++i)
        FUZZ_CHECK(words.entry[i].size() <= AlternativeWords::kLongestWord);
}

// Programs of every kind of the two windows: record and file alternatives,
// sound exercises, explanations that quote fields or the marked part.
constexpr std::uint16_t kChoosePrograms[] = {23100, 31010, 46400, 10, 101};
constexpr std::uint16_t kClickPrograms[] = {17,    21100, 21200, 21300, 22100,
                                            25500, 34200, 46300, 47400};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);

    AlternativeWords collected;
    std::istringstream in(file);
    Hittapreppar(in, collected);
    checkWords(collected);

    std::istringstream lines(file);
    std::string line;
    for (int n = 0; n < 64 && std::getline(lines, line); ++n) {
        const RecordFields fields = str_postarray(line);

        // Choose: the gap split, the record words and the judging of a box.
        const std::string sentence = fields[1];
        const auto prep = LetaPrep(sentence);
        const std::string& right = prep[2];
        const std::string around = wordAroundGap(sentence);
        FUZZ_CHECK(around.find('<') == std::string::npos);
        FUZZ_CHECK(restoreGapSpaces(protectGapSpaces(sentence)).size() == sentence.size());
        for (const std::uint16_t program : kChoosePrograms) {
            AlternativeWords words = collected;
            const bool fromRecord = choiceProgram(program).recordAlternatives;
            if (fromRecord) takeRecordAlternatives(fields, right, words);
            checkWords(words);
            const int offset = caseOffset(right, fromRecord);
            FUZZ_CHECK(offset == 0 || offset == AlternativeWords::kCapitalised);
            if (fromRecord) {
                FUZZ_CHECK(offset == 0);
                FUZZ_CHECK(
                    std::is_sorted(words.entry.begin() + 1, words.entry.begin() + 1 + words.count));
            }
            // The right word is accepted whenever it is among the boxes (a
            // record without a marked word has no right word).
            for (int box = 1; !right.empty() && box <= words.shownCount(); ++box)
                if (words.shown(box, offset) == right.substr(0, AlternativeWords::kLongestWord))
                    FUZZ_CHECK(isRightChoice(words.shown(box, offset), right));
        }

        // Click: the category table and the explanation.
        const auto table = categoryTable(fields);
        FUZZ_CHECK(table.size() <= std::size_t(kMostCategories));
        FUZZ_CHECK(std::is_sorted(table.begin(), table.end()));
        bool rightShown = false;
        for (const std::string& category : table) {
            FUZZ_CHECK(category.size() <= kLongestCategory);
            rightShown = rightShown || isRightCategory(fields, category);
        }
        if (!fields[2].empty() && !table.empty()) FUZZ_CHECK(rightShown);
        FUZZ_CHECK(unmarkedItem(fields[1]).find_first_of("<>") == std::string::npos);
        FUZZ_CHECK(markedPart(fields[1]).size() <= fields[1].size());
        for (const std::uint16_t program : kClickPrograms)
            (void)categoryExplanation(program, fields);
    }
    return 0;
}
