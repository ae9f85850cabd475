#include "exercises/tskrivinf.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <algorithm>

#include "app/scaling.h"
#include "app/services.h"
#include "app/style.h"
#include "app/text_codec.h"
#include "core/alternatives.h"

namespace glosbo::exercises {

using namespace app::style;

namespace {

// The sentences and the typed words, before the window is scaled.
constexpr int kSentencePoints = 20;
// Design tops of the two lines of a question on a worksheet.
constexpr int kWorksheetTop1 = 225;
constexpr int kWorksheetTop2 = 260;
// Space between a revealed word and a full stop or question mark after it.
constexpr int kPunctuationGap = 5;
// A long sentence is set smaller, down to this share of the designed size,
// so that every row stays above the buttons.
constexpr int kSmallestSentencePercent = 60;

Skeleton tskrivinfSkeleton() {
    Skeleton s;
    s.name = "TSkrivinf";
    s.title = "Fyll i ordet";
    s.lastAnswerTimerName = "Timer2";
    s.wordSound = true;
    s.completion = core::CompletionRule::TwoGoodSeries;
    // "Fortsätta" takes the pupil back to the gap left with Esc.
    s.resume = core::ResumeRule::CountsKept;
    return s;
}

QPushButton* helpButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(arialBold(14));
    button->setAutoDefault(false);
    button->hide();
    return button;
}

// A row of a sentence cut into pieces: text and gap words in turn.
struct Piece {
    std::string text;
    bool gap = false;
};
std::vector<Piece> rowPieces(std::string_view row) {
    std::vector<Piece> pieces;
    std::string text;
    bool gap = false;
    for (char c : row) {
        if (c == '<' || c == '>') {
            if (!text.empty() || gap) pieces.push_back({text, gap});
            text.clear();
            gap = c == '<';
        } else {
            text += c;
        }
    }
    if (!text.empty()) pieces.push_back({text, gap});
    return pieces;
}

} // namespace

TSkrivinf::TSkrivinf(CreationToken, const app::WindowContext& context)
    : ExerciseWindow(context, tskrivinfSkeleton()) {
    buildOwnComponents();
}

void TSkrivinf::buildOwnComponents() {
    const QFont sentenceFont = pointFont(kSentencePoints);
    for (std::size_t i = 0; i < sentenceLabels.size(); ++i) {
        const std::string name = "Label" + std::to_string(i + 3);
        QLabel* label = textLabel(this, name.c_str(), kNavy);
        label->setFont(sentenceFont);
        label->hide();
        sentenceLabels[i] = label;
    }
    Label14 = textLabel(this, "Label14", kMaroon);
    Label15 = textLabel(this, "Label15", kMaroon);
    for (QLabel* label : {Label14, Label15}) {
        label->setFont(sentenceFont);
        label->hide();
    }
    Label16 = textLabel(this, "Label16", kGreen);
    Label17 = textLabel(this, "Label17", kGreen);
    Label18 = textLabel(this, "Label18", kGreen);
    for (QLabel* label : {Label16, Label17, Label18}) {
        label->setFont(pointFont(14));
        label->setWordWrap(true);
        label->hide();
    }
    EngLabel = textLabel(this, "EngLabel", kBlue);
    EngLabel->setFont(arialBold(19));

    letterPaste = new LetterPaste(this);
    PopupMenu1 = letterPaste->PopupMenu1;
    for (const char* name : {"Edit1", "Edit2"}) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setAccessibleName(QStringLiteral("Ordet som saknas"));
        edit->setFont(sentenceFont);
        edit->setFrame(false);
        QPalette pal = edit->palette();
        pal.setColor(QPalette::Base, Qt::white);
        pal.setColor(QPalette::Text, kGreen);
        edit->setPalette(pal);
        edit->hide();
        edit->installEventFilter(this);
        letterPaste->attach(edit);
        connect(edit, &QLineEdit::textChanged, this, [this] { updateLamp(); });
        (Edit1 ? Edit2 : Edit1) = edit;
    }

    BitBtn2 = helpButton(this, "BitBtn2", QStringLiteral("&Hjälp"));
    BitBtn3 = helpButton(this, "BitBtn3", QStringLiteral("Hjälp &2"));
    BitBtn4 = helpButton(this, "BitBtn4", QStringLiteral("Hjälp &3"));
    connect(BitBtn2, &QPushButton::clicked, this, &TSkrivinf::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TSkrivinf::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TSkrivinf::BitBtn4Click);
    connect(UpprepaButton, &QPushButton::clicked, this, &TSkrivinf::UpprepaButtonClick);
    // "Fortsätta" and "Rätta felen" say the word again.
    for (QPushButton* button : {Button1, Button2})
        connect(button, &QPushButton::clicked, this, [this] {
            if (series().running() && m_gapsAnswered == 0) wordSound->playSoon();
        });
}

