#include "core/alternatives.h"

#include <algorithm>
#include <fstream>

#include "core/cp1252.h"
#include "core/data_fs.h"
#include "core/line_file.h"
#include "core/scramble.h"
#include "core/swedish_order.h"

namespace glosbo::core {

namespace {

constexpr char kNoBreakSpace = '\xA0';

bool inRange(std::uint16_t p, std::uint16_t first, std::uint16_t last) {
    return p >= first && p <= last;
}

std::string cut(std::string_view word) {
    return std::string(word.substr(0, AlternativeWords::kLongestWord));
}

// A letter or digit of Windows-1252 text.
bool isWordByte(unsigned char c) {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    if (c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9A || c == 0x9C || c == 0x9E || c == 0x9F)
        return true;
    return c >= 0xC0 && c != 0xD7 && c != 0xF7;
}

void capitalise(AlternativeWords& words) {
    for (int i = 1; i <= AlternativeWords::kEntries; ++i) {
        std::string word = words.entry[i];
        // Every letter of the code page, å, ä and ö included: a sentence may
        // well begin with "Är" or "Över".
        if (!word.empty()) word.front() = upperCp1252(word.front());
        words.entry[i + AlternativeWords::kCapitalised] = std::move(word);
    }
}

bool takesAlternativesFromRecord(std::uint16_t p) {
    switch (p) {
    case 10:
    case 110:
    case 22200:
    case 22300:
    case 23101:
    case 31010:
    case 46400:
        return true;
    default:
        return false;
    }
}

bool hasRulePage(std::uint16_t p) {
    return p == 22200 || p == 22300 || p == 23100 || inRange(p, 23200, 23800) || p == 39200 ||
           p == 44000 || p == 46400;
}

// The choosing exercises that say a word, and the dictation.
bool showsWordTranslation(std::uint16_t p) {
    return p == 22200 || p == 22300 || inRange(p, 23100, 23900) || inRange(p, 24100, 24200) ||
           inRange(p, 25100, 25700);
}

int questionPointSize(std::uint16_t p) {
    const bool listed = inRange(p, 1, 10) || inRange(p, 101, 110) || p == 22200 || p == 22300 ||
                        inRange(p, 23100, 23900) || inRange(p, 25100, 25400) || p == 25600 ||
                        p == 25700 || p == 31010 || p == 39100 || p == 39200 || p == 44000 ||
                        p == 46400;
    return listed ? 22 : 14;
}

} // namespace

ChoiceProgram choiceProgram(std::uint16_t p) {
    ChoiceProgram program;
    program.recordAlternatives = takesAlternativesFromRecord(p);
    program.wordSound = inRange(p, 22100, 25700);
    program.ruleButton = hasRulePage(p);
    program.translated = showsWordTranslation(p);
    program.questionPoints = questionPointSize(p);
    return program;
}

bool FinnsPrep(std::string_view text) {
    return text.find('<') != std::string_view::npos;
}

void Hittapreppar(std::istream& in, AlternativeWords& words) {
    words.count = 0;
    for (int i = 1; i <= AlternativeWords::kEntries; ++i)
        words.entry[i].clear();
    std::string line;
    while (readLine(in, line)) {
        if (!isRecord(classifyLine(line))) continue;
        const std::string word = cut(LetaPrep(dekryptrad(line))[2]);
        // A line without a marked word offers nothing to choose.
        if (word.empty()) continue;
        const std::string upper = upperCp1252(word);
        int free = 1;
        bool known = false;
        for (; free <= AlternativeWords::kEntries - 1 && !words.entry[free].empty(); ++free) {
            if (upperCp1252(words.entry[free]) == upper) {
                known = true;
                break;
            }
        }
        if (known) continue;
        words.entry[free] = lowerCp1252(word);
        if (words.count < AlternativeWords::kEntries) ++words.count;
    }
    capitalise(words);
}

bool Hittapreppar(const DataRoots& roots, const std::string& fileName, AlternativeWords& words) {
    const auto path = findDataFile(roots, "/DATA/DAT/" + fileName);
    if (!path || !fileExists(*path)) return false;
    std::ifstream in(*path, std::ios::binary);
    if (!in) return false;
    Hittapreppar(in, words);
    return true;
}

void takeRecordAlternatives(const RecordFields& fields, std::string_view rightWord,
                            AlternativeWords& words) {
    for (int i = 1; i <= AlternativeWords::kEntries; ++i)
        words.entry[i].clear();
    words.entry[1] = cut(rightWord);
    int n = 1;
    for (int f = 2; f <= AlternativeWords::kShown && !fields[f].empty(); ++f)
        words.entry[++n] = cut(fields[f]);
    words.count = n;
    // Swedish order; the same word in capitals and in small letters ("Stor
    // eller liten") shows the capitals first.
    std::stable_sort(words.entry.begin() + 1, words.entry.begin() + 1 + n, swedishLess);
}

int caseOffset(std::string_view rightWord, bool recordAlternatives) {
    if (recordAlternatives || rightWord.empty()) return 0;
    const char first = rightWord.front();
    return lowerCp1252(first) != first ? AlternativeWords::kCapitalised : 0;
}

bool isRightChoice(std::string_view chosen, std::string_view rightWord) {
    std::string typed = cut(chosen);
    return svarstest(RecordFields{}, cut(rightWord), typed, CompareKind::Exact) == kAnswerRight;
}

std::string wordAroundGap(std::string_view sentence) {
    const auto open = sentence.find('<');
    if (open == std::string_view::npos) return {};
    const auto close = sentence.find('>', open);
    if (close == std::string_view::npos) return {};
    std::size_t first = open;
    while (first > 0 && isWordByte(static_cast<unsigned char>(sentence[first - 1])))
        --first;
    std::size_t last = close + 1;
    while (last < sentence.size() && isWordByte(static_cast<unsigned char>(sentence[last])))
        ++last;
    std::string word;
    for (char c : sentence.substr(first, last - first))
        if (c != '<' && c != '>') word += c;
    return word;
}

std::string protectGapSpaces(std::string_view sentence) {
    std::string out(sentence);
    bool inside = false;
    for (char& c : out) {
        if (c == '<') inside = true;
        if (c == '>') inside = false;
        if (inside && c == ' ') c = kNoBreakSpace;
    }
    return out;
}

std::string restoreGapSpaces(std::string_view line) {
    std::string out(line);
    bool inside = false;
    for (char& c : out) {
        if (c == '<') inside = true;
        if (c == '>') inside = false;
        if (inside && c == kNoBreakSpace) c = ' ';
    }
    return out;
}

} // namespace glosbo::core
