#include "exercises/worksheet_bar.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <algorithm>
#include <vector>

#include "app/style.h"
#include "exercises/tutskrift.h"

namespace glosbo::exercises {

using namespace app::style;

namespace {

constexpr int kButtonPixels = 18;

app::Panel* makePanel(QWidget* parent, const char* name) {
    auto* panel = new app::Panel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setColor(kMaroon);
    panel->setBevelWidth(2);
    panel->hide();
    return panel;
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption,
                        const char* hint = "") {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(arialBold(kButtonPixels));
    button->setAutoDefault(true);
    const QString tip = QString::fromUtf8(hint);
    if (!tip.isEmpty()) button->setToolTip(tip);
    return button;
}

// The controls of a panel side by side, of one width, the font made
// smaller until every caption fits.
void layOutRow(app::Panel* panel, const std::vector<QWidget*>& controls) {
    const int count = int(controls.size());
    const int pad = std::max(3, panel->height() / 8);
    const int width = (panel->width() - (count + 1) * pad) / count;
    const int height = panel->height() - 2 * pad;
    int pixels = kButtonPixels;
    const auto fits = [&](int size) {
        const QFontMetrics metrics(arialBold(size));
        for (QWidget* c : controls)
            if (auto* b = qobject_cast<QPushButton*>(c);
                b && metrics.horizontalAdvance(QString(b->text()).remove(QLatin1Char('&'))) +
                             metrics.averageCharWidth() * 2 >
                         width)
                return false;
        return metrics.height() + 4 <= height;
    };
    while (pixels > 9 && !fits(pixels))
        --pixels;
    int left = pad;
    for (QWidget* c : controls) {
        c->setGeometry(left, pad, width, height);
        c->setFont(arialBold(pixels));
        left += width + pad;
    }
}

} // namespace

WorksheetSpinButton::WorksheetSpinButton(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SkrivutSpinButton"));
    up = new QToolButton(this);
    up->setObjectName(QStringLiteral("SkrivutSpinUp"));
    up->setArrowType(Qt::UpArrow);
    up->setAccessibleName(QStringLiteral("En uppgift till"));
    up->setFocusPolicy(Qt::NoFocus);
    up->setAutoRepeat(true);
    down = new QToolButton(this);
    down->setObjectName(QStringLiteral("SkrivutSpinDown"));
    down->setArrowType(Qt::DownArrow);
    down->setAccessibleName(QStringLiteral("En uppgift mindre"));
    down->setFocusPolicy(Qt::NoFocus);
    down->setAutoRepeat(true);
}

void WorksheetSpinButton::resizeEvent(QResizeEvent*) {
    up->setGeometry(0, 0, width(), height() / 2);
    down->setGeometry(0, height() / 2, width(), height() - height() / 2);
}

WorksheetBar::WorksheetBar(QWidget* parent, core::Worksheets& sheets, app::PrintService& printer)
    : QWidget(parent), m_sheets(sheets), m_printer(printer) {
    setObjectName(QStringLiteral("SkrivutHelaPanelen"));

    SkrivutPanel1 = makePanel(this, "SkrivutPanel1");
    SkrivutAntalButton =
        makeButton(SkrivutPanel1, "SkrivutAntalButton", "Välja &antal", "Datorn väljer uppgifter");
    ValjaUtButton =
        makeButton(SkrivutPanel1, "ValjaUtButton", "Välja &ut", "Du själv väljer uppgifter");
    VisaUtSkriftListaButton =
        makeButton(SkrivutPanel1, "VisaUtSkriftListaButton", "Se ditt &val", "Förhandsgranskning");
    Skrivut1Button = makeButton(SkrivutPanel1, "Skrivut1Button", "&Skriv ut",
                                "Du får välja utskrift med eller utan svar här. ");
    RensaButton = makeButton(SkrivutPanel1, "RensaButton", "&Rensa",
                             "Tar bort allt som valts till utskrift. ");
    SkrivutAvbryt1Button = makeButton(SkrivutPanel1, "SkrivutAvbryt1Button", "Till &menyn",
                                      "Utskriften kan utökas med andra förhör.");

    SkrivutValPanel = makePanel(this, "SkrivutValPanel");
    SkrivutNextButton = makeButton(SkrivutValPanel, "SkrivutNextButton", "&Nästa uppgift");
    SkrivutSkickaButton =
        makeButton(SkrivutValPanel, "SkrivutSkickaButton", "Skickas &till utskrift",
                   "Uppgiften du ser läggs in i utskriftslistann ");
    VisaUtskriftLista2Button = makeButton(SkrivutValPanel, "VisaUtskriftLista2Button",
                                          "Se ditt &val", "Visar aktuell utskriftslista.");
    Skrivut2Button = makeButton(SkrivutValPanel, "Skrivut2Button", "&Skriv ut",
                                "Du får välja utskrift med eller utan svar här. ");
    SkrivutAvbryt2Button = makeButton(SkrivutValPanel, "SkrivutAvbryt2Button", "&Avbryt");

    SkrivutAntalPanel = makePanel(this, "SkrivutAntalPanel");
    SkrivutSpinButton = new WorksheetSpinButton(SkrivutAntalPanel);
    SkrivutAntalTextLabel = textLabel(SkrivutAntalPanel, "SkrivutAntalTextLabel", kYellow, 24);
    SkrivutAntalTextLabel->setText(QStringLiteral("Antal :"));
    SkrivutAntalTextLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SkrivutAntalTextLabel->show();
    SkrivutAntalLabel = textLabel(SkrivutAntalPanel, "SkrivutAntalLabel", kYellow, 24);
    SkrivutAntalLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SkrivutAntalLabel->setAccessibleName(QStringLiteral("Antal uppgifter"));
    SkrivutAntalLabel->show();
    SkrivutKlartButton = makeButton(SkrivutAntalPanel, "SkrivutKlartButton", "&Klart");
    SkrivutAvbryt4Button = makeButton(SkrivutAntalPanel, "SkrivutAvbryt4Button", "&Avbryt");

    SkrivutSvarPanel = makePanel(this, "SkrivutSvarPanel");
    SkrivutUtanButton = makeButton(SkrivutSvarPanel, "SkrivutUtanButton", "Skriv ut &utan svaren",
                                   "Uppgifterna du skrivs ut.");
    SkrivutMedButton = makeButton(SkrivutSvarPanel, "SkrivutMedButton", "Skriv ut &med svaren",
                                  "Uppgifterna du skrivs ut.");
    SkrivutAvbryt3Button = makeButton(SkrivutSvarPanel, "SkrivutAvbryt3Button", "&Avbryt");

    SkrivutListValPanel = makePanel(this, "SkrivutListValPanel");
    SeListUtanButton =
        makeButton(SkrivutListValPanel, "SeListUtanButton", "Se ditt val &utan svar");
    SelistMedButton = makeButton(SkrivutListValPanel, "SelistMedButton", "Se ditt val &med svar");
    SkrivutAvbryt5Button = makeButton(SkrivutListValPanel, "SkrivutAvbryt5Button", "&Avbryt");

    m_panels = {SkrivutPanel1, SkrivutValPanel, SkrivutAntalPanel, SkrivutSvarPanel,
                SkrivutListValPanel};

    Utskrift = new TUtskrift(m_sheets, parent);

    const auto on = [this](QAbstractButton* b, void (WorksheetBar::*handler)()) {
        connect(b, &QAbstractButton::clicked, this, handler);
    };
    on(SkrivutAntalButton, &WorksheetBar::SkrivutAntalButtonClick);
    on(ValjaUtButton, &WorksheetBar::ValjaUtButtonClick);
    on(VisaUtSkriftListaButton, &WorksheetBar::VisaUtSkriftListaButtonClick);
    on(Skrivut1Button, &WorksheetBar::SkrivutButtonClick);
    on(RensaButton, &WorksheetBar::RensaButtonClick);
    on(SkrivutAvbryt1Button, &WorksheetBar::SkrivutAvbryt1ButtonClick);
    on(SkrivutNextButton, &WorksheetBar::SkrivutNextButtonClick);
    on(SkrivutSkickaButton, &WorksheetBar::SkrivutSkickaButtonClick);
    on(VisaUtskriftLista2Button, &WorksheetBar::VisaUtskriftLista2ButtonClick);
    on(Skrivut2Button, &WorksheetBar::SkrivutButtonClick);
    on(SkrivutAvbryt2Button, &WorksheetBar::SkrivutAvbryt2ButtonClick);
    on(SkrivutSpinButton->up, &WorksheetBar::SkrivutSpinUp);
    on(SkrivutSpinButton->down, &WorksheetBar::SkrivutSpinDown);
    on(SkrivutKlartButton, &WorksheetBar::SkrivutKlartButtonClick);
    on(SkrivutAvbryt4Button, &WorksheetBar::SkrivutAvbryt4ButtonClick);
    connect(SkrivutUtanButton, &QPushButton::clicked, this, [this] { SkrivutFraga(false); });
    connect(SkrivutMedButton, &QPushButton::clicked, this, [this] { SkrivutFraga(true); });
    on(SkrivutAvbryt3Button, &WorksheetBar::SkrivutAvbryt3ButtonClick);
    connect(SeListUtanButton, &QPushButton::clicked, this, [this] { SeListButtonClick(false); });
    connect(SelistMedButton, &QPushButton::clicked, this, [this] { SeListButtonClick(true); });
    on(SkrivutAvbryt5Button, &WorksheetBar::SkrivutAvbryt5ButtonClick);
    for (QPushButton* b : findChildren<QPushButton*>())
        b->installEventFilter(this);
    hide();
}

bool WorksheetBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && countKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QWidget::eventFilter(watched, event);
}