void TSkrivinf::setUpProgram() {
    m_program = core::fillInProgram(m_state.programNumber);
    const core::RunMode mode = m_state.runMode;
    wordSound->setSoundExercise(m_program.wordSound &&
                                (mode == core::RunMode::Practice ||
                                 (m_program.soundInDiagnosis && mode != core::RunMode::Worksheet)));
}

void TSkrivinf::placeQuestionControls() {
    const int m = letterUnit();
    const QRect instruction = InstruktionsLabel->geometry();
    const int left = instruction.left();
    const int contentRight = Aster1->x() - m;
    m_sentencePixels = Edit1->font().pixelSize();
    setSentencePixels(m_sentencePixels);
    m_buttonHeight = std::max(BitBtn2->sizeHint().height(), m_rowHeight);
    const int lampSide = m_rowHeight * 4 / 5;
    LampShape->resize(lampSide, lampSide);
    placeButtons(questionTop() + 3 * m_rowHeight + m);

    // The translation one letter unit above the button bar, the repeat
    // button above it.
    const int engHeight = QFontMetrics(EngLabel->font()).height();
    const int engTop = buttonBar->y() - m - engHeight;
    EngLabel->setGeometry(left, engTop, contentRight - left, engHeight);
    EngLabel->hide();
    const QFontMetrics repeatText(UpprepaButton->font());
    UpprepaButton->setGeometry(left, engTop - m / 2 - m_buttonHeight,
                               repeatText.horizontalAdvance(UpprepaButton->text()) + 3 * m,
                               m_buttonHeight);
    const bool repeat = wordSound->active() && !worksheetMode();
    UpprepaButton->setVisible(repeat);
    UpprepaButton->setEnabled(repeat);
    // The help texts end above the repeat button or the button bar.
    m_helpBottom = (repeat ? UpprepaButton->y() : buttonBar->y()) - m / 4;
    if (worksheetMode()) {
        Edit1->hide();
        Edit2->hide();
    }
}

void TSkrivinf::placeButtons(int top) {
    const int m = letterUnit();
    const int left = InstruktionsLabel->x();
    lampknapp->setGeometry(left, top, m_buttonHeight, m_buttonHeight);
    const QFontMetrics buttonText(BitBtn2->font());
    int buttonLeft = left + m_buttonHeight + m;
    for (QPushButton* button : {BitBtn2, BitBtn3, BitBtn4}) {
        const int width = buttonText.horizontalAdvance(QStringLiteral("Hjälp 2")) + 3 * m;
        button->setGeometry(buttonLeft, top, width, m_buttonHeight);
        buttonLeft += width + m;
    }
    m_helpTop = top + m_buttonHeight + m;
}

void TSkrivinf::setSentencePixels(int pixels) {
    QFont font = Edit1->font();
    font.setPixelSize(pixels);
    for (QLabel* label : sentenceLabels)
        label->setFont(font);
    for (QLabel* label : m_extraPieces)
        label->setFont(font);
    for (QWidget* w : std::initializer_list<QWidget*>{Label14, Label15, Edit1, Edit2})
        w->setFont(font);
    m_rowHeight = std::max(QFontMetrics(font).height() + 4, Edit1->sizeHint().height());
}

int TSkrivinf::questionTop() const {
    return InstruktionsLabel->geometry().bottom() + 1 + 4 * QFontMetrics(Label14->font()).height();
}

bool TSkrivinf::usableRecord(const core::RecordFields& fields) const {
    return core::fillInRecordFault(m_program, fields).empty();
}

