#include "exercises/tsats.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <fstream>

#include "app/scaling.h"
#include "app/style.h"
#include "app/text_codec.h"
#include "core/data_fs.h"

namespace glosbo::exercises {

using namespace app::style;

namespace {

// A row of the sentence ends once a label reaches this x, in pixels of the
// screen whatever its size.
constexpr int kRowEnd = 560;
constexpr int kMostRows = 3;
// A placed part stands this far above its box.
constexpr int kAboveBox = 30;
constexpr int kPartPoints = 14;

Skeleton tsatsSkeleton() {
    Skeleton s;
    s.name = "TSats";
    s.title = "Satsdelar";
    s.lastAnswerTimerName = "Timer2";
    s.lamp = false;
    s.diagnosisBox = false;
    s.previewsKeys = true;
    s.resume = core::ResumeRule::CountsKept;
    return s;
}

QString boxCaption(int role) {
    const core::SentenceRole& r = core::kSentenceRoles[std::size_t(role - 1)];
    QString caption = app::fromCp1252(r.line1);
    if (*r.line2) caption += QLatin1Char('\n') + app::fromCp1252(r.line2);
    return caption;
}

QString roleName(int role) {
    const core::SentenceRole& r = core::kSentenceRoles[std::size_t(role - 1)];
    QString name = app::fromCp1252(r.line1);
    if (name.endsWith(QLatin1Char('-'))) name.chop(1);
    return name + app::fromCp1252(r.line2);
}

} // namespace

TSats::TSats(CreationToken, const app::WindowContext& context)
    : ExerciseWindow(context, tsatsSkeleton()) {
    buildOwnComponents();
}

void TSats::buildOwnComponents() {
    const int partPixels = pixelsForPoints(kPartPoints);
    for (int k = 1; k <= 6; ++k)
        Mell[k] = textLabel(this, QStringLiteral("Mell%1").arg(k).toLatin1().constData(), kBlack,
                            partPixels);
    for (int k = 1; k <= 2 * kParts; ++k) {
        QLabel* label = textLabel(this, QStringLiteral("Men%1").arg(k).toLatin1().constData(),
                                  k <= kParts ? kBlue : kBlack, partPixels);
        Men[k] = label;
        if (k <= kParts) {
            label->setMouseTracking(true);
            label->installEventFilter(this);
        }
    }
    for (int k = 1; k <= kParts; ++k) {
        auto* box = new app::Panel(this);
        box->setObjectName(QStringLiteral("Memo%1").arg(k));
        box->setColor(kYellow);
        box->setLowered(true);
        box->setSingleBorder(true);
        box->setCaptionColor(kBlack);
        box->setFont(pointFont(kPartPoints));
        box->hide();
        Memo[k] = box;
    }
    Shape1 = new Lamp(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setAccessibleName(QStringLiteral("Ljus"));
    Shape1->setColor(kLime);

    Label3 = textLabel(this, "Label3", kGreen, pixelsForPoints(12));
    Label3->show();
    Label1 = textLabel(this, "Label1", kBlack, partPixels);
    Label1->setText(QStringLiteral(" "));

    FelPanel = new app::Panel(this);
    FelPanel->setObjectName(QStringLiteral("FelPanel"));
    FelPanel->setColor(kMaroon);
    FelPanel->setCaptionColor(kYellow);
    FelPanel->setFont(pointFont(12));
    FelPanel->setCaption(QStringLiteral("Fel. Gör ett nytt försök!"));
    FelPanel->hide();

    NivPanel = new QWidget(this);
    NivPanel->setObjectName(QStringLiteral("NivPanel"));
    NivYtterShape = new app::Shape(NivPanel);
    NivYtterShape->setObjectName(QStringLiteral("NivYtterShape"));
    NivYtterShape->setBrushColor(kYellow);
    NivInnerShape = new app::Shape(NivPanel);
    NivInnerShape->setObjectName(QStringLiteral("NivInnerShape"));
    NivInnerShape->setBrushColor(kNavy);
    QFont times(QStringLiteral("Times New Roman"));
    times.setBold(true);
    times.setPixelSize(pixelsForPoints(18));
    NivLabel1 = new QLabel(QStringLiteral("Nivå"), NivPanel);
    NivLabel1->setObjectName(QStringLiteral("NivLabel1"));
    NivLabel2 = new QLabel(QStringLiteral("1"), NivPanel);
    NivLabel2->setObjectName(QStringLiteral("NivLabel2"));
    for (QLabel* label : {NivLabel1, NivLabel2}) {
        label->setFont(times);
        label->setAlignment(Qt::AlignCenter);
        setTextColor(label, kYellow);
    }
    Gauge1 = new Gauge(NivPanel);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setAccessibleName(QStringLiteral("Nivåer"));
    Gauge1->setColors(kNavy, kAqua);
    NivPanel->hide();

    setMouseTracking(true);
    disconnect(Button2, &QPushButton::clicked, this, nullptr);
    connect(Button2, &QPushButton::clicked, this, &TSats::ContinueClick);
    // Past the top of the levels the climb waits for "Fortsätta": the
    // settings leave the bar where it was.
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        if (m_levelMode && m_climb.topPassed()) openButtonBar();
    });
}

