#include "core/fill_in.h"

#include <algorithm>

#include "core/alternatives.h"

namespace glosbo::core {

namespace {

bool inRange(std::uint16_t p, std::uint16_t first, std::uint16_t last) {
    return p >= first && p <= last;
}

bool oneSentenceProgram(std::uint16_t p) {
    return p == 13 || p == 14 || p == 16 || p == 113 || p == 114 || p == 116 || p == 24300 ||
           inRange(p, 33100, 33300) || p == 42000 || inRange(p, 43100, 43300);
}

// Fields from field 1 up to the first empty one.
int countedFields(const RecordFields& fields) {
    int n = 0;
    while (n < fields.fieldCount && !fields[n + 1].empty())
        ++n;
    return n;
}

// Why a sentence cannot be asked (with its gaps) or shown (as a model).
std::string sentenceFault(std::string_view sentence, bool question) {
    int open = 0, close = 0;
    bool inside = false;
    std::size_t wordStart = 0;
    for (std::size_t i = 0; i < sentence.size(); ++i) {
        const char c = sentence[i];
        if (c == '<') {
            if (inside) return "a \"<\" inside a marked word";
            inside = true;
            ++open;
            wordStart = i + 1;
        } else if (c == '>') {
            if (!inside) return "a \">\" without its \"<\"";
            inside = false;
            ++close;
            if (sentence.substr(wordStart, i - wordStart).find_first_not_of(' ') ==
                std::string_view::npos)
                return "an empty marked word";
        }
    }
    if (inside) return "a \"<\" without its \">\"";
    if (open > 2) return "more than two marked words";
    if (question && open == 0) return "no marked word";
    return {};
}

// Item lines of a sentence wrapped into at most two lines: the first after
// lead, the second indented.
void addLines(std::vector<std::string>& list, std::string_view lead,
              const std::array<std::string, 4>& lines) {
    list.push_back(std::string(lead) + lines[1]);
    if (!lines[2].empty()) list.push_back(std::string(kIndent) + lines[2]);
}

std::string withBlanks(std::string_view line) {
    std::string out;
    std::size_t i = 0;
    while (i < line.size()) {
        const auto open = line.find('<', i);
        if (open == std::string_view::npos) break;
        const auto close = line.find('>', open);
        if (close == std::string_view::npos) break;
        out += line.substr(i, open - i);
        out += gapBlank(line.substr(open + 1, close - open - 1));
        i = close + 1;
    }
    out += line.substr(std::min(i, line.size()));
    return out;
}

std::array<std::string, 4> wrapSentence(std::string_view sentence, WrapContext& wrap) {
    // Bounds of the worksheet lines; a marked phrase is never cut.
    constexpr int kLeft = 20, kRight = 700;
    auto lines = dela_mening(kLeft, kRight, 2, protectGapSpaces(sentence), wrap);
    for (auto& line : lines)
        line = restoreGapSpaces(line);
    return lines;
}

} // namespace

FillInProgram fillInProgram(std::uint16_t p) {
    FillInProgram program;
    program.twoSentences = !oneSentenceProgram(p);
    program.ruleButton = p == 46200;
    program.wordSound = p == 11 || p == 111 || p == 24300;
    program.soundInDiagnosis = p == 11 || p == 111;
    program.translated = p == 24300;
    return program;
}

bool isFillInProgram(std::uint16_t p) {
    return oneSentenceProgram(p) || p == 11 || p == 111 || p == 46200;
}

bool isVerbFormProgram(std::uint16_t p) {
    return inRange(p, 46110, 46150);
}

GapSentence splitGaps(std::string_view sentence) {
    GapSentence s;
    s.pieces = LetaPrep(sentence);
    s.gaps = int(std::count(sentence.begin(), sentence.end(), '<'));
    return s;
}

FillInRecord readFillInRecord(const FillInProgram& program, const RecordFields& fields) {
    FillInRecord record;
    const bool withModel = program.twoSentences && fields.fieldCount >= 2 && !fields[2].empty() &&
                           fields.alternativeCount < fields.fieldCount - 1;
    int firstHelp = 2;
    if (withModel) {
        record.model = fields[1];
        record.question = fields[2];
        firstHelp = 3;
    } else {
        record.question = fields[1];
    }
    // A two-sentence record without its question has no help texts either.
    const int help = program.twoSentences && !withModel
                         ? 0
                         : countedFields(fields) - fields.alternativeCount - (firstHelp - 1);
    if (help == 1 || help == 2) {
        record.helpCount = help;
        for (int i = 0; i < help; ++i)
            record.help[i] = fields[firstHelp + i];
    }
    return record;
}

std::string fillInRecordFault(const FillInProgram& program, const RecordFields& fields) {
    const FillInRecord record = readFillInRecord(program, fields);
    if (std::string fault = sentenceFault(record.question, true); !fault.empty())
        return "question: " + fault;
    if (std::string fault = sentenceFault(record.model, false); !fault.empty())
        return "model sentence: " + fault;
    return {};
}

std::string fillInLayoutFault(const FillInProgram& program, const RecordFields& fields) {
    const FillInRecord record = readFillInRecord(program, fields);
    const auto letters = [](std::string_view sentence) {
        return sentence.size() - std::size_t(std::count(sentence.begin(), sentence.end(), '<')) -
               std::size_t(std::count(sentence.begin(), sentence.end(), '>'));
    };
    const auto tooLong = [&](const char* what, std::string_view sentence, std::size_t most) {
        if (letters(sentence) <= most) return std::string();
        return std::string(what) + " of " + std::to_string(letters(sentence)) +
               " letters: the window lays out at most " + std::to_string(most);
    };
    if (std::string fault = tooLong("question", record.question, kLongestFillInQuestion);
        !fault.empty())
        return fault;
    if (std::string fault = tooLong("model sentence", record.model, kLongestFillInModel);
        !fault.empty())
        return fault;
    const GapSentence gaps = splitGaps(record.question);
    for (int gap = 1; gap <= std::min(gaps.gaps, 2); ++gap)
        if (gaps.word(gap).size() > kLongestGapWord)
            return "marked word \"" + gaps.word(gap) + "\" longer than " +
                   std::to_string(kLongestGapWord) + " letters: its input would not fit a row";
    return {};
}

bool acceptsGapWord(const RecordFields& fields, std::string_view gapWord, std::string typed) {
    return svarstest(fields, gapWord, typed, CompareKind::Exact) == kAnswerRight;
}

std::string gapBlank(std::string_view word) {
    return " _" + std::string(std::max<std::size_t>(word.size(), 4), '_') + "_ ";
}

TaskLines fillInTask(std::string_view prefix, const FillInProgram& program,
                     const RecordFields& fields, WrapContext& wrap) {
    const FillInRecord record = readFillInRecord(program, fields);
    TaskLines task;
    std::string_view lead = prefix;
    if (!record.model.empty()) {
        const auto model = wrapSentence(record.model, wrap);
        addLines(task.questions, lead, model);
        addLines(task.answers, lead, model);
        // The number stands once, on the model; the question below it is
        // set in by three spaces.
        lead = "   ";
    }
    const auto question = wrapSentence(record.question, wrap);
    addLines(task.answers, lead, question);
    std::array<std::string, 4> blanked = question;
    for (auto& line : blanked)
        line = withBlanks(line);
    addLines(task.questions, lead, blanked);
    return task;
}

} // namespace glosbo::core