void TSkrivinf::clearQuestion() {
    for (QLabel* label : sentenceLabels) {
        label->clear();
        label->hide();
    }
    for (QLabel* label : m_extraPieces) {
        label->clear();
        label->hide();
    }
    for (QLabel* label : {Label14, Label15, Label16, Label17, Label18}) {
        label->clear();
        label->hide();
    }
    for (QLineEdit* edit : {Edit1, Edit2}) {
        edit->clear();
        edit->hide();
    }
    BitBtn2->hide();
    BitBtn2->setEnabled(false);
    BitBtn3->hide();
    BitBtn3->setEnabled(false);
    BitBtn4->hide();
    m_piecesUsed = 0;
    m_questionPieces.clear();
    m_modelPieces.clear();
    m_after = {};
    m_gapsAnswered = 0;
    m_currentInput = 1;
    m_nextHelp = 1;
    wordSound->stop();
}

QLabel* TSkrivinf::nextPiece() {
    // A sentence of many rows needs more pieces than the named labels.
    const std::size_t index = m_piecesUsed++;
    if (index < sentenceLabels.size()) return sentenceLabels[index];
    const std::size_t extra = index - sentenceLabels.size();
    if (extra == m_extraPieces.size()) {
        QLabel* label = textLabel(this, "", kNavy);
        label->setFont(Edit1->font());
        m_extraPieces.push_back(label);
    }
    return m_extraPieces[extra];
}

std::vector<std::string> TSkrivinf::wrap(const std::string& sentence) const {
    // Cut to the room left of the lamp, measured as the row is shown: the
    // marks take no room, each gap the room of its input.
    const QFontMetrics metrics(Edit1->font());
    const int inputSpare = metrics.horizontalAdvance(QStringLiteral("ww"));
    const int room =
        Aster1->x() - letterUnit() - LampShape->width() - letterUnit() / 2 - InstruktionsLabel->x();
    return core::wrapLines(sentence, std::max(1, room), [&](std::string_view row) {
        std::string shown;
        int inputs = 0;
        for (char c : row) {
            if (c == '<') ++inputs;
            if (c != '<' && c != '>') shown += c;
        }
        return metrics.horizontalAdvance(app::fromCp1252(shown)) + inputs * inputSpare;
    });
}

std::array<std::string, 4> TSkrivinf::wrapWorksheet(const std::string& sentence) const {
    // A question on the worksheet screen stands in two lines as the
    // worksheet has it, marks included; a marked word is never cut.
    const QFontMetrics metrics(Label14->font());
    const int left = InstruktionsLabel->x();
    const int room = Aster1->x() - letterUnit() - left - 2 * QFontMetrics(Edit1->font()).height();
    core::WrapContext context{[metrics](std::string_view text, int) {
                                  return metrics.horizontalAdvance(
                                      app::fromCp1252(std::string(text)));
                              },
                              screenSize().width(), m_state.programNumber};
    // The wrapper counts its bounds on a screen 640 pixels wide.
    constexpr int kLeft = 20;
    const int right = kLeft + std::max(1, room * 640 / std::max(1, screenSize().width()));
    auto lines = core::dela_mening(kLeft, right, 2, core::protectGapSpaces(sentence), context);
    for (auto& line : lines)
        line = core::restoreGapSpaces(line);
    return lines;
}

bool TSkrivinf::layOutSentences(const std::vector<std::string>& model,
                                const std::vector<std::string>& question, bool place) {
    const int m = letterUnit();
    const QRect instruction = InstruktionsLabel->geometry();
    int top = instruction.top() + 2 * instruction.height();
    if (place) showModel(model, top);
    top += int(model.size()) * m_rowHeight;
    int rowsTop = questionTop();
    if (!model.empty()) rowsTop = std::max(rowsTop, top + m_rowHeight / 2);
    if (place) showQuestionRows(question, rowsTop);
    const int rows = int(question.size());
    const int bottom = rowsTop + (rows - 1) * (m_rowHeight * 4 / 3) + m_rowHeight;
    const int buttonsTop = std::max(rowsTop + 3 * m_rowHeight, bottom + m_rowHeight / 2) + m;
    if (place) placeButtons(buttonsTop);
    // Room below the buttons for the help texts the record has.
    const int helpRoom = m_record.helpCount > 0 ? 2 * QFontMetrics(Label16->font()).height() : 0;
    return buttonsTop + m_buttonHeight + m + helpRoom <= m_helpBottom;
}

