#pragma once

#include <QObject>
#include <vector>

#include "core/read_aloud.h"

class QPlainTextEdit;

namespace glosbo::core {
class Settings;
}
namespace glosbo::app {
class SpeechService;
}

namespace glosbo::exercises {

// Reads a text view aloud one sentence at a time, the sentence being read
// highlighted, going on to the next when one has been said. While it reads,
// PageDown and the Down and Right arrows move to the next sentence, PageUp
// and the Up and Left arrows back to the one before.
class SentenceReader final : public QObject {
    Q_OBJECT
public:
    SentenceReader(QPlainTextEdit* view, app::SpeechService& speech, const core::Settings& settings,
                   QObject* parent);

    // Takes the sentences of the text the view shows now.
    void takeText();
    // "Läs upp": starts at the highlighted sentence (the first at first), or
    // stops when reading.
    void press();
    // Stops and takes the highlight away.
    void stop();
    bool reading() const { return m_reading; }
    // The sentence highlighted, -1 for none.
    int current() const { return m_current; }
    int count() const { return int(m_sentences.size()); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void read(int sentence);
    void highlight(int sentence);

    QPlainTextEdit* m_view;
    app::SpeechService& m_speech;
    const core::Settings& m_settings;
    std::string m_text; // Windows-1252, as the spans count
    std::vector<core::SentenceSpan> m_sentences;
    int m_current = -1;
    bool m_reading = false;
};

} // namespace glosbo::exercises
