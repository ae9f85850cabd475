#include "results/tdiaprot.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "app/scaling.h"
#include "app/style.h"
#include "app/text_codec.h"
#include "core/data_roots.h"
#include "core/diagnosis_file.h"
#include "core/diagnosis_protocol.h"
#include "core/pending_results.h"
#include "results/tnlos.h"

namespace glosbo::results {

using namespace app::style;
using app::fromCp1252;
using app::fromUtf8;

namespace {

constexpr int kHeadingPixels = 23, kGridPixels = 17;

QLabel* boxLabel(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setFont(arialBold(kHeadingPixels));
    l->setTextFormat(Qt::PlainText);
    setTextColor(l, kBlack);
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setFont(arialBold(16));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

} // namespace

Tdiaprot::Tdiaprot(core::AppState& state, app::Services& services, QWidget* parent)
    : Tdiaprot(state, services, std::nullopt, parent) {}

Tdiaprot::Tdiaprot(core::AppState& state, app::Services& services,
                   const core::DiagnosisRecord& record, QWidget* parent)
    : Tdiaprot(state, services, std::optional(record), parent) {}

Tdiaprot::Tdiaprot(core::AppState& state, app::Services& services,
                   std::optional<core::DiagnosisRecord> readOnly, QWidget* parent)
    : QDialog(parent), m_state(state), m_services(services), m_readOnly(std::move(readOnly)) {
    setObjectName("Tdiaprot");
    setWindowTitle("Diagnosprotokoll");
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kRed);
    setPalette(pal);

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setFont(arialBold(kHeadingPixels));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignCenter);
    setTextColor(Label1, kNavy, kAqua);

    StringGrid1 = new QTableWidget(core::kProtocolRows, core::kProtocolColumns, this);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->setFont(arialBold(kGridPixels));
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setWordWrap(false);
    StringGrid1->setStyleSheet(
        "QTableWidget { background: white; color: #000080; gridline-color: black; }"
        "QTableWidget::item:selected { background: #000080; color: white; }");
    for (int r = 0; r < core::kProtocolRows; ++r)
        for (int c = 0; c < core::kProtocolColumns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            if (r == 0 || c == 0) {
                item->setBackground(kAqua);
                item->setForeground(kNavy);
            }
            // The heading row is fixed: it is never selected.
            if (r == 0) item->setFlags(Qt::NoItemFlags);
            StringGrid1->setItem(r, c, item);
        }

    EscapePanel = new app::Panel(this);
    EscapePanel->setObjectName("EscapePanel");
    EscapePanel->setColor(kAqua);
    AvbrytButton = button(EscapePanel, "AvbrytButton", "&Avbryt");
    LosenButton = button(EscapePanel, "LosenButton", fromUtf8(u8"&Ny lösen"));
    HjalpButton = button(EscapePanel, "HjalpButton", fromUtf8(u8"&Hjälp"));
    SkrivutButton = button(EscapePanel, "SkrivutButton", "&Utskrift");

    Panel1 = new app::Panel(this);
    Panel1->setObjectName("Panel1");
    Panel1->setColor(kYellow);
    HjalpLabel1 = boxLabel(Panel1, "HjalpLabel1");
    HjalpLabel2 = boxLabel(Panel1, "HjalpLabel2");
    Panel2 = new app::Panel(this);
    Panel2->setObjectName("Panel2");
    Panel2->setColor(kYellow);
    InfoLabel1 = boxLabel(Panel2, "InfoLabel1");
    InfoLabel2 = boxLabel(Panel2, "InfoLabel2");

    connect(StringGrid1, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int, int) { StringGrid1SelectCell(row); });
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (row > 0) selectRow(row);
        StringGrid1Start();
    });
    connect(AvbrytButton, &QPushButton::clicked, this, &Tdiaprot::AvbrytButtonClick);
    connect(LosenButton, &QPushButton::clicked, this, &Tdiaprot::LosenButtonClick);
    connect(HjalpButton, &QPushButton::clicked, this, &Tdiaprot::HjalpButtonClick);
    connect(SkrivutButton, &QPushButton::clicked, this, &Tdiaprot::SkrivutButtonClick);
    StringGrid1->installEventFilter(this);
    StringGrid1->viewport()->installEventFilter(this);

    FormCreate();
}

