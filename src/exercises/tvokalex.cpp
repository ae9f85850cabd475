#include "exercises/tvokalex.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <algorithm>

#include "app/style.h"
#include "app/text_codec.h"

namespace glosbo::exercises {

using namespace app::style;

namespace {

const char* const kRowTexts[] = {"Ange antal vokaler.", "Räkna upp vokalerna.",
                                 "Räkna upp mjuka vokaler.", "Räkna upp hårda vokaler.", "Summa:"};

// The letter panels in a row, in design pixels.
constexpr int kPanelLeft = 26;
constexpr int kPanelTop = 190;
constexpr int kPanelSide = 44;
constexpr int kPanelGap = 8;

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text) {
    return pushButton(parent, name, text, 14, true);
}

} // namespace

TVokalex::TVokalex(CreationToken, const app::WindowContext& context)
    : ExerciseFrame(context, "TVokalex", "Examen") {
    buildComponents();
}

void TVokalex::buildComponents() {
    // The window takes the keys itself while the button bar is away.
    setFocusPolicy(Qt::StrongFocus);
    InstruktionsLabel->hide();
    InstruktionsLabel1 = textLabel(this, "InstruktionsLabel1", kGreen, 24);
    InstruktionsLabel1->move(26, 100);
    InstruktionsLabel2 = textLabel(this, "InstruktionsLabel2", kGreen, 24);
    InstruktionsLabel2->move(26, 135);
    KommentarLabel = textLabel(this, "KommentarLabel", kGreen, 24);
    KommentarLabel->move(26, 250);
    for (int i = 0; i < core::VowelExam::kMostPanels; ++i) {
        const std::string name = "SPanel" + std::to_string(i + 1);
        SPanel[i] = app::namedPanel(this, name.c_str(), kYellow);
        SPanel[i]->setCaptionColor(kNavy);
        SPanel[i]->setFont(pointFont(18));
        SPanel[i]->setGeometry(kPanelLeft + i * (kPanelSide + kPanelGap), kPanelTop, kPanelSide,
                               kPanelSide);
        SPanel[i]->hide();
    }

    Panel1 = app::namedPanel(this, "Panel1", kNavy);
    Panel1->setBevelWidth(2);
    Button2 = makeButton(Panel1, "Button2", QStringLiteral("&Fortsätta"));
    Button3 = makeButton(Panel1, "Button3", QStringLiteral("&Avbryta"));
    Panel1->hide();

    ResultatPanelen = app::namedPanel(this, "ResultatPanelen", kBlue);
    ResultatPanel1 = app::namedPanel(ResultatPanelen, "ResultatPanel1", kYellow);
    ResultatPanel2 = app::namedPanel(ResultatPanel1, "ResultatPanel2", kYellow);
    ResultatPanel2->setBevelWidth(0);
    m_heading = resultLabel("RubrikLabel", QStringLiteral("Resultat"));
    m_answersHead = resultLabel("AntalSvarLabel", QStringLiteral("Antal svar"));
    m_givenHead = resultLabel("DuSvaradeLabel", QStringLiteral("Du svarade"));
    m_idealHead = resultLabel("IdealresultatLabel", QStringLiteral("Idealresultat"));
    for (int row = 0; row < 5; ++row) {
        const std::string n = std::to_string(row + 1);
        m_rowTexts[row] = resultLabel(("RadLabel" + n).c_str(), QString::fromUtf8(kRowTexts[row]));
        answerLabels[row] = resultLabel(("SvarLabel" + n).c_str(), {});
        idealLabels[row] = resultLabel(("IdealLabel" + n).c_str(), {});
        answerLabels[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        idealLabels[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    m_maxGradeText = resultLabel("HoegstaBetygLabel", QStringLiteral("Högsta betyg är"));
    maxGradeLabel = resultLabel("HoegstaBetygVaerde", QStringLiteral("10"));
    m_gradeText = resultLabel("BetygLabel", QStringLiteral("Du fick betyget"));
    gradeLabel = resultLabel("BetygVaerde", {});
    gradeLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    maxGradeLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Lovordlabel = resultLabel("Lovordlabel", {});
    setTextColor(Lovordlabel, kRed);
    Lovordlabel->setAlignment(Qt::AlignCenter);
    ResultatPanelen->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);

    connect(Button2, &QPushButton::clicked, this, &TVokalex::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TVokalex::Button3Click);
    connect(Timer1, &QTimer::timeout, this, &TVokalex::Timer1Timer);
    for (QPushButton* button : {Button2, Button3})
        button->installEventFilter(this);
}

QLabel* TVokalex::resultLabel(const char* name, const QString& text) {
    QLabel* label = textLabel(ResultatPanel2, name, kNavy, 24);
    label->setText(text);
    label->show();
    return label;
}

void TVokalex::FormCreate() {
    prepareFrame();
    Inled();
    RitaOverskriften("Vokalen", "Examen", "");
    OverskriftInnerShape->setBrushColor(kNavy);
    Panel1->hide();
    Nypost();
}

void TVokalex::Inled() {
    const int W = screenSize().width();
    const int H = screenSize().height();
    const int m = letterUnit();
    const int barHeight = (H / 48) * 4;
    Panel1->setGeometry(m, H - barHeight - m / 5, W - 2 * m, barHeight);
    Panel1->raise();
    const int pad = std::max(3, barHeight / 8);
    const int buttonWidth = (Panel1->width() - 5 * pad) / 4;
    Button2->setGeometry(pad, pad, buttonWidth, barHeight - 2 * pad);
    Button3->setGeometry(2 * pad + buttonWidth, pad, buttonWidth, barHeight - 2 * pad);

    const QRect outer = OverskriftYtterShape->geometry();
    const int top = outer.bottom() + 1 + m / 2;
    ResultatPanelen->setGeometry(m, top, W - 2 * m, Panel1->y() - top);
    ResultatPanel1->setGeometry(m, m, ResultatPanelen->width() - 2 * m,
                                ResultatPanelen->height() - 2 * m);
    ResultatPanel2->setGeometry(m, m, ResultatPanel1->width() - 2 * m,
                                ResultatPanel1->height() - 2 * m);
}

void TVokalex::Nypost() {
    m_ticks = 0;
    Timer1->stop();
    const int step = m_exam.currentStep();
    if (step == 1) m_exam.start();
    KommentarLabel->hide();
    if (m_exam.finished()) {
        for (app::Panel* panel : SPanel)
            panel->hide();
        Resultat();
        showButtonBar();
        return;
    }
    const core::VowelExam::Step& s = core::VowelExam::step(step);
    InstruktionsLabel1->setText(app::fromCp1252(std::string(s.instruction1)));
    InstruktionsLabel2->setText(app::fromCp1252(std::string(s.instruction2)));
    for (QLabel* label : {InstruktionsLabel1, InstruktionsLabel2}) {
        label->adjustSize();
        label->show();
    }
    for (int i = 0; i < core::VowelExam::kMostPanels; ++i) {
        SPanel[i]->setCaption({});
        SPanel[i]->setEnabled(true);
        SPanel[i]->setVisible(i < int(s.keys.size()));
    }
}

void TVokalex::showButtonBar() {
    Panel1->show();
    Panel1->raise();
    Button2->setFocus();
}

void TVokalex::FormKeyPress(QKeyEvent* event) {
    // A key that reaches the button bar (Enter or Space on a button) is the
    // bar's, never an answer.
    if (Panel1->isVisible()) return;
    if (event->key() == Qt::Key_Escape) {
        showButtonBar();
        for (app::Panel* panel : SPanel)
            panel->setEnabled(false);
        return;
    }
    // Only a key that types a character answers; Shift, the arrows and
    // the like do not.
    const QString text = event->text();
    if (text.size() != 1 || !text.front().isPrint()) return;
    const std::string typed = app::toCp1252(text);
    if (typed.size() != 1) return;
    const core::VowelExam::KeyOutcome outcome = m_exam.press(typed.front());
    switch (outcome.result) {
    case core::VowelExam::KeyResult::Filled:
        SPanel[outcome.panel - 1]->setCaption(app::fromCp1252(std::string(1, outcome.shown)));
        if (outcome.stepDone) {
            m_ticks = 0;
            Timer1->start();
        }
        break;
    case core::VowelExam::KeyResult::Wrong:
        if (!outcome.comment.empty()) {
            KommentarLabel->setText(app::fromCp1252(outcome.comment));
            KommentarLabel->adjustSize();
            KommentarLabel->show();
        }
        break;
    case core::VowelExam::KeyResult::Ignored:
        break;
    }
}

void TVokalex::Timer1Timer() {
    if (++m_ticks < 2) return;
    Timer1->stop();
    m_exam.advance();
    Nypost();
}

void TVokalex::Resultat() {
    for (int step = 1; step <= core::VowelExam::kSteps; ++step) {
        answerLabels[step - 1]->setText(QString::number(m_exam.answers(step)));
        idealLabels[step - 1]->setText(QString::number(core::VowelExam::step(step).keys.size()));
    }
    const int wrong = m_exam.totalWrongKeys();
    answerLabels[4]->setText(QString::number(wrong + 19));
    idealLabels[4]->setText(QStringLiteral("19"));
    gradeLabel->setText(QString::number(core::vowelExamGrade(wrong)));
    Lovordlabel->setText(app::fromCp1252(core::vowelExamComment(wrong)));
    layOutResult();
    ResultatPanelen->show();
    ResultatPanelen->raise();
    Panel1->raise();
}

void TVokalex::layOutResult() {
    const int m = letterUnit();
    const int width = ResultatPanel2->width();
    // The table takes ten and a half steps of 7/6 of a label's height and
    // one line below one letter unit; on a low screen its letters get
    // smaller until it fits.
    QFont font = m_heading->font();
    while (font.pixelSize() > 8 &&
           m + (147 * QFontMetrics(font).height()) / 12 + QFontMetrics(font).height() >
               ResultatPanel2->height())
        font.setPixelSize(font.pixelSize() - 1);
    for (QLabel* label : ResultatPanel2->findChildren<QLabel*>()) {
        label->setFont(font);
        label->adjustSize();
    }
    const int lineHeight = m_heading->height();
    const int step = 7 * lineHeight / 6;
    const auto centreAt = [](QLabel* label, int centre, int top) {
        label->move(centre - label->width() / 2, top);
    };
    // Right-aligned figures end one letter unit after their column head.
    const auto figureAt = [&](QLabel* label, int right, int top) {
        const int figureWidth = std::max(label->width(), 3 * m);
        label->setGeometry(right - figureWidth, top, figureWidth, lineHeight);
    };

    int top = m;
    centreAt(m_heading, width / 2, top);
    top += step;
    centreAt(m_answersHead, 3 * width / 4, top);
    top += step;
    const int idealLeft = 3 * width / 4;
    const int givenLeft = width / 2;
    m_givenHead->move(givenLeft, top);
    m_idealHead->move(idealLeft, top);
    const int givenRight = givenLeft + m_givenHead->width() + m;
    const int idealRight = idealLeft + m_idealHead->width() + m;
    for (int row = 0; row < 5; ++row) {
        top += step;
        m_rowTexts[row]->move(m, top);
        figureAt(answerLabels[row], givenRight, top);
        figureAt(idealLabels[row], idealRight, top);
    }
    top += 3 * step / 2;
    centreAt(m_maxGradeText, width / 2, top);
    const int maxRight = m_maxGradeText->geometry().right() + 1 + m + maxGradeLabel->width();
    figureAt(maxGradeLabel, maxRight, top);
    top += step;
    m_gradeText->move(m_maxGradeText->x(), top);
    figureAt(gradeLabel, maxRight, top);
    top += step;
    Lovordlabel->setGeometry(0, top, width, lineHeight);
}

void TVokalex::Button2Click() {
    ResultatPanelen->hide();
    Panel1->hide();
    if (!m_exam.finished()) {
        for (app::Panel* panel : SPanel)
            panel->setEnabled(true);
        setFocus();
        return;
    }
    m_exam.start();
    Nypost();
    setFocus();
}

void TVokalex::Button3Click() {
    m_leaving = true;
    QDialog::reject();
}

void TVokalex::reject() {
    // Esc shows the button bar; only "Avbryta" closes the window.
    if (m_leaving) QDialog::reject();
}

void TVokalex::keyPressEvent(QKeyEvent* event) {
    FormKeyPress(event);
}

bool TVokalex::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == Button2 || watched == Button3)) {
        // On the button bar Enter and Space press the button and answer
        // nothing; Esc keeps the bar.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) return true;
    }
    return ExerciseFrame::eventFilter(watched, event);
}

} // namespace glosbo::exercises