void TSkrivinf::showQuestion() {
    const core::RecordFields& fields = m_state.fields;
    m_record = core::readFillInRecord(m_program, fields);
    m_question = core::splitGaps(m_record.question);
    const core::RunMode mode = m_state.runMode;

    // Help texts wait for the help button.
    if (m_record.helpCount >= 1) Label16->setText(app::fromCp1252(m_record.help[0]));
    if (m_record.helpCount == 2) Label17->setText(app::fromCp1252(m_record.help[1]));
    const bool help = m_record.helpCount > 0 || m_program.ruleButton;
    BitBtn2->setText(m_program.ruleButton ? QStringLiteral("&Regel") : QStringLiteral("&Hjälp"));
    BitBtn2->setVisible(help && mode != core::RunMode::DiagnosisTest && !worksheetMode());
    BitBtn2->setEnabled(help);

    if (worksheetMode()) {
        showWorksheetQuestion(wrapWorksheet(m_record.question));
        return;
    }
    // The sentences at the designed size, or smaller until every row stands
    // above the buttons.
    const int smallest = std::max(10, m_sentencePixels * kSmallestSentencePercent / 100);
    std::vector<std::string> model, question;
    for (int pixels = m_sentencePixels;; --pixels) {
        setSentencePixels(pixels);
        model = m_record.model.empty() ? std::vector<std::string>{} : wrap(m_record.model);
        question = wrap(m_record.question);
        if (pixels <= smallest || layOutSentences(model, question, false)) break;
    }
    layOutSentences(model, question, true);
    layOutHelp();

    // The second gap opens once the first is judged, so that the lamp and
    // Enter always go to the gap in turn.
    Edit1->setEnabled(true);
    Edit2->setEnabled(false);
    Edit2->setVisible(m_question.gaps >= 2);
    if (core::allowsLamp(mode) && lampAvailable()) {
        lampknapp->setVisible(!series().lampOn());
        LampShape->setVisible(series().lampOn());
    }
    if (wordSound->active()) {
        UpprepaButton->show();
        UpprepaButton->setEnabled(true);
        wordSound->playSoon();
    }
    showTranslation();
    updateLamp();
}

void TSkrivinf::layOutHelp() {
    // Each help text wrapped to the room left of the strip; a text too long
    // for the room left is cut rather than run into the button bar.
    const int left = InstruktionsLabel->x();
    const int room = Aster1->x() - letterUnit() - left;
    int top = m_helpTop;
    for (QLabel* label : {Label16, Label17, Label18}) {
        const int height = std::min(label->heightForWidth(room), std::max(0, m_helpBottom - top));
        label->setGeometry(left, top, room, height);
        top += height + letterUnit() / 4;
    }
}

void TSkrivinf::showModel(const std::vector<std::string>& lines, int top) {
    const QRect instruction = InstruktionsLabel->geometry();
    for (const std::string& line : lines) {
        int x = instruction.left();
        for (const Piece& piece : rowPieces(line)) {
            QLabel* label = nextPiece();
            setTextColor(label, piece.gap ? kGreen : kBlue);
            label->setText(app::fromCp1252(piece.text));
            const int width = QFontMetrics(label->font()).horizontalAdvance(label->text());
            label->setGeometry(x, top, width + 1, m_rowHeight);
            label->show();
            m_modelPieces.push_back(label);
            x += width;
        }
        top += m_rowHeight;
    }
}

void TSkrivinf::showQuestionRows(const std::vector<std::string>& lines, int top) {
    const int m = letterUnit();
    const QRect instruction = InstruktionsLabel->geometry();
    const QFontMetrics metrics(Edit1->font());
    int gap = 0;
    for (const std::string& line : lines) {
        int x = instruction.left();
        for (const Piece& piece : rowPieces(line)) {
            const QString text = app::fromCp1252(piece.text);
            if (piece.gap && gap < 2) {
                ++gap;
                QLineEdit* edit = input(gap);
                const int width = metrics.horizontalAdvance(QStringLiteral("ww")) +
                                  metrics.horizontalAdvance(text);
                edit->setGeometry(x, top, width, m_rowHeight);
                edit->setMaxLength(int(piece.text.size()) + 10);
                answerLabel(gap)->setText(text);
                answerLabel(gap)->setGeometry(x, top, width, m_rowHeight);
                if (gap == 1) LampShape->move(Aster1->x() - m - LampShape->width(), top + 3);
                x += width;
                continue;
            }
            QLabel* label = nextPiece();
            setTextColor(label, kNavy);
            label->setText(text);
            const int width = QFontMetrics(label->font()).horizontalAdvance(text);
            label->setGeometry(x, top, width + 1, m_rowHeight);
            label->show();
            m_questionPieces.push_back(label);
            // The piece right after a gap on its row moves up to a revealed word.
            if (gap > 0 && !m_after[gap - 1] && x == input(gap)->geometry().right() + 1)
                m_after[gap - 1] = label;
            x += width;
        }
        top += m_rowHeight * 4 / 3;
    }
}