void TSats::setUpProgram() {
    m_program = core::sentencePartsProgram(m_state.programNumber);
    m_levelMode = m_program.levels && !worksheetMode();

    // The exercise's own headline stands whatever the file says.
    core::Headings& headings = m_state.files.headings;
    if (*m_program.headline1) {
        headings.lines = {m_program.headline1, m_program.headline2, ""};
    }

    FelPanel->hide();
    Label3->setText(QStringLiteral("För musen över meningen."));
    if (!m_levelMode) return;

    Button1->hide();
    layOutButtonBar();
    m_climb.start(0);
    if (const auto path = core::findDataFile(
            m_state.roots(), core::lineFileSubdirectory(m_state.files.currentExerciseFile) +
                                 m_state.files.currentExerciseFile)) {
        std::ifstream in(*path, std::ios::binary);
        m_levels.count(in, [](std::string_view record) {
            return core::Sentence::fromRecord(core::str_postarray(record)).has_value();
        });
    }
    for (int level = 1; level <= core::LevelFile::kMostLevels; ++level)
        if (m_levels.recordCount(level) > 0) m_levels.shuffle(level, m_state.random());
    m_climb.start(m_levels.levels());
    Gauge1->setMaxValue(std::max(1, m_levels.levels()));
    Gauge1->setProgress(1);
}

void TSats::placeQuestionControls() {
    const int m = letterUnit();
    const QRect outer = OverskriftYtterShape->geometry();
    const QFontMetrics metrics(Men[1]->font());
    m_labelHeight = metrics.height();
    m_marginLeft = outer.left();

    if (InstruktionsLabel->isVisibleTo(this)) {
        InstruktionsLabel->move(outer.left(), outer.bottom() + 1 + InstruktionsLabel->height() / 2);
        Label3->setGeometry(outer.left(),
                            InstruktionsLabel->geometry().bottom() + 1 +
                                InstruktionsLabel->height() / 2,
                            Aster1->x() - m - outer.left(), QFontMetrics(Label3->font()).height());
    } else {
        Label3->setGeometry(outer.left(), outer.bottom() + 1 + m_labelHeight,
                            Aster1->x() - m - outer.left(), QFontMetrics(Label3->font()).height());
    }
    m_rowTop = Label3->y() + 2 * m_labelHeight;

    layOutBoxes();
    if (m_levelMode) {
        layOutLevelBox();
        NivPanel->show();
        Aster1->hide();
    }
    if (worksheetMode()) {
        Shape1->hide();
        Label3->hide();
    }
}

void TSats::layOutBoxes() {
    const int m = letterUnit();
    const QSize screen = screenSize();
    const int boxHeight = 2 * QFontMetrics(Memo[1]->font()).height() + m;
    const int felHeight = QFontMetrics(FelPanel->font()).height() + m / 2;
    const int barHeight = (screen.height() / 48) * 4;
    const int top = screen.height() - boxHeight - felHeight - barHeight - 6 * m;

    const int light = 2 * m;
    Shape1->setGeometry(m_marginLeft, top + (boxHeight - light) / 2, light, light);
    const int left = m_marginLeft + light + m;
    const int room = Aster1->x() - m - left;
    // As wide as the longest line of a box, if five fit beside each other.
    const QFontMetrics boxText(Memo[1]->font());
    int longest = 0;
    for (const core::SentenceRole& role : core::kSentenceRoles)
        for (const char* line : {role.line1, role.line2})
            longest = std::max(longest, boxText.horizontalAdvance(app::fromCp1252(line)));
    const int width = std::min(longest + 2 * m, (room - 4 * m) / kParts);
    for (int k = 1; k <= kParts; ++k)
        Memo[k]->setGeometry(left + (k - 1) * (width + m), top, width, boxHeight);
    FelPanel->setGeometry(
        left, top + boxHeight + m,
        QFontMetrics(FelPanel->font()).horizontalAdvance(FelPanel->caption()) + 2 * m, felHeight);
}

