#include "app/tform1.h"

#include <QCloseEvent>
#include <QResizeEvent>
#include <QShortcut>
#include <QShowEvent>
#include <system_error>
#include <thread>

#include "app/bmp_image.h"
#include "app/scaling.h"
#include "app/style.h"
#include "app/text_codec.h"
#include "core/cp1252.h"
#include "core/data_fs.h"
#include "core/pictures.h"
#include "core/teacher_password.h"
#include "core/wrap.h"

namespace glosbo::app {

using namespace style;

namespace {

// Design of the window, for a 640 x 480 screen.
constexpr int kButtonWidth = 257;
constexpr int kButtonHeight = 32;
constexpr int kFirstButtonTop = 60;
constexpr int kButtonLeft = 8;
constexpr int kPanelWidth = kButtonLeft + kButtonWidth + kButtonLeft;
constexpr int kPanelHeight = kFirstButtonTop + 10 * kButtonHeight + 8;
// The worksheet indicator is placed from the panel's position before the
// panel is centred; from this top it lands below the centred panel with
// about as much room above it as below.
constexpr int kPanelDesignTop = 66;
constexpr int kBannerHeight = 20;

std::string withoutLastCharacter(const std::string& s) {
    return s.empty() ? s : s.substr(0, s.size() - 1);
}

} // namespace

TForm1::TForm1(core::AppState& state, Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_state(state), m_services(services),
      m_area(screenArea()), m_screen(m_area.size()) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Glosbo"));
    buildComponents();
    FormCreate();
}

void TForm1::buildComponents() {
    resize(640, 480);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBlue);
    setPalette(pal);
    setAutoFillBackground(true);

