// Tests of the bundled content itself, read from its UTF-8 sources.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/cp1252.h"
#include "core/crazy_text.h"
#include "core/record_fields.h"
#include "core/story_writing.h"
#include "core/test_support.h"

using namespace glosbo::core;
using glosbo::test::readBytes;

namespace {

const std::string kContent = GLOSBO_TEST_CONTENT;

// The record lines of a source file, Windows-1252, in order.
std::vector<std::string> records(const std::string& file) {
    std::vector<std::string> lines;
    std::istringstream in(readBytes(kContent + "/DATA/DAT/" + file));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == ';' || line[0] == '$') continue;
        lines.push_back(utf8ToCp1252(line).value_or(""));
    }
    return lines;
}

bool accepts(const std::string& record, const std::string& typed, CompareKind kind, int field = 2) {
    const RecordFields fields = str_postarray(record);
    std::string answer = typed;
    return svarstest(fields, fields[field], answer, kind) == kAnswerRight;
}

} // namespace

// Every "nummer N" question accepts the part that the picture's marker N
// points at, as PARTS.txt names it.
TEST(Content, NumberedPartsAnswerTheirQuestions) {
    std::map<std::string, std::map<int, std::string>> parts; // picture -> number -> part
    std::istringstream in(readBytes(kContent + "/BILD/svg/PARTS.txt"));
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> f;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, ';');)
            f.push_back(field);
        ASSERT_EQ(f.size(), 6u) << line;
        parts[f[0]][std::stoi(f[1])] = utf8ToCp1252(f[2]).value_or("");
    }
    ASSERT_GE(parts["KROPPEN"].size(), 20u);
    ASSERT_GE(parts["HUVUDET"].size(), 14u);

    for (const auto& [file, picture] :
         {std::pair{"SVE38100.DAT", "KROPPEN"}, std::pair{"SVE38200.DAT", "HUVUDET"}}) {
        SCOPED_TRACE(file);
        const auto lines = records(file);
        EXPECT_GE(lines.size(), 30u);
        std::map<int, bool> asked;
        for (const std::string& record : lines) {
            const std::string question = str_postarray(record)[1];
            const std::string prefix = "Vad heter delen med nummer ";
            if (question.rfind(prefix, 0) != 0) continue;
            const int number = std::stoi(question.substr(prefix.size()));
            ASSERT_TRUE(parts[picture].count(number)) << question;
            EXPECT_TRUE(accepts(record, parts[picture][number], CompareKind::IgnoreCase))
                << question;
            asked[number] = true;
        }
        EXPECT_EQ(asked.size(), parts[picture].size()) << "every numbered part is asked";
        EXPECT_GT(2 * asked.size(), lines.size()) << "most questions ask for a number";
    }
}

// The clock file: one record for each five minutes of twelve hours, each
// accepting its own time and refusing the times next to it.
TEST(Content, ClockRecordsAcceptTheirOwnTimeOnly) {
    const auto lines = records("SVE55000.DAT");
    ASSERT_EQ(int(lines.size()), kClockRecords);
    const auto words = [&](int n) {
        return str_postarray(lines[(n + kClockRecords - 1) % kClockRecords])[1];
    };
    EXPECT_EQ(words(1), "tolv");
    EXPECT_EQ(words(2), "fem \xF6ver tolv");
    EXPECT_EQ(words(6), "fem i halv ett");
    EXPECT_EQ(words(13), "ett");
    EXPECT_EQ(words(144), "fem i tolv");
    EXPECT_EQ(str_postarray(lines[1])[2], "12.05");
    EXPECT_TRUE(accepts(lines[4], "tio i halv ett", CompareKind::Exact, 1));
    EXPECT_TRUE(accepts(lines[8], "tio \xF6ver halv ett", CompareKind::Exact, 1));
    EXPECT_TRUE(accepts(lines[0], "klockan tolv", CompareKind::Exact, 1));
    for (int n = 1; n <= kClockRecords; ++n) {
        SCOPED_TRACE(n);
        const std::string& record = lines[n - 1];
        EXPECT_TRUE(accepts(record, words(n), CompareKind::Exact, 1));
        EXPECT_FALSE(accepts(record, words(n - 1), CompareKind::Exact, 1));
        EXPECT_FALSE(accepts(record, words(n + 1), CompareKind::Exact, 1));
        // The neighbours' other phrasings are refused too.
        for (int other : {n - 1, n + 1}) {
            const RecordFields fields =
                str_postarray(lines[(other + kClockRecords - 1) % kClockRecords]);
            for (int i = fields.fieldCount - fields.alternativeCount + 1; i <= fields.fieldCount;
                 ++i) {
                std::string phrase = fields[i];
                if (!phrase.empty() && phrase.front() == '&') phrase.erase(0, 1);
                EXPECT_FALSE(accepts(record, phrase, CompareKind::Exact, 1)) << phrase;
            }
        }
    }
}

// The stories of the crazy text and the introductions of the story window,
// read as the windows read them: every one usable, of the length the
// screen and the pupils can take.
TEST(Content, StoriesAndIntroductions) {
    const auto source = [](const std::string& file) {
        std::string text;
        std::istringstream in(readBytes(kContent + "/DATA/DAT/" + file));
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            const auto cp1252 = utf8ToCp1252(line);
            EXPECT_TRUE(cp1252.has_value()) << line;
            text += cp1252.value_or("") + "\r\n";
        }
        return text;
    };

    std::istringstream stories(source("SVE51000.DAT"));
    const CrazyStoryFile crazy = readCrazyStories(stories);
    EXPECT_TRUE(crazy.problems.empty());
    EXPECT_GE(crazy.stories.size(), 12u);
    for (const CrazyStory& story : crazy.stories) {
        SCOPED_TRACE(story.title);
        EXPECT_GE(story.lines.size(), 5u); // the title and 4 to 10 lines
        EXPECT_LE(story.lines.size(), 11u);
        for (const std::string& line : story.lines)
            EXPECT_LE(line.size(), 90u) << line;
        for (int gaps : story.gaps) {
            EXPECT_GE(gaps, 2);
            EXPECT_LE(gaps, CrazyStory::kMostGaps);
        }
    }

    std::istringstream intros(source("SVE53000.DAT"));
    const IntroductionFile file = readIntroductions(intros);
    EXPECT_TRUE(file.problems.empty());
    EXPECT_GE(file.introductions.size(), 30u);
    for (const StoryIntroduction& intro : file.introductions)
        for (const std::string& line : intro.lines)
            EXPECT_LE(line.size(), 50u) << line;
}

// Pupils can open the manual, the rule pages and every text of the data
// root, so none of them may name a password that opens the teacher's
// functions or ends kiosk mode.
TEST(Content, NoPupilReadableTextNamesAPassword) {
    const auto lower = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(),
                       [](unsigned char c) { return char(std::tolower(c)); });
        return s;
    };
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kContent)) {
        if (!entry.is_regular_file()) continue;
        const std::string ext = lower(entry.path().extension().string());
        if (ext != ".txt" && ext != ".dat" && ext != ".las" && ext != ".lov" && ext != ".htm")
            continue;
        ++files;
        const std::string text = lower(readBytes(entry.path().string()));
        for (const char* password : {"kvarnsto", "tre ekar", "treekar"})
            EXPECT_EQ(text.find(password), std::string::npos)
                << entry.path().string() << " names " << password;
    }
    EXPECT_GT(files, 100); // the manual and every exercise file were read
}