void TSats::layOutLevelBox() {
    const QRect outer = OverskriftYtterShape->geometry();
    const int m = letterUnit();
    const int height = outer.height();
    const int innerWidth =
        QFontMetrics(NivLabel1->font()).horizontalAdvance(QStringLiteral("Nivå")) + 2 * m;
    const int gaugeWidth = m;
    const int width = 6 + innerWidth + 12 + gaugeWidth + 6;
    NivPanel->setGeometry(outer.right() + 1 + 2 * m, outer.top(), width, height);
    NivYtterShape->setGeometry(0, 0, width, height);
    NivInnerShape->setGeometry(6, 6, innerWidth, height - 12);
    Gauge1->setGeometry(6 + innerWidth + 12, 6, gaugeWidth, height - 12);
    const QRect inner = NivInnerShape->geometry();
    NivLabel1->setGeometry(inner.left(), inner.top(), inner.width(), inner.height() / 2);
    redrawLevelBox();
}

void TSats::redrawLevelBox() {
    const QRect inner = NivInnerShape->geometry();
    QFont font = NivLabel2->font();
    // Scaled as the window's designed fonts are.
    font.setPixelSize(app::mulDiv(pixelsForPoints(m_climb.levelPoints()), scalePercent(), 100));
    NivLabel2->setFont(font);
    // Past the top the box keeps showing the top level.
    const int level = std::min(m_climb.level(), std::max(1, m_climb.levels()));
    NivLabel2->setText(QString::number(level));
    NivLabel2->setGeometry(inner.left(), inner.top() + inner.height() / 2, inner.width(),
                           inner.height() - inner.height() / 2);
    NivLabel2->setAccessibleName(QStringLiteral("Nivå %1").arg(level));
    Gauge1->setProgress(level);
}

bool TSats::buildRecord() {
    if (!m_levelMode) return false;
    const int level = m_climb.level();
    const auto path = core::findDataFile(
        m_state.roots(), core::lineFileSubdirectory(m_state.files.currentExerciseFile) +
                             m_state.files.currentExerciseFile);
    // The level file counts only the records it can show.
    std::optional<std::string> line;
    if (path) {
        std::ifstream in(*path, std::ios::binary);
        line = m_levels.fetch(in, level);
    }
    m_state.files.currentRecordLine = line.value_or(std::string());
    m_state.fields = core::str_postarray(m_state.files.currentRecordLine);
    return true;
}

bool TSats::usableRecord(const core::RecordFields& fields) const {
    // A sentence whose marks cannot be cut, or that has nothing to place,
    // would leave the pupil nothing to finish; the file check reports it.
    return core::Sentence::fromRecord(fields).has_value();
}

void TSats::clearQuestion() {
    for (int k = 1; k <= 6; ++k) {
        Mell[k]->clear();
        Mell[k]->hide();
    }
    for (int k = 1; k <= 2 * kParts; ++k) {
        Men[k]->clear();
        Men[k]->hide();
        setTextColor(Men[k], k <= kParts ? kBlue : kBlack, kBtnFace);
    }
    for (int k = 1; k <= kParts; ++k) {
        Memo[k]->setColor(kYellow);
        Memo[k]->hide();
    }
}

void TSats::showQuestion() {
    m_dragPart = 0;
    m_byKey = false;
    m_keyTarget = 0;
    m_overBox = 0;
    m_current = 0;
    Shape1->setColor(kLime);
    m_hints.clearLocks();
    // The climb has its level box instead of the strip.
    if (m_levelMode) Aster1->hide();

    core::RecordFields fields = m_state.fields;
    // On worksheets a level file's record loses its level number.
    if (worksheetMode() && m_program.levels) fields.field[1] = core::withoutLevel(fields[1]);
    m_sentence = core::Sentence::fromRecord(fields);
    if (!m_sentence) return;
    flowSentence();
    showBoxes();
}

