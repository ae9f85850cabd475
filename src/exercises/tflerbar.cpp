#include "exercises/tflerbar.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "app/scaling.h"
#include "app/style.h"
#include "app/text_codec.h"
#include "core/sounds.h"

namespace glosbo::exercises {

using namespace app::style;

namespace {

// Bounds, in design pixels, that a sentence is wrapped to.
constexpr int kSentenceLeft = 30;
constexpr int kSentenceRight = 580;

// Box words never shrink below this size to fit the row: eight words of
// ten letters then still fit beside the strip of an 800 x 600 screen.
constexpr int kSmallestBoxPixels = 10;

// The boxes of alternatives 1 to 8; there is no Panel7.
constexpr std::array<const char*, core::AlternativeWords::kShown> kBoxNames = {
    "Panel2", "Panel3", "Panel4", "Panel5", "Panel6", "Panel8", "Panel9", "Panel10"};

Skeleton tflerbarSkeleton() {
    Skeleton s;
    s.name = "TFLERBAR";
    s.title = "Välj rätt ord";
    s.buttonBarName = "Escapepanel";
    s.lamp = false;
    s.previewsKeys = true;
    s.wordSound = true;
    s.completion = core::CompletionRule::TwelveOfTwenty;
    return s;
}

} // namespace

TFLERBAR::TFLERBAR(CreationToken, const app::WindowContext& context)
    : ClickBoxWindow(context, tflerbarSkeleton(),
                     {.escFreezesBoxes = false,
                      .rightClickFreezesBoxes = true,
                      .rightClickLeavesTest = true}) {
    buildOwnComponents();
}

void TFLERBAR::buildOwnComponents() {
    Label4 = textLabel(this, "Label4", kNavy);
    Label5 = textLabel(this, "Label5", kBlue);
    Label6 = textLabel(this, "Label6", kNavy);
    Label8 = textLabel(this, "Label8", kNavy);
    KorrektSvarLabel = textLabel(this, "KorrektSvarLabel", kBlue);
    EfterdelLabel = textLabel(this, "EfterdelLabel", kNavy);
    TestLabel = textLabel(this, "TestLabel", kNavy);
    EngLabel = textLabel(this, "EngLabel", kBlue);
    EngLabel->setFont(arialBold(19));
    Label5->setAccessibleName(QStringLiteral("Lucka"));

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAccessibleName(QStringLiteral("Ord att välja bland"));
    Panel1->setFocusPolicy(Qt::StrongFocus);
    Panel1->setGeometry(30, 240, 500, 40);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        auto* box = new ChoiceBox(int(i) + 2, Panel1);
        box->setObjectName(QString::fromLatin1(kBoxNames[i]));
        box->setFont(arialBold(14));
        box->hide();
        connect(box, &ChoiceBox::pointed, this, &TFLERBAR::PanelMouseMove);
        connect(box, &ChoiceBox::pressed, this, &TFLERBAR::RaettTest);
        boxes[i] = box;
    }
    Panel1->hide();

    // After "Fortsätta" the word of the question is heard again, whether
    // the series goes on or a new one starts.
    connect(Button2, &QPushButton::clicked, this, [this] {
        if (m_state.runMode == core::RunMode::Practice) wordSound->playSoon();
    });
}

void TFLERBAR::setUpProgram() {
    const std::uint16_t program = m_state.programNumber;
    m_program = core::choiceProgram(program);
    wordSound->setSoundExercise(m_program.wordSound);
    const QFont font = pointFont(m_program.questionPoints);
    for (QWidget* w : std::initializer_list<QWidget*>{Label4, Label5, Label6, Label8,
                                                      KorrektSvarLabel, EfterdelLabel, TestLabel})
        w->setFont(font);
    if (!m_program.recordAlternatives)
        core::Hittapreppar(m_state.roots(), m_state.files.currentExerciseFile, m_words);
    m_left = app::mulDiv(24, m_state.screen.scalePercent(), 100);
    m_rowLeft = app::mulDiv(30, m_state.screen.scalePercent(), 100);
}

int TFLERBAR::lineHeight() const {
    return QFontMetrics(Label4->font()).height();
}

void TFLERBAR::placeQuestionControls() {
    const int m = letterUnit();
    const QRect outer = OverskriftYtterShape->geometry();
    InstruktionsLabel->move(InstruktionsLabel->x(), outer.bottom() + 1 + 4);

    // The translation just above the button bar, the rule and repeat
    // buttons above it.
    const QRect instruction = InstruktionsLabel->geometry();
    const int engHeight = QFontMetrics(EngLabel->font()).height();
    const int engTop = buttonBar->y() - 5 - engHeight;
    EngLabel->setGeometry(instruction.left(), engTop, Aster1->x() - m - instruction.left(),
                          engHeight);
    const int buttonHeight = std::max(BitBtn2->height(), BitBtn2->sizeHint().height());
    const QFontMetrics buttonText(BitBtn2->font());
    const int buttonTop = engTop - m / 2 - buttonHeight;
    BitBtn2->setGeometry(instruction.left(), buttonTop,
                         std::max(BitBtn2->width(), buttonText.horizontalAdvance("Regel") + 3 * m),
                         buttonHeight);
    // Beside the rule button, or in its place in the exercises without one.
    const int repeatLeft =
        m_program.ruleButton ? BitBtn2->geometry().right() + 1 + 2 * m : BitBtn2->x();
    UpprepaButton->setGeometry(repeatLeft, buttonTop,
                               buttonText.horizontalAdvance(UpprepaButton->text()) + 3 * m,
                               buttonHeight);
    const bool repeat = wordSound->soundExercise() && m_state.settings.playsWords();
    UpprepaButton->setVisible(repeat && !worksheetMode());
    UpprepaButton->setEnabled(repeat);
    BitBtn2->hide();
}