    Shape1 = new Shape(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setBrushColor(kYellow);
    Shape1->setGeometry(0, 0, 161, 33);
    Shape1->hide();

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(arialBold(13));
    setTextColor(Label2, kMaroon);
    Label2->hide();

    Testlabel = new QLabel(this);
    Testlabel->setObjectName(QStringLiteral("Testlabel"));
    Testlabel->setFont(arialBold(kMeasuringLabelPixels));
    setTextColor(Testlabel, kPurple, kWhite);
    Testlabel->hide();

    Panel1 = new Panel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setColor(kNavy);
    Panel1->setBevelWidth(3);
    Panel1->setSingleBorder(true);
    Panel1->setGeometry(0, kPanelDesignTop, kPanelWidth, kPanelHeight);

    Label1 = new QLabel(QStringLiteral("GLOSBO"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(arialBold(28));
    setTextColor(Label1, kYellow);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(5, 16, kPanelWidth - 15, QFontMetrics(Label1->font()).height());

    const char* captions[] = {"Sverige", "Stavning",        "Dina ord", "Grammatik", "Diverse",
                              "Diagnos", "Göra arbetsblad", "Manual",   "Om Glosbo", "Avsluta"};
    QPushButton** buttons[] = {&Button1, &Button2, &Button3, &Button4, &Button5,
                               &Button6, &Button7, &Button8, &Button9, &Button10};
    void (TForm1::*clicks[])() = {
        &TForm1::Button1Click, &TForm1::Button2Click, &TForm1::Button3Click, &TForm1::Button4Click,
        &TForm1::Button5Click, &TForm1::Button6Click, &TForm1::Button7Click, &TForm1::Button8Click,
        &TForm1::Button9Click, &TForm1::Button10Click};
    for (int i = 0; i < 10; ++i) {
        auto* button = new QPushButton(QString::fromUtf8(captions[i]), Panel1);
        button->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        button->setFont(arialBold(19));
        button->setGeometry(kButtonLeft, kFirstButtonTop + i * kButtonHeight, kButtonWidth,
                            kButtonHeight);
        // Enter presses the focused button, as Space does.
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, clicks[i]);
        *buttons[i] = button;
    }

    Panel9 = new Panel(this);
    Panel9->setObjectName(QStringLiteral("Panel9"));
    Panel9->setColor(kNavy);
    Panel9->setFont(arialBold(13));
    Panel9->setCaptionColor(kWhite);
    Panel9->setCaption(QStringLiteral("Glosbo – svenska för skolan"));
    Panel9->setGeometry(0, 0, width(), kBannerHeight);

    // The pictures lie under the menu panel, should one be wider than its slot.
    QLabel** images[] = {&BildImage11, &BildImage12, &BildImage13,
                         &BildImage21, &BildImage22, &BildImage23};
    const char* imageNames[] = {"BildImage11", "BildImage12", "BildImage13",
                                "BildImage21", "BildImage22", "BildImage23"};
    for (int i = 0; i < 6; ++i) {
        auto* image = new QLabel(this);
        image->setObjectName(QString::fromLatin1(imageNames[i]));
        image->setAlignment(Qt::AlignCenter);
        image->setAccessibleName(QStringLiteral("Bild från Sverige"));
        image->setMouseTracking(true);
        // Tab after the menu reaches the pictures too: the focused picture
        // gets a frame and shows its caption, as the mouse over it does.
        image->setFocusPolicy(Qt::TabFocus);
        setTextColor(image, kYellow); // the frame's colour
        image->installEventFilter(this);
        image->lower();
        *images[i] = image;
        m_startSlots[std::size_t(i)] = image;
    }
    for (QLabel** label : {&Label3, &Label4}) {
        *label = new QLabel(this);
        (*label)->setFont(arial(11));
        setTextColor(*label, kWhite);
    }
    Label3->setObjectName(QStringLiteral("Label3"));
    Label4->setObjectName(QStringLiteral("Label4"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(0);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    Timer2->start();

    // Esc presses "Avsluta" wherever the focus is.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, Button10, &QPushButton::click);
}

void TForm1::FormCreate() {
    Label3->hide();
    Label4->hide();
    checkDirectories();
    Skaltest();
    m_state.settings.reset();
    layOut();
    startbilder();
}

void TForm1::checkDirectories() {
    const core::DataRoots& roots = m_state.roots();
    // The results directory keeps its closing '/'; the message shows it without.
    if (!core::directoryExists(roots.resultsDir))
        m_services.messages.information(u8"Katalogen " +
                                        core::asUtf8(withoutLastCharacter(roots.resultsDir)) +
                                        u8" finns inte.");
    if (!core::directoryExists(roots.diagnosisDir))
        m_services.messages.information(u8"Katalogen " + core::asUtf8(roots.diagnosisDir) +
                                        u8" finns inte.");
}

void TForm1::Skaltest() {
    Testlabel->move(Testlabel->x(), 440);
    Testlabel->clear();
    measureScreen(m_state.screen, m_area, m_services.measure);
    m_screen = m_area.size();
    if (m_state.screen.scalePercent() != 100) scaleWidgets(*this, m_state.screen.scalePercent());

    QFont font = Testlabel->font();
    font.setPixelSize(style::pixelsForPoints(12));
    Testlabel->setFont(font);
    Testlabel->setText(QStringLiteral("L"));
}

void TForm1::layOut() {
    const int screenWidth = m_screen.width();
    const int screenHeight = m_screen.height();
    Panel1->move((screenWidth - Panel1->width()) / 2, Panel1->y());
    Label1->setGeometry(5, Label1->y(), Panel1->width() - 15, Label1->height());
    Shape1->move((screenWidth - Shape1->width()) / 2, Shape1->y());
    const int panelBottom = Panel1->y() + Panel1->height();
    Shape1->move(Shape1->x(), panelBottom + (screenHeight - panelBottom - Shape1->height()) / 2);
    Panel1->move(Panel1->x(),
                 Panel9->height() + (screenHeight - Panel9->height() - Panel1->height()) / 2);
    Label1->move(Label1->x(), (Button1->y() - Label1->height()) * 6 / 10);
}

void TForm1::startbilder() {
    const int top = Panel9->height();
    const int slotHeight = (m_screen.height() - top) / 3;
    const int slotWidth = Panel1->x();
    const int panelRight = Panel1->x() + Panel1->width();
    const char size = core::startPictureSize(m_screen.width());
    // A picture may take its slot less the two caption lines under it.
    const QSize room(slotWidth, slotHeight - 2 * QFontMetrics(Label3->font()).height());
    std::array<QString, kStartSlots> paths;
    for (std::size_t i = 0; i < kStartSlots; ++i) {
        const int n = m_state.haemta_Bildslumptal();
        m_startPictureNumbers[i] = n;
        paths[i] = startPicturePath(core::startPictureName(size, n));
    }
    const std::array<QImage, kStartSlots> pictures = loadStartPictures(paths, room);
    for (std::size_t i = 0; i < kStartSlots; ++i) {
        QLabel* image = m_startSlots[i];
        image->setGeometry(image->x(), int(i % 3) * slotHeight + top, slotWidth, slotHeight);
        // The left column lines up on the left edge of the first picture.
        image->move(i < 3 ? Panel1->x() - BildImage11->width() : panelRight, image->y());
        if (pictures[i].isNull()) {
            image->hide();
            continue;
        }
        image->setPixmap(QPixmap::fromImage(pictures[i]));
        image->resize(pictures[i].size());
        const std::string& caption = m_state.pictures.caption(
            m_startPictureNumbers[i], core::Pictures::CaptionKind::StartPicture);
        if (!caption.empty()) image->setAccessibleName(fromCp1252(caption));
        if (i == 0) image->move(Panel1->x() - image->width(), image->y());
        image->show();
    }
}

QString TForm1::startPicturePath(const std::string& fileName) const {
    const auto path = core::findDataFile(m_state.roots(), fileName);
    if (!path || !core::fileExists(*path)) return {};
    return QString::fromStdString(*path);
}

// A picture made for a larger screen is shrunk to its room rather than
// spilling over the menu panel, the next picture or the screen's edge. Most
// of the window's start-up beyond a bare window is reading and shrinking
// these pictures, so a second thread takes every other one; should it not
// start, this thread reads them all.
std::array<QImage, TForm1::kStartSlots>
TForm1::loadStartPictures(const std::array<QString, kStartSlots>& paths, QSize room) {
    std::array<QImage, kStartSlots> pictures;
    const auto load = [&](std::size_t first, std::size_t step) {
        PictureLoader loader;
        for (std::size_t i = first; i < kStartSlots; i += step)
            if (!paths[i].isEmpty()) pictures[i] = loader.loadToFit(paths[i], room);
    };
    std::jthread helper;
    try {
        helper = std::jthread(load, 1, 2);
    } catch (const std::system_error&) {
        load(0, 1);
        return pictures;
    }
    load(0, 2);
    helper.join();
    return pictures;
}

void TForm1::BildImageMouseMove(int slot) {
    if (slot < 0 || slot >= int(m_startSlots.size())) return;
    const QLabel* image = m_startSlots[std::size_t(slot)];
    const int letterUnit = m_state.screen.letterUnit();
    const int panelRight = Panel1->x() + Panel1->width();

    core::WrapContext context{m_services.measure.widthFunction(), m_screen.width(),
                              m_state.programNumber, true};
    const auto lines =
        core::dela_mening(slot == 5 ? letterUnit : 2, Panel1->x(), 2,
                          m_state.pictures.caption(m_startPictureNumbers[std::size_t(slot)],
                                                   core::Pictures::CaptionKind::StartPicture),
                          context);

    Label4->hide();
    Label3->setText(fromCp1252(lines[1]));
    Label3->adjustSize();
    const int labelWidth = Label3->width();
    int left;
    if (slot < 3)
        left = labelWidth < image->width() ? image->x() + (image->width() - labelWidth) / 2
                                           : (Panel1->x() - labelWidth) / 2 + letterUnit;
    else
        left = labelWidth < image->width() ? panelRight + (image->width() - labelWidth) / 2
                                           : panelRight + letterUnit;
    Label3->move(left, image->y() + image->height());

    Label4->move(left, Label3->y() + Label3->height());
    if (lines[2].empty()) {
        Label4->clear();
    } else {
        Label4->setText(fromCp1252(lines[2]));
        Label4->adjustSize();
        Label4->show();
    }

    // A long caption of the top right picture may not fit between the panel
    // and the screen's edge: the caption font shrinks by a point, down to six
    // at the least, and stays so for every later caption.
    if (slot == 3 && m_screen.width() - panelRight < Label3->width() && m_captionPoints > 6) {
        --m_captionPoints;
        QFont font = Label3->font();
        font.setPixelSize(
            mulDiv(style::pixelsForPoints(m_captionPoints), m_state.screen.scalePercent(), 100));
        Label3->setFont(font);
        Label3->adjustSize();
    }
    Label3->show();
    Label3->raise();
    Label4->raise();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove || type == QEvent::FocusIn || type == QEvent::FocusOut) {
        for (std::size_t i = 0; i < m_startSlots.size(); ++i) {
            if (watched != m_startSlots[i]) continue;
            QLabel* image = m_startSlots[i];
            if (type == QEvent::FocusOut) {
                image->setFrameStyle(QFrame::NoFrame);
                continue;
            }
            if (type == QEvent::FocusIn) {
                image->setFrameStyle(QFrame::Box | QFrame::Plain);
                image->setLineWidth(4);
            }
            BildImageMouseMove(int(i));
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::showOnScreen() {
    // Without a window manager nobody maximises the window, so it is given
    // the screen's area as well.
    setGeometry(m_area);
    if (m_state.kiosk)
        showFullScreen();
    else
        showMaximized();
}

// In kiosk mode every way out (Esc, "Avsluta", the window manager's close)
// asks for the teacher password, checked as the teacher login checks it.
void TForm1::closeEvent(QCloseEvent* event) {
    if (m_state.kiosk) {
        const auto typed = m_services.messages.askPassword(u8"Lärarens lösenord för att avsluta:");
        if (!typed) {
            event->ignore();
            return;
        }
        // Compared in Windows-1252 as stored; a character the code page
        // cannot hold is never taken for "?".
        core::TeacherPasswordFile file(m_state.roots().diagnosisDir, m_state.clock());
        const auto password = core::utf8ToCp1252(*typed);
        if (!password || !core::TeacherPasswordFile::accepts(file.load(), *password)) {
            m_services.messages.information(u8"Felaktigt lösen.");
            event->ignore();
            return;
        }
    }
    QWidget::closeEvent(event);
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Button1->setFocus();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Panel9->setGeometry(0, 0, width(), Panel9->height());
}

void TForm1::leaveSpecialMode() {
    if (m_state.runMode != core::RunMode::Worksheet) m_state.runMode = core::RunMode::Practice;
}

void TForm1::openWindow(const char* name) {
    m_services.windows.openOrSayNotReady(name, WindowContext{m_state, m_services, this});
}

void TForm1::Button1Click() {
    leaveSpecialMode();
    openWindow("TF1");
}

void TForm1::Button2Click() {
    openWindow("TF2");
}

void TForm1::Button3Click() {
    leaveSpecialMode();
    openWindow("TF3");
}

void TForm1::Button4Click() {
    leaveSpecialMode();
    openWindow("TF4");
}

void TForm1::Button5Click() {
    openWindow("TF5");
}

void TForm1::Button6Click() {
    m_state.runMode = core::RunMode::DiagnosisTest;
    openWindow("TDiag");
    // Back here no diagnosis is open any more, however the diagnosis window
    // ended; otherwise the other menus would run their exercises as tests.
    if (m_state.runMode >= core::RunMode::DiagnosisTest) m_state.runMode = core::RunMode::Practice;
}

void TForm1::Button7Click() {
    m_state.runMode = m_state.runMode == core::RunMode::Worksheet ? core::RunMode::Practice
                                                                  : core::RunMode::Worksheet;
    const bool on = m_state.runMode == core::RunMode::Worksheet;
    // A worksheet is collected within one switching on; switching again
    // starts the next one afresh.
    m_state.worksheets.clear();
    if (on) {
        Button7->setText(QStringLiteral("Avaktivera arbetsblad"));
        Button1->setEnabled(false);
        Button6->setEnabled(false);
        Button5->setEnabled(false);
        Label2->setText(QStringLiteral("Arbetsblad aktiverat"));
        Label2->adjustSize();
        Label2->move(Shape1->x() + (Shape1->width() - Label2->width()) / 2,
                     Shape1->y() + (Shape1->height() - Label2->height()) / 2);
        Label2->show();
        Shape1->show();
        Panel1->setColor(kMaroon);
    } else {
        Button7->setText(QString::fromUtf8("Göra arbetsblad"));
        Button2->setEnabled(true);
        Button3->setEnabled(true);
        Button5->setEnabled(true);
        Button6->setEnabled(true);
        Button1->setEnabled(true);
        Shape1->hide();
        Label2->hide();
        Panel1->setColor(kNavy);
    }
    emit worksheetModeToggled(on);
}

void TForm1::Button8Click() {
    openWindow("TManual");
}

void TForm1::Button9Click() {
    openWindow("TOmTolm");
}

void TForm1::Button10Click() {
    close();
}

void TForm1::Timer1Timer() {
    Timer1->setInterval(0);
}

void TForm1::Timer2Timer() {
    ++m_state.tickCounter;
    Timer2->stop();
}

} // namespace glosbo::app
