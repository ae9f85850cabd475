#include "exercises/tdiktam.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "app/services.h"
#include "app/sound_service.h"
#include "app/style.h"
#include "app/text_codec.h"
#include "exercises/word_sound.h"

namespace glosbo::exercises {

using namespace app::style;

namespace {

constexpr int kPoints = 22;

// The input is never narrower than this line in the answer's font.
const char* const kWidestLine = "Vistades p\xE5 marken";

Skeleton tdiktamSkeleton() {
    Skeleton s;
    s.name = "TDiktam";
    s.title = "Diktamen";
    s.lastAnswerTimerName = "Timer4";
    s.worksheetBar = false;
    s.diagnosisBox = false;
    return s;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text) {
    return pushButton(parent, name, text, 14, false);
}

// A spin arrow drawn as a text triangle, so that it grows with the button
// (the style draws its arrows at one small size).
QToolButton* makeArrow(QWidget* parent, const char* name, const QString& triangle) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(triangle);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return button;
}

} // namespace

TDiktam::TDiktam(CreationToken, const app::WindowContext& context)
    : ExerciseWindow(context, tdiktamSkeleton()) {
    buildOwnComponents();
}

void TDiktam::buildOwnComponents() {
    FrageLabel1 = textLabel(this, "FrageLabel1", kNavy);
    FrageLabel2 = textLabel(this, "FrageLabel2", kNavy);
    BlinkLabel = textLabel(this, "BlinkLabel", kNavy);
    BlinkLabel->setAccessibleName(QStringLiteral("Ordet"));
    Label5 = textLabel(this, "Label5", kMaroon);
    Label5->setAccessibleName(QStringLiteral("Rätt stavning"));
    Label6 = textLabel(this, "Label6", kRed);
    Label6->setWordWrap(true);
    EngLabel = textLabel(this, "EngLabel", kBlue);
    EngLabel->setFont(arialBold(19));
    for (QLabel* label : {FrageLabel1, FrageLabel2, BlinkLabel, Label5, Label6, EngLabel})
        label->hide();

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(QStringLiteral("Skriv ordet"));
    Edit1->setMaxLength(int(core::kLongestDictationWord));
    QPalette pal = Edit1->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, kNavy);
    Edit1->setPalette(pal);
    Edit1->installEventFilter(this);
    PopupMenu1 = addPasteMenu(this, Edit1).PopupMenu1;

    // Alt+H belongs to "Bara höra ordet".
    BitBtn2 = makeButton(this, "BitBtn2", QStringLiteral("H&jälp"));
    BitBtn2->hide();
    BaraHoraButton = makeButton(this, "BaraHoraButton", QStringLiteral("Bara &höra ordet"));
    BaraseordetButton = makeButton(this, "BaraseordetButton", QStringLiteral("Bara &se ordet"));
    SeochHoraButton =
        makeButton(this, "SeochHoraButton", QStringLiteral("&Både se och höra ordet"));
    SeIntervalLabel = textLabel(this, "SeIntervalLabel", kNavy, 19);
    SeIntervalLabel->setText(QStringLiteral("Visningstid:"));
    SeTidPanel = new app::Panel(this);
    SeTidPanel->setObjectName(QStringLiteral("SeTidPanel"));
    SeTidPanel->setColor(kWhite);
    SeTidPanel->setCaptionColor(kNavy);
    SeTidPanel->setLowered(true);
    SeTidPanel->setFont(arialBold(19));
    SeTidPanel->setToolTip(QStringLiteral("Tiden som ordet visas, i tiondels sekunder"));
    TidSpinButton = new QWidget(this);
    TidSpinButton->setObjectName(QStringLiteral("TidSpinButton"));
    auto* spinLayout = new QVBoxLayout(TidSpinButton);
    spinLayout->setContentsMargins(0, 0, 0, 0);
    spinLayout->setSpacing(0);
    TidSpinUp = makeArrow(TidSpinButton, "TidSpinUp", QStringLiteral("\u25B2"));
    TidSpinUp->setToolTip(QStringLiteral("Längre visningstid"));
    TidSpinUp->setAccessibleName(TidSpinUp->toolTip());
    TidSpinDown = makeArrow(TidSpinButton, "TidSpinDown", QStringLiteral("\u25BC"));
    TidSpinDown->setToolTip(QStringLiteral("Kortare visningstid"));
    TidSpinDown->setAccessibleName(TidSpinDown->toolTip());
    spinLayout->addWidget(TidSpinUp);
    spinLayout->addWidget(TidSpinDown);
    for (QWidget* w : std::initializer_list<QWidget*>{SeIntervalLabel, SeTidPanel, TidSpinButton})
        w->hide();

    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setSingleShot(true);
    Timer5 = new QTimer(this);
    Timer5->setObjectName(QStringLiteral("Timer5"));
    Timer5->setInterval(2);

    connect(Edit1, &QLineEdit::textChanged, this, [this] { updateLamp(); });
    connect(BitBtn2, &QPushButton::clicked, this, &TDiktam::BitBtn2Click);
    connect(UpprepaButton, &QPushButton::clicked, this, &TDiktam::UpprepaButtonClick);
    connect(BaraHoraButton, &QPushButton::clicked, this, &TDiktam::BaraHoraButtonClick);
    connect(BaraseordetButton, &QPushButton::clicked, this, &TDiktam::BaraseordetButtonClick);
    connect(SeochHoraButton, &QPushButton::clicked, this, &TDiktam::SeochHoraButtonClick);
    connect(TidSpinUp, &QToolButton::clicked, this, &TDiktam::TidSpinButtonUpClick);
    connect(TidSpinDown, &QToolButton::clicked, this, &TDiktam::TidSpinButtonDownClick);
    connect(Timer3, &QTimer::timeout, this, &TDiktam::Timer3Timer);
    connect(Timer5, &QTimer::timeout, this, &TDiktam::Timer5Timer);
    // After the settings the word can always be repeated and the
    // presentation changed: the dictation's words are heard whatever the
    // sound setting.
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        UpprepaButton->show();
        UpprepaButton->setEnabled(series().running());
        BaraHoraButton->setEnabled(true);
        SeochHoraButton->setEnabled(true);
    });
    connect(Button2, &QPushButton::clicked, this,
            [this] { UpprepaButton->setEnabled(series().running()); });
}

