#include "results/trekord.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "app/scaling.h"
#include "app/style.h"
#include "app/text_codec.h"
#include "core/records_file.h"
#include "core/synonym_hunt.h"

namespace glosbo::results {

using namespace app::style;
using app::fromCp1252;

namespace {

constexpr int kGridPixels = 16;
constexpr int kRanks = core::kRecordRanks;
// The samples the columns are measured by; the name column holds three
// spaces, a long full name and a space.
constexpr const char* kRankSample = " 400  ";
constexpr const char* kDateSample = " 3970523 24:553 ";
const QString kNameSample = QStringLiteral("   Maximilian Andersson-Sjöberg ");

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    return pushButton(parent, name, text, kGridPixels, false);
}

std::u8string u8(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::u8string(bytes.begin(), bytes.end());
}

QString pathText(const std::string& path) {
    return QString::fromUtf8(path.data(), qsizetype(path.size()));
}

} // namespace

TRekord::TRekord(core::AppState& state, app::Services& services, QWidget* parent)
    : QDialog(parent), m_state(state), m_services(services) {
    setObjectName(QStringLiteral("TRekord"));
    setWindowTitle(QStringLiteral("Glosbo"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBlue);
    setPalette(pal);

    // The side bars lie under the table frame. The blue panels show no
    // bevel: together they make one blue ground around the table.
    VPanel = app::namedPanel(this, "VPanel", kBlue);
    HPanel = app::namedPanel(this, "HPanel", kBlue);
    OverPanelen = app::namedPanel(this, "OverPanelen", kBlue);
    Label1 = new QLabel(OverPanelen);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignCenter);
    setTextColor(Label1, kYellow);
    RekordPanelen = app::namedPanel(this, "RekordPanelen", kYellow);
    RekordPanel2 = app::namedPanel(RekordPanelen, "RekordPanel2", kBlue);

    StringGrid1 = new QTableWidget(kExtraRow, 4, RekordPanel2);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setAccessibleName(QStringLiteral("Rekordtabell"));
    StringGrid1->setFont(arial(kGridPixels));
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StringGrid1->horizontalHeader()->setFont(arial(kGridPixels));
    StringGrid1->horizontalHeader()->setHighlightSections(false);
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("  Nr"), QStringLiteral("       Namn"),
                                            QStringLiteral("  Datum och tid"),
                                            QStringLiteral("    Resultat")});
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setWordWrap(false);
    StringGrid1->setStyleSheet(
        QStringLiteral("QTableWidget { background: white; color: black; gridline-color: gray; }"
                       "QTableWidget::item:selected { background: #000080; color: white; }"));
    for (int r = 0; r < kExtraRow; ++r)
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            StringGrid1->setItem(r, c, item);
        }
    StringGrid1->installEventFilter(this);

    NederPanelen = app::namedPanel(this, "NederPanelen", kBlue);
    for (app::Panel* p : {VPanel, HPanel, OverPanelen, NederPanelen})
        p->setBevelWidth(0);
    Sluta = button(NederPanelen, "Sluta", QStringLiteral("Tillbaka &utan att spara - ESC"));
    Button1 = button(NederPanelen, "Button1", QStringLiteral("Tillbaka och &spara - Enter"));
    WaitLabel = new QLabel(QStringLiteral("Väntar på resultattabellen …"), NederPanelen);
    WaitLabel->setObjectName(QStringLiteral("WaitLabel"));
    WaitLabel->setFont(arialBold(kGridPixels));
    WaitLabel->setAlignment(Qt::AlignCenter);
    setTextColor(WaitLabel, kYellow);
    WaitLabel->hide();
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &TRekord::trySave);
    connect(Sluta, &QPushButton::clicked, this, &TRekord::SlutaClick);
    connect(Button1, &QPushButton::clicked, this, &TRekord::Button1Click);

    FormCreate();
}

void TRekord::FormCreate() {
    const int percent = m_state.screen.scalePercent();
    if (percent != 100) app::scaleWidgets(*this, percent);
    layOut();
    m_state.pendingRecord.stamp(m_state.clock().now());
    Tabell();
}

