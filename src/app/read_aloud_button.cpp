#include "app/read_aloud_button.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QStyle>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <algorithm>

#include "app/speech_service.h"
#include "app/style.h"
#include "app/text_codec.h"
#include "core/settings.h"

namespace glosbo::app {

ReadAloudButton::ReadAloudButton(QWidget* window, SpeechService& speech,
                                 const core::Settings& settings)
    : QToolButton(window), m_speech(speech), m_settings(settings) {
    setObjectName(QStringLiteral("LasUppButton"));
    setText(QStringLiteral("Läs &upp"));
    setAccessibleName(QStringLiteral("Läs upp"));
    setToolTip(QStringLiteral("Läs upp (F4)"));
    setIcon(style()->standardIcon(QStyle::SP_MediaVolume));
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setFont(style::arialBold(12));
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(false);
    resize(sizeHint());
    connect(this, &QToolButton::clicked, this, &ReadAloudButton::press);
    auto* f4 = new QShortcut(QKeySequence(Qt::Key_F4), window);
    f4->setContext(Qt::WindowShortcut);
    connect(f4, &QShortcut::activated, this, &ReadAloudButton::press);
    window->installEventFilter(this);
}

void ReadAloudButton::press() {
    if (customPress && customPress()) return;
    if (m_speech.speaking()) {
        m_speech.stop();
        return;
    }
    readNow();
}

void ReadAloudButton::readNow() {
    m_speech.stop();
    if (text) m_speech.say(text(), m_settings.slowSpeech());
}

void ReadAloudButton::stop() {
    m_speech.stop();
}

std::vector<std::string> ReadAloudButton::visibleTexts(const QWidget& window,
                                                       const std::vector<const QWidget*>& skip) {
    // A page longer than this is read in part: synthesising all of a long
    // manual page would keep the pupil waiting.
    constexpr qsizetype kMostCharacters = 3000;
    std::vector<std::pair<QPoint, QString>> texts;
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (!child->isVisible() || std::find(skip.begin(), skip.end(), child) != skip.end())
            continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(child)) {
            text = label->text();
            if (Qt::mightBeRichText(text))
                text = QTextDocumentFragment::fromHtml(text).toPlainText();
        } else if (auto* view = qobject_cast<QTextEdit*>(child)) {
            text = view->toPlainText();
        } else if (auto* plain = qobject_cast<QPlainTextEdit*>(child)) {
            text = plain->toPlainText();
        }
        text = text.simplified();
        if (!text.isEmpty()) texts.emplace_back(child->mapTo(&window, QPoint(0, 0)), text);
    }
    std::stable_sort(texts.begin(), texts.end(), [](const auto& a, const auto& b) {
        return a.first.y() != b.first.y() ? a.first.y() < b.first.y() : a.first.x() < b.first.x();
    });
    std::vector<std::string> out;
    qsizetype total = 0;
    for (const auto& [place, text] : texts) {
        if (total >= kMostCharacters) break;
        out.push_back(toCp1252(text.left(kMostCharacters - total)));
        total += text.size();
    }
    return out;
}

void ReadAloudButton::giveUpTakenMnemonic() {
    const QWidget* window = parentWidget();
    for (const QAbstractButton* other : window->findChildren<QAbstractButton*>()) {
        if (other == this) continue;
        const QString caption = other->text();
        const qsizetype mark = caption.indexOf(QLatin1Char('&'));
        if (mark >= 0 && mark + 1 < caption.size() && caption.at(mark + 1).toLower() == u'u') {
            // Without the mark the caption shows no underlined letter either.
            setText(QStringLiteral("Läs upp"));
            setShortcut(QKeySequence());
            return;
        }
    }
}

bool ReadAloudButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Hide) m_speech.stop();
    return QToolButton::eventFilter(watched, event);
}

} // namespace glosbo::app
