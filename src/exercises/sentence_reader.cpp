#include "exercises/sentence_reader.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "app/speech_service.h"
#include "app/style.h"
#include "app/text_codec.h"
#include "core/settings.h"

namespace glosbo::exercises {

SentenceReader::SentenceReader(QPlainTextEdit* view, app::SpeechService& speech,
                               const core::Settings& settings, QObject* parent)
    : QObject(parent), m_view(view), m_speech(speech), m_settings(settings) {
    m_view->installEventFilter(this);
}

void SentenceReader::takeText() {
    stop();
    m_current = -1;
    // One Windows-1252 byte per character, so that spans count as the view
    // does.
    m_text = app::toCp1252(m_view->toPlainText());
    m_sentences = core::sentenceSpans(m_text);
}

void SentenceReader::press() {
    if (m_reading) {
        stop();
        return;
    }
    if (m_sentences.empty()) return;
    read(m_current < 0 ? 0 : m_current);
}

void SentenceReader::stop() {
    const bool wasReading = m_reading;
    m_reading = false;
    if (wasReading) m_speech.stop();
}

void SentenceReader::read(int sentence) {
    if (sentence < 0 || sentence >= count()) {
        stop();
        return;
    }
    highlight(sentence);
    const core::SentenceSpan span = m_sentences[std::size_t(sentence)];
    m_reading = true;
    m_speech.say(core::ReadAloud{{m_text.substr(span.begin, span.length)}}, m_settings.slowSpeech(),
                 [this] {
                     m_reading = false;
                     if (m_current + 1 < count()) read(m_current + 1);
                 });
}

void SentenceReader::highlight(int sentence) {
    m_current = sentence;
    QList<QTextEdit::ExtraSelection> marks;
    if (sentence >= 0) {
        const core::SentenceSpan span = m_sentences[std::size_t(sentence)];
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(m_view->document());
        mark.cursor.setPosition(int(span.begin));
        mark.cursor.setPosition(int(span.begin + span.length), QTextCursor::KeepAnchor);
        mark.format.setBackground(app::style::kYellow);
        marks << mark;
        // The sentence in sight: the view scrolls to it.
        QTextCursor at(m_view->document());
        at.setPosition(int(span.begin + span.length));
        m_view->setTextCursor(at);
        m_view->ensureCursorVisible();
    }
    m_view->setExtraSelections(marks);
}

bool SentenceReader::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view && event->type() == QEvent::KeyPress && m_current >= 0) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        int step = 0;
        if (key == Qt::Key_PageDown || key == Qt::Key_Down || key == Qt::Key_Right) step = 1;
        if (key == Qt::Key_PageUp || key == Qt::Key_Up || key == Qt::Key_Left) step = -1;
        if (step != 0) {
            const int target = std::clamp(m_current + step, 0, count() - 1);
            if (m_reading)
                read(target);
            else
                highlight(target);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace glosbo::exercises