void TRekord::layOut() {
    const int W = m_state.screen.width(), H = m_state.screen.height();
    const int m = std::max(1, m_state.screen.letterUnit());
    resize(W, H);

    VPanel->setGeometry(0, 0, W / 8, H);
    HPanel->setGeometry(7 * W / 8, 0, W - 7 * W / 8, H);
    OverPanelen->setGeometry(W / 8, 0, 3 * W / 4, H / 8);
    const QString title = QStringLiteral("Rekordtabell för programmet ") +
                          fromCp1252(core::huntProgramName(m_state.programNumber));
    Label1->setText(title);
    // From 40 points down until the heading fits the panel.
    int points = 40;
    for (; points > 10; --points) {
        const QFontMetrics fm(pointFont(points));
        if (fm.horizontalAdvance(title) <= OverPanelen->width() - 2 * m &&
            fm.height() <= OverPanelen->height() - m)
            break;
    }
    Label1->setFont(pointFont(points));
    Label1->setGeometry(0, 0, OverPanelen->width(), OverPanelen->height());

    const int frameWidth = 7 * W / 8;
    RekordPanelen->setGeometry(W / 16, H / 8, frameWidth, 3 * H / 4);
    RekordPanel2->setGeometry(m, m, frameWidth - 2 * m, RekordPanelen->height() - 2 * m);
    StringGrid1->setGeometry(m, m, RekordPanel2->width() - 2 * m, RekordPanel2->height() - 2 * m);

    const QFontMetrics grid(StringGrid1->font());
    const int rowHeight = grid.height() * 8 / 7;
    StringGrid1->verticalHeader()->setMinimumSectionSize(1);
    StringGrid1->verticalHeader()->setDefaultSectionSize(rowHeight);
    StringGrid1->horizontalHeader()->setFixedHeight(rowHeight);
    // Whole rows only, so that no row is cut at the top or the bottom.
    const int frame = 2 * StringGrid1->frameWidth();
    const int rows = std::max(1, (StringGrid1->height() - frame - rowHeight) / rowHeight);
    StringGrid1->resize(StringGrid1->width(), frame + rowHeight + rows * rowHeight);
    const int inner = StringGrid1->width() - 2 * StringGrid1->frameWidth() -
                      StringGrid1->verticalScrollBar()->sizeHint().width();
    const int rank = grid.horizontalAdvance(QString::fromLatin1(kRankSample));
    const int name = grid.horizontalAdvance(kNameSample);
    const int date = grid.horizontalAdvance(QString::fromLatin1(kDateSample));
    StringGrid1->setColumnWidth(0, rank);
    StringGrid1->setColumnWidth(1, name);
    StringGrid1->setColumnWidth(2, date);
    StringGrid1->setColumnWidth(3, std::max(rank, inner - rank - name - date));

    NederPanelen->setGeometry(W / 16, RekordPanelen->y() + RekordPanelen->height(), frameWidth,
                              H / 8);
    const int buttonHeight =
        std::min(NederPanelen->height() - 4, Button1->fontMetrics().height() * 2);
    const int top = (NederPanelen->height() - buttonHeight) / 2;
    Sluta->setGeometry(frameWidth / 64, top, frameWidth * 30 / 64, buttonHeight);
    Button1->setGeometry(frameWidth * 33 / 64, top, frameWidth * 30 / 64, buttonHeight);
    WaitLabel->setGeometry(Button1->geometry());
}

void TRekord::Tabell() {
    for (int rank = 1; rank <= kRanks; ++rank)
        StringGrid1->item(rank - 1, 0)->setText(QString::fromLatin1(core::recordRankText(rank)));
    core::RecordsFile file(m_state.recordsPath, m_state.clock());
    int code = 0;
    if (!file.ensureExists(code)) {
        failAndClose(u8(QStringLiteral("Resultatet kunde inte sparas i ") +
                        pathText(m_state.recordsPath) + QStringLiteral(".")));
        return;
    }
    const core::RecordsLoad load = file.load();
    if (load.status != core::RecordsLoad::Status::Loaded) {
        failAndClose(u8(QStringLiteral("Resultatet kunde inte sparas i ") +
                        pathText(m_state.recordsPath) + QStringLiteral(".")));
        return;
    }
    if (load.contents.damaged) {
        failAndClose(u8(QStringLiteral("Rekordtabellen ") + pathText(m_state.recordsPath) +
                        QStringLiteral(" är skadad och kan inte användas. Be läraren om hjälp.")));
        return;
    }
    const core::RecordsMerge merge =
        core::mergeRecords(load.contents.entries, m_state.pendingRecord);
    for (std::size_t i = 0; i < merge.entries.size(); ++i)
        IniGrid(int(i) + 1, merge.entries[i]);
    if (merge.rank) {
        m_pendingRow = *merge.rank;
    } else {
        m_pendingRow = kExtraRow;
        IniGrid(kExtraRow, m_state.pendingRecord);
        StringGrid1->item(kExtraRow - 1, 0)->setText(QString::fromLatin1(core::kRecordExtraRow));
    }
    StringGrid1->setCurrentCell(m_pendingRow - 1, 1);
    StringGrid1->selectRow(m_pendingRow - 1);
    StringGrid1->setFocus();
}

