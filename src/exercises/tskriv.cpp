#include "exercises/tskriv.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QKeyEvent>
#include <algorithm>

#include "app/services.h"
#include "app/style.h"
#include "app/text_codec.h"
#include "core/write_answer.h"
#include "exercises/paste_menu.h"

namespace glosbo::exercises {

using namespace app::style;

namespace {

const char* const kCipherInstructions[] = {
    "Gör så här:",
    "Du ska tolka det hemliga meddelandet. Läs bokstav för",
    "bokstav och skriv närmast följande bokstav i alfabetet.",
    "AQN läser du alltså som BRO",
    "Exempel:",
    "Cds gåq åq kåss.",
    "Det här är lätt.",
    "Om du klickar på denna ruta så försvinner den.",
};

// Bounds, in design pixels, that a question is wrapped to.
constexpr int kQuestionLeft = 35;
constexpr int kQuestionRight = 580;

Skeleton tskrivSkeleton() {
    Skeleton s;
    s.name = "TSKRIV";
    s.title = "Skriv svaret";
    return s;
}

} // namespace

TSKRIV::TSKRIV(CreationToken, const app::WindowContext& context)
    : ExerciseWindow(context, tskrivSkeleton()) {
    buildOwnComponents();
}

void TSKRIV::buildOwnComponents() {
    FrageLabel1 = textLabel(this, "FrageLabel1", kNavy);
    FrageLabel2 = textLabel(this, "FrageLabel2", kNavy);
    Label4 = textLabel(this, "Label4", kNavy);
    Label4->setText(QStringLiteral("flera "));
    Label5 = textLabel(this, "Label5", kMaroon);
    Label6 = textLabel(this, "Label6", kTeal);
    Label7 = textLabel(this, "Label7", kTeal);
    for (QLabel* help : {Label5, Label6, Label7})
        help->setWordWrap(true);
    for (QLabel* label : {FrageLabel1, FrageLabel2, Label4, Label5, Label6, Label7})
        label->hide();

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(QStringLiteral("Svar"));
    Edit1->setFont(arialBold(29));
    Edit1->setGeometry(26, 220, 200, 36);
    QPalette pal = Edit1->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, kNavy);
    Edit1->setPalette(pal);
    Edit1->installEventFilter(this);

    const PasteMenu paste = addPasteMenu(this, Edit1);
    PopupMenu1 = paste.PopupMenu1;
    Klistrain1 = paste.Klistrain1;
    Klistrain2 = paste.Klistrain2;
    Klistrain3 = paste.Klistrain3;