void TDiktam::setUpProgram() {
    const QFont font = pointFont(kPoints);
    for (QWidget* w : std::initializer_list<QWidget*>{InstruktionsLabel, FrageLabel1, FrageLabel2,
                                                      Edit1, BlinkLabel, Label5, Label6})
        w->setFont(font);
    m_minimumInputWidth = textWidth(kWidestLine, kPoints);
}

void TDiktam::placeQuestionControls() {
    const int m = letterUnit();
    const QRect outer = OverskriftYtterShape->geometry();
    InstruktionsLabel->move(InstruktionsLabel->x(),
                            outer.bottom() + 1 + InstruktionsLabel->height() / 3);
    const QRect instruction = InstruktionsLabel->geometry();
    const int left = instruction.left();
    const int contentRight = Aster1->x() - m;
    const int rowHeight = QFontMetrics(Label5->font()).height();

    const int top1 = instruction.bottom() + 1 + rowHeight / 3;
    const int top2 = top1 + 4 * rowHeight / 3;
    FrageLabel1->setGeometry(left, top1, contentRight - left, rowHeight);
    FrageLabel2->setGeometry(left, top2, contentRight - left, rowHeight);
    const int inputHeight = Edit1->sizeHint().height();
    m_inputPlace = QRect(left, top2 + rowHeight, m_minimumInputWidth, inputHeight);
    BlinkLabel->setGeometry(left, m_inputPlace.top() - rowHeight, contentRight - left, rowHeight);
    const int answerTop = m_inputPlace.bottom() + 1 + rowHeight / 3;
    Label5->setGeometry(left, answerTop, contentRight - left, rowHeight);
    Label6->setGeometry(left, answerTop + 4 * rowHeight / 3, contentRight - left, 2 * rowHeight);
    placeWordRow();

    // The presentation row one letter unit above the button bar, the lamp,
    // repeat and help buttons above it.
    const QFontMetrics text(BaraHoraButton->font());
    const int buttonHeight = text.height() + m;
    const auto widthOf = [&](QPushButton* b) { return text.horizontalAdvance(b->text()) + 2 * m; };
    const int rowTop = buttonBar->y() - m - buttonHeight;
    BaraHoraButton->setGeometry(left, rowTop, widthOf(BaraHoraButton), buttonHeight);
    BaraseordetButton->setGeometry(BaraHoraButton->geometry().right() + 1 + 2 * m, rowTop,
                                   widthOf(BaraseordetButton), buttonHeight);
    SeochHoraButton->setGeometry(BaraseordetButton->geometry().right() + 1 + m, rowTop,
                                 widthOf(SeochHoraButton), buttonHeight);
    // As wide as the widest time in the box's own font, and arrows that
    // fill their halves of the spin button.
    const int spinWidth =
        std::max(3 * m / 2,
                 QFontMetrics(SeTidPanel->font()).horizontalAdvance(QStringLiteral("30")) + 2 * m);
    TidSpinButton->setGeometry(SeochHoraButton->geometry().right() + 1 + m, rowTop, spinWidth,
                               buttonHeight);
    QFont arrowFont = TidSpinUp->font();
    arrowFont.setPixelSize(std::max(8, buttonHeight / 2 - 4));
    for (QToolButton* b : {TidSpinUp, TidSpinDown})
        b->setFont(arrowFont);
    SeTidPanel->setGeometry(TidSpinButton->x(), rowTop - m / 4 - buttonHeight, spinWidth,
                            buttonHeight);
    SeIntervalLabel->adjustSize();
    SeIntervalLabel->move(SeTidPanel->x() - m - SeIntervalLabel->width(),
                          SeTidPanel->y() + (buttonHeight - SeIntervalLabel->height()) / 2);

    const int upperTop = rowTop - m - buttonHeight;
    lampknapp->setGeometry(left, upperTop, buttonHeight, buttonHeight);
    UpprepaButton->setGeometry(lampknapp->geometry().right() + 1 + 2 * m, upperTop,
                               text.horizontalAdvance(UpprepaButton->text()) + 3 * m, buttonHeight);
    BitBtn2->setGeometry(UpprepaButton->geometry().right() + 1 + 2 * m, upperTop,
                         widthOf(BitBtn2) + m, buttonHeight);
    UpprepaButton->setAutoDefault(false);
    UpprepaButton->show();
    UpprepaButton->setEnabled(false);

    showDisplayTime();
    const bool timeShown = core::flashes(m_state.presentation);
    for (QWidget* w : std::initializer_list<QWidget*>{SeIntervalLabel, SeTidPanel, TidSpinButton})
        w->setVisible(timeShown);
    Timer5->start();
    m_ticks = 0;
    if (!core::flashes(m_state.presentation) && !hearingPossible())
        showPresentation(core::Presentation::SeeAndHear);
}

