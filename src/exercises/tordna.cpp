#include "exercises/tordna.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "app/scaling.h"
#include "app/style.h"
#include "app/text_codec.h"
#include "core/put_in_order.h"

namespace glosbo::exercises {

using namespace app::style;

namespace {

constexpr int kItemHeight = 29;
constexpr int kListPoints = 18;

const char* const kHelpLines[] = {
    "  Gör så här:",
    "",
    "1. Tryck ner vänster musknapp på ",
    "    namnet du vill flytta.",
    "2. Håll knappen nedtryckt och dra ",
    "    musen till önskad plats.",
    "3. Släpp upp knappen och namnet ",
    "    flyttas dit.",
    "    OBS!",
    "    Du kan inte flytta namn till plats",
    "    som är under listan.  ",
};

Skeleton tordnaSkeleton() {
    Skeleton s;
    s.name = "TOrdna";
    s.title = "Ordna";
    s.lastAnswerTimerName = "Timer2";
    s.lamp = false;
    s.diagnosisBox = false;
    s.worksheetBar = false;
    s.previewsKeys = true;
    s.resume = core::ResumeRule::CountsKept;
    return s;
}

QListWidget* makeList(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(accessibleName);
    list->setFont(pointFont(kListPoints));
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setDragDropMode(QAbstractItemView::NoDragDrop);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextColor(list, kBlack);
    return list;
}

app::Panel* makePanel(QWidget* parent, const char* name) {
    auto* panel = new app::Panel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setColor(kSilver);
    panel->setBevelWidth(2);
    return panel;
}

} // namespace

TOrdna::TOrdna(CreationToken, const app::WindowContext& context)
    : ExerciseWindow(context, tordnaSkeleton()) {
    buildOwnComponents();
}

void TOrdna::buildOwnComponents() {
    ListPanel1 = makePanel(this, "ListPanel1");
    ListBox1 = makeList(ListPanel1, "ListBox1", QStringLiteral("Namnen att ordna"));
    ListBox1->viewport()->installEventFilter(this);
    ListPanel2 = makePanel(this, "ListPanel2");
    ListBox2 = makeList(ListPanel2, "ListBox2", QStringLiteral("Rätt ordning"));
    ListBox2->setFocusPolicy(Qt::NoFocus);
    ListPanel2->hide();

    KlarButton = new QPushButton(QStringLiteral("Sorteringen &klar"), this);
    KlarButton->setObjectName(QStringLiteral("KlarButton"));
    HjalpButton = new QPushButton(QStringLiteral("&Hjälp"), this);
    HjalpButton->setObjectName(QStringLiteral("HjalpButton"));
    for (QPushButton* b : {KlarButton, HjalpButton})
        b->setFont(pointFont(12));

    HjalpPanel = makePanel(this, "HjalpPanel");
    HjalpPanel->setColor(kYellow);
    HjalpMemo = new QLabel(HjalpPanel);
    HjalpMemo->setObjectName(QStringLiteral("HjalpMemo"));
    HjalpMemo->setTextFormat(Qt::PlainText);
    HjalpMemo->setFont(pointFont(12));
    setTextColor(HjalpMemo, kBlack);
    QStringList lines;
    for (const char* line : kHelpLines)
        lines << QString::fromUtf8(line);
    HjalpMemo->setText(lines.join(QLatin1Char('\n')));
    HjalpMemo->setAccessibleName(QStringLiteral("Hjälp"));
    HjalpMemo->installEventFilter(this);
    HjalpPanel->hide();

    connect(KlarButton, &QPushButton::clicked, this, &TOrdna::RaettTest);
    connect(HjalpButton, &QPushButton::clicked, this, &TOrdna::HjalpButtonClick);
}

void TOrdna::placeQuestionControls() {
    const int m = letterUnit();
    const QRect outer = OverskriftYtterShape->geometry();
    InstruktionsLabel->move(outer.left(), outer.bottom() + 1 + 4);
    const int top = InstruktionsLabel->geometry().bottom() + 1 + m;
    const int left = outer.left();
    const int frame = 2 * ListBox1->frameWidth();
    // Room for the eight names a record may have, so that none needs
    // scrolling while it is dragged.
    // The rows grow with the scaled font.
    m_itemHeight = app::mulDiv(kItemHeight, scalePercent(), 100);
    const int listHeight = core::kMostOrderItems * m_itemHeight + frame;
    const int listWidth = std::max(
        13 * m, QFontMetrics(ListBox1->font()).horizontalAdvance(QStringLiteral("Mmmmmmmmmmm")) +
                    frame + m);
    const int inset = 2 * m / 3;
    for (auto [panel, list] : {std::pair{ListPanel1, ListBox1}, std::pair{ListPanel2, ListBox2}}) {
        panel->resize(listWidth + 2 * inset, listHeight + 2 * inset);
        list->setGeometry(inset, inset, listWidth, listHeight);
    }
    ListPanel1->move(left, top);
    ListPanel2->move(ListPanel1->geometry().right() + 1 + 2 * m, top);

    const QFontMetrics help(HjalpMemo->font());
    int helpWidth = 0;
    for (const char* line : kHelpLines)
        helpWidth = std::max(helpWidth, help.horizontalAdvance(QString::fromUtf8(line)));
    HjalpMemo->setGeometry(m / 2, m / 2, helpWidth + m, int(std::size(kHelpLines)) * help.height());
    HjalpPanel->setGeometry(ListPanel2->x(), top, HjalpMemo->width() + m, HjalpMemo->height() + m);

    const int buttonTop = ListPanel1->geometry().bottom() + 1 + m;
    const int buttonHeight = KlarButton->sizeHint().height() + m / 2;
    const QFontMetrics buttons(KlarButton->font());
    KlarButton->setGeometry(left, buttonTop,
                            buttons.horizontalAdvance(QStringLiteral("Sorteringen klar")) + 3 * m,
                            buttonHeight);
    HjalpButton->setGeometry(KlarButton->geometry().right() + 1 + m, buttonTop,
                             buttons.horizontalAdvance(QStringLiteral("Hjälp")) + 3 * m,
                             buttonHeight);
}

bool TOrdna::usableRecord(const core::RecordFields& fields) const {
    // A list that cannot be shown out of order gives nothing to do; the
    // file check reports such records.
    return core::canBeScrambled(core::orderItems(fields));
}

void TOrdna::fillList(QListWidget* list, const std::vector<std::string>& items) {
    list->clear();
    for (const std::string& item : items) {
        auto* row = new QListWidgetItem(app::fromCp1252(item), list);
        row->setSizeHint(QSize(0, m_itemHeight));
    }
}

void TOrdna::showQuestion() {
    m_right = core::orderItems(m_state.fields);
    m_shown = core::scrambledOrder(m_right, m_state.random());
    fillList(ListBox2, m_right);
    fillList(ListBox1, m_shown);
    m_dragIndex = m_pressIndex = -1;
    openSorting();
    ListPanel2->hide();
    HjalpPanel->hide();
}

void TOrdna::openSorting() {
    for (QPushButton* b : {KlarButton, HjalpButton}) {
        b->show();
        b->setEnabled(true);
    }
    for (QWidget* w : {static_cast<QWidget*>(ListBox1), static_cast<QWidget*>(ListBox2),
                       static_cast<QWidget*>(ListPanel1), static_cast<QWidget*>(ListPanel2)})
        w->setEnabled(true);
}

void TOrdna::enableHelpButtons() {
    if (m_series.running()) openSorting();
}

void TOrdna::showCorrectAnswer() {
    ListBox1->setEnabled(false);
    ListBox2->setEnabled(false);
    HjalpPanel->hide();
    ListPanel2->show();
    ListPanel2->raise();
    KlarButton->setEnabled(false);
    HjalpButton->setEnabled(false);
}

void TOrdna::dropName(int from, int to) {
    const int n = int(m_shown.size());
    if (from < 0 || from >= n || to < 0 || to >= n || from == to) return;
    if (!ListBox1->isEnabled()) return;
    core::moveItem(m_shown, from, to);
    QListWidgetItem* item = ListBox1->takeItem(from);
    ListBox1->insertItem(to, item);
    ListBox1->setCurrentRow(to);
}

void TOrdna::RaettTest() {
    if (!KlarButton->isEnabled() || !m_series.running()) return;
    m_dragIndex = m_pressIndex = -1;
    giveVerdict(m_shown == m_right);
    if (!m_series.running()) {
        KlarButton->setEnabled(false);
        HjalpButton->setEnabled(false);
        ListPanel1->setEnabled(false);
        ListPanel2->setEnabled(false);
    }
}

void TOrdna::HjalpButtonClick() {
    HjalpPanel->show();
    HjalpPanel->raise();
}

void TOrdna::HjalpMemoClick() {
    HjalpPanel->hide();
}

bool TOrdna::FormKeyUp(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        if (buttonBar->isVisible()) {
            Button3Click();
        } else if (!pauseAnswerDisplay()) {
            const bool correction = m_series.correctionAvailable();
            buttonBar->show();
            buttonBar->raise();
            Button1->setEnabled(correction);
            (correction ? Button1 : Button2)->setFocus();
        }
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (event->modifiers() & Qt::ControlModifier) {
            const int row = ListBox1->currentRow();
            if (row >= 0) dropName(row, event->key() == Qt::Key_Up ? row - 1 : row + 1);
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool TOrdna::eventFilter(QObject* watched, QEvent* event) {
    if (watched == HjalpMemo && event->type() == QEvent::MouseButtonPress) {
        HjalpMemoClick();
        return true;
    }
    if (watched == ListBox1->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) break;
            const QPoint pos = mouse->position().toPoint();
            const QModelIndex index = ListBox1->indexAt(pos);
            m_pressIndex = index.isValid() ? index.row() : -1;
            m_pressPos = pos;
            m_dragIndex = -1;
            break; // the list selects the name as well
        }
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (!(mouse->buttons() & Qt::LeftButton) || m_pressIndex < 0) break;
            const QPoint pos = mouse->position().toPoint();
            if (m_dragIndex < 0 &&
                (pos - m_pressPos).manhattanLength() >= QApplication::startDragDistance())
                m_dragIndex = m_pressIndex;
            // While a name is held the selection stays on it.
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) break;
            const int from = m_dragIndex;
            m_dragIndex = m_pressIndex = -1;
            if (from < 0) break;
            const QPoint pos = mouse->position().toPoint();
            const QModelIndex index = ListBox1->indexAt(pos);
            const bool onName =
                index.isValid() && pos.x() > 0 && ListBox1->viewport()->rect().contains(pos);
            dropName(from, onName ? index.row() : -1);
            return true;
        }
        default:
            break;
        }
    }
    return ExerciseWindow::eventFilter(watched, event);
}

} // namespace glosbo::exercises
