#include "results/tklass.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "app/style.h"
#include "app/text_codec.h"
#include "core/text.h"
#include "results/tdiaprot.h"

namespace glosbo::results {

using namespace app::style;
using app::fromCp1252;
using app::fromUtf8;

namespace {

constexpr int kGridPixels = 15;

QLabel* label(QWidget* parent, const char* name, int pixels, const QColor& colour) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setFont(arialBold(pixels));
    l->setTextFormat(Qt::PlainText);
    setTextColor(l, colour);
    return l;
}

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

TKlass::TKlass(core::AppState& state, app::Services& services, QWidget* parent)
    : QDialog(parent), m_state(state), m_services(services), m_model(new ClassOverviewModel(this)) {
    setObjectName("TKlass");
    setWindowTitle(fromUtf8(u8"Klassöversikt"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kSilver);
    setPalette(pal);

    Label1 = label(this, "Label1", 23, kNavy);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setText(fromUtf8(u8"Klassöversikt"));
    FelLabel = label(this, "FelLabel", 17, kRed);
    FelLabel->setWordWrap(true);
    FelLabel->setAlignment(Qt::AlignCenter);
    FelLabel->hide();

    KlassGrid = new QTableView(this);
    KlassGrid->setObjectName("KlassGrid");
    KlassGrid->setAccessibleName(fromUtf8(u8"Klassöversikt"));
    KlassGrid->setModel(m_model);
    KlassGrid->setFont(arial(kGridPixels));
    KlassGrid->setSelectionBehavior(QAbstractItemView::SelectItems);
    KlassGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    KlassGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    KlassGrid->setTabKeyNavigation(false);
    KlassGrid->setWordWrap(false);
    KlassGrid->setCornerButtonEnabled(false);
    KlassGrid->setStyleSheet("QTableView { background: white; gridline-color: #808080; }"
                             "QTableView::item:selected { background: #000080; color: white; }");
    KlassGrid->verticalHeader()->hide();
    // Every row equally high, so that a class of thousands scrolls without
    // measuring its rows.
    KlassGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    KlassGrid->verticalHeader()->setDefaultSectionSize(QFontMetrics(KlassGrid->font()).height() +
                                                       8);
    QHeaderView* header = KlassGrid->horizontalHeader();
    header->setFont(arialBold(kGridPixels - 1));
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setHighlightSections(false);
    header->setMinimumHeight(2 * QFontMetrics(header->font()).height() + 10);

    const QString letters[4] = {fromUtf8(u8"B  Börja"), fromUtf8(u8"V  Vänta"),
                                fromUtf8(u8"T  Testa"), fromUtf8(u8"Ö  Öva")};
    const std::uint8_t statuses[4] = {core::kStatusStart, core::kStatusWait, core::kStatusTest,
                                      core::kStatusPractise};
    for (std::size_t i = 0; i < 4; ++i) {
        QLabel* l = label(this, ("StatusLabel" + std::to_string(i + 1)).c_str(), 15, kBlack);
        l->setText(letters[i]);
        l->setAutoFillBackground(true);
        l->setStyleSheet(
            QString("QLabel { color: black; background: %1; border: 1px solid #606060; "
                    "padding: 2px 8px; }")
                .arg(ClassOverviewModel::statusColour(statuses[i]).name()));
        StatusLabels[i] = l;
    }
    HjalpLabel = label(this, "HjalpLabel", 14, kBlack);
    HjalpLabel->setWordWrap(true);
    HjalpLabel->setText(
        fromUtf8(u8"Klarade: minst 15 rätt. Sortera: klicka på en rubrik eller tryck S i kolumnen. "
                 u8"Enter visar elevens protokoll."));

    SkrivutButton = pushButton(this, "SkrivutButton", "&Skriv ut", 16, true);
    StangButton = pushButton(this, "StangButton", fromUtf8(u8"&Stäng"), 16, true);
    for (QPushButton* b : {SkrivutButton, StangButton})
        b->setMinimumSize(140, 36);

    connect(header, &QHeaderView::sectionClicked, this, &TKlass::sortByColumn);
    connect(KlassGrid, &QTableView::doubleClicked, this, &TKlass::openProtocol);
    connect(SkrivutButton, &QPushButton::clicked, this, &TKlass::SkrivutButtonClick);
    connect(StangButton, &QPushButton::clicked, this, &QDialog::reject);
    KlassGrid->installEventFilter(this);

    layOut();
    load();
}

void TKlass::layOut() {
    auto* column = new QVBoxLayout(this);
    const int u = std::max(4, m_state.screen.letterUnit());
    column->setContentsMargins(u / 2, u / 2, u / 2, u / 2);
    column->setSpacing(u / 2);
    column->addWidget(Label1);
    column->addWidget(FelLabel);
    column->addWidget(KlassGrid, 1);
    auto* legend = new QHBoxLayout;
    legend->setSpacing(u / 2);
    for (QLabel* l : StatusLabels)
        legend->addWidget(l);
    legend->addSpacing(u);
    legend->addWidget(HjalpLabel, 1);
    column->addLayout(legend);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SkrivutButton);
    buttons->addStretch(1);
    buttons->addWidget(StangButton);
    column->addLayout(buttons);
    resize(m_state.screen.width(), m_state.screen.height());
}

void TKlass::load() {
    // One read without the lock: saves replace the file whole by a rename,
    // so a reader sees the file before or after a save, never half of one.
    const core::DiagnosisFile file(m_state.roots().diagnosisDir, m_state.clock());
    core::DiagnosisLoad loaded = file.load();
    QString problem;
    const QString path = QString::fromStdString(file.path());
    if (loaded.status == core::DiagnosisLoad::Status::Missing)
        problem = fromUtf8(u8"Ingen elev har gjort någon diagnos ännu: diagnosfilen ") + path +
                  " finns inte.";
    else if (loaded.status == core::DiagnosisLoad::Status::Unreadable)
        problem = "Diagnosfilen " + path + fromUtf8(u8" kan inte läsas.");
    else if (loaded.contents.damaged())
        problem = "Diagnosfilen " + path +
                  fromUtf8(u8" är skadad, så klassöversikten kan inte visas. Filen har inte "
                           u8"ändrats; den kan sparas undan med \"Ta bort alla diagnoser\".");
    if (!problem.isEmpty()) {
        // Nothing of a damaged file is shown: half a class would look whole.
        FelLabel->setText(problem);
        FelLabel->show();
        KlassGrid->hide();
        SkrivutButton->setEnabled(false);
        for (QLabel* l : StatusLabels)
            l->hide();
        HjalpLabel->hide();
        StangButton->setFocus();
        return;
    }
    m_contents = std::move(loaded.contents);
    m_model->setOverview(core::classOverview(m_contents));
    const std::size_t pupils = m_model->overview().pupils.size();
    Label1->setText(fromUtf8(u8"Klassöversikt – ") + QString::number(pupils) +
                    (pupils == 1 ? " elev" : " elever"));

    // The name column as wide as the widest name; the tests share the rest.
    const QFontMetrics metrics(KlassGrid->font());
    int widest = metrics.horizontalAdvance(QString::fromLatin1(core::kClassCountLabel));
    for (const core::ClassPupil& p : m_model->overview().pupils)
        widest = std::max(widest, metrics.horizontalAdvance(fromCp1252(p.name)));
    QHeaderView* header = KlassGrid->horizontalHeader();
    const QFontMetrics headerMetrics(header->font());
    header->setMinimumSectionSize(
        std::max(metrics.horizontalAdvance(fromUtf8(u8"20 Ö")),
                 headerMetrics.horizontalAdvance(fromCp1252(core::shortAreaHeading(13)))) +
        6);
    header->setSectionResizeMode(QHeaderView::Stretch);
    header->setSectionResizeMode(ClassOverviewModel::kNameColumn, QHeaderView::Interactive);
    header->resizeSection(ClassOverviewModel::kNameColumn,
                          std::min(widest + 16, std::max(120, width() / 4)));
    header->setSectionResizeMode(ClassOverviewModel::kPassedColumn, QHeaderView::Interactive);
    header->resizeSection(
        ClassOverviewModel::kPassedColumn,
        headerMetrics.horizontalAdvance(QString::fromLatin1(core::kClassPassedHeading)) + 12);
    showSortIndicator();
    KlassGrid->setCurrentIndex(m_model->index(0, ClassOverviewModel::kNameColumn));
    KlassGrid->setFocus();
}

void TKlass::showSortIndicator() {
    const core::ClassSort& sort = m_model->overview().sort;
    const int column = sort.key == core::ClassSortKey::Name     ? ClassOverviewModel::kNameColumn
                       : sort.key == core::ClassSortKey::Passed ? ClassOverviewModel::kPassedColumn
                                                                : sort.test;
    KlassGrid->horizontalHeader()->setSortIndicator(column, sort.descending ? Qt::DescendingOrder
                                                                            : Qt::AscendingOrder);
}

void TKlass::sortByColumn(int column) {
    if (column < 0 || column >= ClassOverviewModel::kColumns || KlassGrid->isHidden()) return;
    core::ClassSort sort;
    if (column == ClassOverviewModel::kNameColumn) {
        sort.key = core::ClassSortKey::Name;
    } else if (column == ClassOverviewModel::kPassedColumn) {
        sort.key = core::ClassSortKey::Passed;
    } else {
        sort.key = core::ClassSortKey::Test;
        sort.test = column;
    }
    const core::ClassSort& now = m_model->overview().sort;
    if (now.key == sort.key && (sort.key != core::ClassSortKey::Test || now.test == sort.test))
        sort.descending = !now.descending;
    m_model->sortBy(sort);
    showSortIndicator();
    // The cursor stays on its pupil and column.
    KlassGrid->scrollTo(KlassGrid->currentIndex());
}

void TKlass::openProtocol() {
    const core::ClassPupil* pupil = m_model->pupil(KlassGrid->currentIndex().row());
    if (!pupil) return;
    Tdiaprot protocol(m_state, m_services, m_contents.record(pupil->record), this);
    m_services.modal.exec(protocol, app::ModalWindows::Placement::Maximised);
    KlassGrid->setFocus();
}

void TKlass::SkrivutButtonClick() {
    if (KlassGrid->isHidden()) return;
    const std::vector<core::Page> pages =
        core::classOverviewPages(m_model->overview(), m_services.printer.metrics());
    // The button stays off while the preview and the printer dialog are open.
    SkrivutButton->setEnabled(false);
    m_services.printer.print(pages, this);
    SkrivutButton->setEnabled(true);
    KlassGrid->setFocus();
}

bool TKlass::eventFilter(QObject* watched, QEvent* event) {
    if (watched == KlassGrid && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isEnter(key)) {
            openProtocol();
            return true;
        }
        if (key->key() == Qt::Key_S &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            sortByColumn(KlassGrid->currentIndex().column());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace glosbo::results
