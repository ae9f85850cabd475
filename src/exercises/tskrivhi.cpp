#include "exercises/tskrivhi.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <algorithm>

#include "app/services.h"
#include "app/style.h"
#include "app/text_codec.h"
#include "core/fill_in.h"

namespace glosbo::exercises {

using namespace app::style;

namespace {

constexpr int kPoints = 20;

Skeleton tskrivhiSkeleton() {
    Skeleton s;
    s.name = "TSKRIVHI";
    s.title = "Skriv verbet";
    s.strip = false;
    s.endOfSeries = false;
    s.diagnosisBox = false;
    // No correction round: the bar has no slot for "Rätta felen".
    s.correctionButton = false;
    return s;
}

const char* const kSquareNames[] = {"Panel3", "Panel4", "Panel5", "Panel6", "Panel7", "Panel8"};
const char* const kSentenceNames[] = {"Label3",  "Label6",  "Label9",
                                      "Label10", "Label11", "Label18"};
const char* const kVerbNames[] = {"Label12", "Label13", "Label14", "Label15", "Label17", "Label19"};

app::Panel* square(QWidget* parent, const char* name) {
    auto* panel = new app::Panel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setColor(kGreen);
    panel->setBevelWidth(1);
    panel->hide();
    return panel;
}

} // namespace

TSKRIVHI::TSKRIVHI(CreationToken, const app::WindowContext& context)
    : ExerciseWindow(context, tskrivhiSkeleton()) {
    buildOwnComponents();
}

void TSKRIVHI::buildOwnComponents() {
    const QFont font = pointFont(kPoints);
    Label1 = textLabel(this, "Label1", kNavy);
    Label1->setText(QStringLiteral("Jag"));
    FrageLabel1 = textLabel(this, "FrageLabel1", kNavy);
    Label2 = textLabel(this, "Label2", kRed);
    SlutLabel = textLabel(this, "SlutLabel", kTeal);
    for (QLabel* label : {Label1, FrageLabel1, Label2, SlutLabel})
        label->setFont(font);
    Label1->show();
    FrageLabel1->show();
    for (int k = 0; k < core::VerbCycle::kRows; ++k) {
        rowSquares[k] = square(this, kSquareNames[k]);
        rowSentences[k] = textLabel(this, kSentenceNames[k], kNavy);
        rowVerbs[k] = textLabel(this, kVerbNames[k], kNavy);
        rowSentences[k]->setFont(font);
        rowVerbs[k]->setFont(font);
    }
    Panel2 = square(this, "Panel2");

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(QStringLiteral("Verbformen"));
    Edit1->setFont(font);
    QPalette pal = Edit1->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, kNavy);
    Edit1->setPalette(pal);
    Edit1->installEventFilter(this);
    letterPaste = new LetterPaste(this);
    letterPaste->attach(Edit1);
    PopupMenu1 = letterPaste->PopupMenu1;
    connect(Edit1, &QLineEdit::textChanged, this, [this] { updateLamp(); });

