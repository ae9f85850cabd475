#include "core/write_answer.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "core/swedish_order.h"

namespace glosbo::core {

namespace {

// The 29 letters of the Swedish alphabet as the letters exercises number
// them: 1..26 are A..Z, then Å, Ä, Ö.
char letterNumber(int n) {
    if (n <= 26) return static_cast<char>('A' + n - 1);
    static constexpr char kNational[] = {'\xC5', '\xC4', '\xD6'};
    return kNational[n - 27];
}

constexpr int kAlphabetSize = 29;

} // namespace

WriteAnswerProgram writeAnswerProgram(std::uint16_t p) {
    WriteAnswerProgram program;
    program.letters = p >= 34201 && p <= 34599;
    switch (p) {
    case 34300:
        program.lettersToOrder = 4;
        break;
    case 34400:
        program.lettersToOrder = 5;
        break;
    case 34500:
        program.lettersToOrder = 6;
        break;
    default:
        break;
    }
    program.lamp = !(p >= 34100 && p <= 34500);
    program.plural = p == 12 || p == 112 || p == 45000;
    program.ruleButton = p == 36100 || p == 36200 || (p >= 37100 && p <= 37300);
    program.cipher = p == 35000;
    program.questionPoints = p == 37300 ? 14 : 22;
    return program;
}

bool showsHelpButton(const WriteAnswerProgram& program, int helpCount) {
    return helpCount > 0 || program.cipher || program.ruleButton;
}

std::string sortLetters(std::string letters) {
    std::stable_sort(letters.begin(), letters.end(), [](char a, char b) {
        return swedishLess(std::string_view(&a, 1), std::string_view(&b, 1));
    });
    return letters;
}

LettersQuestion makeLettersQuestion(int count, RandomSource& random) {
    count = std::clamp(count, 2, kAlphabetSize);
    LettersQuestion q;
    do {
        // The first count numbers of a random permutation of 1..29.
        std::vector<int> left(kAlphabetSize);
        std::iota(left.begin(), left.end(), 1);
        q.shuffled.clear();
        for (int i = 0; i < count; ++i) {
            const int pick = random.below(static_cast<int>(left.size()));
            q.shuffled += letterNumber(left[pick]);
            left.erase(left.begin() + pick);
        }
        q.sorted = sortLetters(q.shuffled);
    } while (q.shuffled == q.sorted);
    return q;
}

RecordFields lettersRecord(const LettersQuestion& question) {
    RecordFields record;
    record.field[1] = question.shuffled;
    record.field[2] = question.sorted;
    record.fieldCount = 2;
    return record;
}

int helpLineCount(const RecordFields& record) {
    const int lastHelp = record.fieldCount - record.alternativeCount;
    int count = 0;
    for (int f = 3; f <= lastHelp && !record[f].empty(); ++f)
        ++count;
    return count >= 3 ? 0 : count;
}

bool acceptsTypedAnswer(const RecordFields& record, std::string typed) {
    return svarstest(record, record[2], typed, CompareKind::IgnoreCase) == kAnswerRight;
}

} // namespace glosbo::core