void TRekord::IniGrid(int row, const core::RecordEntry& entry) {
    StringGrid1->item(row - 1, 1)->setText(fromCp1252(core::recordNameText(entry.name)));
    StringGrid1->item(row - 1, 2)
        ->setText(QStringLiteral(" ") + QString::fromLatin1(core::recordDateText(entry)));
    StringGrid1->item(row - 1, 3)
        ->setText(QString::fromLatin1(core::recordResultText(entry.result)));
}

void TRekord::failAndClose(const std::u8string& text) {
    m_pendingRow = 0;
    Button1->setEnabled(false);
    m_services.messages.warning(text);
    QTimer::singleShot(0, this, &TRekord::reject);
}

QString TRekord::cell(int row, int column) const {
    if (row == 0) return StringGrid1->horizontalHeaderItem(column)->text();
    return StringGrid1->item(row - 1, column)->text();
}

int TRekord::firstVisibleRow() const {
    // The grid scrolls by whole rows: the position is the row at the top.
    return StringGrid1->verticalScrollBar()->value() + 1;
}

void TRekord::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_pendingRow == 0) return;
    // The new row in view: the top rows from the start, the bottom rows from
    // row 90, else the row in the middle; the extra row at the bottom.
    StringGrid1->updateGeometry();
    const int rowHeight = StringGrid1->verticalHeader()->defaultSectionSize();
    const int visible = std::max(1, StringGrid1->viewport()->height() / std::max(1, rowHeight));
    const int r = m_pendingRow;
    const int first = r < 10 ? 1 : r < 90 ? r - visible / 2 : r <= kRanks ? 90 : kExtraRow;
    if (r == kExtraRow)
        StringGrid1->scrollToBottom();
    else
        StringGrid1->verticalScrollBar()->setValue(first - 1);
    StringGrid1->setFocus();
}

void TRekord::Button1Click() {
    if (m_pendingRow == 0 || waiting()) return;
    // The date of the entry is the minute it is saved.
    m_state.pendingRecord.stamp(m_state.clock().now());
    m_waited = std::chrono::milliseconds(0);
    trySave();
}

// One try at the lock; while another program holds it the window says that
// it waits and tries again from the event loop, so it can be left with Esc.
void TRekord::trySave() {
    core::LockOptions once = lockOptions;
    once.waitLimit = std::chrono::milliseconds(0);
    core::RecordsFile file(m_state.recordsPath, m_state.clock(), core::systemLockSystem(), once);
    const core::RecordsSave saved = file.save(m_state.pendingRecord);
    using Status = core::RecordsSave::Status;
    if (saved.status == Status::Busy && m_waited < lockOptions.waitLimit) {
        showWaiting(true);
        m_waited += lockOptions.retryEvery;
        m_retry.start(lockOptions.retryEvery);
        return;
    }
    showWaiting(false);
    switch (saved.status) {
    case Status::Saved:
    case Status::NotPlaced:
        accept();
        return;
    case Status::Busy:
        m_services.messages.information(
            u8(QStringLiteral("Rekordtabellen används just nu. Försök igen om en stund.")));
        return;
    case Status::Damaged:
        failAndClose(u8(QStringLiteral("Rekordtabellen ") + pathText(m_state.recordsPath) +
                        QStringLiteral(" är skadad och kan inte användas. Be läraren om hjälp.")));
        return;
    case Status::Failed:
        // The window stays open: the pupil may try again or leave with Esc.
        m_services.messages.warning(u8(QStringLiteral("Resultatet kunde inte sparas i ") +
                                       pathText(m_state.recordsPath) + QStringLiteral(".")));
        return;
    }
}

void TRekord::showWaiting(bool shown) {
    WaitLabel->setVisible(shown);
    Button1->setVisible(!shown);
    if (!shown) m_retry.stop();
}

void TRekord::SlutaClick() {
    showWaiting(false);
    reject();
}

void TRekord::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Button1Click();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        SlutaClick();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TRekord::eventFilter(QObject* watched, QEvent* event) {
    if (watched == StringGrid1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace glosbo::results
