#include "exercises/tinsetxt.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "app/services.h"
#include "app/style.h"
#include "app/text_codec.h"
#include "core/wrap.h"

namespace glosbo::exercises {

using namespace app::style;

namespace {

const QColor kAqua{0x00, 0xFF, 0xFF};
const QColor kButtonFace{0xD4, 0xD0, 0xC8};

// A long question is set smaller, down to this share of its designed size,
// so that it keeps to its two rows.
constexpr int kSmallestQuestionPercent = 60;

Skeleton tinsetxtSkeleton() {
    Skeleton s;
    s.name = "TInseTxt";
    s.title = "Läs och svara";
    s.lastAnswerTimerName = "Timer2";
    s.lamp = false;
    s.diagnosisBox = false;
    s.worksheetBar = false;
    s.continueButtonName = "Button1";
    s.cancelButtonName = "Button4";
    s.correctionButton = false;
    return s;
}

app::Panel* makePanel(QWidget* parent, const QString& name, const QColor& color) {
    auto* panel = new app::Panel(parent);
    panel->setObjectName(name);
    panel->setColor(color);
    panel->setMouseTracking(true);
    return panel;
}

std::u8string missingFileMessage(const std::string& name) {
    return u8"Filen " + std::u8string(name.begin(), name.end()) + u8" finns inte eller är felaktig";
}

} // namespace

TInseTxt::TInseTxt(CreationToken, const app::WindowContext& context)
    : ExerciseWindow(context, tinsetxtSkeleton()) {
    buildOwnComponents();
}

void TInseTxt::buildOwnComponents() {
    FrageLabel1 = textLabel(this, "FrageLabel1", kNavy, 24);
    FrageLabel2 = textLabel(this, "FrageLabel2", kNavy, 24);
    FrageLabel2->hide();
    for (int r = 0; r < kRows; ++r) {
        const QString n = QString::number(r + 1);
        NrPanel[r] = makePanel(this, QStringLiteral("NrPanel") + n, kButtonFace);
        NrPanel[r]->setCaption(n);
        NrPanel[r]->setCaptionColor(kNavy);
        NrPanel[r]->setFont(arialBold(24));
        NrPanel[r]->setCursor(Qt::PointingHandCursor);
        AlternativPanel[r] = makePanel(this, QStringLiteral("AlternativPanel") + n, kButtonFace);
        AlternativPanel[r]->setCursor(Qt::PointingHandCursor);
        AltLabel[r] =
            textLabel(AlternativPanel[r], qPrintable(QStringLiteral("AltLabel") + n), kNavy, 24);
        AltLabel[r]->setAttribute(Qt::WA_TransparentForMouseEvents);
        NrPanel[r]->installEventFilter(this);
        AlternativPanel[r]->installEventFilter(this);
    }
    RattSvarLabel = textLabel(this, "RattSvarLabel", kMaroon, 24);
    RattSvarLabel->hide();

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(QStringLiteral("Svarets siffra"));
    Edit1->setGeometry(0, 0, 1, 1);
    Edit1->setContextMenuPolicy(Qt::NoContextMenu);
    Edit1->lower();
    Edit1->installEventFilter(this);

    SeTextButton = new QPushButton(QStringLiteral("&Se texten"), this);
    SeTextButton->setObjectName(QStringLiteral("SeTextButton"));
    SeTextButton->setFont(arialBold(14));
    SeTextButton->setAutoDefault(false);
    SeTextButton->setFocusPolicy(Qt::NoFocus);
    SeTextButton->hide();

    TextPanel1 = makePanel(this, QStringLiteral("TextPanel1"), kNavy);
    TextPanel1->setBevelWidth(2);
    TextPanel2 = makePanel(TextPanel1, QStringLiteral("TextPanel2"), kSilver);
    TextPanel2->setLowered(true);
    Memo1 = new QPlainTextEdit(TextPanel2);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAccessibleName(QStringLiteral("Texten"));
    Memo1->setReadOnly(true);
    Memo1->setFont(arialBold(19));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QPalette pal = Memo1->palette();
    pal.setColor(QPalette::Base, kWhite);
    pal.setColor(QPalette::Text, kNavy);
    Memo1->setPalette(pal);
    Memo1->installEventFilter(this);
    TextPanel1->hide();

    // The bar has no correction round: "Fortsätta", "Avbryta" and the settings.
    Button1 = Button2;
    Button4 = Button3;

    connect(SeTextButton, &QPushButton::clicked, this, &TInseTxt::SeTextButtonClick);
    // Back from the bar to the text, the keyboard scrolls it again.
    for (QPushButton* button : {Button2, BitBtn1})
        connect(button, &QPushButton::clicked, this, [this] {
            if (m_textShown && !buttonBar->isVisible()) Memo1->setFocus();
        });
}

void TInseTxt::setUpProgram() {
    const int records = m_state.files.file(m_state.files.currentFileIndex).recordCount;
    m_program = core::readAndAnswerProgram(m_state.programNumber, records);
    if (!m_program.readingText) return;
    const std::string& file = m_state.files.currentExerciseFile;
    const auto text = core::readReadingText(m_state.roots(), file);
    if (!text) {
        const std::string path = core::readingTextPath(file);
        m_services.messages.information(missingFileMessage(path.substr(path.rfind('/') + 1)));
        // The window cannot be used without its text: it closes as soon as
        // it is shown.
        QTimer::singleShot(0, this, &TInseTxt::reject);
        return;
    }
    QStringList lines;
    for (const std::string& line : core::JusteraMemoText(*text))
        lines << app::fromCp1252(line);
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
    sentenceReader = new SentenceReader(Memo1, m_services.speech, m_state.settings, this);
    sentenceReader->takeText();
    LasUppButton->customPress = [this] {
        if (!m_textShown) return false;
        sentenceReader->press();
        return true;
    };
}

void TInseTxt::placeQuestionControls() {
    series().setLengthSetting(m_program.seriesLength);
    const int W = screenSize().width();
    const int u = W / 32;
    const int m = letterUnit();

    InstruktionsLabel->setText(QStringLiteral("Klicka på en ruta eller tryck siffra."));
    InstruktionsLabel->adjustSize();
    const QRect outer = OverskriftYtterShape->geometry();
    const int instructionHeight = InstruktionsLabel->height();
    InstruktionsLabel->setGeometry(u, outer.bottom() + 1 + 3 * instructionHeight / 2, 30 * u,
                                   instructionHeight);

    const int contentRight = Aster1->x() - m;
    m_questionPixels = FrageLabel1->font().pixelSize();
    const int rowHeight = QFontMetrics(FrageLabel1->font()).height();
    const int top2 = InstruktionsLabel->y() + 2 * instructionHeight;
    const int top1 = top2 + 4 * rowHeight / 3;
    FrageLabel2->setGeometry(u, top2, contentRight - u, rowHeight);
    FrageLabel1->setGeometry(u, top1, contentRight - u, rowHeight);
    const int box = rowHeight + m / 2;
    int top = top1 + 3 * rowHeight / 2;
    const int panelLeft = u + box + m / 2;
    const int panelWidth = std::min(25 * u, contentRight - panelLeft);
    for (int r = 0; r < kRows; ++r) {
        NrPanel[r]->setGeometry(u, top, box, box);
        AlternativPanel[r]->setGeometry(panelLeft, top, panelWidth, box);
        AltLabel[r]->setGeometry(u, 0, panelWidth - 2 * u, box);
        top += 5 * box / 4;
    }
    const int lastTop = NrPanel[kRows - 1]->y();
    RattSvarLabel->setGeometry(u, lastTop + 4 * box / 3, contentRight - u, rowHeight);

    // The text button above the bar; the text covers the window from the
    // instruction line down to it.
    const int buttonHeight = QFontMetrics(SeTextButton->font()).height() + m;
    const int buttonWidth =
        QFontMetrics(SeTextButton->font()).horizontalAdvance(QStringLiteral("Till frågorna")) +
        3 * m;
    SeTextButton->setGeometry(m, buttonBar->y() - m / 2 - buttonHeight, buttonWidth, buttonHeight);
    const int textTop = InstruktionsLabel->y();
    TextPanel1->setGeometry(m, textTop, contentRight - m, SeTextButton->y() - m - textTop);
    TextPanel2->setGeometry(m / 2, m / 2, TextPanel1->width() - m, TextPanel1->height() - m);
    Memo1->setGeometry(m, m, TextPanel2->width() - 3 * m, TextPanel2->height() - 2 * m);

    if (m_program.readingText) {
        SeTextButton->show();
        showTextView();
    } else {
        SeTextButton->hide();
    }
}

void TInseTxt::drawTextHeadline() {
    RitaOverskriften(m_state.files.headings.lines[0], "L\xE4s texten.",
                     "Svara sedan p\xE5 fr\xE5gorna.");
}

void TInseTxt::showTextView() {
    m_textShown = true;
    TextPanel1->show();
    TextPanel1->raise();
    buttonBar->raise();
    Aster1->hide();
    SeTextButton->setText(QStringLiteral("Till &frågorna"));
    drawTextHeadline();
    Memo1->setFocus();
}

void TInseTxt::showQuestionView() {
    m_textShown = false;
    if (sentenceReader) sentenceReader->stop();
    TextPanel1->hide();
    if (m_state.runMode == core::RunMode::Practice) Aster1->show();
    SeTextButton->setText(QStringLiteral("&Se texten"));
    RitaOverskriften("Svara p\xE5 fr\xE5gorna", "", "");
    if (Edit1->isEnabled()) Edit1->setFocus();
}

void TInseTxt::SeTextButtonClick() {
    if (m_textShown)
        showQuestionView();
    else
        showTextView();
}

void TInseTxt::clearQuestion() {
    RattSvarLabel->clear();
    RattSvarLabel->hide();
    m_showingAnswer = false;
}

std::vector<std::string> TInseTxt::wrapQuestion(const std::string& question) {
    // Wrapped in the font it is shown in, to the width of its rows; a
    // question too long for two rows is set smaller.
    const int smallest = std::max(10, m_questionPixels * kSmallestQuestionPercent / 100);
    std::vector<std::string> lines;
    for (int pixels = m_questionPixels;; --pixels) {
        QFont font = FrageLabel1->font();
        font.setPixelSize(pixels);
        FrageLabel1->setFont(font);
        FrageLabel2->setFont(font);
        const QFontMetrics metrics(font);
        lines = core::wrapLines(question, FrageLabel1->width(), [&](std::string_view text) {
            return metrics.horizontalAdvance(app::fromCp1252(std::string(text)));
        });
        if (lines.size() <= 2 || pixels <= smallest) break;
    }
    // Past the smallest size the rest stays on the second row.
    for (std::size_t i = 2; i < lines.size(); ++i)
        lines[1] += lines[i];
    lines.resize(std::min<std::size_t>(lines.size(), 2));
    return lines;
}

void TInseTxt::showQuestion() {
    const core::RecordFields& fields = m_state.fields;
    const auto lines = wrapQuestion(fields[1]);
    if (lines.size() < 2) {
        FrageLabel1->setText(lines.empty() ? QString() : app::fromCp1252(lines[0]));
        FrageLabel2->hide();
    } else {
        FrageLabel2->setText(app::fromCp1252(lines[0]));
        FrageLabel2->show();
        FrageLabel1->setText(app::fromCp1252(lines[1]));
    }
    FrageLabel1->show();

    // A record outside the format (one answer, or none) still gets two rows,
    // so that the pupil can go on.
    m_answers = std::max(2, core::answerCount(fields));
    std::array<int, kRows> order{1, 2, 3};
    for (int i = m_answers - 1; i > 0; --i)
        std::swap(order[std::size_t(i)], order[std::size_t(m_state.random().below(i + 1))]);
    for (int r = 0; r < kRows; ++r)
        m_order[std::size_t(r)] = order[std::size_t(r)] + 1;
    m_rightRow = 1 + int(std::find(order.begin(), order.begin() + m_answers, 1) - order.begin());

    // One size for every answer: the widest fits 24 units.
    const int u = screenSize().width() / 32;
    int widest = 0;
    std::string widestText;
    for (int r = 0; r < m_answers; ++r) {
        const std::string& answer = fields[m_order[std::size_t(r)]];
        const int w = textWidth(answer, 12);
        if (w > widest) {
            widest = w;
            widestText = answer;
        }
    }
    int points = 18;
    while (points > 6 && textWidth(widestText, points) > 24 * u)
        --points;
    for (int r = 0; r < kRows; ++r) {
        const bool shown = r < m_answers;
        AltLabel[r]->setFont(pointFont(points));
        AltLabel[r]->setText(shown ? app::fromCp1252(fields[m_order[std::size_t(r)]]) : QString());
        const int labelHeight = QFontMetrics(AltLabel[r]->font()).height();
        const QRect panel = AlternativPanel[r]->geometry();
        AltLabel[r]->setGeometry(u, (panel.height() - labelHeight - 2) / 2, panel.width() - 2 * u,
                                 labelHeight);
        NrPanel[r]->setVisible(shown);
        AlternativPanel[r]->setVisible(shown);
        AltLabel[r]->setVisible(shown);
    }
    paintRows(0);
    Edit1->clear();
    if (!worksheetMode()) SeTextButton->setEnabled(true);
    if (m_textShown) {
        // The strip belongs to the questions.
        Aster1->hide();
        TextPanel1->raise();
        buttonBar->raise();
    }
}

void TInseTxt::paintRows(int lit) {
    for (int r = 0; r < kRows; ++r) {
        const QColor color = r + 1 == lit ? kAqua : kButtonFace;
        NrPanel[r]->setColor(color);
        AlternativPanel[r]->setColor(color);
    }
}

void TInseTxt::showCorrectAnswer() {
    m_showingAnswer = true;
    paintRows(m_rightRow);
    RattSvarLabel->setText(app::fromCp1252(m_state.fields[2]));
    RattSvarLabel->show();
}

bool TInseTxt::rowsAnswer() const {
    // While the text is shown, or the answer, or the bar, nothing is chosen.
    return !m_textShown && !m_showingAnswer && Edit1->isEnabled() && !buttonBar->isVisible() &&
           m_series.running();
}

void TInseTxt::PointAt(int row) {
    if (!rowsAnswer() || row > m_answers) return;
    paintRows(row);
}

void TInseTxt::pause() {
    if (!series().running()) return;
    escapeFromInput();
}

void TInseTxt::RaettTest(int row, Qt::MouseButton button) {
    if (button == Qt::RightButton) {
        if (!m_textShown) pause();
        return;
    }
    if (!rowsAnswer() || row < 1 || row > m_answers) return;
    const bool right = row == m_rightRow;
    closeInput();
    // A question has its place in the file, but a wrong answer here is not
    // practised again: there is no correction round.
    giveVerdict(right, false);
    if (!series().running()) SeTextButton->setEnabled(false);
}

void TInseTxt::showEvent(QShowEvent* event) {
    ExerciseWindow::showEvent(event);
    // The text comes first: the keyboard scrolls it from the start.
    if (m_textShown) Memo1->setFocus();
}

bool TInseTxt::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Memo1 && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        pause();
        return true;
    }
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Escape:
            pause();
            return true;
        case Qt::Key_Space:
            if (Timer1->isActive() || lastAnswerTimer->isActive()) series().skipDisplay();
            return true;
        case Qt::Key_1:
        case Qt::Key_2:
        case Qt::Key_3:
            RaettTest(key->key() - Qt::Key_0, Qt::LeftButton);
            Edit1->clear();
            return true;
        default:
            // Any other character is swallowed; keys without one (Tab, the
            // accelerators) go on.
            if (!key->text().isEmpty() && key->text().at(0).isPrint()) {
                Edit1->clear();
                return true;
            }
            break;
        }
    }
    for (int r = 0; r < kRows; ++r) {
        if (watched != NrPanel[r] && watched != AlternativPanel[r]) continue;
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
            PointAt(r + 1);
        } else if (event->type() == QEvent::MouseButtonPress) {
            RaettTest(r + 1, static_cast<QMouseEvent*>(event)->button());
            return true;
        }
    }
    return ExerciseWindow::eventFilter(watched, event);
}

std::vector<std::string> TInseTxt::shownTexts() const {
    std::vector<std::string> shown;
    for (int r = 0; r < m_answers; ++r)
        shown.push_back(m_state.fields[m_order[std::size_t(r)]]);
    return shown;
}

} // namespace glosbo::exercises