bool TDiktam::hearingPossible() {
    if (m_services.sounds.canPlay() || m_services.sounds.noOutputTold()) return true;
    m_services.sounds.tellNoOutput();
    m_services.messages.information(
        u8"Den här datorn kan inte spela upp ljud, så ordet hörs inte. Ordet visas därför "
        u8"också på skärmen (\"Både se och höra ordet\").");
    return false;
}

void TDiktam::placeWordRow() {
    const int m = letterUnit();
    const int contentRight = Aster1->x() - m;
    QRect input = m_inputPlace;
    const int wordWidth = textWidth(m_state.fields[1], kPoints);
    const int room = std::max(m_minimumInputWidth, contentRight - input.left() - 4 * m);
    input.setWidth(std::min(core::dictationInputWidth(wordWidth, m_minimumInputWidth), room));
    Edit1->setGeometry(input);
    LampShape->move(input.right() + 1 + m / 2,
                    input.top() + (input.height() - LampShape->height()) / 2);
    // The translation starts clear of the lamp beside the input.
    const int engLeft = std::max(input.right() + 1 + 4 * m, LampShape->geometry().right() + 1 + m);
    EngLabel->setGeometry(engLeft, input.top(), std::max(0, contentRight - engLeft),
                          input.height());
}

void TDiktam::clearQuestion() {
    Timer3->stop();
    Timer5->stop();
    UpprepaButton->setEnabled(false);
    for (QLabel* label : {BlinkLabel, Label5, Label6, EngLabel}) {
        label->clear();
        label->hide();
    }
    BitBtn2->hide();
    Edit1->clear();
}

void TDiktam::showQuestion() {
    const core::RecordFields& fields = m_state.fields;
    if (core::dictationOffersHelp(fields)) {
        Label6->setText(app::fromCp1252(fields[3]));
        BitBtn2->show();
        BitBtn2->setEnabled(true);
    }
    const QString word = app::fromCp1252(fields[1]);
    Label5->setText(word);
    BlinkLabel->setText(word);
    placeWordRow();
    Edit1->clear();
    if (m_state.settings.soundTranslation() != 0) {
        if (const auto translation = m_state.translationOf(fields[1])) {
            EngLabel->setText(app::fromCp1252(*translation));
            EngLabel->show();
        }
    }
    m_ticks = 0;
    Timer5->start();
    UpprepaButton->setEnabled(true);
}

void TDiktam::showCorrectAnswer() {
    Label5->show();
    Label5->repaint();
}

std::string TDiktam::soundFileName() const {
    const auto& files = m_state.files;
    const int number =
        files.errorPracticeMode ? files.errorRecordNumber : files.currentRecordNumber;
    return WordSound::fileName(m_state.sounds.directory(), number);
}

