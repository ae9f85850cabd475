#include "record_checks.h"

#include <algorithm>
#include <array>
#include <limits>

#include "core/alternatives.h"
#include "core/categories.h"
#include "core/cp1252.h"
#include "core/dictation.h"
#include "core/fill_in.h"
#include "core/odd_one_out.h"
#include "core/picture_questions.h"
#include "core/put_in_order.h"
#include "core/reading.h"
#include "core/sentence_parts.h"
#include "core/synonym_hunt.h"
#include "core/verb_cycle.h"
#include "core/word_duel.h"
#include "core/write_answer.h"

namespace glosbo::tool {
namespace {

// A field of spaces keeps one of them: it shows nothing all the same.
bool blank(const std::string& s) {
    return s.find_first_not_of(' ') == std::string::npos;
}

// A text (field 1) that the window picks one part out of must mark exactly
// one, between '<' and '>'. Returns false when it does not.
bool checkOneMarked(const std::string& text, const char* what, const char* parts,
                    std::vector<std::string>& problems) {
    const auto marks = std::count(text.begin(), text.end(), '<');
    if (marks == 1) return true;
    problems.push_back(std::string(what) + " (field 1) has " + std::to_string(marks) + " " + parts +
                       "; it needs exactly one between '<' and '>'");
    return false;
}

// '<' and '>' mark the parts of a text that the windows pick out; they must
// come in pairs, each '<' closed before the next one opens.
void checkAngleBrackets(const RecordView& record, std::vector<std::string>& problems) {
    std::size_t open = 0; // column of the unclosed '<', 0 when none
    for (std::size_t i = 0; i < record.text.size(); ++i) {
        const char c = record.text[i];
        if ((c == '<' && open != 0) || (c == '>' && open == 0)) {
            problems.push_back(std::string("unbalanced '") + c + "' at column " +
                               std::to_string(i + 1));
            return;
        }
        if (c == '<') open = i + 1;
        if (c == '>') open = 0;
    }
    if (open != 0) problems.push_back("unclosed '<' at column " + std::to_string(open));
}

constexpr std::uint16_t kAny = std::numeric_limits<std::uint16_t>::max();

// The write-the-answer window: question # answer # help lines # &alternatives.
void checkWriteAnswer(const RecordView& record, std::vector<std::string>& problems) {
    const core::RecordFields& f = record.fields;
    const std::size_t longest = core::writeAnswerProgram(record.programNumber).longestAnswer;
    if (blank(f[1])) problems.push_back("no question (field 1)");
    if (f.fieldCount < 2 || blank(f[2]))
        problems.push_back("no answer (field 2)");
    else if (f.alternativeCount >= f.fieldCount - 1)
        problems.push_back("the answer (field 2) is marked '&': put the alternatives after it");
    if (f[2].size() > longest)
        problems.push_back("answer of " + std::to_string(f[2].size()) +
                           " characters; the input takes " + std::to_string(longest));
    const int lastHelp = f.fieldCount - f.alternativeCount;
    int help = 0;
    for (int i = 3; i <= lastHelp; ++i) {
        if (f[i].empty()) {
            problems.push_back("empty help line " + std::to_string(i - 2) +
                               ": no help after it is shown");
            break;
        }
        ++help;
    }
    if (help >= 3)
        problems.push_back(std::to_string(help) +
                           " help lines: the window offers help only for one or two");
    for (int i = lastHelp + 1; i <= f.fieldCount && f.alternativeCount > 0; ++i)
        if (f[i].empty()) problems.push_back("empty alternative in field " + std::to_string(i));
}

// The click-the-category window: the item (field 1), the right category
// (field 2) and the other categories, one box each, up to the first empty
// field. Some programs explain a marked part of the item.
void checkCategories(const RecordView& record, std::vector<std::string>& problems) {
    const core::RecordFields& f = record.fields;
    if (blank(f[1])) problems.push_back("no item (field 1)");
    if (core::categoryProgram(record.programNumber).explainsMarkedPart)
        checkOneMarked(f[1], "item", "marked parts", problems);
    int count = 0;
    while (count < 9 && !f[count + 2].empty())
        ++count;
    if (count == 0 || blank(f[2])) {
        problems.push_back("no right category (field 2)");
        return;
    }
    if (count < 2) problems.push_back("only one category: give at least one wrong one after it");
    if (count > core::kMostCategories)
        problems.push_back(std::to_string(count) + " categories; the window shows only " +
                           std::to_string(core::kMostCategories));
    for (int i = count + 3; i <= f.fieldCount; ++i)
        if (!f[i].empty()) {
            problems.push_back("field " + std::to_string(i) +
                               " comes after an empty field and is never shown");
            break;
        }
    for (int i = 2; i < 2 + count; ++i) {
        if (f[i].size() > core::kLongestCategory)
            problems.push_back("category in field " + std::to_string(i) + " has " +
                               std::to_string(f[i].size()) + " characters; a box shows " +
                               std::to_string(core::kLongestCategory));
        if (i > 2 && f[i] == f[2])
            problems.push_back("field " + std::to_string(i) +
                               " repeats the right category (field 2)");
    }
}

// The choose-the-alternative window: a sentence (field 1) with exactly one
// marked word, the gap the boxes fill.
void checkChoiceSentence(const RecordView& record, std::vector<std::string>& problems) {
    const std::string& sentence = record.fields[1];
    if (!checkOneMarked(sentence, "sentence", "marked words", problems)) return;
    if (core::LetaPrep(sentence)[2].empty())
        problems.push_back("the marked word of the sentence (field 1) is empty");
}

// Where the record holds the alternatives: at least one wrong word after
// the sentence, and none that the window would take for the right one.
void checkChoiceRecordWords(const RecordView& record, std::vector<std::string>& problems) {
    if (!core::choiceProgram(record.programNumber).recordAlternatives) return;
    const core::RecordFields& f = record.fields;
    if (f[2].empty()) {
        problems.push_back("no wrong word (field 2): the window would offer only the right one");
        return;
    }
    const std::string right = core::LetaPrep(f[1])[2];
    for (int i = 2; i <= core::AlternativeWords::kShown && !f[i].empty(); ++i)
        if (core::isRightChoice(f[i], right))
            problems.push_back("field " + std::to_string(i) + " is the right word \"" + right +
                               "\" again");
}

// The choose-the-alternative window reads the sentence, and the words of
// the record where its program takes them from there.
void checkChoice(const RecordView& record, std::vector<std::string>& problems) {
    checkChoiceSentence(record, problems);
    checkChoiceRecordWords(record, problems);
}

// The sentence-parts window: a sentence (field 1) with one to five parts
// marked by '<' and '>', and the role of each part in fields 2 to 6. In a
// level file every record starts with its level.
void checkSentenceParts(const RecordView& record, std::vector<std::string>& problems) {
    const core::RecordFields& f = record.fields;
    std::string sentence = f[1];
    if (core::sentencePartsProgram(record.programNumber).levels) {
        const core::LevelPrefix level = core::levelPrefix(sentence);
        if (level.level < 1 || level.level > core::LevelFile::kMostLevels)
            problems.push_back("no level number (1 to 20) before the sentence");
        sentence = core::withoutLevel(sentence);
    }
    const auto split = core::splitSentence(sentence);
    if (!split) {
        problems.push_back("the sentence (field 1) needs one to five non-empty parts, each "
                           "between '<' and '>'; the window skips it");
        return;
    }
    int toPlace = 0;
    for (int k = 1; k <= split->partCount; ++k) {
        const std::string& role = f[k + 1];
        if (core::sentenceRoleOf(role) != 0)
            ++toPlace;
        else if (core::upperCp1252(role) != "NN")
            problems.push_back("part " + std::to_string(k) + " has the role \"" +
                               core::cp1252ToUtf8(role) + "\" (field " + std::to_string(k + 1) +
                               "); give AO, DO, P, PF, S or NN");
    }
    for (int i = split->partCount + 2; i <= f.fieldCount; ++i)
        if (!f[i].empty()) {
            problems.push_back("field " + std::to_string(i) +
                               " gives a role, but the sentence has "
                               "only " +
                               std::to_string(split->partCount) + " marked parts");
            break;
        }
    if (toPlace == 0)
        problems.push_back("no part with a role to place (all NN): the window skips it");
}

// The put-in-order window: two to eight items in the right order, not all
// equal; the alphabet exercises in Swedish alphabetical order.
void checkPutInOrder(const RecordView& record, std::vector<std::string>& problems) {
    const core::RecordFields& f = record.fields;
    int count = 0;
    while (count < 10 && !f[count + 1].empty())
        ++count;
    if (count > core::kMostOrderItems)
        problems.push_back(std::to_string(count) + " items; the window uses only the first " +
                           std::to_string(core::kMostOrderItems));
    for (int i = count + 2; i <= f.fieldCount; ++i)
        if (!f[i].empty()) {
            problems.push_back("field " + std::to_string(i) +
                               " comes after an empty field and is never shown");
            break;
        }
    const std::vector<std::string> items = core::orderItems(f);
    if (!core::canBeScrambled(items)) {
        problems.push_back(items.size() < 2 ? "fewer than two items: nothing to put in order"
                                            : "all items are equal: nothing to put in order");
        return;
    }
    if (record.programNumber < 34600 || record.programNumber > 34800) return;
    for (std::size_t i = 0; i + 1 < items.size(); ++i)
        if (core::compareSwedish(items[i], items[i + 1]) > 0) {
            problems.push_back("\"" + core::cp1252ToUtf8(items[i]) + "\" (field " +
                               std::to_string(i + 1) + ") comes after \"" +
                               core::cp1252ToUtf8(items[i + 1]) + "\" in alphabetical order");
            break;
        }
}

// The picture questions: question # answer # &alternatives.
void checkPictureQuestion(const RecordView& record, std::vector<std::string>& problems) {
    core::checkPictureQuestion(record.fields, problems);
}

// The clock: the time in words (field 1) that the pupil must write.
void checkClock(const RecordView& record, std::vector<std::string>& problems) {
    if (blank(record.fields[1])) problems.push_back("no time in words (field 1)");
}

// The dictation: the word (field 1), which the pupil types.
void checkDictation(const RecordView& record, std::vector<std::string>& problems) {
    const std::string& word = record.fields[1];
    if (blank(word)) problems.push_back("no word (field 1)");
    if (word.size() > core::kLongestDictationWord)
        problems.push_back("word of " + std::to_string(word.size()) +
                           " characters; the input takes " +
                           std::to_string(core::kLongestDictationWord));
}

// Read and answer: the question, the right answer and one or two wrong
// ones, each shown in a row of its own.
void checkReadAndAnswer(const RecordView& record, std::vector<std::string>& problems) {
    const core::RecordFields& f = record.fields;
    if (blank(f[1])) problems.push_back("no question (field 1)");
    const int answers = core::answerCount(f);
    if (answers < 2)
        problems.push_back("needs the right answer (field 2) and one or two wrong ones after it");
    for (int i = answers + 2; i <= f.fieldCount; ++i)
        if (!f[i].empty()) {
            problems.push_back("field " + std::to_string(i) + " is never shown: a question has " +
                               "at most three answers, in fields 2 to 4, without an empty one");
            break;
        }
    for (int i = 2; i < answers + 2; ++i) {
        if (blank(f[i])) problems.push_back("answer in field " + std::to_string(i) + " is blank");
        for (int j = 2; j < i; ++j)
            if (f[i] == f[j])
                problems.push_back("field " + std::to_string(i) + " repeats field " +
                                   std::to_string(j));
    }
}

// The reading gym: one word a line, of the program's length.
void checkReadingGym(const RecordView& record, std::vector<std::string>& problems) {
    const std::string_view text = record.text;
    if (text.find('#') != std::string_view::npos) {
        problems.push_back("'#' in a word: the whole line is shown as one word");
        return;
    }
    const std::size_t letters = record.programNumber == 54100 ? 2 : 3;
    if (text.size() != letters || text.find(' ') != std::string_view::npos)
        problems.push_back("\"" + std::string(text) + "\" is not one word of " +
                           std::to_string(letters) + " letters");
}

// The odd-one-out game: the odd word, three words that belong together and
// a comment that explains; the odd word must not stand among the others.
void checkOddOneOut(const RecordView& record, std::vector<std::string>& problems) {
    const core::RecordFields& f = record.fields;
    if (f.fieldCount != 5 || !core::oddOneOutRecordUsable(f) || f[5].empty()) {
        problems.push_back("not five fields: odd word#three words that belong together#comment");
        return;
    }
    for (int i = 2; i <= 4; ++i)
        if (f[i] == f[1]) problems.push_back("the odd word \"" + f[1] + "\" stands twice");
}

// The word duel: a word and its word class.
void checkDuel(const RecordView& record, std::vector<std::string>& problems) {
    const core::RecordFields& f = record.fields;
    if (f.fieldCount != 2 || f[1].empty()) {
        problems.push_back("not two fields: word#word class");
        return;
    }
    if (!core::knownWordClass(f[2])) problems.push_back("unknown word class \"" + f[2] + "\"");
}

// The word hunts: the word to show, then the words to find.
void checkHunt(const RecordView& record, std::vector<std::string>& problems) {
    for (std::string& problem : core::huntRecordProblems(record.text))
        problems.push_back(std::move(problem));
}

// The fill-in window: one or two non-empty marked words in the question
// (field 1, or field 2 after a model sentence), marks in pairs, at most two
// help texts.
void checkFillIn(const RecordView& record, std::vector<std::string>& problems) {
    const core::RecordFields& f = record.fields;
    const core::FillInProgram program = core::fillInProgram(record.programNumber);
    if (const std::string fault = core::fillInRecordFault(program, f); !fault.empty())
        problems.push_back(fault + "; the window skips this record");
    else if (const std::string layout = core::fillInLayoutFault(program, f); !layout.empty())
        problems.push_back(layout);
    const int sentences = program.twoSentences && f.fieldCount >= 2 && !f[2].empty() ? 2 : 1;
    int counted = 0;
    while (counted < f.fieldCount && !f[counted + 1].empty())
        ++counted;
    const int help = counted - f.alternativeCount - sentences;
    if (help >= 3)
        problems.push_back(std::to_string(help) +
                           " help texts: the window offers help only for one or two");
}

// The verb-form window: the verb (field 1) and the form after "Jag " (field 2).
void checkVerb(const RecordView& record, std::vector<std::string>& problems) {
    if (const std::string fault = core::verbRecordFault(record.fields); !fault.empty())
        problems.push_back(fault == "no verb" ? "no verb (field 1); the window skips this record"
                                              : "no form (field 2); the window skips this record");
}

constexpr std::array kChecks = {
    RecordCheckRange{0, kAny, checkAngleBrackets},
    // The write-the-answer exercises, their diagnosis tests and practices.
    RecordCheckRange{12, 12, checkWriteAnswer},
    RecordCheckRange{15, 15, checkWriteAnswer},
    RecordCheckRange{112, 112, checkWriteAnswer},
    RecordCheckRange{115, 115, checkWriteAnswer},
    RecordCheckRange{117, 117, checkWriteAnswer},
    RecordCheckRange{31110, 31180, checkWriteAnswer},
    RecordCheckRange{31210, 31210, checkWriteAnswer},
    RecordCheckRange{32300, 32300, checkWriteAnswer},
    RecordCheckRange{32400, 32400, checkWriteAnswer},
    RecordCheckRange{34100, 34100, checkWriteAnswer},
    RecordCheckRange{34300, 34500, checkWriteAnswer},
    RecordCheckRange{35000, 35000, checkWriteAnswer},
    RecordCheckRange{36100, 36200, checkWriteAnswer},
    RecordCheckRange{37100, 37300, checkWriteAnswer},
    RecordCheckRange{45000, 45000, checkWriteAnswer},
    RecordCheckRange{55000, 55000, checkClock},
    // The picture questions on the body and the head.
    RecordCheckRange{38100, 38200, checkPictureQuestion},
    // The fill-in exercises, diagnosis tests 11, 13, 14, 16 and their
    // practices.
    RecordCheckRange{11, 11, checkFillIn},
    RecordCheckRange{13, 14, checkFillIn},
    RecordCheckRange{16, 16, checkFillIn},
    RecordCheckRange{111, 111, checkFillIn},
    RecordCheckRange{113, 114, checkFillIn},
    RecordCheckRange{116, 116, checkFillIn},
    RecordCheckRange{24300, 24300, checkFillIn},
    RecordCheckRange{33100, 33300, checkFillIn},
    RecordCheckRange{42000, 42000, checkFillIn},
    RecordCheckRange{43100, 43300, checkFillIn},
    RecordCheckRange{46200, 46200, checkFillIn},
    // The verb-form exercises.
    RecordCheckRange{46110, 46150, checkVerb},
    // The word games.
    RecordCheckRange{32210, 32220, checkOddOneOut},
    RecordCheckRange{41100, 41300, checkDuel},
    RecordCheckRange{31310, 31310, checkHunt},
    RecordCheckRange{31410, 31410, checkHunt},
    RecordCheckRange{32110, 32120, checkHunt},
    // The click-the-category exercises and diagnosis test 17.
    RecordCheckRange{17, 17, checkCategories},
    RecordCheckRange{21100, 21300, checkCategories},
    RecordCheckRange{22100, 22100, checkCategories},
    RecordCheckRange{25500, 25500, checkCategories},
    RecordCheckRange{34200, 34200, checkCategories},
    RecordCheckRange{46300, 46300, checkCategories},
    RecordCheckRange{47400, 47400, checkCategories},
    // The choose-the-alternative exercises, diagnosis tests 1-10 and their
    // practices.
    RecordCheckRange{1, 10, checkChoice},
    RecordCheckRange{101, 110, checkChoice},
    RecordCheckRange{22200, 22300, checkChoice},
    RecordCheckRange{23100, 23900, checkChoice},
    RecordCheckRange{25100, 25400, checkChoice},
    RecordCheckRange{25600, 25700, checkChoice},
    RecordCheckRange{31010, 31010, checkChoice},
    RecordCheckRange{39100, 39200, checkChoice},
    RecordCheckRange{44000, 44000, checkChoice},
    RecordCheckRange{46400, 46400, checkChoice},
    // The sentence-parts and put-in-order exercises.
    RecordCheckRange{47100, 47300, checkSentenceParts},
    RecordCheckRange{34600, 34800, checkPutInOrder},
    RecordCheckRange{24100, 24200, checkDictation},
    RecordCheckRange{32130, 32130, checkReadAndAnswer},
    RecordCheckRange{56100, 56900, checkReadAndAnswer},
    RecordCheckRange{54100, 54200, checkReadingGym},
};

} // namespace

std::span<const RecordCheckRange> recordChecks() {
    return kChecks;
}

WorksheetWindow worksheetWindow(std::uint16_t programNumber) {
    for (const auto& range : recordChecks()) {
        if (programNumber < range.first || programNumber > range.last) continue;
        if (range.check == checkWriteAnswer) return WorksheetWindow::WriteAnswer;
        if (range.check == checkChoice) return WorksheetWindow::Choice;
        if (range.check == checkCategories) return WorksheetWindow::Category;
        if (range.check == checkFillIn) return WorksheetWindow::FillIn;
        if (range.check == checkVerb) return WorksheetWindow::VerbForm;
        if (range.check == checkSentenceParts) return WorksheetWindow::SentenceParts;
    }
    return WorksheetWindow::None;
}

std::string_view recordWindow(std::uint16_t programNumber) {
    struct Window {
        RecordCheck check;
        std::string_view name;
    };
    static constexpr Window kWindows[] = {
        {checkWriteAnswer, "TSKRIV"},     {checkChoice, "TFLERBAR"},
        {checkCategories, "TPassAkt"},    {checkFillIn, "TSkrivinf"},
        {checkVerb, "TSKRIVHI"},          {checkSentenceParts, "TSats"},
        {checkPutInOrder, "TOrdna"},      {checkDictation, "TDiktam"},
        {checkReadAndAnswer, "TInseTxt"}, {checkPictureQuestion, "TBilden"},
        {checkClock, "TKlockan"},
    };
    for (const auto& range : recordChecks()) {
        if (programNumber < range.first || programNumber > range.last) continue;
        for (const Window& window : kWindows)
            if (range.check == window.check) return window.name;
    }
    return {};
}

std::vector<std::string> checkRecord(const RecordView& record) {
    std::vector<std::string> problems;
    for (const auto& range : recordChecks())
        if (record.programNumber >= range.first && record.programNumber <= range.last)
            range.check(record, problems);
    return problems;
}

} // namespace glosbo::tool
