#include "core/read_aloud.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/categories.h"
#include "core/cp1252.h"
#include "core/fill_in.h"
#include "core/reading.h"
#include "core/sentence_parts.h"

namespace glosbo::core {
namespace {

bool isWordCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= '0' && byte <= '9') return true;
    // A letter is what has another case; ß and the like have none but are
    // letters of a word all the same.
    return lowerCp1252(c) != upperCp1252(c) || byte == 0xDF;
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || static_cast<unsigned char>(c) == 0xA0;
}

// Runs of spaces as one, none at either end.
std::string tidy(std::string_view text) {
    std::string out;
    bool space = false;
    for (char c : text) {
        if (isSpace(c)) {
            space = !out.empty();
            continue;
        }
        if (space) out += ' ';
        space = false;
        out += c;
    }
    return out;
}

bool hasWord(std::string_view text) {
    return std::any_of(text.begin(), text.end(), isWordCharacter);
}

class Reader {
public:
    void say(std::string_view text) {
        std::string piece = tidy(text);
        // Marks that did not pair would be spelled out.
        std::erase_if(piece, [](char c) { return c == '<' || c == '>'; });
        if (!hasWord(piece)) return;
        m_pieces.push_back(std::move(piece));
    }
    void pause() {
        if (!m_pieces.empty() && !m_pieces.back().empty()) m_pieces.emplace_back();
    }
    // A sentence whose marked words are not read: each is a pause. A mark
    // inside a word ("p<e>nna") takes the whole word with it, since the rest
    // of the word would spell out the answer.
    void sayWithGaps(std::string_view sentence) {
        if (sentence.find('<') == std::string_view::npos) {
            say(sentence);
            return;
        }
        const bool twoGaps = std::count(sentence.begin(), sentence.end(), '<') >= 2;
        std::array<std::string, 6> texts = LetaPrep(sentence); // 1, 3, 5: the texts between
        for (int gap : {2, 4}) {
            if (gap == 4 && !twoGaps) break;
            std::string& before = texts[gap - 1];
            std::string& after = texts[gap + 1];
            while (!before.empty() && isWordCharacter(before.back()))
                before.pop_back();
            std::size_t cut = 0;
            while (cut < after.size() && isWordCharacter(after[cut]))
                ++cut;
            after.erase(0, cut);
        }
        say(texts[1]);
        pause();
        say(texts[3]);
        if (twoGaps) {
            pause();
            say(texts[5]);
        }
    }
    ReadAloud result() {
        while (!m_pieces.empty() && m_pieces.back().empty())
            m_pieces.pop_back();
        return ReadAloud{std::move(m_pieces)};
    }

private:
    std::vector<std::string> m_pieces;
};

std::string withoutMarks(std::string_view text) {
    std::string out(text);
    std::erase_if(out, [](char c) { return c == '<' || c == '>'; });
    return out;
}

// The alternatives as shown, or else as the record holds them.
std::vector<std::string> shownOr(const ShownQuestion& q, std::vector<std::string> fallback) {
    return q.shown.empty() ? std::move(fallback) : q.shown;
}

void sayEach(Reader& reader, const std::vector<std::string>& texts) {
    for (const std::string& text : texts) {
        reader.pause();
        reader.say(text);
    }
}

} // namespace

ReadAloudKind readAloudKind(std::string_view name) {
    struct Entry {
        std::string_view window;
        ReadAloudKind kind;
    };
    static constexpr Entry kKinds[] = {
        {"TSKRIV", ReadAloudKind::WriteAnswer},     {"TSKRIVHI", ReadAloudKind::VerbForm},
        {"TSkrivinf", ReadAloudKind::FillIn},       {"TFLERBAR", ReadAloudKind::Choice},
        {"TPassAkt", ReadAloudKind::Category},      {"TOrdna", ReadAloudKind::PutInOrder},
        {"TSats", ReadAloudKind::SentenceParts},    {"TBilden", ReadAloudKind::Picture},
        {"TKlockan", ReadAloudKind::Clock},         {"TDiktam", ReadAloudKind::Dictation},
        {"TInseTxt", ReadAloudKind::ReadAndAnswer},
    };
    for (const Entry& entry : kKinds)
        if (entry.window == name) return entry.kind;
    return ReadAloudKind::Shown;
}

bool ReadAloud::empty() const {
    return pieces.empty();
}