void TDiktam::playWord() {
    const std::string name = soundFileName();
    if (!name.empty()) app::SpelaUppWavLjud(m_state, m_services, name);
}

void TDiktam::flash() {
    BlinkLabel->setText(Label5->text());
    BlinkLabel->show();
    BlinkLabel->raise();
    closeInput();
    Timer3->start(m_displayTime.milliseconds());
}

void TDiktam::present() {
    switch (m_state.presentation) {
    case core::Presentation::Hear:
        playWord();
        break;
    case core::Presentation::See:
        flash();
        break;
    case core::Presentation::SeeAndHear:
        playWord();
        Edit1->clear();
        flash();
        break;
    }
}

void TDiktam::Timer5Timer() {
    if (++m_ticks < m_state.settings.answerDisplaySeconds()) return;
    Timer5->stop();
    if (series().running() && !showingAnswer()) present();
}

void TDiktam::Timer3Timer() {
    BlinkLabel->hide();
    giveInputBack();
}

bool TDiktam::showingAnswer() const {
    return Timer1->isActive() || lastAnswerTimer->isActive();
}

void TDiktam::giveInputBack() {
    // While the right word is shown, or after the series, the input stays
    // closed: an Enter there would judge the same question twice.
    if (!series().running() || showingAnswer() || buttonBar->isVisible() || Timer3->isActive())
        return;
    Edit1->setEnabled(true);
    Edit1->show();
    Edit1->setFocus();
}

void TDiktam::UpprepaButtonClick() {
    if (!series().running() || showingAnswer()) return;
    present();
    if (m_state.presentation == core::Presentation::Hear) giveInputBack();
}

void TDiktam::showPresentation(core::Presentation presentation) {
    m_state.presentation = presentation;
    const bool timeShown = core::flashes(presentation);
    for (QWidget* w : std::initializer_list<QWidget*>{SeIntervalLabel, SeTidPanel, TidSpinButton})
        w->setVisible(timeShown);
    showDisplayTime();
}

void TDiktam::choosePresentation(core::Presentation presentation) {
    showPresentation(presentation);
    giveInputBack();
}

void TDiktam::BaraHoraButtonClick() {
    // Without sound the word would be neither heard nor seen: the pupil is
    // told so once, and sees it as well.
    choosePresentation(hearingPossible() ? core::Presentation::Hear
                                         : core::Presentation::SeeAndHear);
}

void TDiktam::BaraseordetButtonClick() {
    choosePresentation(core::Presentation::See);
}

void TDiktam::SeochHoraButtonClick() {
    choosePresentation(core::Presentation::SeeAndHear);
}

void TDiktam::showDisplayTime() {
    SeTidPanel->setCaption(QString::number(m_displayTime.tenths()));
}

void TDiktam::TidSpinButtonUpClick() {
    m_displayTime.up();
    showDisplayTime();
    SeIntervalLabel->show();
}

void TDiktam::TidSpinButtonDownClick() {
    m_displayTime.down();
    showDisplayTime();
    SeIntervalLabel->show();
}

void TDiktam::BitBtn2Click() {
    series().useHelp(core::HelpButton::First);
    Label6->show();
    BitBtn2->hide();
    if (Edit1->isEnabled()) Edit1->setFocus();
}

void TDiktam::enableHelpButtons() {
    BitBtn2->setEnabled(true);
}

void TDiktam::Edit1KeyPress(int key) {
    if (key == Qt::Key_Escape) {
        if (!series().running()) return;
        Timer5->stop();
        escapeFromInput();
        lampknapp->setEnabled(false);
        return;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return;
    if (!Edit1->isEnabled()) return;
    Timer5->stop();
    closeInput();
    const bool right = core::acceptsDictatedWord(m_state.fields, app::toCp1252(Edit1->text()));
    giveVerdict(right);
    if (!series().running()) {
        Timer5->stop();
        UpprepaButton->setEnabled(false);
        BitBtn2->setEnabled(false);
    }
}

bool TDiktam::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            Edit1KeyPress(key->key());
            return true;
        case Qt::Key_F2:
            if (core::speaks(m_state.presentation)) playWord();
            return true;
        case Qt::Key_S: {
            const Qt::KeyboardModifiers modifiers =
                key->modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
            if (modifiers == Qt::AltModifier || modifiers == Qt::ControlModifier) {
                pasteLetter(Edit1, QStringLiteral("ß"));
                return true;
            }
            break;
        }
        default:
            break;
        }
    }
    return ExerciseWindow::eventFilter(watched, event);
}

} // namespace glosbo::exercises