    BitBtn2 = new QPushButton(QStringLiteral("&Hjälp"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setFont(arialBold(14));
    BitBtn2->setGeometry(440, 220, 110, 32);
    BitBtn2->hide();
    BitBtn3 = new QPushButton(QStringLiteral("&Mer hjälp"), this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn3->setFont(arialBold(14));
    BitBtn3->setGeometry(440, 256, 110, 32);
    BitBtn3->hide();
    for (QPushButton* b : {BitBtn2, BitBtn3})
        b->setAutoDefault(false);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAccessibleName(QStringLiteral("Så gör du"));
    Memo1->setReadOnly(true);
    Memo1->setFont(arialBold(15));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setFocusPolicy(Qt::NoFocus);
    // A click closes the instructions; there is nothing to copy.
    Memo1->setContextMenuPolicy(Qt::PreventContextMenu);
    Memo1->viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    Memo1->viewport()->setCursor(Qt::PointingHandCursor);
    Memo1->viewport()->installEventFilter(this);
    QStringList memoLines;
    for (const char* line : kCipherInstructions)
        memoLines << QString::fromUtf8(line);
    Memo1->setPlainText(memoLines.join(QLatin1Char('\n')));
    Memo1->setGeometry(160, 270, 440, 160);
    Memo1->hide();

    Testlabel = new QLabel(this);
    Testlabel->setObjectName(QStringLiteral("Testlabel"));
    Testlabel->hide();

    connect(Edit1, &QLineEdit::textChanged, this, [this] { updateLamp(); });
    connect(BitBtn2, &QPushButton::clicked, this, &TSKRIV::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TSKRIV::BitBtn3Click);
}

void TSKRIV::setUpProgram() {
    m_program = core::writeAnswerProgram(m_state.programNumber);
    const QFont font = pointFont(m_program.questionPoints);
    for (QWidget* w : std::initializer_list<QWidget*>{FrageLabel1, FrageLabel2, Label4, Label5,
                                                      Label6, Label7, Edit1})
        w->setFont(font);
    Edit1->setMaxLength(int(m_program.longestAnswer));
}

void TSKRIV::placeQuestionControls() {
    const int m = letterUnit();
    const QRect instruction = InstruktionsLabel->geometry();
    const int left = instruction.left();
    const int rowHeight = QFontMetrics(FrageLabel2->font()).height();

    const int top1 = instruction.top() + 2 * instruction.height();
    const int top2 = top1 + 4 * rowHeight / 3;
    const int inputTop = top2 + 3 * rowHeight / 2;
    const int inputHeight = Edit1->sizeHint().height();
    m_question1 = QRect(left, top1, 0, rowHeight);
    m_question2 = QRect(left, top2, 0, rowHeight);
    m_input = QRect(left, inputTop, Edit1->width(), inputHeight);
    m_answer = QRect(left, inputTop + inputHeight + rowHeight / 2, 0, rowHeight);
    Edit1->setGeometry(m_input);
    Edit1->clear();

    // The lamp and the help buttons stand in a column right of the input.
    const int contentRight = Aster1->x() - m;
    const int lampLeft = left + (contentRight - left) * 3 / 5;
    lampknapp->setGeometry(lampLeft, inputTop, inputHeight, inputHeight);
    const int lampSide = inputHeight * 4 / 5;
    LampShape->setGeometry(lampLeft + (inputHeight - lampSide) / 2,
                           inputTop + (inputHeight - lampSide) / 2, lampSide, lampSide);
    const QFontMetrics buttonText(BitBtn2->font());
    const int buttonLeft = lampknapp->geometry().right() + 1 + m / 2;
    const int buttonWidth =
        std::min(std::max(BitBtn2->width(), buttonText.horizontalAdvance("Mer hjälp") + 3 * m),
                 contentRight - buttonLeft);
    BitBtn2->setGeometry(buttonLeft, inputTop, buttonWidth, inputHeight);
    BitBtn3->setGeometry(buttonLeft, inputTop + inputHeight + m / 2, buttonWidth, inputHeight);
    BitBtn2->setText(QStringLiteral("&Hjälp"));
    if (worksheetMode())
        lampknapp->setGeometry(lampLeft, BitBtn2->y(), inputHeight, BitBtn2->height());

    if (m_program.cipher) {
        BitBtn2->show();
        const QFontMetrics memoText(Memo1->font());
        int widest = 0;
        for (const char* line : kCipherInstructions)
            widest = std::max(widest, memoText.horizontalAdvance(QString::fromUtf8(line)));
        const int frame = 2 * Memo1->frameWidth() + 2 * int(Memo1->document()->documentMargin());
        const int memoLeft = screenSize().width() / 4;
        const int memoWidth = std::min(widest + frame + m, contentRight - memoLeft);
        const int memoHeight =
            int(std::size(kCipherInstructions)) * memoText.lineSpacing() + frame + m / 2;
        Memo1->setGeometry(memoLeft, inputTop + inputHeight + m / 2, memoWidth, memoHeight);
        Memo1->show();
        Memo1->raise();
    }
    if (m_program.ruleButton && !worksheetMode()) {
        BitBtn2->show();
        BitBtn2->setText(QStringLiteral("&Regel"));
    }
    UpprepaButton->hide();
    if (!lampAvailable()) lampknapp->hide();
}

bool TSKRIV::buildRecord() {
    const int letters = m_program.lettersToOrder;
    if (letters == 0) return false;
    m_state.fields = core::lettersRecord(core::makeLettersQuestion(letters, m_state.random()));
    return true;
}

void TSKRIV::NollaLabeller() {
    for (QLabel* label : {FrageLabel1, FrageLabel2, Label4, Label5, Label6, Label7}) {
        label->clear();
        label->hide();
    }
    Label4->setText(QStringLiteral("flera "));
}

void TSKRIV::clearQuestion() {
    NollaLabeller();
    BitBtn2->hide();
    BitBtn3->hide();
}

void TSKRIV::showQuestion() {
    const core::RecordFields& fields = m_state.fields;
    Memo1->setVisible(m_program.cipher && !m_memoDismissed);
    Testlabel->hide();

    // Help lines wait for the help buttons.
    m_helpCount = m_program.letters ? 0 : core::helpLineCount(fields);
    if (m_helpCount >= 1) Label6->setText(app::fromCp1252(fields[3]));
    if (m_helpCount == 2) Label7->setText(app::fromCp1252(fields[4]));
    // A worksheet asks nothing, so it offers no help.
    BitBtn2->setVisible(!worksheetMode() && core::showsHelpButton(m_program, m_helpCount));

    Label5->setText(app::fromCp1252(fields[2]));
    core::WrapContext wrap{m_services.measure.widthFunction(), screenSize().width(),
                           m_state.programNumber};
    const auto lines = core::dela_mening(kQuestionLeft, kQuestionRight, 2, fields[1], wrap);
    if (lines[2].empty()) {
        FrageLabel2->setText(app::fromCp1252(lines[1]));
    } else {
        FrageLabel1->setText(app::fromCp1252(lines[1]));
        FrageLabel1->show();
        FrageLabel2->setText(app::fromCp1252(lines[2]));
    }
    FrageLabel2->show();
    layOutQuestionRow();

    Testlabel->setText(app::fromCp1252(fields[2]));
    Edit1->clear();
}

void TSKRIV::layOutQuestionRow() {
    const int m = letterUnit();
    const int contentRight = Aster1->x() - m;
    QRect question1 = m_question1;
    QRect question2 = m_question2;
    QRect input = m_input;
    QRect answer = m_answer;

    if (m_program.plural) {
        // "en" and the noun on the upper row, "flera " and the input below,
        // the noun straight above the input.
        FrageLabel1->setText(QStringLiteral("en"));
        FrageLabel1->show();
        const int fleraWidth = textWidth("flera ", m_program.questionPoints);
        input.moveLeft(m / 3 + question1.left() + fleraWidth);
        question1.moveTop(question2.top());
        question2.moveLeft(input.left());
        answer.moveLeft(input.left());
        Label4->setGeometry(question1.left(), input.top() + 2, fleraWidth + m, question1.height());
        Label4->setVisible(!worksheetMode());
    }

    const auto placeRow = [&](QLabel* label, const QRect& place) {
        label->setGeometry(place.left(), place.top(), contentRight - place.left(), place.height());
    };
    placeRow(FrageLabel1, question1);
    placeRow(FrageLabel2, question2);

    const int longest = lampknapp->x() - m - input.left();
    const int width = textWidth(m_state.fields[2], m_program.questionPoints) + 6 * m;
    input.setWidth(std::clamp(width, 6 * m, std::max(6 * m, longest)));
    Edit1->setGeometry(input);
    // The lit lamp stands right beside the input it watches.
    LampShape->move(input.right() + 1 + m / 2,
                    input.top() + (input.height() - LampShape->height()) / 2);

    // The answer and the help lines below the input, each wrapped to the
    // room left of the progress strip.
    int top = answer.top();
    for (QLabel* label : {Label5, Label6, Label7}) {
        const int room = contentRight - answer.left();
        label->setGeometry(answer.left(), top, room, label->heightForWidth(room));
        top += label->height() + answer.height() / 4;
    }
}

void TSKRIV::showCorrectAnswer() {
    Label5->show();
    Label5->repaint();
}

std::string TSKRIV::expectedAnswer() const {
    return m_state.fields[2];
}

bool TSKRIV::showsPictureIn(core::RunMode runMode) const {
    return runMode == core::RunMode::Practice || runMode >= core::RunMode::DiagnosisPractice;
}

void TSKRIV::enableHelpButtons() {
    BitBtn2->setEnabled(true);
    BitBtn3->setEnabled(true);
}

void TSKRIV::focusInput() {
    if (Edit1->isVisible() && Edit1->isEnabled()) Edit1->setFocus();
}

void TSKRIV::Edit1KeyPress(int key) {
    if (key == Qt::Key_Escape) {
        escapeFromInput();
        return;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return;
    if (!Edit1->isEnabled()) return;
    if (m_program.cipher) {
        Memo1->hide();
        m_memoDismissed = true;
    }
    closeInput();
    const bool right = core::acceptsTypedAnswer(m_state.fields, app::toCp1252(Edit1->text()));
    giveVerdict(right, !m_program.letters);
}

void TSKRIV::BitBtn2Click() {
    series().useHelp(core::HelpButton::First);
    // The instructions of the cipher would cover the help lines.
    if (m_program.cipher) {
        Memo1->hide();
        m_memoDismissed = true;
    }
    Label6->show();
    BitBtn2->hide();
    if (m_helpCount == 2) BitBtn3->show();
    focusInput();
    if (m_program.ruleButton) {
        m_services.windows.open("TRegelform", {m_state, m_services, this, m_state.programNumber});
        BitBtn2->show();
        BitBtn2->setEnabled(true);
        focusInput();
    }
}

void TSKRIV::BitBtn3Click() {
    series().useHelp(core::HelpButton::Second);
    Label7->show();
    BitBtn3->hide();
    focusInput();
}

void TSKRIV::Memo1Click() {
    Memo1->hide();
    m_memoDismissed = true;
    focusInput();
    BitBtn2->show();
}

void TSKRIV::Klistrain1Click(QAction* entry) {
    const QString caption = entry->text();
    if (!caption.isEmpty()) pasteLetter(caption.right(1));
}

void TSKRIV::pasteLetter(const QString& letter) {
    exercises::pasteLetter(Edit1, letter);
}

bool TSKRIV::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers =
            key->modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            Edit1KeyPress(key->key());
            return true;
        case Qt::Key_S:
            if (modifiers == Qt::AltModifier || modifiers == Qt::ControlModifier) {
                pasteLetter(QStringLiteral("ß"));
                return true;
            }
            break;
        default:
            break;
        }
    }
    if (Memo1 && watched == Memo1->viewport() && event->type() == QEvent::MouseButtonPress) {
        Memo1Click();
        return true;
    }
    return ExerciseWindow::eventFilter(watched, event);
}

} // namespace glosbo::exercises
