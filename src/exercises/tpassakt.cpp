#include "exercises/tpassakt.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "app/style.h"
#include "app/text_codec.h"
#include "core/wrap.h"

namespace glosbo::exercises {

using namespace app::style;

namespace {

// Bounds, in design pixels, that an item is wrapped to.
constexpr int kItemLeft = 20;
constexpr int kItemRight = 500;

// Texts never shrink below this size to fit the screen.
constexpr int kSmallestPoints = 10;

int advance(const QLabel* label, const QString& text) {
    return QFontMetrics(label->font()).horizontalAdvance(text);
}

Skeleton tpassaktSkeleton() {
    Skeleton s;
    s.name = "TPassAkt";
    s.title = "Klicka på rätt ruta";
    s.buttonBarName = "EscapePanel";
    s.lastAnswerTimerName = "Timer2";
    s.lamp = false;
    s.previewsKeys = true;
    s.wordSound = true;
    s.resume = core::ResumeRule::CountsKept;
    return s;
}

} // namespace

TPassAkt::TPassAkt(CreationToken, const app::WindowContext& context)
    : ClickBoxWindow(context, tpassaktSkeleton(),
                     {.escFreezesBoxes = true,
                      .rightClickFreezesBoxes = false,
                      .rightClickLeavesTest = false}) {
    buildOwnComponents();
}

void TPassAkt::buildOwnComponents() {
    // 22 pt until the program's own sizes are set.
    const int itemPixels = pixelsForPoints(22);
    Label3 = textLabel(this, "Label3", kBlue, itemPixels);
    Label4 = textLabel(this, "Label4", kBlue, itemPixels);
    Label5 = textLabel(this, "Label5", kGreen, itemPixels);
    Label6 = textLabel(this, "Label6", kBlue, itemPixels);
    Label7 = textLabel(this, "Label7", kMaroon, itemPixels);
    Label4->setText(QStringLiteral("Hj"));

    Panel1 = new app::Panel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAccessibleName(QStringLiteral("Rutor att klicka på"));
    Panel1->setColor(kSilver);
    Panel1->setGeometry(26, 200, 400, 50);
    for (int i = 0; i < core::kMostCategories; ++i) {
        auto* box = new ChoiceBox(i + 2, Panel1);
        box->setObjectName(QStringLiteral("Panel%1").arg(i + 2));
        box->setCaptionColor(kMaroon);
        box->hide();
        connect(box, &ChoiceBox::pointed, this, &TPassAkt::PanelMouseMove);
        connect(box, &ChoiceBox::pressed, this, &TPassAkt::RaettTest);
        boxes[i] = box;
    }
    Panel1->hide();

    templabel = new QLabel(this);
    templabel->setObjectName(QStringLiteral("templabel"));
    templabel->hide();

    EngLabel = new QLabel(this);
    EngLabel->setObjectName(QStringLiteral("EngLabel"));
    EngLabel->setFont(pointFont(16));
    EngLabel->setTextFormat(Qt::PlainText);
    setTextColor(EngLabel, kBlue);
    EngLabel->hide();
}

void TPassAkt::setUpProgram() {
    m_program = core::categoryProgram(m_state.programNumber);
    wordSound->setSoundExercise(m_program.soundExercise);

    for (QLabel* label : {Label3, Label4, Label5, Label6})
        label->setFont(pointFont(m_program.itemPoints));
    Label7->setFont(pointFont(m_program.explanationPoints));
    templabel->setFont(pointFont(m_program.measurePoints));
    for (ChoiceBox* box : boxes)
        box->setFont(pointFont(m_program.boxPoints));
}

int TPassAkt::boxHeight() const {
    return m_lineHeight + letterUnit() / 4;
}

void TPassAkt::placeQuestionControls() {
    const int m = letterUnit();
    const QRect outer = OverskriftYtterShape->geometry();
    const int instructionTop = core::hasShortSeries(m_state.runMode)
                                   ? outer.top() + outer.height() + InstruktionsLabel->height() / 2
                                   : outer.top() + outer.height() + 4;
    InstruktionsLabel->move(outer.left() - m / 2, instructionTop);
    const QRect instruction = InstruktionsLabel->geometry();
    const int left = instruction.left();
    const int contentRight = Aster1->x() - m;

    m_lineHeight = QFontMetrics(Label4->font()).height();
    m_itemTop = instruction.top() + 2 * instruction.height();
    const int rowTop = m_itemTop + 11 * m_lineHeight / 4;
    Panel1->setGeometry(left, rowTop, Panel1->width(), boxHeight() + m);

    const int explanationHeight = QFontMetrics(Label7->font()).height();
    const int explanationTop = rowTop + Panel1->height() + 2 * explanationHeight / 3;
    Label7->setGeometry(left, explanationTop, contentRight - left, explanationHeight);

    // "Regel" and "Upprepa ordet" side by side below the explanation.
    const QFontMetrics buttonText(BitBtn2->font());
    const int buttonHeight = std::max(Button2->height(), BitBtn2->sizeHint().height());
    const int buttonTop = explanationTop + 3 * explanationHeight / 2;
    BitBtn2->setGeometry(left, buttonTop,
                         buttonText.horizontalAdvance(QStringLiteral("Regel")) + 4 * m,
                         buttonHeight);
    BitBtn2->setVisible(m_program.ruleButton && !worksheetMode());
    const int repeatLeft =
        BitBtn2->isVisibleTo(this) ? BitBtn2->geometry().right() + 1 + 2 * m : left;
    const QFontMetrics repeatText(UpprepaButton->font());
    UpprepaButton->setGeometry(
        repeatLeft, buttonTop,
        repeatText.horizontalAdvance(QStringLiteral("Upprepa ordet  -- F2")) + 4 * m, buttonHeight);
    UpprepaButton->setVisible(wordSound->active() && !worksheetMode());

    EngLabel->move(left, buttonBar->y() - 5 - QFontMetrics(EngLabel->font()).height());
}

void TPassAkt::clearQuestion() {
    Label7->hide();
    for (QLabel* label : {Label3, Label4, Label5, Label6}) {
        label->clear();
        label->hide();
    }
}

bool TPassAkt::usableRecord(const core::RecordFields& fields) const {
    // A record without categories would leave the pupil nothing to click and
    // no way on; the next record is asked instead. The file check reports
    // such records.
    return !core::categoryTable(fields).empty();
}

void TPassAkt::showQuestion() {
    highlightBox(0);
    showItem();

    m_categories = core::categoryTable(m_state.fields);
    layOutBoxes();
    Panel1->show();
    if (worksheetMode()) Panel1->setEnabled(false);

    UpprepaButton->setEnabled(wordSound->active());
    BitBtn2->setEnabled(true);
    showTranslation();
    if (m_state.runMode == core::RunMode::Practice) wordSound->playSoon();
}

core::WorksheetHeading TPassAkt::worksheetHeading() const {
    const core::Headings& headings = m_state.files.headings;
    return core::clickCategoryHeading(headings.lines, headings.worksheetInstruction);
}

core::TaskLines TPassAkt::worksheetTask(std::string_view prefix) {
    core::WrapContext wrap{m_services.measure.widthFunction(), screenSize().width(),
                           m_state.programNumber};
    const auto lines = core::worksheetQuestionLines(m_state.fields[1], core::kWorksheetLeft,
                                                    core::kCategoryWorksheetRight, wrap, false);
    return core::clickCategoryTask(prefix, lines, m_state.fields[2]);
}

void TPassAkt::showItem() {
    const std::string& item = m_state.fields[1];
    core::WrapContext wrap{m_services.measure.widthFunction(), screenSize().width(),
                           m_state.programNumber};
    const auto lines = core::dela_mening(kItemLeft, kItemRight, 2, item, wrap);
    const bool twoLines = !lines[2].empty();
    const int left = InstruktionsLabel->x();
    const int contentRight = Aster1->x() - letterUnit();
    const int h = m_lineHeight;
    const auto hasMark = [](const std::string& line) {
        return line.find('<') != std::string::npos;
    };
    // A line without the mark; a wrap inside the mark leaves half of it here.
    const auto plainLine = [&](const std::string& line, int top) {
        Label3->setText(app::fromCp1252(core::unmarkedItem(line)));
        Label3->setGeometry(left, top, contentRight - left, h);
        Label3->show();
    };
    // Before, marked part in green, after: one label right after the other.
    const auto markedLine = [&](const std::string& line, int top) {
        const auto parts = core::LetaPrep(line);
        const QString before = app::fromCp1252(parts[1]);
        const QString marked = app::fromCp1252(parts[2]);
        const QString after = app::fromCp1252(parts[3]);
        Label4->setText(before);
        Label5->setText(marked);
        Label6->setText(after);
        const int markedLeft = left + advance(Label4, before);
        const int afterLeft = markedLeft + advance(Label5, marked);
        Label4->setGeometry(left, top, markedLeft - left + 1, h);
        Label5->setGeometry(markedLeft, top, afterLeft - markedLeft + 1, h);
        Label6->setGeometry(afterLeft, top, std::max(1, contentRight - afterLeft), h);
        for (QLabel* label : {Label4, Label5, Label6})
            label->show();
    };

    const int T = m_itemTop;
    if (hasMark(item)) {
        if (!twoLines) {
            markedLine(lines[1], T);
        } else if (hasMark(lines[1])) {
            markedLine(lines[1], T);
            plainLine(lines[2], T + 4 * h / 3);
        } else {
            plainLine(lines[1], T);
            markedLine(lines[2], T + 4 * h / 3);
        }
    } else if (!twoLines) {
        plainLine(lines[1], T);
    } else {
        const QRect instruction = InstruktionsLabel->geometry();
        const int top = instruction.top() + 3 * instruction.height() / 2;
        Label4->setText(app::fromCp1252(lines[1]));
        Label4->setGeometry(left, top, contentRight - left, h);
        Label4->show();
        plainLine(lines[2], top + 4 * h / 3);
    }
}

void TPassAkt::layOutBoxes() {
    const int m = letterUnit();
    const int room = Aster1->x() - m - Panel1->x();
    const int count = int(m_categories.size());
    // Measured in the measuring font; a row too long for the screen is
    // measured and drawn smaller until it fits.
    int measurePoints = m_program.measurePoints;
    int boxPoints = m_program.boxPoints;
    std::vector<int> widths(count);
    int total = 0;
    for (;;) {
        total = 0;
        for (int i = 0; i < count; ++i) {
            widths[i] = textWidth(m_categories[i], measurePoints) + m;
            total += widths[i] + m;
        }
        if (m / 2 + m + total <= room || boxPoints <= kSmallestPoints) break;
        --measurePoints;
        --boxPoints;
    }
    int left = m;
    for (int i = 0; i < core::kMostCategories; ++i) {
        ChoiceBox* box = boxes[i];
        if (i >= count) {
            box->hide();
            continue;
        }
        box->setFont(pointFont(boxPoints));
        box->setCaption(app::fromCp1252(m_categories[i]));
        box->setGeometry(left, m / 2, widths[i] + 4, boxHeight());
        box->show();
        left += widths[i] + m;
    }
    Panel1->resize(m / 2 + m + total, boxHeight() + m);
}

void TPassAkt::highlightBox(int index) {
    for (int i = 0; i < core::kMostCategories; ++i)
        boxes[i]->setHighlighted(i == index);
}

void TPassAkt::showTranslation() {
    EngLabel->hide();
    if (!m_program.translated || m_state.settings.soundTranslation() == 0) return;
    // The lists hold the words without the marks of the item.
    const auto translation = m_state.translationOf(core::unmarkedItem(m_state.fields[1]));
    if (!translation) return;
    EngLabel->setText(app::fromCp1252(*translation));
    EngLabel->adjustSize();
    EngLabel->show();
}

void TPassAkt::showCorrectAnswer() {
    UpprepaButton->setEnabled(false);
    BitBtn2->setEnabled(false);
    const std::string right = core::categoryCaption(m_state.fields[2]);
    for (int i = 0; i < core::kMostCategories; ++i)
        boxes[i]->setHighlighted(i < int(m_categories.size()) && m_categories[i] == right);

    const std::string explanation =
        core::categoryExplanation(m_state.programNumber, m_state.fields);
    // A long sentence is made smaller rather than cut off at the strip.
    int points = m_program.explanationPoints;
    while (points > kSmallestPoints && textWidth(explanation, points) > Label7->width())
        --points;
    Label7->setFont(pointFont(points));
    Label7->setText(app::fromCp1252(explanation));
    Label7->show();
    Panel1->setEnabled(false);
}

bool TPassAkt::showsPictureIn(core::RunMode runMode) const {
    return runMode == core::RunMode::Practice || runMode == core::RunMode::DiagnosisPracticeErrors;
}

void TPassAkt::enableHelpButtons() {
    BitBtn2->setEnabled(true);
}

void TPassAkt::PanelMouseMove(int box) {
    // A frozen row keeps its light: the right box after a wrong click.
    if (!Panel1->isEnabled()) return;
    highlightBox(box - 2);
}

void TPassAkt::RaettTest(int box, Qt::MouseButton button) {
    if (button == Qt::RightButton) {
        rightClickOnBox();
        return;
    }
    const int index = box - 2;
    if (button != Qt::LeftButton || index < 0 || index >= int(m_categories.size())) return;
    if (!Panel1->isEnabled() || !Panel1->isVisible() || worksheetMode()) return;
    wordSound->stop();
    giveVerdict(core::isRightCategory(m_state.fields, m_categories[index]));
}

bool TPassAkt::chooseByKey(const QKeyEvent* event) {
    const int key = event->key();
    if (key < Qt::Key_1 || key >= Qt::Key_1 + m_program.digitKeys ||
        (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    // Only while a box could be clicked: never twice for one question.
    RaettTest(key - Qt::Key_1 + 2, Qt::LeftButton);
    return true;
}

} // namespace glosbo::exercises
