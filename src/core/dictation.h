#pragma once

#include <algorithm>
#include <string>

#include "core/record_fields.h"

// What the dictation window decides without a widget: how a word is put to
// the pupil, how long it is flashed, when a record offers help and whether
// a typed word is right.
namespace glosbo::core {

// How the dictation puts its word: said, flashed on the screen, or both. The
// choice holds from one dictation window to the next for the whole run.
enum class Presentation { Hear = 0, See = 1, SeeAndHear = 2 };

inline bool flashes(Presentation p) {
    return p != Presentation::Hear;
}
inline bool speaks(Presentation p) {
    return p != Presentation::See;
}

// How long a flashed word stays on the screen: 100 to 3000 ms in steps of
// 100, shown to the pupil in tenths of a second (1 to 30).
class DisplayTime {
public:
    static constexpr int kShortestMs = 100;
    static constexpr int kLongestMs = 3000;
    int milliseconds() const { return m_ms; }
    int tenths() const { return m_ms / 100; }
    void up() {
        if (m_ms < kLongestMs) m_ms += 100;
    }
    void down() {
        if (m_ms > kShortestMs) m_ms -= 100;
    }

private:
    int m_ms = kShortestMs;
};

// The longest word a dictation record may ask (the input's length).
constexpr std::size_t kLongestDictationWord = 45;

// Whether a dictation record offers help: counting from the field after the
// alternatives' count plus two (field 3 without alternatives) up to field 5,
// the first one or two fields are filled (three filled, or none, give no
// help). The help shown is field 3, so a record whose field 3 is empty
// offers none.
bool dictationOffersHelp(const RecordFields& record);

// True when the typed word is the record's word (field 1) or one of its
// alternatives, without regard to letter case.
bool acceptsDictatedWord(const RecordFields& record, std::string typed);

// The width of the answer input: twice the word's width, never narrower
// than the widest word the layout is made for.
inline int dictationInputWidth(int wordWidth, int minimumWidth) {
    return std::max(2 * wordWidth, minimumWidth);
}

} // namespace glosbo::core
