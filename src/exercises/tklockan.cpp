#include "exercises/tklockan.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <array>

#include "app/style.h"
#include "app/text_codec.h"
#include "core/clock.h"
#include "exercises/paste_menu.h"
#include "print/clock_painter.h"

namespace glosbo::exercises {

using namespace app::style;

namespace {

// The design places of the window's own parts, before the scaling.
const QRect kOuterHeadline(28, 8, 229, 225);
const QRect kInnerHeadline(36, 16, 211, 209);
constexpr int kClockTop = 8;
constexpr int kClockHeight = 225;
const QRect kInput(28, 250, 509, 30);
const QRect kLamp(4, 252, 17, 17);
const QRect kAnswer(28, 297, 509, 26);
const QRect kLampButton(30, 340, 36, 36);

QFont timesBold(int pixelSize) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

Skeleton tklockanSkeleton() {
    Skeleton s;
    s.name = "TKlockan";
    s.title = "Klockan";
    s.lastAnswerTimerName = "Timer2";
    s.diagnosisBox = false;
    s.worksheetBar = false;
    s.finishPicture = false;
    return s;
}

} // namespace

ClockPaintBox::ClockPaintBox(const core::AppState& state, QWidget* parent)
    : QWidget(parent), m_state(state) {
    setObjectName(QStringLiteral("PaintBox1"));
    setAccessibleName(QStringLiteral("Klockan"));
}

void ClockPaintBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    app::paintClock(painter, app::measuredClockFace(m_state.clockNumber, height()));
}

TKlockan::TKlockan(CreationToken, const app::WindowContext& context)
    : ExerciseWindow(context, tklockanSkeleton()) {
    buildOwnComponents();
}

void TKlockan::buildOwnComponents() {
    Timer2 = lastAnswerTimer;
    OverskriftYtterShape->setGeometry(kOuterHeadline);
    OverskriftInnerShape->setGeometry(kInnerHeadline);
    for (QLabel* label : {Overs1Label, Overs2Label, Overs3Label})
        label->setFont(arialBold(28));

    PaintBox1 = new ClockPaintBox(m_state, this);
    PaintBox1->setGeometry(kOuterHeadline.right() + 1 + 16, kClockTop, kClockHeight + 8,
                           kClockHeight);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(QStringLiteral("Svar"));
    Edit1->setFont(timesBold(19));
    Edit1->setGeometry(kInput);
    QPalette pal = Edit1->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, kNavy);
    Edit1->setPalette(pal);
    Edit1->installEventFilter(this);

    SvarsLabel = new QLabel(this);
    SvarsLabel->setObjectName(QStringLiteral("SvarsLabel"));
    SvarsLabel->setTextFormat(Qt::PlainText);
    SvarsLabel->setFont(timesBold(19));
    setTextColor(SvarsLabel, kMaroon);
    SvarsLabel->setGeometry(kAnswer);
    SvarsLabel->hide();

    Testlabel = new QLabel(this);
    Testlabel->setObjectName(QStringLiteral("Testlabel"));
    Testlabel->hide();

    LampShape->setGeometry(kLamp);
    lampknapp->setGeometry(kLampButton);

    Bildpanelen = new app::Panel(this);
    Bildpanelen->setObjectName(QStringLiteral("Bildpanelen"));
    Bildpanelen->setColor(kSilver);
    Bildpanelen->hide();

    PopupMenu1 = addPasteMenu(this, Edit1).PopupMenu1;
    connect(Edit1, &QLineEdit::textChanged, this, [this] { updateLamp(); });
}

void TKlockan::setUpProgram() {
    // The clock stands two letter units right of the headline box, as high
    // as the scaled design makes it and 8 pixels wider than high.
    m_headlineFont = Overs1Label->font();
    const int height = PaintBox1->height();
    PaintBox1->setGeometry(OverskriftYtterShape->geometry().right() + 1 + 2 * letterUnit(),
                           PaintBox1->y(), height + 8, height);
}

void TKlockan::drawFixedHeadline() {
    // Not the file's heading lines: the clock asks its own question.
    InstruktionsLabel->hide();
    OverskriftInnerShape->setBrushColor(kNavy);
    const QRect inner = OverskriftInnerShape->geometry();
    const std::array<QLabel*, 3> labels{Overs1Label, Overs2Label, Overs3Label};
    const std::array<const char*, 3> texts{"Hur mycket", "är klockan?", " Den är ..."};
    const int lineHeight = QFontMetrics(m_headlineFont).height();
    int top = inner.top() + (inner.height() - 3 * lineHeight) / 2;
    for (int i = 0; i < 3; ++i) {
        labels[i]->setFont(m_headlineFont);
        labels[i]->setText(QString::fromUtf8(texts[i]));
        labels[i]->setGeometry(inner.left(), top, inner.width(), lineHeight);
        labels[i]->show();
        labels[i]->raise();
        top += lineHeight;
    }
}

void TKlockan::placeQuestionControls() {
    drawFixedHeadline();
    // Ten clocks a series and the strip counting them, whatever the run mode.
    series().setLengthSetting(core::AppState::kSeriesSize);
    if (m_state.runMode != core::RunMode::Practice) NyStartaAster(true);
    const int m = letterUnit();
    const QRect input = Edit1->geometry();
    Bildpanelen->setGeometry(0, input.top() - m / 2, Aster1->x() - m / 4,
                             LovordPanel->y() - input.top());
    LampShape->hide();
    Edit1->clear();
}

void TKlockan::clearQuestion() {
    SvarsLabel->clear();
    SvarsLabel->hide();
    Edit1->clear();
}

void TKlockan::showQuestion() {
    Testlabel->setText(app::fromCp1252(m_state.fields[2]));
    SvarsLabel->setText(app::fromCp1252(m_state.fields[1]));
    Edit1->clear();
    PaintBox1Paint();
}

void TKlockan::PaintBox1Paint() {
    PaintBox1->update();
}

void TKlockan::showCorrectAnswer() {
    SvarsLabel->show();
    SvarsLabel->repaint();
}

std::string TKlockan::expectedAnswer() const {
    return m_state.fields[1];
}

QString TKlockan::typedAnswer() const {
    return app::fromCp1252(core::clockLampText(m_state.fields, app::toCp1252(Edit1->text())));
}

void TKlockan::coverQuestionArea(bool shown) {
    Bildpanelen->setVisible(shown);
    if (!shown) return;
    lampknapp->hide();
    LampShape->hide();
    Bildpanelen->raise();
    LovordPanel->raise();
    buttonBar->raise();
}

void TKlockan::Edit1KeyPress(int key) {
    if (key == Qt::Key_Escape) {
        if (!series().running()) return;
        closeInput();
        Timer1->stop();
        Timer2->stop();
        lampknapp->setEnabled(false);
        escapeFromInput();
        return;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return;
    if (!Edit1->isEnabled()) return;
    closeInput();
    giveVerdict(core::acceptsClockAnswer(m_state.fields, app::toCp1252(Edit1->text())));
}

bool TKlockan::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            Edit1KeyPress(key);
            return true;
        }
    }
    return ExerciseWindow::eventFilter(watched, event);
}

} // namespace glosbo::exercises