void Tdiaprot::FormCreate() {
    const int w = m_state.screen.width(), h = m_state.screen.height();
    const int u = m_state.screen.letterUnit();
    resize(w, h);
    Label1->setText("Diagnosprotokoll");
    const int headingHeight = Label1->sizeHint().height();
    Label1->setGeometry(0, 0, w, headingHeight);

    // Rows share the height left below the heading, less room for the bar.
    const int room = h - headingHeight - 7 * headingHeight / 4;
    const int rowHeight = std::max(8, room / core::kProtocolRows - 2);
    for (int r = 0; r < core::kProtocolRows; ++r)
        StringGrid1->setRowHeight(r, rowHeight + 2);
    const int gridHeight = core::kProtocolRows * (rowHeight + 2) + 2 * StringGrid1->frameWidth();
    StringGrid1->setGeometry(0, headingHeight, w, gridHeight);
    const int sample = m_services.measure.widthPx(core::kProtocolSample, kGridPixels);
    const int inner = w - 2 * StringGrid1->frameWidth();
    StringGrid1->setColumnWidth(0, 5 * u);
    StringGrid1->setColumnWidth(1, std::max(u, inner - 5 * u - 3 * sample));
    for (int c = 2; c < core::kProtocolColumns; ++c)
        StringGrid1->setColumnWidth(c, sample);
    m_printColumns = core::printColumnStarts(u, sample, w);

    // The bar takes the rest of the screen; its buttons sit side by side,
    // centred in its height.
    const int barTop = StringGrid1->y() + gridHeight;
    EscapePanel->setGeometry(0, barTop, w, std::max(0, h - barTop));
    const int buttonHeight = std::clamp(EscapePanel->height() - 8, 16, 40);
    const int buttonWidth = std::max(8 * u, AvbrytButton->sizeHint().width() + 2 * u);
    int x = u;
    for (QPushButton* b : {AvbrytButton, LosenButton, HjalpButton, SkrivutButton}) {
        b->setGeometry(x, (EscapePanel->height() - buttonHeight) / 2, buttonWidth, buttonHeight);
        x += buttonWidth + u;
    }

    HjalpLabel1->setText("Flytta till önskad rad och dubbelklicka");
    HjalpLabel2->setText("eller tryck enter så kommer diagnosen.");
    HjalpLabel1->adjustSize();
    HjalpLabel2->adjustSize();
    HjalpLabel1->move(u, u / 2);
    HjalpLabel2->move(u, HjalpLabel1->y() + HjalpLabel1->height());
    Panel1->resize(std::max(HjalpLabel1->width(), HjalpLabel2->width()) + 2 * u,
                   HjalpLabel2->y() + HjalpLabel2->height() + u / 2);
    Panel1->move((w - Panel1->width()) / 2, StringGrid1->y() + gridHeight / 3);

    if (m_readOnly) {
        // Only looking and printing: no test starts, nothing is saved.
        LosenButton->hide();
        HjalpButton->hide();
        SkrivutButton->move(LosenButton->pos());
        AvbrytButton->setText(fromUtf8(u8"&Stäng"));
    } else {
        m_state.diagnosis.markSaved();
    }
    Panel1->hide();
    Panel2->hide();

    // Results an earlier save could not store come back here; what is newer
    // than the file's record is saved when the protocol is shown. A protocol
    // only looked at is not the session's pupil.
    if (m_readOnly) return;
    const core::PendingResults pending = pendingResults();
    core::DiagnosisRecord& record = m_state.diagnosis.record();
    if (const auto kept = pending.load(record.name)) {
        if (core::mergePendingResults(record, *kept))
            m_state.diagnosis.markUnsaved();
        else
            pending.drop(record.name);
    }
}

core::PendingResults Tdiaprot::pendingResults() const {
    const core::DiagnosisFile file(m_state.roots().diagnosisDir, m_state.clock());
    // In the program's own data directory, beside nothing a school shares.
    return core::PendingResults(core::ownDataDirectory(core::processEnvironment()), file.path());
}

const core::DiagnosisRecord& Tdiaprot::record() const {
    return m_readOnly ? *m_readOnly : m_state.diagnosis.record();
}

int Tdiaprot::selectedRow() const {
    return m_readOnly ? m_readOnlyRow : m_state.diagnosis.selectedRow();
}

void Tdiaprot::setSelectedRow(int row) {
    if (m_readOnly)
        m_readOnlyRow = row;
    else
        m_state.diagnosis.setSelectedRow(row);
}

void Tdiaprot::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    rita_prot();
    StringGrid1->setFocus();
}

void Tdiaprot::rita_prot() {
    Label1->setText(fromUtf8(u8"Diagnosprotokoll för ") + fromCp1252(record().name));
    const core::ProtocolTable table = core::protocolTable(record());
    for (int r = 0; r < core::kSumRow; ++r)
        for (int c = 0; c < core::kProtocolColumns; ++c)
            StringGrid1->item(r, c)->setText(fromCp1252(table[std::size_t(r)][std::size_t(c)]));
    StringGrid1->item(core::kSumRow, 1)->setText(fromCp1252(table[core::kSumRow][1]));
    selectRow(selectedRow());
    if (!m_readOnly && m_state.diagnosis.savePending()) SparaProtokoll();
    summa();
}

