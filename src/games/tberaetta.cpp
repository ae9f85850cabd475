#include "games/tberaetta.h"

#include <QFontMetrics>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "app/style.h"
#include "app/text_codec.h"

namespace glosbo::games {

using namespace app::style;

namespace {

// The window is drawn for a screen of this size and scaled to the real one.
constexpr double kDesignWidth = 800;
constexpr double kDesignHeight = 600;
constexpr int kLongestLine = 60;

const char* const kInstructions[] = {"Tom rad avslutar historien.",
                                     "Tryck Enter efter varje avslutad rad.",
                                     "När du är klar kan du välja att skriva ut historien."};

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QToolButton* makeArrow(QWidget* parent, const char* name, Qt::ArrowType arrow,
                       const QString& accessibleName) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(arrow);
    button->setAccessibleName(accessibleName);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

std::u8string missingFileMessage(const std::string& name) {
    return u8"Filen " + std::u8string(name.begin(), name.end()) + u8" finns inte eller är felaktig";
}

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

Tberaetta::Tberaetta(exercises::CreationToken, const app::WindowContext& context)
    : ExerciseFrame(context, "Tberaetta", "Berätta") {
    buildComponents();
}

void Tberaetta::buildComponents() {
    // The frame's headline box is not used: the heading stands in the red frame.
    for (QWidget* w :
         std::initializer_list<QWidget*>{OverskriftYtterShape, OverskriftInnerShape, Overs1Label,
                                         Overs2Label, Overs3Label, InstruktionsLabel})
        w->hide();

    RamPanel = app::namedPanel(this, "RamPanel", kRed);
    RamPanel->setBevelWidth(2);
    RubrikLabel = textLabel(RamPanel, "RubrikLabel", kYellow);
    RubrikLabel->setText(QStringLiteral("Berätta"));
    RubrikLabel->setAlignment(Qt::AlignCenter);
    RubrikLabel->show();

    InledningPanel = app::namedPanel(RamPanel, "InledningPanel", kSilver);
    PageLabel = textLabel(InledningPanel, "PageLabel", kNavy);
    PageLabel->setText(QStringLiteral("Tryck PageUp eller PageDown för att ändra inledning."));
    PageLabel->setAlignment(Qt::AlignCenter);
    PageLabel->show();
    SpeedButton1 = makeArrow(InledningPanel, "SpeedButton1", Qt::LeftArrow,
                             QStringLiteral("Föregående inledning"));
    SpeedButton2 = makeArrow(InledningPanel, "SpeedButton2", Qt::RightArrow,
                             QStringLiteral("Nästa inledning"));
    InledningNrLabel = textLabel(InledningPanel, "InledningNrLabel", kBlack);
    InledningNrLabel->setText(QStringLiteral("Inledning nr"));
    InledningNrLabel->show();
    RaknareLabel = textLabel(InledningPanel, "RaknareLabel", kBlack);
    RaknareLabel->show();
    Button1 = makeButton(InledningPanel, "Button1", QStringLiteral("&Avbryta"));
    BitBtn1 = makeButton(InledningPanel, "BitBtn1", QStringLiteral("OK"));
    BitBtn1->setDefault(true);

    InstruktionPanel = app::namedPanel(RamPanel, "InstruktionPanel", kSilver);
    for (int i = 0; i < 3; ++i) {
        const std::string name = "InstruktionLabel" + std::to_string(i + 1);
        InstruktionLabel[i] = textLabel(InstruktionPanel, name.c_str(), kGreen);
        InstruktionLabel[i]->setText(QString::fromUtf8(kInstructions[i]));
        InstruktionLabel[i]->show();
    }
    InstruktionPanel->hide();

    VisaPanel = app::namedPanel(RamPanel, "VisaPanel", kSilver);
    VisaPanel->setLowered(true);
    for (int i = 0; i < 4; ++i) {
        const std::string name = "Rad" + std::to_string(i + 1);
        Rad[i] = textLabel(VisaPanel, name.c_str(), kBlack);
        Rad[i]->show();
    }
    Edit1 = new QLineEdit(RamPanel);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(kLongestLine);
    setTextColor(Edit1, kNavy);
    Edit1->setAccessibleName(QStringLiteral("Nästa rad i historien"));
    Edit1->hide();

    ResultatPanel = app::namedPanel(RamPanel, "ResultatPanel", kSilver);
    ResultatRubrik = textLabel(ResultatPanel, "ResultatRubrik", kNavy);
    ResultatRubrik->setText(QStringLiteral("Så här blev det"));
    ResultatRubrik->show();
    Memo1 = new QPlainTextEdit(ResultatPanel);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAccessibleName(QStringLiteral("Din historia"));
    ResultatRubrik->setBuddy(Memo1);
    BitBtn2 = makeButton(ResultatPanel, "BitBtn2", QStringLiteral("&Skriv ut"));
    Button2 = makeButton(ResultatPanel, "Button2", QStringLiteral("&Ny historia"));
    Button3 = makeButton(ResultatPanel, "Button3", QStringLiteral("&Avbryta"));
    ResultatPanel->hide();

    connect(SpeedButton1, &QToolButton::clicked, this, &Tberaetta::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &Tberaetta::SpeedButton2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &Tberaetta::BitBtn1Click);
    connect(Button1, &QPushButton::clicked, this, &Tberaetta::reject);
    connect(BitBtn2, &QPushButton::clicked, this, &Tberaetta::BitBtn2Click);
    connect(Button2, &QPushButton::clicked, this, &Tberaetta::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &Tberaetta::reject);
}

void Tberaetta::FormCreate() {
    prepareFrame();
    m_state.files.errorPracticeMode = false;
    layOut();
    // The window sees PageUp and PageDown before the control with the focus.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);

    const auto file = core::loadIntroductions(m_state.roots(), m_state.files.currentExerciseFile);
    if (!file || file->introductions.empty()) {
        m_services.messages.information(missingFileMessage(m_state.files.currentExerciseFile));
        // Without an introduction there is nothing to write: the window
        // closes as soon as it is shown.
        QTimer::singleShot(0, this, &Tberaetta::reject);
        return;
    }
    m_introductions = file->introductions;
    m_current = 1;
    showIntroduction();
    BitBtn1->setFocus();
}

void Tberaetta::layOut() {
    const int W = screenSize().width();
    const int H = screenSize().height();
    const double f = std::min(W / kDesignWidth, H / kDesignHeight);
    const auto px = [f](int design) { return int(std::lround(design * f)); };
    const auto rect = [&](int x, int y, int w, int h) { return QRect(px(x), px(y), px(w), px(h)); };
    const int u = letterUnit();

    // The frame centred across the screen.
    RamPanel->setGeometry(rect(40, 30, 721, 481).translated((W - px(800)) / 2, 0));
    RubrikLabel->setFont(arialBold(px(30)));
    RubrikLabel->setGeometry(rect(20, 18, 681, 41));

    InledningPanel->setGeometry(rect(23, 70, 681, 171));
    InstruktionPanel->setGeometry(InledningPanel->geometry());
    const QFont text = arialBold(px(22));
    PageLabel->setFont(text);
    PageLabel->setGeometry(rect(8, 10, 665, 32));
    SpeedButton1->setGeometry(rect(30, 58, 40, 40));
    SpeedButton2->setGeometry(rect(80, 58, 40, 40));
    InledningNrLabel->setFont(text);
    InledningNrLabel->setGeometry(rect(140, 62, 180, 32));
    RaknareLabel->setFont(text);
    RaknareLabel->setGeometry(InledningNrLabel->x() + InledningNrLabel->sizeHint().width() + px(12),
                              px(62), px(200), px(32));
    for (QToolButton* arrow : {SpeedButton1, SpeedButton2})
        arrow->setIconSize(QSize(px(24), px(24)));
    const QFont buttons = arialBold(px(18));
    for (QPushButton* b : {Button1, BitBtn1, BitBtn2, Button2, Button3})
        b->setFont(buttons);
    BitBtn1->setGeometry(rect(330, 115, 160, 40));
    Button1->setGeometry(rect(500, 115, 160, 40));
    for (int i = 0; i < 3; ++i) {
        InstruktionLabel[i]->setFont(text);
        InstruktionLabel[i]->setGeometry(rect(16, 20 + 45 * i, 650, 32));
    }

    VisaPanel->setGeometry(rect(23, 253, 681, 191));
    for (int i = 0; i < 4; ++i) {
        Rad[i]->setFont(text);
        Rad[i]->setGeometry(u, px(10 + 30 * i), VisaPanel->width() - 2 * u, px(30));
    }
    // The line being written stands under the three rows.
    Edit1->setFont(text);
    Edit1->setGeometry(VisaPanel->x() + u, VisaPanel->y() + px(130), VisaPanel->width() - 2 * u,
                       px(34));

    ResultatPanel->setGeometry(rect(23, 70, 681, 391));
    ResultatRubrik->setFont(arialBold(px(23)));
    ResultatRubrik->setGeometry(rect(12, 8, 657, 32));
    Memo1->setFont(arialBold(px(23)));
    Memo1->setGeometry(rect(12, 44, 657, 290));
    BitBtn2->setGeometry(rect(12, 342, 200, 40));
    Button2->setGeometry(rect(240, 342, 200, 40));
    Button3->setGeometry(rect(469, 342, 200, 40));
}

void Tberaetta::showIntroduction() {
    RaknareLabel->setText(QString::number(m_current) + QStringLiteral(" av ") +
                          QString::number(introductionCount()));
    const core::StoryIntroduction& intro = m_introductions[m_current - 1];
    for (int i = 0; i < 3; ++i)
        Rad[i]->setText(app::fromCp1252(intro.lines[i]));
}

void Tberaetta::SpeedButton1Click() {
    if (m_introductions.empty()) return;
    m_current = std::max(m_current - 1, 1);
    showIntroduction();
}

void Tberaetta::SpeedButton2Click() {
    if (m_introductions.empty()) return;
    m_current = std::min(m_current + 1, introductionCount());
    showIntroduction();
}

bool Tberaetta::FormKeyDown(QKeyEvent* event) {
    if (event->key() == Qt::Key_PageDown) {
        SpeedButton2Click();
        return true;
    }
    if (event->key() == Qt::Key_PageUp) {
        SpeedButton1Click();
        return true;
    }
    return false;
}

void Tberaetta::BitBtn1Click() {
    Memo1->clear();
    for (int i = 0; i < 3; ++i)
        Memo1->appendPlainText(Rad[i]->text());
    Edit1->clear();
    Edit1->show();
    Edit1->setFocus();
    BitBtn1->setEnabled(false);
    InstruktionPanel->show();
    InstruktionPanel->raise();
}

bool Tberaetta::fitsDisplay(std::string_view text) const {
    return m_services.measure.widthPx(text, Rad[2]->font().pixelSize()) <=
           VisaPanel->width() - 2 * letterUnit();
}

void Tberaetta::Edit1KeyPress() {
    Rad[0]->setText(Rad[1]->text());
    Rad[1]->setText(Rad[2]->text());
    const QString typed = Edit1->text();
    Rad[2]->setText(typed);
    if (typed.isEmpty()) {
        VisaStory();
        return;
    }
    const std::string line = app::toCp1252(typed);
    if (fitsDisplay(line)) {
        Edit1->clear();
    } else {
        // Wrapped in the font the rows show, with bounds that the width
        // scaling of this program turns into the rows' own width, so that
        // the first part fits and the rest goes back into the box.
        const int W = screenSize().width();
        const int left = 2 * letterUnit();
        const int right = left + (VisaPanel->width() - 2 * letterUnit()) * 640 / W;
        const int pixels = Rad[2]->font().pixelSize();
        core::WrapContext wrap{[this, pixels](std::string_view text, int) {
                                   return m_services.measure.widthPx(text, pixels);
                               },
                               W, core::kStoryProgram};
        const core::StoryLine split = core::splitStoryLine(
            line, left, right, wrap, [this](std::string_view t) { return fitsDisplay(t); });
        Rad[2]->setText(app::fromCp1252(split.shown));
        Edit1->setText(app::fromCp1252(split.rest));
    }
    Memo1->appendPlainText(Rad[2]->text());
}

void Tberaetta::VisaStory() {
    ResultatPanel->show();
    ResultatPanel->raise();
    showIntroduction();
    Edit1->hide();
    Memo1->setFocus();
    Memo1->moveCursor(QTextCursor::End);
}

void Tberaetta::BitBtn2Click() {
    std::vector<std::string> lines;
    for (const QString& line : Memo1->toPlainText().split(QLatin1Char('\n')))
        lines.push_back(app::toCp1252(line));
    m_services.printer.print(core::storyPages(lines, m_services.printer.metrics()), this);
}

void Tberaetta::Button2Click() {
    InstruktionPanel->hide();
    ResultatPanel->hide();
    BitBtn1->setEnabled(true);
    Memo1->clear();
    BitBtn1->setFocus();
}

bool Tberaetta::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (FormKeyDown(key)) return true;
        if (watched == Edit1 && isEnter(key)) {
            Edit1KeyPress();
            return true;
        }
    }
    return ExerciseFrame::eventFilter(watched, event);
}

void Tberaetta::keyPressEvent(QKeyEvent* event) {
    if (FormKeyDown(event)) return;
    ExerciseFrame::keyPressEvent(event);
}

} // namespace glosbo::games