void WorksheetBar::layOut(const QRect& area, int listTop) {
    setGeometry(area);
    for (app::Panel* panel : m_panels)
        panel->setGeometry(0, 0, area.width(), area.height());
    layOutRow(SkrivutPanel1, {SkrivutAntalButton, ValjaUtButton, VisaUtSkriftListaButton,
                              Skrivut1Button, RensaButton, SkrivutAvbryt1Button});
    layOutRow(SkrivutValPanel, {SkrivutNextButton, SkrivutSkickaButton, VisaUtskriftLista2Button,
                                Skrivut2Button, SkrivutAvbryt2Button});
    layOutRow(SkrivutAntalPanel, {SkrivutSpinButton, SkrivutAntalTextLabel, SkrivutAntalLabel,
                                  SkrivutKlartButton, SkrivutAvbryt4Button});
    // The arrows need no more room than a square; the count stands close
    // to its label.
    const QRect spin = SkrivutSpinButton->geometry();
    SkrivutSpinButton->setGeometry(spin.right() + 1 - spin.height() * 2 / 3, spin.y(),
                                   spin.height() * 2 / 3, spin.height());
    const int labelPixels = std::max(10, area.height() * 2 / 5);
    for (QLabel* label : {SkrivutAntalTextLabel, SkrivutAntalLabel})
        label->setFont(arialBold(labelPixels));
    SkrivutAntalLabel->move(SkrivutAntalLabel->x() + area.height() / 8, SkrivutAntalLabel->y());
    layOutRow(SkrivutSvarPanel, {SkrivutUtanButton, SkrivutMedButton, SkrivutAvbryt3Button});
    layOutRow(SkrivutListValPanel, {SeListUtanButton, SelistMedButton, SkrivutAvbryt5Button});
    // The worksheet window over the middle of the exercise window, leaving
    // the bar and the headline free.
    const QWidget* window = parentWidget();
    Utskrift->layOut(QRect(window->width() / 5, listTop, window->width() * 3 / 5,
                           area.top() - listTop - area.height() / 2));
}