void TSats::flowSentence() {
    const core::SentenceSplit& split = m_sentence->split();
    const int space = QFontMetrics(Label1->font()).horizontalAdvance(Label1->text());
    const int rowStep = 3 * m_labelHeight / 2;
    int row = 0;
    int x = m_marginLeft;
    int previousEnd = m_marginLeft;
    const int rowRight = Aster1->x() - letterUnit();
    // The row end grows with the window's letters, so that a large screen
    // fills its rows as a small one does.
    const int rowEnd = app::mulDiv(kRowEnd, scalePercent(), 100);
    auto place = [&](QLabel* label, const std::string& text, bool between) {
        if (text.empty()) return;
        label->setText(app::fromCp1252(text));
        label->adjustSize();
        // A new row once the last one has reached the row end, or when the
        // label would run into the strip on a small screen. A full stop or
        // other mark after a part stays with it.
        const bool full = previousEnd >= rowEnd || x + label->width() > rowRight;
        if (full && !core::onlyPunctuation(text) && row + 1 < kMostRows &&
            previousEnd > m_marginLeft) {
            ++row;
            x = between ? m_marginLeft - space : m_marginLeft;
        }
        label->move(x, m_rowTop + row * rowStep);
        label->show();
        x += label->width();
        previousEnd = x;
    };
    for (int k = 1; k <= 6; ++k) {
        place(Mell[k], split.between[k], true);
        if (k > split.partCount) continue;
        place(Men[k], split.parts[k], false);
        // The black copy stays in the sentence when the part is placed.
        Men[k + kParts]->setText(Men[k]->text());
        Men[k + kParts]->setGeometry(Men[k]->geometry());
        Men[k + kParts]->show();
        Men[k]->raise();
        Men[k]->setAccessibleName(Men[k]->text());
        m_home[std::size_t(k)] = Men[k]->pos();
    }
}

void TSats::showBoxes() {
    const auto& boxes = m_sentence->boxes();
    for (int k = 1; k <= kParts; ++k) {
        app::Panel* box = Memo[k];
        if (k > int(boxes.size())) {
            box->hide();
            continue;
        }
        box->setCaption(boxCaption(boxes[std::size_t(k - 1)].role));
        box->setAccessibleName(
            QStringLiteral("Ruta %1: %2").arg(k).arg(roleName(boxes[std::size_t(k - 1)].role)));
        box->setColor(kYellow);
        box->show();
    }
    setBoxesEnabled(false);
}

void TSats::setBoxesEnabled(bool on) {
    for (int k = 1; k <= kParts; ++k)
        Memo[k]->setEnabled(on);
}

void TSats::showHint(std::optional<int> hint) {
    if (hint) Label3->setText(app::fromCp1252(core::kDragHints[std::size_t(*hint)]));
}

void TSats::setPartBackground(int part, const QColor& color) {
    const bool placed = m_sentence && m_sentence->isPlaced(part);
    setTextColor(Men[part], placed ? kBlack : kBlue, color);
}

void TSats::markCurrent(int part) {
    for (int k = 1; k <= kParts; ++k) {
        const bool placed = m_sentence && m_sentence->isPlaced(k);
        setPartBackground(k, k == part && !placed ? kAqua : kBtnFace);
    }
}

void TSats::PartMouseMove(int part) {
    if (worksheetMode() || m_dragPart != 0 || !m_sentence || part < 1 ||
        part > m_sentence->partCount())
        return;
    m_current = part;
    markCurrent(part);
    setBoxesEnabled(true);
    if (!m_sentence->isPlaced(part)) showHint(m_hints.ask(1));
}

void TSats::PartMouseDown(int part, QPoint windowPos) {
    if (worksheetMode() || !m_sentence || part < 1 || part > m_sentence->partCount()) return;
    // A finished sentence stays in sight while its answer display runs, but
    // it has been judged: nothing more is placed.
    if (buttonBar->isVisible() || m_sentence->finished()) return;
    if (m_current != part) PartMouseMove(part);
    FelPanel->hide();
    m_dragPart = part;
    m_byKey = false;
    m_overBox = 0;
    m_grab = windowPos - Men[part]->pos();
    Men[part]->raise();
    showHint(m_hints.ask(2));
}

int TSats::boxAt(QPoint windowPos) const {
    for (int k = 1; k <= kParts; ++k)
        if (Memo[k]->isVisible() && Memo[k]->geometry().contains(windowPos)) return k;
    return 0;
}

void TSats::dragMoveTo(QPoint windowPos) {
    Men[m_dragPart]->move(windowPos - m_grab);
    const int box = boxAt(windowPos);
    if (box == m_overBox) return;
    if (m_overBox != 0) showHint(m_hints.dragLeftBox());
    m_overBox = box;
    if (box != 0 && m_sentence && !m_sentence->received(box)) showHint(m_hints.ask(3));
}