void TFLERBAR::clearQuestion() {
    for (QLabel* label :
         {Label4, Label5, Label6, Label8, KorrektSvarLabel, EfterdelLabel, EngLabel}) {
        label->clear();
        label->hide();
    }
    wordSound->stop();
}

void TFLERBAR::showQuestion() {
    const std::uint16_t program = m_state.programNumber;
    const std::string& sentence = m_state.fields[1];
    m_rightWord = core::LetaPrep(sentence)[2];

    // The rows below the instruction line: the sentence on one row, or on
    // two with the gap on the row where its marked word is; the boxes below.
    const QRect instruction = InstruktionsLabel->geometry();
    const int h = lineHeight();
    const int top2 = instruction.top() + 3 * instruction.height() / 2;
    const int top1 = top2 + 4 * h / 3;
    int rowTop = top1 + 3 * h / 2;

    // The sentence is wrapped in the font it is shown in, so that a long
    // one takes a second line rather than running under the strip.
    const int points = m_program.questionPoints;
    const auto measure = m_services.measure.widthFunction();
    core::WrapContext wrap{[&](std::string_view text, int) { return measure(text, points); },
                           screenSize().width(), program};
    auto lines =
        core::dela_mening(kSentenceLeft, kSentenceRight, 2, core::protectGapSpaces(sentence), wrap);
    for (std::string& line : lines)
        line = core::restoreGapSpaces(line);

    std::string gapLine = lines[1];
    int boxTop = 0;
    if (lines[2].empty()) {
        boxTop = rowTop + 3 * h / 2;
    } else if (core::FinnsPrep(lines[1])) {
        Label8->setText(app::fromCp1252(lines[2]));
        Label8->setGeometry(m_left, rowTop + 4 * h / 3, Label8->sizeHint().width(), h);
        boxTop = Label8->y() + 3 * h / 2;
    } else {
        Label8->setText(app::fromCp1252(lines[1]));
        Label8->setGeometry(m_left, top1 + 4 * h / 3, Label8->sizeHint().width(), h);
        rowTop = Label8->y() + 4 * h / 3;
        gapLine = lines[2];
        boxTop = rowTop + 3 * h / 2;
    }
    Label8->setVisible(!lines[2].empty());

    m_caseOffset = core::caseOffset(m_rightWord, m_program.recordAlternatives);
    if (m_program.recordAlternatives)
        core::takeRecordAlternatives(m_state.fields, m_rightWord, m_words);
    layOutBoxes(boxTop);
    layOutSentence(rowTop, gapLine);
    TestLabel->setText(app::fromCp1252(m_rightWord));

    for (ChoiceBox* box : boxes)
        box->setEnabled(!worksheetMode());
    const bool rule = m_program.ruleButton && !worksheetMode();
    BitBtn2->setVisible(rule);
    BitBtn2->setEnabled(rule);
    UpprepaButton->setEnabled(m_state.settings.playsWords());
    showTranslation();
    if (m_state.runMode == core::RunMode::Practice) wordSound->playSoon();
}

void TFLERBAR::layOutSentence(int rowTop, const std::string& line) {
    const auto parts = core::LetaPrep(line);
    const int h = lineHeight();
    Label4->setText(app::fromCp1252(parts[1]));
    Label4->setGeometry(m_left, rowTop,
                        QFontMetrics(Label4->font()).horizontalAdvance(Label4->text()) + 1, h);
    Label5->setText(QStringLiteral("?"));
    Label5->move(Label4->geometry().right() + 1, rowTop);
    Label6->setText(app::fromCp1252(parts[3]));
    placeAfterGap(Label5, Label6);

    KorrektSvarLabel->setText(app::fromCp1252(m_rightWord));
    KorrektSvarLabel->move(Label5->pos());
    EfterdelLabel->setText(Label6->text());
    placeAfterGap(KorrektSvarLabel, EfterdelLabel);

    for (QLabel* label : {Label4, Label5, Label6})
        label->show();
}

void TFLERBAR::placeAfterGap(QLabel* gap, QLabel* after) {
    const QFontMetrics text(gap->font());
    gap->resize(text.horizontalAdvance(gap->text()) + 1, lineHeight());
    after->setGeometry(gap->geometry().right() + 1, gap->y(),
                       text.horizontalAdvance(after->text()) + 1, lineHeight());
}

