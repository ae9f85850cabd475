#include "core/spoken_word.h"

#include "core/alternatives.h"

namespace glosbo::core {
namespace {

bool inRange(std::uint16_t p, std::uint16_t first, std::uint16_t last) {
    return p >= first && p <= last;
}

std::string withoutMarks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != '<' && c != '>') out += c;
    return out;
}

} // namespace

std::string tidySpoken(std::string_view text) {
    std::string out;
    bool space = false;
    for (char c : text) {
        if (c == ' ' || c == '\t') {
            space = !out.empty();
            continue;
        }
        if (space) out += ' ';
        space = false;
        out += c;
    }
    return out;
}

namespace {

// The question sentence of the fill-in window: field 1 in the one-sentence
// layout; in the two-sentence layout field 2, or field 1 when field 2 is empty.
const std::string& questionSentence(std::uint16_t p, const RecordFields& f) {
    const bool oneSentence = p == 13 || p == 14 || p == 16 || p == 113 || p == 114 || p == 116 ||
                             p == 24300 || inRange(p, 33100, 33300) || p == 42000 ||
                             inRange(p, 43100, 43300);
    if (oneSentence || f.fieldCount < 2 || f[2].empty()) return f[1];
    return f[2];
}

} // namespace

SpokenPart spokenPartOf(std::uint16_t p) {
    switch (p) {
    // Choose the alternative: the alternatives stand in the record.
    case 22200:
    case 22300:
    case 23101:
        return SpokenPart::MarkedText;
    // Choose the alternative among the marked letters of the whole file.
    case 23100:
    case 23200:
    case 23300:
    case 23400:
    case 23500:
    case 23600:
    case 23700:
    case 23800:
    case 23900:
    case 25100:
    case 25200:
    case 25300:
    case 25400:
    case 25600:
    case 25700:
        return SpokenPart::WholeMarkedWord;
    // Click the category.
    case 21100:
    case 21200:
    case 21300:
    case 22100:
    case 25500:
        return SpokenPart::ItemText;
    // Fill in the word: "Knepiga ord" and its diagnosis test and practice.
    case 24300:
    case 11:
    case 111:
        return SpokenPart::GapWords;
    // Dictation.
    case 24100:
    case 24200:
        return SpokenPart::FirstField;
    // Reading gym.
    case 54100:
    case 54200:
        return SpokenPart::WholeLine;
    default:
        return SpokenPart::None;
    }
}

std::string spokenWord(SpokenPart part, std::uint16_t p, const RecordFields& f) {
    std::string said;
    switch (part) {
    case SpokenPart::WholeMarkedWord:
        said = wordAroundGap(f[1]);
        break;
    case SpokenPart::MarkedText:
        said = LetaPrep(f[1])[2];
        break;
    case SpokenPart::ItemText:
        said = withoutMarks(f[1]);
        break;
    case SpokenPart::GapWords: {
        const auto pieces = LetaPrep(questionSentence(p, f));
        said = pieces[2];
        if (!pieces[4].empty()) said += (said.empty() ? "" : ", ") + pieces[4];
        break;
    }
    case SpokenPart::FirstField:
        said = f[1];
        break;
    default:
        break;
    }
    return tidySpoken(said);
}

} // namespace glosbo::core