void Tdiaprot::summa() {
    const core::ProtocolTable table = core::protocolTable(record());
    StringGrid1->item(core::kSumRow, 2)->setText(fromCp1252(table[core::kSumRow][2]));
}

bool Tdiaprot::SparaProtokoll() {
    if (m_readOnly) return false;
    core::DiagnosisFile file(m_state.roots().diagnosisDir, m_state.clock());
    const core::DiagnosisRecord& record = m_state.diagnosis.record();
    const core::PendingResults pending = pendingResults();
    const core::DiagnosisSave saved = file.save(record);
    if (saved.status == core::DiagnosisSave::Status::Saved) {
        m_state.diagnosis.markSaved();
        pending.drop(record.name);
        return true;
    }
    // The results stay in the record, and on this computer until a later
    // save (now or at the pupil's next login) stores them.
    m_state.diagnosis.markUnsaved();
    const bool kept = !pending.keep(record);
    if (saved.status == core::DiagnosisSave::Status::Damaged) {
        m_services.messages.warning(core::asUtf8(
            "Diagnosfilen " + file.path() +
            core::utf8Bytes(u8" är skadad och kan inte användas. Be läraren om hjälp.")));
    } else if (kept) {
        m_services.messages.warning(
            core::asUtf8("Diagnosen kunde inte sparas i katalogen " + m_state.roots().diagnosisDir +
                         core::utf8Bytes(u8". Resultaten sparas nästa gång.")));
    } else {
        m_services.messages.warning(core::asUtf8(
            "Diagnosen kunde inte sparas i katalogen " + m_state.roots().diagnosisDir +
            core::utf8Bytes(u8", och inte heller på den här datorn. Resultaten sparas bara om "
                            u8"katalogen går att skriva innan du lämnar protokollet.")));
    }
    return false;
}

void Tdiaprot::selectRow(int row) {
    setSelectedRow(row);
    if (row <= 0 || row >= core::kProtocolRows) {
        StringGrid1->clearSelection();
        return;
    }
    const QSignalBlocker quiet(StringGrid1);
    StringGrid1->setCurrentCell(row, 1);
    StringGrid1->selectRow(row);
}

void Tdiaprot::StringGrid1SelectCell(int row) {
    if (row < 1) return;
    Panel1->hide();
    Panel2->hide();
    setSelectedRow(row);
}

void Tdiaprot::InfoText(int row) {
    if (row < 1 || row > core::kDiagnosisTests) return;
    const core::DiagnosisRecord& record = this->record();
    QString first, second;
    switch (record.status[row]) {
    case core::kStatusWait:
        if (row == 1) {
            first = fromUtf8(u8"Det här testet väntar.");
            second = fromUtf8(u8"Fråga din lärare innan du gör det.");
        } else {
            first = fromUtf8(u8"Du måste göra ") + fromUtf8(core::diagnosisTest(row - 1).area);
            second = record.status[row - 1] == core::kStatusPractise
                         ? fromUtf8(u8"bättre innan du gör detta test.")
                         : fromUtf8(u8"innan du gör detta test.");
        }
        break;
    case core::kStatusPractise:
        first = fromUtf8(u8"Du måste först klara övningen");
        second = fromUtf8(u8"bra innan du gör detta test.");
        break;
    default:
        return;
    }
    InfoLabel1->setText(first);
    InfoLabel2->setText(second);
    InfoLabel1->adjustSize();
    InfoLabel2->adjustSize();
    const int u = m_state.screen.letterUnit();
    InfoLabel1->move(15, u / 2);
    InfoLabel2->move(15, InfoLabel1->y() + InfoLabel1->height());
    Panel2->resize(std::max(InfoLabel1->width(), InfoLabel2->width()) + 30,
                   InfoLabel2->y() + InfoLabel2->height() + u / 2);
    int top = StringGrid1->y() + (row + 1) * StringGrid1->height() / core::kProtocolRows;
    top = std::min(top, height() - Panel2->height());
    Panel2->move(width() - 20 - Panel2->width(), top);
    Panel2->show();
    Panel2->raise();
}