void TSkrivinf::showWorksheetQuestion(const std::array<std::string, 4>& lines) {
    // The question as it stands, marks included: the worksheet shows it so.
    const int tops[] = {kWorksheetTop1, kWorksheetTop2};
    for (int row = 1; row <= 2 && !lines[row].empty(); ++row) {
        QLabel* label = nextPiece();
        setTextColor(label, kBlue);
        label->setText(app::fromCp1252(lines[row]));
        const int top = app::mulDiv(tops[row - 1], scalePercent(), 100);
        label->setGeometry(InstruktionsLabel->x(), top, Aster1->x() - InstruktionsLabel->x(),
                           m_rowHeight);
        label->show();
        m_questionPieces.push_back(label);
    }
    Edit1->hide();
    Edit2->hide();
    lampknapp->hide();
}

void TSkrivinf::showTranslation() {
    EngLabel->hide();
    if (!m_program.translated) return;
    // The list holds the words that are spoken: the gap word, more than the
    // sentence around it.
    auto translation = m_state.translationOf(m_state.fields[1]);
    if (!translation && !m_question.word(1).empty())
        translation = m_state.translationOf(m_question.word(1));
    if (!translation) return;
    EngLabel->setText(app::fromCp1252(*translation));
    EngLabel->show();
}

std::string TSkrivinf::expectedAnswer() const {
    return m_question.word(m_currentInput);
}

void TSkrivinf::focusCurrentInput() {
    QLineEdit* edit = input(m_currentInput);
    if (edit->isVisible() && edit->isEnabled()) edit->setFocus();
}

void TSkrivinf::markSquare(bool right) {
    if (!skeleton().strip) return;
    const int square = Aster1->rutNummer() + 1;
    Aster1->setRutNummer(square > Aster1->maxAntalRutor() ? 0 : square);
    if (!right) Aster1->setRatt(false);
    Aster1->setVisa(true);
    Aster1->update();
}

void TSkrivinf::reveal(int gap, const QString& word, const QColor& color) {
    QLineEdit* edit = input(gap);
    if (edit->hasFocus()) edit->clearFocus();
    edit->setEnabled(false);
    edit->hide();
    QLabel* label = answerLabel(gap);
    setTextColor(label, color);
    label->setText(word);
    const int width = QFontMetrics(label->font()).horizontalAdvance(word);
    label->resize(width + 1, label->height());
    label->show();
    if (QLabel* after = m_after[gap - 1]) {
        const QString text = after->text();
        if (text == QLatin1String(".") || text == QLatin1String("?"))
            after->move(label->x() + width + kPunctuationGap, after->y());
    }
}

