// The parts of the exercise window that draw: its components at their
// designed places, the layout over the screen and the finish picture.
#include <algorithm>
#include <vector>

#include "app/style.h"
#include "core/data_fs.h"
#include "exercises/exercise_window.h"

namespace glosbo::exercises {

using namespace app::style;

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text) {
    return pushButton(parent, name, text, 14, true);
}

} // namespace

void ExerciseWindow::buildComponents() {
    worksheetBadge = new WorksheetBadge(this);
    DiagPanel1 = new DiagnosisBox(this);

    Aster1 = new app::TAster(screenSize().height(), this,
                             [this](int n) { return m_state.random().below(n); });
    Aster1->setAsterColor(kSilver);

    lampknapp = new QToolButton(this);
    lampknapp->setObjectName(QStringLiteral("lampknapp"));
    lampknapp->setToolTip(QStringLiteral("Felvarning"));
    lampknapp->setAccessibleName(QStringLiteral("Felvarning"));
    lampknapp->setIcon(lampIcon());
    lampknapp->setGeometry(400, 220, 36, 36);
    lampknapp->setIconSize(QSize(24, 24));
    lampknapp->setFocusPolicy(Qt::NoFocus);
    LampShape = new Lamp(this);
    LampShape->setObjectName(QStringLiteral("LampShape"));
    LampShape->setToolTip(QStringLiteral("Klicka här så försvinner felvarningen"));
    LampShape->setAccessibleName(QStringLiteral("Felvarning"));
    LampShape->setGeometry(404, 224, 28, 28);
    LampShape->hide();

    UpprepaButton = makeButton(this, "UpprepaButton", QStringLiteral("&Upprepa ordet  -- F2"));
    UpprepaButton->setGeometry(340, 100, 200, 30);
    UpprepaButton->hide();

    if (m_skeleton.finishPicture) BildPanelen = new FinishPicture(this);
    LovordPanel = new PraisePanel(this);

    buttonBar = new app::Panel(this);
    buttonBar->setObjectName(QString::fromLatin1(m_skeleton.buttonBarName));
    buttonBar->setColor(kNavy);
    buttonBar->setBevelWidth(2);
    Button1 = makeButton(buttonBar, "Button1", QStringLiteral("&Rätta felen"));
    Button2 = makeButton(buttonBar, m_skeleton.continueButtonName, QStringLiteral("&Fortsätta"));
    Button3 = makeButton(buttonBar, m_skeleton.cancelButtonName, QStringLiteral("&Avbryta"));
    if (!m_skeleton.correctionButton) {
        // Kept for the shared steps, which disable it, but never shown.
        Button1->setObjectName(QString());
        Button1->setEnabled(false);
        Button1->hide();
    }
    BitBtn1 = makeButton(buttonBar, "BitBtn1", QStringLiteral("&Inställningar"));
    buttonBar->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    lastAnswerTimer = new QTimer(this);
    lastAnswerTimer->setObjectName(QString::fromLatin1(m_skeleton.lastAnswerTimerName));
    lastAnswerTimer->setInterval(100);
    if (m_skeleton.wordSound) {
        wordSound = new WordSound(m_state, m_services, this,
                                  [this](const core::SoundRequest& r) { playAndWait(r); });
        UpprepaButton->setAutoDefault(false);
    }

    connect(Button1, &QPushButton::clicked, this, &ExerciseWindow::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &ExerciseWindow::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &ExerciseWindow::Button3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &ExerciseWindow::BitBtn1Click);
    connect(Timer1, &QTimer::timeout, this, &ExerciseWindow::Timer1Timer);
    connect(lastAnswerTimer, &QTimer::timeout, this, &ExerciseWindow::lastAnswerTimerTimer);
    connect(lampknapp, &QToolButton::clicked, this, &ExerciseWindow::LampknappClick);
    connect(LampShape, &Lamp::pressed, this, &ExerciseWindow::LampShapeMouseDown);
}

void ExerciseWindow::Inled() {
    const int W = screenSize().width();
    const int H = screenSize().height();
    const int m = letterUnit();

    const int stripHeight = (H / 48) * 43;
    const int stripWidth = stripHeight / 10 - m / 5;
    Aster1->setGeometry(W - stripWidth - m / 2, m, stripWidth, stripHeight);

    const int barWidth = (W / 64) * 58;
    const int barHeight = (H / 48) * 4;
    buttonBar->setGeometry(m, H - barHeight - m / 5, barWidth, barHeight);
    buttonBar->raise();
    layOutButtonBar();

    const int pictureWidth = (W / 64) * 58;
    if (BildPanelen) {
        const int rise = pictureRise();
        BildPanelen->setGeometry(m, (H / 48) * 10 - rise, pictureWidth, (H / 48) * 35 + rise);
        BildPanelen->Image1->setGeometry(0, 0, pictureWidth, (H / 48) * 35);
        BildPanelen->hide();
    }

    const int praiseHeight = (H / 48) * 5;
    LovordPanel->setGeometry(m, H - barHeight - praiseHeight - m / 5, pictureWidth, praiseHeight);
    LovordPanel->hide();
}

void ExerciseWindow::layOutButtonBar() {
    // The buttons of one size across the bar.
    std::vector<QPushButton*> buttons{Button2, Button3, BitBtn1};
    if (!Button1->isHidden()) buttons.insert(buttons.begin(), Button1);
    const int count = int(buttons.size());
    const int pad = std::max(3, buttonBar->height() / 8);
    const int width = (buttonBar->width() - (count + 1) * pad) / count;
    const int height = buttonBar->height() - 2 * pad;
    int left = pad;
    for (QPushButton* b : buttons) {
        b->setGeometry(left, pad, width, height);
        left += width + pad;
    }
}

void ExerciseWindow::showFinishPicture() {
    // On a scaled screen the instruction line reaches into the picture
    // area; the picture then starts below it rather than cutting it in half.
    const int m = letterUnit();
    const int H = screenSize().height();
    const int rise = pictureRise();
    const int designTop = (H / 48) * 10 - rise;
    const int bottom = designTop + (H / 48) * 35 + rise;
    int top = designTop;
    if (InstruktionsLabel->isVisibleTo(this))
        top = std::max(top, InstruktionsLabel->geometry().bottom() + 1 + m / 2);
    const QRect area(BildPanelen->x(), top, BildPanelen->width(), bottom - top);

    const int number = m_state.settings.showsPictures() && showsPictureIn(m_state.runMode)
                           ? m_state.haemta_Bildslumptal()
                           : 0;
    if (number == 0) {
        BildPanelen->showEmpty(area, rise);
        return;
    }
    const auto file = core::findDataFile(m_state.roots(), core::exercisePictureName(number));
    // A caption marked with a leading "1" stands at the left edge.
    std::string caption = m_state.pictures.currentCaption();
    if (captionStaysLeft() && (caption.empty() || caption.front() != '1')) caption = "1" + caption;
    BildPanelen->showPicture(area, rise, file.value_or(std::string()), caption, m);
}

} // namespace glosbo::exercises