void Tdiaprot::StringGrid1Start() {
    const int row = selectedRow();
    if (m_readOnly || row < 1 || row > core::kDiagnosisTests) return;
    // A test whose result could not be saved is not begun.
    const core::DiagnosisFile file(m_state.roots().diagnosisDir, m_state.clock());
    const core::DiagnosisLoad load = file.load();
    if (load.status == core::DiagnosisLoad::Status::Loaded && load.contents.damaged()) {
        m_services.messages.warning(core::asUtf8(
            "Diagnosfilen " + file.path() +
            core::utf8Bytes(u8" är skadad och kan inte användas. Be läraren om hjälp.")));
        return;
    }
    m_state.runMode = core::RunMode::DiagnosisTest;
    Panel1->hide();
    Panel2->hide();
    m_state.diagnosis.setTestNumber(row);
    // The table and the bar, not the window: a disabled window would
    // disable the exercise window it opens too.
    StringGrid1->setEnabled(false);
    EscapePanel->setEnabled(false);
    switch (m_state.diagnosis.record().status[row]) {
    case core::kStatusWait:
        InfoText(row);
        break;
    case core::kStatusPractise:
        UtseOvaProgram(row);
        break;
    case core::kStatusStart:
    case core::kStatusTest:
        UtseDiagProgram(row);
        break;
    default:
        break;
    }
    StringGrid1->setEnabled(true);
    EscapePanel->setEnabled(true);
    StringGrid1->setFocus();
}

void Tdiaprot::openExercise(const char* file, const char* window) {
    if (!m_services.windows.has(window)) {
        m_services.messages.information(app::kNotReadyMessage);
        return;
    }
    m_state.selectExercise(file);
    if (!m_state.files.Kolla(file)) return;
    m_services.windows.open(window, {m_state, m_services, this});
    // Back from the test or the practice: show what it reported and save.
    m_state.runMode = core::RunMode::DiagnosisTest;
    rita_prot();
}

void Tdiaprot::UtseDiagProgram(int test) {
    Panel2->hide();
    const core::DiagnosisTest& t = core::diagnosisTest(test);
    openExercise(t.testFile, t.testWindow);
    summa();
}

void Tdiaprot::UtseOvaProgram(int test) {
    m_state.runMode = core::RunMode::DiagnosisPractice;
    m_state.diagnosis.setPracticeCounter(0);
    const core::DiagnosisTest& t = core::diagnosisTest(test);
    openExercise(t.practiceFile, t.practiceWindow);
}

void Tdiaprot::AvbrytButtonClick() {
    if (m_closing) return;
    m_closing = true;
    if (m_readOnly) {
        done(QDialog::Accepted);
        return;
    }
    SparaProtokoll();
    m_state.runMode = core::RunMode::Practice;
    done(QDialog::Accepted);
}

void Tdiaprot::reject() {
    AvbrytButtonClick();
}

void Tdiaprot::LosenButtonClick() {
    if (m_readOnly) return;
    const std::string before = m_state.diagnosis.record().password;
    TNLOS dialog(m_state, m_services, this);
    m_services.modal.exec(dialog, app::ModalWindows::Placement::Centred);
    if (m_state.diagnosis.record().password != before) SparaProtokoll();
    StringGrid1->setFocus();
}

void Tdiaprot::HjalpButtonClick() {
    Panel2->hide();
    Panel1->show();
    Panel1->raise();
    StringGrid1->setFocus();
}

void Tdiaprot::SkrivutButtonClick() {
    const core::DiagnosisRecord& record = this->record();
    const core::Page page = core::protocolPage(core::protocolTable(record), record.name,
                                               m_printColumns, m_services.printer.metrics());
    // The button stays off while the preview and the printer dialog are open.
    SkrivutButton->setEnabled(false);
    m_services.printer.print({page}, this);
    SkrivutButton->setEnabled(true);
    StringGrid1->setFocus();
}

bool Tdiaprot::eventFilter(QObject* watched, QEvent* event) {
    if (watched == StringGrid1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            StringGrid1Start();
            return true;
        }
        // Before any row is chosen the arrows start at the first or the
        // last test; Home and End go there from anywhere.
        const int row = m_state.diagnosis.selectedRow();
        const bool none = row < 1 || row >= core::kProtocolRows;
        int to = 0;
        if (key->key() == Qt::Key_Home ||
            (none && (key->key() == Qt::Key_Down || key->key() == Qt::Key_PageDown)))
            to = 1;
        else if (key->key() == Qt::Key_End ||
                 (none && (key->key() == Qt::Key_Up || key->key() == Qt::Key_PageUp)))
            to = core::kDiagnosisTests;
        if (to != 0) {
            selectRow(to);
            StringGrid1SelectCell(to);
            return true;
        }
    } else if (watched == StringGrid1->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int row = StringGrid1->rowAt(int(mouse->position().y()));
        if (row >= 1) {
            Panel1->hide();
            setSelectedRow(row);
            InfoText(row);
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace glosbo::results
