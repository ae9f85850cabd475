#include "core/categories.h"

#include <algorithm>

#include "core/cp1252.h"
#include "core/swedish_order.h"

namespace glosbo::core {

namespace {

constexpr std::uint16_t kVowelOrConsonant = 21100;
constexpr std::uint16_t kHowManyVowels = 21200;
constexpr std::uint16_t kHardOrSoftVowel = 21300;
constexpr std::uint16_t kShortOrLongVowel = 22100;
constexpr std::uint16_t kSjOrTj = 25500;
constexpr std::uint16_t kAlphabeticalOrder = 34200;
constexpr std::uint16_t kRegularVerbs = 46300;
constexpr std::uint16_t kObjectOrComplement = 47400;
constexpr std::uint16_t kAlphabetTest = 17;

bool isServed(std::uint16_t program) {
    switch (program) {
    case kVowelOrConsonant:
    case kHowManyVowels:
    case kHardOrSoftVowel:
    case kShortOrLongVowel:
    case kSjOrTj:
    case kAlphabeticalOrder:
    case kRegularVerbs:
    case kObjectOrComplement:
    case kAlphabetTest:
        return true;
    default:
        return false;
    }
}

} // namespace

CategoryProgram categoryProgram(std::uint16_t program) {
    CategoryProgram p;
    if (!isServed(program)) return p;
    p.itemPoints = 22;
    p.soundExercise =
        (program >= kVowelOrConsonant && program <= kShortOrLongVowel) || program == kSjOrTj;
    p.ruleButton = program == kShortOrLongVowel || program == kRegularVerbs;
    p.translated = program == kHowManyVowels || program == kShortOrLongVowel || program == kSjOrTj;
    if (program == kObjectOrComplement) {
        // The grammatical terms are long: smaller boxes keep them on the row.
        p.boxPoints = 16;
        p.measurePoints = 18;
    }
    if (program == kAlphabeticalOrder) p.explanationPoints = 18;
    // The boxes of "how many vowels" read 1 to 6.
    if (program == kHowManyVowels) p.digitKeys = 6;
    p.explainsMarkedPart = program == kSjOrTj || program == kObjectOrComplement;
    return p;
}

std::string categoryCaption(std::string_view field) {
    return std::string(field.substr(0, kLongestCategory));
}

std::vector<std::string> categoryTable(const RecordFields& fields) {
    std::vector<std::string> table;
    for (int f = 2; f <= 10 && int(table.size()) < kMostCategories && !fields[f].empty(); ++f)
        table.push_back(categoryCaption(fields[f]));
    std::stable_sort(table.begin(), table.end(), swedishLess);
    return table;
}

bool isRightCategory(const RecordFields& fields, const std::string& chosen) {
    std::string typed = chosen;
    return svarstest(fields, categoryCaption(fields[2]), typed, CompareKind::Exact) == kAnswerRight;
}

std::string markedPart(std::string_view item) {
    if (item.find('<') == std::string_view::npos) return {};
    return LetaPrep(item)[2];
}

std::string unmarkedItem(std::string_view item) {
    std::string out;
    for (char c : item)
        if (c != '<' && c != '>') out += c;
    return out;
}

std::string categoryExplanation(std::uint16_t program, const RecordFields& fields) {
    const std::string& item = fields[1];
    const std::string& right = fields[2];
    const std::string lower = lowerCp1252(right);
    switch (program) {
    case kVowelOrConsonant:
    case kRegularVerbs:
        return item + " \xE4r " + lower + ".";
    case kHowManyVowels:
        return "Det finns " + right + (right == "1" ? " vokal." : " vokaler.");
    case kHardOrSoftVowel:
        return item + " \xE4r en " + lower + " vokal.";
    case kShortOrLongVowel:
        return item + " har en " + lower + " vokal.";
    case kSjOrTj:
        return markedPart(item) + " uttalas h\xE4r med " + lower + ".";
    case kAlphabeticalOrder:
    case kAlphabetTest:
        return "Bokst\xE4verna i " + item +
               (right == "Ja" ? " st\xE5r i alfabetisk ordning."
                              : " st\xE5r inte i alfabetisk ordning.");
    case kObjectOrComplement:
        return markedPart(item) + " \xE4r " + right;
    default:
        return {};
    }
}

} // namespace glosbo::core