void TSats::returnPart(int part) {
    Men[part]->move(m_home[std::size_t(part)]);
}

int TSats::aboveBox(const QLabel& part) const {
    // A placed part stands above its box and never on the box's text, also
    // when the letters are larger than designed.
    return std::max(app::mulDiv(kAboveBox, scalePercent(), 100), part.height() + letterUnit() / 4);
}

void TSats::placePart(int part, int box) {
    QLabel* label = Men[part];
    const QRect r = Memo[box]->geometry();
    label->move(r.left() + (r.width() - label->width()) / 2, r.top() - aboveBox(*label));
    m_home[std::size_t(part)] = label->pos();
    setTextColor(label, kBlack, kBtnFace);
    label->setAccessibleName(label->text() + QStringLiteral(" (") + Memo[box]->accessibleName() +
                             QLatin1Char(')'));
}

void TSats::dropOnBox(int box) {
    const int part = m_dragPart;
    if (part == 0 || !m_sentence) return;
    m_dragPart = 0;
    m_byKey = false;
    m_keyTarget = 0;
    m_overBox = 0;
    if (box == 0) {
        // Let go away from the boxes: the part goes back, nothing counts.
        returnPart(part);
    } else {
        switch (m_sentence->drop(part, box)) {
        case core::PartDrop::Placed:
            Shape1->setColor(kLime);
            Memo[box]->setColor(kAqua);
            placePart(part, box);
            break;
        case core::PartDrop::AlreadyPlaced:
            Shape1->setColor(kLime);
            returnPart(part);
            break;
        case core::PartDrop::Refused:
            returnPart(part);
            FelPanel->show();
            FelPanel->raise();
            Shape1->setColor(kRed);
            break;
        }
    }
    setBoxesEnabled(false);
    markCurrent(0);
    m_current = 0;
    if (m_sentence->finished()) Avklarad();
}

void TSats::Avklarad() {
    const bool right = m_sentence->clean();
    if (m_levelMode) {
        core::SeriesCounters& counts = m_state.series;
        if (right) {
            const bool top = m_climb.right();
            counts.correctCount = std::uint16_t(m_climb.run());
            if (top) {
                redrawLevelBox();
                m_sentence.reset();
                clearQuestion();
                Avslutning();
                RitaLovord("Grattis!",
                           "Du n\xE5"
                           "dde",
                           "\xE4nda upp.");
                return;
            }
        } else {
            m_climb.wrong();
            counts.correctCount = 0;
            ++counts.wrongCount;
        }
        redrawLevelBox();
        NyPost();
        return;
    }

    const core::Verdict verdict = m_series.judge(right);
    if (verdict.marksStrip) {
        const int square = verdict.answered > Aster1->maxAntalRutor() ? 0 : verdict.answered;
        Aster1->setRutNummer(square);
        if (!right) Aster1->setRatt(false);
        Aster1->setVisa(true);
        Aster1->update();
    }
    if (!verdict.seriesOver) {
        NyPost();
        return;
    }
    if (right) {
        Avslutning();
    } else {
        // The finished sentence stays in sight for the answer display.
        lastAnswerTimer->start();
    }
}

void TSats::ContinueClick() {
    if (m_levelMode && m_climb.topPassed()) {
        buttonBar->hide();
        BildPanelen->hide();
        LovordPanel->hide();
        m_climb.start(m_levels.levels());
        m_state.series.correctCount = 0;
        redrawLevelBox();
        NyPost();
        return;
    }
    Button2Click();
}

void TSats::openButtonBar() {
    buttonBar->show();
    buttonBar->raise();
    const bool correction = offersCorrection() && m_series.correctionAvailable();
    Button1->setEnabled(correction);
    if (correction)
        Button1->setFocus();
    else
        Button2->setFocus();
}

void TSats::tabToPart(int step) {
    if (!m_sentence || m_dragPart != 0) return;
    const int n = m_sentence->partCount();
    int part = m_current == 0 ? (step > 0 ? 1 : n) : (m_current - 1 + step + n) % n + 1;
    PartMouseMove(part);
}

void TSats::pickUpByKey() {
    if (m_current == 0 || !m_sentence) return;
    PartMouseDown(m_current, Men[m_current]->pos());
    if (m_dragPart == 0) return;
    m_byKey = true;
    carryTo(1);
}