    BitBtn2 = new QPushButton(QStringLiteral("Regel"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn3 = new QPushButton(QStringLiteral("&Mer hjälp"), this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    for (QPushButton* b : {BitBtn2, BitBtn3}) {
        b->setFont(arialBold(14));
        b->setAutoDefault(false);
        b->hide();
    }
    connect(BitBtn2, &QPushButton::clicked, this, &TSKRIVHI::BitBtn2Click);

    // The pause after an answer and "Fortsätta" follow the cycle, not a
    // series of ten.
    disconnect(Timer1, &QTimer::timeout, this, &ExerciseWindow::Timer1Timer);
    connect(Timer1, &QTimer::timeout, this, &TSKRIVHI::Timer1Timer);
    disconnect(Button2, &QPushButton::clicked, this, &ExerciseWindow::Button2Click);
    connect(Button2, &QPushButton::clicked, this, &TSKRIVHI::Button2Click);
}

bool TSKRIVHI::tenseProgram() const {
    return m_state.programNumber >= 46110 && m_state.programNumber <= 46150;
}

void TSKRIVHI::setUpProgram() {
    Button1->hide();
    restart();
}

void TSKRIVHI::restart() {
    m_cycle.start();
    core::SeriesCounters& s = m_state.series;
    s.questionNumber = 1;
    s.correctCount = 0;
    s.wrongCount = 0;
    for (int k = 0; k < core::VerbCycle::kRows; ++k) {
        rowSentences[k]->hide();
        rowVerbs[k]->hide();
        rowSquares[k]->setColor(kGreen);
    }
    LovordPanel->hide();
    SlutLabel->hide();
    m_firstQuestion = true;
}

void TSKRIVHI::placeQuestionControls() {
    const int m = letterUnit();
    const int H = screenSize().height();
    const QRect instruction = InstruktionsLabel->geometry();
    m_rowStep = std::max(1, (H - (instruction.bottom() + 1)) / 10);
    m_baseLine = H - (worksheetMode() ? 3 : 2) * m_rowStep;

    const QFontMetrics text(Label1->font());
    const int rowHeight = std::max(text.height(), Edit1->sizeHint().height());
    const int left = instruction.left();
    const int verbRoom =
        std::max(3 * m_rowStep, text.horizontalAdvance(QStringLiteral("(översätta)")) + m);
    FrageLabel1->setGeometry(left, 0, verbRoom, rowHeight);
    const int jagWidth = text.horizontalAdvance(QStringLiteral("Jag ")) + 1;
    Label1->setGeometry(left + verbRoom, 0, jagWidth, rowHeight);
    const int inputLeft = Label1->x() + jagWidth + 5;
    const int inputWidth = text.horizontalAdvance(QStringLiteral("kommer att springa w"));
    Edit1->setGeometry(inputLeft, 0, inputWidth, rowHeight);
    Label2->setGeometry(inputLeft + 5, 0, inputWidth + 4 * m, rowHeight);
    const int squareSide = std::min(rowHeight, m_rowStep - 2);
    const int squareLeft = Edit1->geometry().right() + 1 + 2 * m;
    Panel2->setGeometry(squareLeft, 0, squareSide, squareSide);
    for (int k = 1; k <= core::VerbCycle::kRows; ++k) {
        rowSquares[k - 1]->setGeometry(squareLeft, rowTop(k) - m / 5, squareSide, squareSide);
        rowSquares[k - 1]->setVisible(!worksheetMode());
        rowVerbs[k - 1]->setGeometry(left, rowTop(k), verbRoom, rowHeight);
        rowSentences[k - 1]->setGeometry(Label1->x(), rowTop(k), squareLeft - Label1->x() - m,
                                         rowHeight);
    }
    LampShape->resize(squareSide, squareSide);

    // The lamp button and the rule button side by side near the bottom,
    // above the button bar so that it never covers them.
    const int buttonHeight = std::max(BitBtn2->sizeHint().height(), rowHeight);
    const int buttonTop = std::min(H - m, buttonBar->y() - m / 2) - buttonHeight;
    lampknapp->setGeometry(left, buttonTop, buttonHeight, buttonHeight);
    const QFontMetrics buttonText(BitBtn2->font());
    BitBtn2->setGeometry(lampknapp->geometry().right() + 1 + m / 2, buttonTop,
                         buttonText.horizontalAdvance(QStringLiteral("Regel")) + 3 * m,
                         buttonHeight);
    BitBtn3->setGeometry(BitBtn2->geometry().right() + 1 + m, buttonTop,
                         buttonText.horizontalAdvance(QStringLiteral("Mer hjälp")) + 3 * m,
                         buttonHeight);

    // The verdict under the headline box.
    const QRect headline = OverskriftYtterShape->geometry();
    LovordPanel->setGeometry(m, headline.bottom() + 1 + instruction.height() / 4,
                             screenSize().width() - 2 * m, 4 * instruction.height());
    LovordPanel->hide();
    UpprepaButton->hide();
}

bool TSKRIVHI::usableRecord(const core::RecordFields& fields) const {
    return core::verbRecordFault(fields).empty();
}

bool TSKRIVHI::buildRecord() {
    // In worksheet mode every question is a newly drawn verb.
    if (worksheetMode()) return false;
    // After a right answer the row just finished shows its sentence; the
    // record fields still hold its verb.
    const int row = m_cycle.row();
    if (m_cycle.drawNew() && row >= 1 && row < core::VerbCycle::kRows)
        showRow(row, m_state.fields[1], m_state.fields[2]);
    // The same verb again after a wrong answer: no new record is drawn.
    return !m_cycle.nextQuestion();
}

void TSKRIVHI::showRow(int row, const std::string& verb, const std::string& form) {
    rowSquares[row - 1]->setColor(kLime);
    rowSentences[row - 1]->setText(QStringLiteral("Jag ") + app::fromCp1252(form));
    rowVerbs[row - 1]->setText(QStringLiteral("(") + app::fromCp1252(verb) + QStringLiteral(")"));
    rowSentences[row - 1]->show();
    rowVerbs[row - 1]->show();
}

void TSKRIVHI::placeOnRow(int row) {
    const int m = letterUnit();
    const int top = worksheetMode() ? m_baseLine - 7 * m_rowStep : rowTop(std::max(row, 1));
    FrageLabel1->move(FrageLabel1->x(), top);
    Label1->move(Label1->x(), top);
    Label2->move(Label2->x(), top - m_rowStep);
    Edit1->move(Edit1->x(), top - m / 5);
    Panel2->move(Panel2->x(), top - m / 5);
    LampShape->move(Panel2->geometry().right() + 1 + m, top);
}

void TSKRIVHI::showQuestion() {
    setTextColor(Label1, kNavy);
    setTextColor(FrageLabel1, kNavy);
    Edit1->clear();
    SlutLabel->hide();
    LovordPanel->hide();
    Panel2->hide();
    Label2->hide();
    if (m_cycle.row() <= 1)
        for (app::Panel* panel : rowSquares)
            panel->setColor(kGreen);
    placeOnRow(m_cycle.row());
    FrageLabel1->setText(QStringLiteral("(") + app::fromCp1252(m_state.fields[1]) +
                         QStringLiteral(")"));
    Label2->setText(app::fromCp1252(m_state.fields[2]));
    Label1->setVisible(!worksheetMode());
    FrageLabel1->show();
    if (worksheetMode()) {
        Edit1->hide();
        return;
    }
    if (lampAvailable() && core::allowsLamp(m_state.runMode)) {
        LampShape->setVisible(series().lampOn());
        lampknapp->setVisible(!series().lampOn());
    }
    BitBtn2->setText(QStringLiteral("Regel"));
    BitBtn2->setVisible(tenseProgram());
    BitBtn2->setEnabled(true);
    updateLamp();
}

void TSKRIVHI::Edit1KeyPress(int key) {
    if (key == Qt::Key_Escape) {
        endCycleOrPause(false);
        return;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return;
    if (!Edit1->isEnabled() || worksheetMode()) return;
    m_lampAtEnter = series().lampOn();
    LampShape->hide();
    closeInput();
    m_lastTyped = Edit1->text();
    const bool right = core::acceptsVerbForm(m_state.fields, app::toCp1252(m_lastTyped));
    core::SeriesCounters& s = m_state.series;
    if (right) {
        Panel2->setColor(kLime);
        ++s.correctCount;
    } else {
        Panel2->setColor(kRed);
        Label2->show();
        ++s.wrongCount;
    }
    Panel2->show();
    Panel2->raise();
    const bool cycleOver = m_cycle.answer(right);
    if (cycleOver) {
        endCycleOrPause(true);
        return;
    }
    m_state.tickCounter = 0;
    Timer1->setInterval(m_cycle.tickMs());
    Timer1->start();
}

void TSKRIVHI::Timer1Timer() {
    ++m_state.tickCounter;
    if (m_state.tickCounter < m_cycle.pauseTicks(m_state.settings.answerDisplaySeconds())) return;
    Timer1->stop();
    NyPost();
}

void TSKRIVHI::endCycleOrPause(bool cycleOver) {
    lampknapp->setEnabled(false);
    Timer1->stop();
    closeInput();
    BitBtn2->setEnabled(false);
    BitBtn3->setEnabled(false);
    const core::RunMode mode = m_state.runMode;
    if (cycleOver) {
        // The cycle is over as a series is: the settings do not reopen the input.
        m_state.series.questionNumber = m_state.series.seriesLength + 1;
        if (mode == core::RunMode::Practice) {
            setTextColor(Label1, kTeal);
            setTextColor(FrageLabel1, kTeal);
            Edit1->hide();
            SlutLabel->setText(QStringLiteral("Jag ") + m_lastTyped);
            SlutLabel->setGeometry(Label1->x(), Label1->y(),
                                   Panel2->x() - letterUnit() / 2 - Label1->x(), Label1->height());
            SlutLabel->show();
            LovordPanel->RitaLovord(
                core::VerbCycle::verdict(m_cycle.wrongCount()), letterUnit(),
                [this](const std::string& text, int points) { return textWidth(text, points); });
            LovordPanel->show();
        }
    }
    buttonBar->show();
    buttonBar->raise();
    Button1->hide();
    Button1->setEnabled(false);
    const bool goOn = mode == core::RunMode::Practice || mode >= core::RunMode::DiagnosisPractice;
    Button2->setVisible(goOn);
    if (goOn) Button2->setFocus();
}

void TSKRIVHI::Button2Click() {
    buttonBar->hide();
    restart();
    NyPost();
    m_firstQuestion = false;
    BitBtn2->setEnabled(true);
    if (lampAvailable() && core::allowsLamp(m_state.runMode)) {
        lampknapp->setEnabled(true);
        lampknapp->setVisible(!series().lampOn());
        LampShape->setVisible(series().lampOn());
    }
    Edit1->show();
    Edit1->setEnabled(true);
    Edit1->setFocus();
}

void TSKRIVHI::BitBtn2Click() {
    BitBtn2->hide();
    m_services.windows.open("TRegelform", {m_state, m_services, this, m_state.programNumber});
    BitBtn2->setText(QStringLiteral("Regel"));
    BitBtn2->setEnabled(true);
    BitBtn2->show();
    if (Edit1->isEnabled() && Edit1->isVisible()) Edit1->setFocus();
}

void TSKRIVHI::worksheetTaskAdded() {
    m_worksheetRow = m_worksheetRow >= core::VerbCycle::kRows ? 1 : m_worksheetRow + 1;
    if (m_worksheetRow == 1)
        for (int k = 0; k < core::VerbCycle::kRows; ++k) {
            rowSentences[k]->hide();
            rowVerbs[k]->hide();
        }
    showRow(m_worksheetRow, m_state.fields[1], m_state.fields[2]);
}

bool TSKRIVHI::eventFilter(QObject* watched, QEvent* event) {
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