void WorksheetBar::start() {
    show();
    raise();
    enableListButtons();
    showPanel(SkrivutPanel1);
}

app::Panel* WorksheetBar::shownPanel() const {
    for (app::Panel* panel : m_panels)
        if (panel->isVisibleTo(this)) return panel;
    return nullptr;
}

void WorksheetBar::showPanel(app::Panel* panel) {
    // The lists are looked at from the list bar; every other bar works on
    // the question shown or asks for the printer, which the lists would
    // cover.
    if (panel != SkrivutListValPanel) Utskrift->hide();
    for (app::Panel* p : m_panels)
        if (p != panel) p->hide();
    panel->show();
    panel->raise();
    // The first enabled button takes the focus, so that Enter and the
    // accelerators work at once.
    for (QPushButton* b : panel->findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly))
        if (b->isEnabled()) {
            b->setFocus();
            break;
        }
}

void WorksheetBar::enableListButtons() {
    const bool any = !m_sheets.empty();
    for (QPushButton* b : {VisaUtSkriftListaButton, VisaUtskriftLista2Button, RensaButton,
                           Skrivut1Button, Skrivut2Button})
        b->setEnabled(any);
    for (QPushButton* b : {SkrivutUtanButton, SkrivutMedButton})
        b->setEnabled(!m_printing);
    if (Utskrift->isVisible()) Utskrift->refresh();
}