std::string ReadAloud::text() const {
    std::string out;
    for (const std::string& piece : pieces) {
        if (piece.empty()) {
            out += " ...";
            continue;
        }
        if (!out.empty()) out += ' ';
        out += piece;
    }
    return out;
}

std::string ReadAloud::ssml(int pauseMs) const {
    std::string out = "<speak>";
    for (const std::string& piece : pieces) {
        if (piece.empty()) {
            out += "<break time=\"" + std::to_string(pauseMs) + "ms\"/>";
            continue;
        }
        for (char c : cp1252ToUtf8(piece)) {
            switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                out += c;
            }
        }
        // Pieces run into each other otherwise ("tre" "ett" as "treett").
        out += ' ';
    }
    out += "</speak>";
    return out;
}

ReadAloud readAloud(const ShownQuestion& q) {
    Reader reader;
    reader.say(q.instruction);
    reader.pause();
    const RecordFields& f = q.fields;
    switch (q.kind) {
    case ReadAloudKind::WriteAnswer:
    case ReadAloudKind::VerbForm:
    case ReadAloudKind::Picture:
        reader.sayWithGaps(f[1]);
        break;
    case ReadAloudKind::FillIn: {
        const FillInRecord record = readFillInRecord(fillInProgram(q.programNumber), f);
        // The model shows the sentence done; it is there to be read.
        if (!record.model.empty()) {
            reader.say(withoutMarks(record.model));
            reader.pause();
        }
        reader.sayWithGaps(record.question);
        break;
    }
    case ReadAloudKind::Choice:
        reader.sayWithGaps(f[1]);
        sayEach(reader, q.shown);
        break;
    case ReadAloudKind::Category:
        reader.say(unmarkedItem(f[1]));
        sayEach(reader, shownOr(q, categoryTable(f)));
        break;
    case ReadAloudKind::PutInOrder:
        sayEach(reader, q.shown);
        break;
    case ReadAloudKind::SentenceParts:
        reader.say(withoutMarks(f[1]));
        break;
    case ReadAloudKind::Clock:
    case ReadAloudKind::Dictation:
        break;
    case ReadAloudKind::ReadAndAnswer: {
        reader.say(f[1]);
        std::vector<std::string> answers;
        for (int i = 0; i < answerCount(f); ++i)
            answers.push_back(f[2 + i]);
        answers = shownOr(q, answers);
        for (std::size_t i = 0; i < answers.size(); ++i) {
            reader.pause();
            reader.say(std::to_string(i + 1) + ", " + answers[i]);
        }
        break;
    }
    case ReadAloudKind::Shown:
        sayEach(reader, q.shown);
        break;
    }
    return reader.result();
}

std::vector<SentenceSpan> sentenceSpans(std::string_view text) {
    std::vector<SentenceSpan> spans;
    std::size_t i = 0;
    const auto add = [&](std::size_t begin, std::size_t end) {
        while (end > begin && isSpace(text[end - 1]))
            --end;
        if (hasWord(text.substr(begin, end - begin))) spans.push_back({begin, end - begin});
    };
    while (i < text.size()) {
        while (i < text.size() && isSpace(text[i]))
            ++i;
        const std::size_t begin = i;
        while (i < text.size()) {
            const char c = text[i++];
            if (c == '.' || c == '!' || c == '?') {
                // "..." and "?!" end one sentence, as do the quotes after it.
                while (i < text.size() &&
                       (text[i] == '.' || text[i] == '!' || text[i] == '?' || text[i] == '"' ||
                        text[i] == '\'' || static_cast<unsigned char>(text[i]) == 0x94 ||
                        static_cast<unsigned char>(text[i]) == 0xBB))
                    ++i;
                if (i == text.size()) break;
                if (!isSpace(text[i])) continue;
                // A quote that ends in "!" goes on when a small letter follows:
                // "Vad fin du är!" sa räven.
                std::size_t next = i;
                while (next < text.size() && isSpace(text[next]))
                    ++next;
                const char following = next < text.size() ? text[next] : 'A';
                if (!(isWordCharacter(following) && lowerCp1252(following) == following &&
                      upperCp1252(following) != following))
                    break;
            } else if (c == '\n' && i < text.size() &&
                       (text[i] == '\n' ||
                        (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))) {
                break; // an empty line ends a heading or a broken sentence
            }
        }
        add(begin, i);
    }
    return spans;
}

} // namespace glosbo::core