void TFLERBAR::layOutBoxes(int top) {
    const int shown = m_words.shownCount();
    QStringList words;
    for (int i = 1; i <= shown; ++i)
        words << app::fromCp1252(m_words.shown(i, m_caseOffset));

    // Eight long words would run under the strip: the boxes' font then
    // shrinks until the row fits.
    const int room = Aster1->x() - letterUnit() - m_rowLeft;
    QFont font = pointFont(m_program.questionPoints);
    const auto rowWidth = [&](const QFontMetrics& text) {
        int width = 0;
        for (const QString& word : words)
            width += 3 * text.horizontalAdvance(QLatin1Char('A')) + text.horizontalAdvance(word);
        return width;
    };
    while (rowWidth(QFontMetrics(font)) > room && font.pixelSize() > kSmallestBoxPixels)
        font.setPixelSize(font.pixelSize() - 1);

    const QFontMetrics text(font);
    const int margin = text.horizontalAdvance(QStringLiteral("AA"));
    const int gap = text.horizontalAdvance(QStringLiteral("A"));
    const int height = text.height() * 3 / 2;
    int left = 0;
    for (int i = 0; i < int(boxes.size()); ++i) {
        ChoiceBox* box = boxes[std::size_t(i)];
        box->setHighlighted(false);
        if (i >= shown) {
            box->hide();
            continue;
        }
        box->setFont(font);
        box->setCaption(words[i]);
        left += gap;
        const int width = text.horizontalAdvance(words[i]) + margin;
        box->setGeometry(left, 0, width, height);
        box->show();
        left += width;
    }
    Panel1->setGeometry(m_rowLeft, top, std::max(left, 1), height);
}

void TFLERBAR::showTranslation() {
    EngLabel->hide();
    if (!m_program.translated) return;
    // The list may hold the record's first field as it stands; it normally
    // holds the word that is spoken, the one the gap lies in.
    const std::string& sentence = m_state.fields[1];
    auto translation = m_state.translationOf(sentence);
    if (!translation) translation = m_state.translationOf(core::wordAroundGap(sentence));
    if (!translation) return;
    EngLabel->setText(app::fromCp1252(*translation));
    EngLabel->show();
}

void TFLERBAR::PanelMouseMove(int box) {
    for (ChoiceBox* b : boxes)
        b->setHighlighted(b->number() == box);
    if (!m_showingAnswer && Label5->isVisible()) {
        Label5->setText(app::fromCp1252(m_words.shown(box - 1, m_caseOffset)));
        placeAfterGap(Label5, Label6);
    }
    m_showingAnswer = false;
}

void TFLERBAR::RaettTest(int box, Qt::MouseButton button) {
    BitBtn2->setEnabled(false);
    if (button == Qt::RightButton) {
        rightClickOnBox();
        return;
    }
    if (button != Qt::LeftButton || !Panel1->isEnabled() || !series().running()) return;
    const bool right = core::isRightChoice(m_words.shown(box - 1, m_caseOffset), m_rightWord);
    if (right) m_showingAnswer = false;
    giveVerdict(right);
    if (right && !series().running()) {
        Panel1->hide();
        BitBtn2->hide();
    }
}

core::WorksheetHeading TFLERBAR::worksheetHeading() const {
    return core::chooseAlternativeHeading(
        m_state.files.headings.lines, m_state.worksheets.title(),
        core::fileAlternatives(m_words, m_program.recordAlternatives));
}

core::TaskLines TFLERBAR::worksheetTask(std::string_view prefix) {
    const int points = m_program.questionPoints;
    const auto measure = m_services.measure.widthFunction();
    core::WrapContext wrap{[&](std::string_view text, int) { return measure(text, points); },
                           screenSize().width(), m_state.programNumber};
    const auto lines = core::worksheetQuestionLines(m_state.fields[1], core::kWorksheetLeft,
                                                    core::kChoiceWorksheetRight, wrap, true);
    return core::chooseAlternativeTask(prefix, lines, m_words, m_caseOffset,
                                       m_program.recordAlternatives);
}

void TFLERBAR::showCorrectAnswer() {
    m_showingAnswer = true;
    UpprepaButton->setEnabled(false);
    BitBtn2->setEnabled(false);
    Label5->hide();
    Label6->hide();
    closeInput();
    Panel1->hide();
    KorrektSvarLabel->show();
    EfterdelLabel->show();
}

void TFLERBAR::enableHelpButtons() {
    BitBtn2->setEnabled(true);
}

void TFLERBAR::afterRulePage() {
    if (series().running()) Panel1->show();
}

std::vector<std::string> TFLERBAR::shownTexts() const {
    std::vector<std::string> shown;
    for (int i = 1; i <= m_words.shownCount(); ++i)
        shown.push_back(m_words.shown(i, m_caseOffset));
    return shown;
}

} // namespace glosbo::exercises