void WorksheetBar::showCount() {
    SkrivutAntalLabel->setText(QString::number(m_chosenCount));
}

void WorksheetBar::SkrivutAntalButtonClick() {
    m_chosenCount = std::min(1, m_recordCount);
    showCount();
    showPanel(SkrivutAntalPanel);
}

void WorksheetBar::ValjaUtButtonClick() {
    m_chosenByHand = true;
    showPanel(SkrivutValPanel);
}

void WorksheetBar::VisaUtSkriftListaButtonClick() {
    m_chosenByHand = false;
    m_listReturnsToChoice = false;
    showPanel(SkrivutListValPanel);
}

void WorksheetBar::VisaUtskriftLista2ButtonClick() {
    m_chosenByHand = true;
    m_listReturnsToChoice = true;
    showPanel(SkrivutListValPanel);
}

void WorksheetBar::SkrivutButtonClick() {
    showPanel(SkrivutSvarPanel);
}

void WorksheetBar::RensaButtonClick() {
    m_sheets.clear();
    // The exercise shown starts the new worksheet with its heading.
    m_sheets.startExercise();
    enableListButtons();
    showPanel(SkrivutPanel1);
}

void WorksheetBar::SkrivutAvbryt1ButtonClick() {
    Utskrift->hide();
    m_sheets.endExercise();
    emit leave();
}

void WorksheetBar::SkrivutNextButtonClick() {
    emit nextQuestion();
}

void WorksheetBar::SkrivutSkickaButtonClick() {
    emit addShown();
    enableListButtons();
}

void WorksheetBar::SkrivutSpinUp() {
    if (m_chosenCount < m_recordCount) ++m_chosenCount;
    showCount();
}

void WorksheetBar::SkrivutSpinDown() {
    if (m_chosenCount > 0) --m_chosenCount;
    showCount();
}

bool WorksheetBar::countKey(int key) {
    if (!SkrivutAntalPanel->isVisibleTo(this)) return false;
    if (key == Qt::Key_Up) {
        SkrivutSpinUp();
        return true;
    }
    if (key == Qt::Key_Down) {
        SkrivutSpinDown();
        return true;
    }
    return false;
}

void WorksheetBar::SkrivutKlartButtonClick() {
    emit addHeading();
    for (int i = 0; i < m_chosenCount; ++i)
        emit addShown();
    enableListButtons();
    showPanel(SkrivutPanel1);
}

void WorksheetBar::SkrivutAvbryt2ButtonClick() {
    showPanel(SkrivutPanel1);
}

void WorksheetBar::SkrivutAvbryt3ButtonClick() {
    showPanel(m_chosenByHand ? SkrivutValPanel : SkrivutPanel1);
}

void WorksheetBar::SkrivutAvbryt4ButtonClick() {
    m_chosenByHand = false;
    showPanel(SkrivutPanel1);
}

void WorksheetBar::SkrivutAvbryt5ButtonClick() {
    showPanel(m_listReturnsToChoice ? SkrivutValPanel : SkrivutPanel1);
}

void WorksheetBar::SeListButtonClick(bool withAnswers) {
    Utskrift->showList(withAnswers);
}

void WorksheetBar::SkrivutFraga(bool withAnswers) {
    if (m_printing || m_sheets.empty()) return;
    m_printing = true;
    Utskrift->hide();
    enableListButtons();
    const std::vector<core::Page> pages = m_sheets.layout(withAnswers, m_printer.metrics());
    m_printer.print(pages, window());
    m_printing = false;
    enableListButtons();
    // Back from the printer's dialogs the keys go to the exercise again.
    window()->activateWindow();
}

} // namespace glosbo::exercises
