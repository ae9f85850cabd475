#include "core/write_answer.h"

#include <algorithm>
#include <numeric>
#include <vector>

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

bool isLettersExercise(std::uint16_t programNumber) {
    return programNumber >= 34201 && programNumber <= 34599;
}

int lettersToOrder(std::uint16_t programNumber) {
    switch (programNumber) {
    case 34300:
        return 4;
    case 34400:
        return 5;
    case 34500:
        return 6;
    default:
        return 0;
    }
}

std::string sortLetters(std::string letters) {
    // Insertion sort by character code.
    for (std::size_t i = 1; i < letters.size(); ++i) {
        const char c = letters[i];
        std::size_t j = i;
        for (; j > 0 && static_cast<unsigned char>(letters[j - 1]) > static_cast<unsigned char>(c);
             --j)
            letters[j] = letters[j - 1];
        letters[j] = c;
    }
    for (std::size_t i = 0; i + 1 < letters.size(); ++i)
        if (letters[i] == '\xC4' && letters[i + 1] == '\xC5') {
            letters[i] = '\xC5';
            letters[i + 1] = '\xC4';
        }
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

bool isPluralExercise(std::uint16_t programNumber) {
    return programNumber == 12 || programNumber == 112 || programNumber == 45000;
}

bool isRuleExercise(std::uint16_t programNumber) {
    return programNumber == 36100 || programNumber == 36200 ||
           (programNumber >= 37100 && programNumber <= 37300);
}

int questionPointSize(std::uint16_t programNumber) {
    return programNumber == 37300 ? 14 : 22;
}

bool acceptsTypedAnswer(const RecordFields& record, std::string typed) {
    return svarstest(record, record[2], typed, CompareKind::IgnoreCase) == kAnswerRight;
}

} // namespace glosbo::core