void TSkrivinf::judgeGap(int gap) {
    QLineEdit* edit = input(gap);
    if (!edit->isEnabled() || !edit->isVisible() || !series().running()) return;
    const core::RunMode mode = m_state.runMode;
    ++m_gapsAnswered;
    m_currentInput = gap;
    const bool lastGap = m_gapsAnswered >= m_question.gaps;
    if (mode == core::RunMode::Practice && (gap == 2 || m_question.gaps == 1))
        lampknapp->setEnabled(false);

    std::string typed = app::toCp1252(edit->text());
    const std::string& word = m_question.word(gap);
    const bool right = core::acceptsGapWord(m_state.fields, word, typed);
    const core::Verdict verdict = series().judgeGap(right, lastGap);
    // One square for the question, with its last gap.
    if (verdict.marksStrip) markSquare(verdict.right);

    if (right) {
        if (gap == 1 || !lastGap)
            reveal(gap, edit->text(), kGreen);
        else
            edit->setEnabled(false);
    } else {
        UpprepaButton->setEnabled(false);
        reveal(gap, app::fromCp1252(word), kMaroon);
        if (gap == 2)
            for (QPushButton* b : {BitBtn2, BitBtn3, BitBtn4})
                b->setEnabled(false);
    }

    if (!lastGap) {
        // On to the other gap.
        m_currentInput = gap == 1 ? 2 : 1;
        QLineEdit* next = input(m_currentInput);
        next->show();
        next->setEnabled(true);
        next->setFocus();
        updateLamp();
        return;
    }
    if (series().showsDiagnosisBox() && skeleton().diagnosisBox)
        DiagPanel1->showValues(verdict.answered, series().correctCount());
    closeInput();
    // A question with a wrong gap keeps its right words in sight for the
    // answer display, whichever gap was wrong.
    if (!verdict.seriesOver) {
        if (verdict.right)
            NyPost();
        else
            Timer1->start();
        return;
    }
    lampknapp->setEnabled(false);
    Timer1->stop();
    if (verdict.right)
        Avslutning();
    else
        lastAnswerTimer->start();
}

void TSkrivinf::escapeFrom(int gap) {
    if (!series().running()) return;
    m_currentInput = gap;
    Timer1->stop();
    if (series().lampOn()) series().setLamp(false);
    // Neither gap takes typing while the bar is up.
    if (gap == 2) LampShape->hide();
    Edit1->setEnabled(false);
    Edit2->setEnabled(false);
    for (QPushButton* b : {BitBtn2, BitBtn3, BitBtn4})
        b->hide();
    escapeFromInput();
}

void TSkrivinf::Edit1KeyPress(int key) {
    if (key == Qt::Key_Escape)
        escapeFrom(1);
    else if (key == Qt::Key_Return || key == Qt::Key_Enter)
        judgeGap(1);
}

void TSkrivinf::Edit2KeyPress(int key) {
    if (key == Qt::Key_Escape)
        escapeFrom(2);
    else if (key == Qt::Key_Return || key == Qt::Key_Enter)
        judgeGap(2);
}

void TSkrivinf::BitBtn2Click() {
    series().useHelp(core::HelpButton::First);
    if (m_nextHelp == 1) {
        Label16->show();
        if (m_record.helpCount == 2)
            m_nextHelp = 2;
        else
            BitBtn2->setEnabled(false);
    } else {
        Label17->show();
        BitBtn2->hide();
    }
    focusCurrentInput();
    if (m_program.ruleButton) {
        m_services.windows.open("TRegelform", {m_state, m_services, this, m_state.programNumber});
        BitBtn2->setText(QStringLiteral("&Regel"));
        BitBtn2->show();
        BitBtn2->setEnabled(true);
        focusCurrentInput();
    }
}

void TSkrivinf::BitBtn3Click() {
    Label17->show();
    focusCurrentInput();
}

void TSkrivinf::BitBtn4Click() {
    Label18->show();
    focusCurrentInput();
}

void TSkrivinf::UpprepaButtonClick() {
    wordSound->Ljudet();
    focusCurrentInput();
}

void TSkrivinf::enableHelpButtons() {
    // Back from the button bar: the help button of an unanswered question
    // comes back as it was.
    if (m_gapsAnswered == 0 && series().running() &&
        m_state.runMode != core::RunMode::DiagnosisTest &&
        (m_record.helpCount > 0 || m_program.ruleButton)) {
        BitBtn2->show();
        BitBtn2->setEnabled(m_program.ruleButton || m_nextHelp == 2 || !Label16->isVisible());
    }
}

core::TaskLines TSkrivinf::worksheetTask(std::string_view prefix) {
    core::WrapContext wrapContext{m_services.measure.widthFunction(), screenSize().width(),
                                  m_state.programNumber};
    return core::fillInTask(prefix, m_program, m_state.fields, wrapContext);
}

bool TSkrivinf::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == Edit1 || watched == Edit2) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            if (watched == Edit1)
                Edit1KeyPress(key);
            else
                Edit2KeyPress(key);
            return true;
        case Qt::Key_F2:
            if (watched == Edit1) wordSound->Ljudet();
            return true;
        default:
            break;
        }
    }
    return ExerciseWindow::eventFilter(watched, event);
}

} // namespace glosbo::exercises