void TSats::carryTo(int box) {
    if (!m_sentence) return;
    const int count = m_sentence->partsToPlace();
    if (box < 1 || box > count) return;
    m_keyTarget = box;
    const QRect r = Memo[box]->geometry();
    const QPoint over(r.center().x(), r.top() + 1);
    // Carried as a drag would carry it: held at its middle, over the box.
    m_grab = QPoint(Men[m_dragPart]->width() / 2, aboveBox(*Men[m_dragPart]));
    dragMoveTo(over);
}

core::WorksheetHeading TSats::worksheetHeading() const {
    const auto& lines = m_state.files.headings.lines;
    if (lines[0].empty()) return {m_program.worksheetTitle, {}};
    return core::writeAnswerHeading(lines, {}, {});
}

core::TaskLines TSats::worksheetTask(std::string_view prefix) {
    if (!m_sentence) return {};
    return core::sentencePartsTask(prefix, m_state.fields[1], *m_sentence);
}

bool TSats::FormKeyUp(QKeyEvent* event) {
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (m_dragPart != 0 && m_byKey) {
        switch (key) {
        case Qt::Key_Left:
            carryTo(m_keyTarget - 1);
            return true;
        case Qt::Key_Right:
            carryTo(m_keyTarget + 1);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            dropOnBox(m_keyTarget);
            return true;
        case Qt::Key_Escape:
            dropOnBox(0);
            return true;
        default:
            if (plain && key >= Qt::Key_1 && key <= Qt::Key_5) {
                carryTo(key - Qt::Key_0);
                return true;
            }
            return true; // nothing else while a part is carried
        }
    }
    if (key == Qt::Key_Escape) {
        if (buttonBar->isVisible())
            Button3Click();
        else if (!pauseAnswerDisplay())
            openButtonBar();
        return true;
    }
    if (buttonBar->isVisible() || worksheetMode()) return false;
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        tabToPart(key == Qt::Key_Tab ? 1 : -1);
        return true;
    }
    if (key == Qt::Key_Space && plain && m_current != 0 && m_dragPart == 0 &&
        !lastAnswerTimer->isActive()) {
        pickUpByKey();
        return true;
    }
    return false;
}

bool TSats::event(QEvent* event) {
    // Tab goes from part to part rather than from control to control.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && FormKeyUp(key))
            return true;
    }
    return ExerciseWindow::event(event);
}

bool TSats::eventFilter(QObject* watched, QEvent* event) {
    int part = 0;
    for (int k = 1; k <= kParts; ++k)
        if (watched == Men[k]) part = k;
    if (part != 0) {
        const auto type = event->type();
        if (type == QEvent::MouseMove || type == QEvent::MouseButtonPress ||
            type == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint pos = mapFromGlobal(mouse->globalPosition().toPoint());
            if (type == QEvent::MouseButtonPress) {
                if (mouse->button() == Qt::LeftButton) PartMouseDown(part, pos);
                return true;
            }
            if (type == QEvent::MouseMove) {
                if (m_dragPart == part && !m_byKey)
                    dragMoveTo(pos);
                else if (m_dragPart == 0)
                    PartMouseMove(part);
                return true;
            }
            if (mouse->button() == Qt::LeftButton && m_dragPart == part && !m_byKey)
                dropOnBox(boxAt(pos));
            return true;
        }
    }
    return ExerciseWindow::eventFilter(watched, event);
}

void TSats::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (m_dragPart != 0) {
        if (!m_byKey) dragMoveTo(pos);
        return;
    }
    if (worksheetMode()) return;
    if (const int box = boxAt(pos)) {
        showHint(m_hints.ask(0));
        if (box <= 2 && m_current != 0) Label3->setText(QStringLiteral("Släpp upp musknappen"));
        return;
    }
    m_current = 0;
    markCurrent(0);
    showHint(m_hints.overBackground());
}

void TSats::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && !worksheetMode()) {
        // The correction round is gone for the rest of the window's life.
        m_button1Gone = true;
        Button1->hide();
        Button1->setEnabled(false);
        layOutButtonBar();
        if (!pauseAnswerDisplay()) openButtonBar();
        return;
    }
    ExerciseWindow::mousePressEvent(event);
}

void TSats::mouseReleaseEvent(QMouseEvent* event) {
    if (m_dragPart != 0 && !m_byKey && event->button() == Qt::LeftButton) {
        dropOnBox(boxAt(event->position().toPoint()));
        return;
    }
    setBoxesEnabled(false);
    showHint(m_hints.ask(0));
    ExerciseWindow::mouseReleaseEvent(event);
}

} // namespace glosbo::exercises
