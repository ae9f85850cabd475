#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/record_fields.h"

// What "Läs upp" reads in each kind of window: the texts a pupil is asked to
// read, never what gives the answer away (the key, the marked word of a
// spelling question, the answer display). Texts are Windows-1252.
namespace glosbo::core {

// The kinds of window that read differently.
enum class ReadAloudKind {
    WriteAnswer,   // a question to answer in writing (field 1; field 2 is the key)
    VerbForm,      // a verb whose form is asked (field 1)
    FillIn,        // a sentence with one or two marked gap words
    Choice,        // a sentence with a marked word and boxes to choose from
    Category,      // an item and the category boxes
    PutInOrder,    // items shown scrambled
    SentenceParts, // a sentence whose marked parts are dragged onto boxes
    Picture,       // a question about a picture (field 1)
    Clock,         // a clock face: only the instruction
    Dictation,     // a word that is heard or flashed: only the instruction
    ReadAndAnswer, // a question and its numbered answers
    Shown,         // a game, a page: the texts it shows, in order
};

// The kind of an exercise or game window by its class name; Shown for any
// other window.
ReadAloudKind readAloudKind(std::string_view windowName);

// What the window shows of its question.
struct ShownQuestion {
    ReadAloudKind kind = ReadAloudKind::Shown;
    std::uint16_t programNumber = 0;
    // The instruction line; empty when the window shows none.
    std::string instruction;
    RecordFields fields;
    // What the window shows beside the record, in the order shown: the boxes
    // of the choosing windows, the scrambled items, the answers of the
    // read-and-answer window, the words of a game or the texts of a page.
    std::vector<std::string> shown;
};

// The pieces read one after another; an empty piece is a short pause (a gap
// of the sentence, or the step from the question to its alternatives).
struct ReadAloud {
    std::vector<std::string> pieces;
    bool empty() const;
    // The pieces as one line, a pause written as " ... ", for a tool to print.
    std::string text() const;
    // The pieces as SSML for the speech synthesiser (UTF-8): a pause is a
    // break of pauseMs milliseconds.
    std::string ssml(int pauseMs = 400) const;
};

ReadAloud readAloud(const ShownQuestion& question);

// A sentence of a text: its first character and its length, in bytes of the
// text (one per character in Windows-1252).
struct SentenceSpan {
    std::size_t begin = 0;
    std::size_t length = 0;
};
// The sentences of a reading text, to be read one at a time: each ends after
// ".", "!" or "?" (with any closing quotes) or at an empty line, and begins
// at its first character that is not a space or a line end. Texts without a
// letter or digit are no sentences.
std::vector<SentenceSpan> sentenceSpans(std::string_view text);

} // namespace glosbo::core
