// The parts of the exercise window that draw: its components at their
// designed places, the layout over the screen, the headline box, the finish
// picture and the praise panel.
#include <QFontMetrics>
#include <algorithm>

#include "app/text_codec.h"
#include "core/data_fs.h"
#include "exercises/exercise_window.h"
#include "exercises/style.h"

namespace glosbo::exercises {

namespace {

// The design screen every window is drawn for before it is scaled.
constexpr int kDesignWidth = 640;
constexpr int kDesignHeight = 480;

QLabel* makeLabel(QWidget* parent, const char* name, const QColor& color, int pixelSize) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(arialBold(pixelSize));
    label->setTextFormat(Qt::PlainText); // data, never markup
    setTextColor(label, color);
    return label;
}

app::Shape* makeShape(QWidget* parent, const char* name, const QColor& color, QRect geometry) {
    auto* shape = new app::Shape(parent);
    shape->setObjectName(QString::fromLatin1(name));
    shape->setBrushColor(color);
    shape->setGeometry(geometry);
    return shape;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(arialBold(14));
    // Enter presses the focused button, as Space does.
    button->setAutoDefault(true);
    return button;
}

} // namespace
void ExerciseWindow::buildComponents() {
    resize(kDesignWidth, kDesignHeight);
    setFont(arialBold(14));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kSilver);
    setPalette(pal);
    setAutoFillBackground(true);

    OverskriftYtterShape = makeShape(this, "OverskriftYtterShape", kYellow, QRect(26, 10, 300, 80));
    OverskriftInnerShape = makeShape(this, "OverskriftInnerShape", kNavy, QRect(32, 15, 288, 70));
    Overs1Label = makeLabel(this, "Overs1Label", kYellow, 40);
    Overs2Label = makeLabel(this, "Overs2Label", kYellow, 27);
    Overs3Label = makeLabel(this, "Overs3Label", kYellow, 27);
    for (QLabel* label : {Overs1Label, Overs2Label, Overs3Label}) {
        label->setAlignment(Qt::AlignCenter);
        label->setAttribute(Qt::WA_TranslucentBackground);
    }

    SkrivutOverskriftShape1 =
        makeShape(this, "SkrivutOverskriftShape1", kYellow, QRect(340, 10, 200, 80));
    SkrivutOverskriftShape2 =
        makeShape(this, "SkrivutOverskriftShape2", kMaroon, QRect(344, 14, 192, 72));
    SkrivutOverskriftLabel = makeLabel(this, "SkrivutOverskriftLabel", kYellow, 32);
    SkrivutOverskriftLabel->setText(QStringLiteral("Utskrifter"));
    SkrivutOverskriftLabel->setAlignment(Qt::AlignCenter);
    for (QWidget* w : std::initializer_list<QWidget*>{
             SkrivutOverskriftShape1, SkrivutOverskriftShape2, SkrivutOverskriftLabel})
        w->hide();

    InstruktionsLabel = makeLabel(this, "InstruktionsLabel", kGreen, 14);
    InstruktionsLabel->move(26, 100);

    // The diagnosis box beside the headline: its heading, and the question
    // number and the correct count each on a rounded field.
    DiagPanel1 = new app::Panel(this);
    DiagPanel1->setObjectName(QStringLiteral("DiagPanel1"));
    DiagPanel1->setColor(kGreen);
    DiagPanel1->setBevelWidth(2);
    DiagPanel1->setGeometry(340, 10, 230, 80);
    DiagPanel2 = new app::Panel(DiagPanel1);
    DiagPanel2->setObjectName(QStringLiteral("DiagPanel2"));
    DiagPanel2->setColor(kNavy);
    DiagPanel2->setGeometry(4, 4, 222, 22);
    DiagLabel1 = makeLabel(DiagPanel2, "DiagLabel1", kYellow, 14);
    DiagLabel1->setAlignment(Qt::AlignCenter);
    DiagLabel1->setGeometry(0, 0, 222, 22);
    DiagLabel3 = makeLabel(DiagPanel1, "DiagLabel3", Qt::white, 12);
    DiagLabel3->setText(QStringLiteral("Uppgift"));
    DiagLabel3->setAlignment(Qt::AlignCenter);
    DiagLabel3->setGeometry(8, 28, 103, 16);
    DiagLabel5 = makeLabel(DiagPanel1, "DiagLabel5", Qt::white, 12);
    DiagLabel5->setText(QStringLiteral("Riktiga"));
    DiagLabel5->setAlignment(Qt::AlignCenter);
    DiagLabel5->setGeometry(119, 28, 103, 16);
    DiagShape1 = makeShape(DiagPanel1, "DiagShape1", Qt::white, QRect(8, 46, 103, 28));
    DiagShape2 = makeShape(DiagPanel1, "DiagShape2", Qt::white, QRect(119, 46, 103, 28));
    DiagLabel2 = makeLabel(DiagPanel1, "DiagLabel2", kNavy, 18);
    DiagLabel4 = makeLabel(DiagPanel1, "DiagLabel4", kNavy, 18);
    DiagLabel2->setAccessibleName(QStringLiteral("Uppgift"));
    DiagLabel4->setAccessibleName(QStringLiteral("Riktiga"));
    for (QLabel* value : {DiagLabel2, DiagLabel4})
        value->setAlignment(Qt::AlignCenter);
    DiagPanel1->hide();

    Aster1 = new app::TAster(m_screen.height(), this,
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

    BildPanelen = new QWidget(this);
    BildPanelen->setObjectName(QStringLiteral("BildPanelen"));
    BildPanelen->setAutoFillBackground(true);
    Image1 = new QLabel(BildPanelen);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Bild från Sverige"));
    Image1->setAlignment(Qt::AlignCenter);
    BildTextPanel = new app::Panel(BildPanelen);
    BildTextPanel->setObjectName(QStringLiteral("BildTextPanel"));
    BildTextPanel->setColor(kYellow);
    BildTextPanel->setSingleBorder(true);
    BildLabel = makeLabel(BildTextPanel, "BildLabel", kNavy, 16);
    BildTextPanel->hide();
    BildPanelen->hide();

    LovordPanel = new QWidget(this);
    LovordPanel->setObjectName(QStringLiteral("LovordPanel"));
    LovordYttershape = makeShape(LovordPanel, "LovordYttershape", kBlue, QRect());
    lovordinnershape = makeShape(LovordPanel, "lovordinnershape", kYellow, QRect());
    LovordLabel1 = makeLabel(LovordPanel, "LovordLabel1", kNavy, 40);
    LovordPanel->hide();

    Panel1 = new app::Panel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setColor(kNavy);
    Panel1->setBevelWidth(2);
    Button1 = makeButton(Panel1, "Button1", QStringLiteral("&Rätta felen"));
    Button2 = makeButton(Panel1, "Button2", QStringLiteral("&Fortsätta"));
    Button3 = makeButton(Panel1, "Button3", QStringLiteral("&Avbryta"));
    BitBtn1 = makeButton(Panel1, "BitBtn1", QStringLiteral("&Inställningar"));
    Panel1->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(100);

    connect(Button1, &QPushButton::clicked, this, &ExerciseWindow::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &ExerciseWindow::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &ExerciseWindow::Button3Click);
    connect(BitBtn1, &QPushButton::clicked, this, &ExerciseWindow::BitBtn1Click);
    connect(Timer1, &QTimer::timeout, this, &ExerciseWindow::Timer1Timer);
    connect(Timer3, &QTimer::timeout, this, &ExerciseWindow::Timer3Timer);
    connect(lampknapp, &QToolButton::clicked, this, &ExerciseWindow::LampknappClick);
    connect(LampShape, &Lamp::pressed, this, &ExerciseWindow::LampShapeMouseDown);
}

void ExerciseWindow::Inled() {
    const int W = m_screen.width();
    const int H = m_screen.height();
    const int m = letterUnit();

    const int stripHeight = (H / 48) * 43;
    const int stripWidth = stripHeight / 10 - m / 5;
    Aster1->setGeometry(W - stripWidth - m / 2, m, stripWidth, stripHeight);

    const int barWidth = (W / 64) * 58;
    const int barHeight = (H / 48) * 4;
    Panel1->setGeometry(m, H - barHeight - m / 5, barWidth, barHeight);
    Panel1->raise();
    layOutButtonBar();

    const int rise = pictureRise();
    BildPanelen->setGeometry(m, (H / 48) * 10 - rise, (W / 64) * 58, (H / 48) * 35 + rise);
    Image1->setGeometry(0, 0, (W / 64) * 58, (H / 48) * 35);
    BildPanelen->hide();

    const int praiseHeight = (H / 48) * 5;
    LovordPanel->setGeometry(m, H - barHeight - praiseHeight - m / 5, BildPanelen->width(),
                             praiseHeight);
    LovordPanel->hide();
    layOutDiagnosisBox();
}

void ExerciseWindow::layOutButtonBar() {
    // Four buttons of one size across the bar.
    const int pad = std::max(3, Panel1->height() / 8);
    const int width = (Panel1->width() - 5 * pad) / 4;
    const int height = Panel1->height() - 2 * pad;
    int left = pad;
    for (QPushButton* b : {Button1, Button2, Button3, BitBtn1}) {
        b->setGeometry(left, pad, width, height);
        left += width + pad;
    }
}

void ExerciseWindow::layOutDiagnosisBox() {
    // Each value fills its field less 8 pixels on either side.
    for (auto [shape, value] :
         {std::pair{DiagShape1, DiagLabel2}, std::pair{DiagShape2, DiagLabel4}}) {
        const QRect g = shape->geometry();
        value->setGeometry(g.left() + 8, g.top(), g.width() - 16, g.height());
        value->raise();
    }
}

void ExerciseWindow::placeInstruction() {
    InstruktionsLabel->setText(app::fromCp1252(m_state.files.headings.instruction));
    InstruktionsLabel->adjustSize();
    const QRect outer = OverskriftYtterShape->geometry();
    InstruktionsLabel->move(InstruktionsLabel->x(),
                            outer.top() + outer.height() + InstruktionsLabel->height() / 2);
}

void ExerciseWindow::RitaOverskriften(const std::string& line1, const std::string& line2,
                                      const std::string& line3) {
    const std::array<QLabel*, 3> labels{Overs1Label, Overs2Label, Overs3Label};
    const std::array<std::string, 3> texts{line1, line2, line3};
    const int lines = int(!line1.empty()) + int(!line2.empty()) + int(!line3.empty());
    for (int i = 0; i < 3; ++i)
        labels[i]->setText(app::fromCp1252(texts[i]));
    Overs1Label->setVisible(lines >= 1);
    Overs2Label->setVisible(lines >= 2);
    Overs3Label->setVisible(lines >= 3);
    if (lines == 0) return;
    fitHeadline(lines);
}

void ExerciseWindow::fitHeadline(int lines) {
    const QRect inner = OverskriftInnerShape->geometry();
    const int m = letterUnit();
    const int maxWidth = inner.width() - 2 * m;
    const auto height = [](int points) {
        return QFontMetrics(arialBold(app::TextMeasure::pixelsForPoints(points))).height();
    };
    const auto text = [](QLabel* label) { return app::toCp1252(label->text()); };
    const auto shrinkToWidth = [&](QLabel* label, int points) {
        while (textWidth(text(label), points) > maxWidth && points > 10)
            --points;
        return points;
    };

    int size1 = shrinkToWidth(Overs1Label, lines == 1 ? 30 : 20);
    int size3 = 0;
    if (lines >= 2) {
        const int size2 = shrinkToWidth(Overs2Label, 20);
        size1 = std::min(size1, size2);
        while (inner.top() + (inner.height() - 2 * height(size1)) / 3 < 3 * m / 2 && size1 > 1)
            --size1;
    }
    if (lines == 3) {
        size3 = size1 - 2;
        while ((textWidth(text(Overs3Label), size3) > maxWidth ||
                height(size3) > inner.height() - 2 * height(size1)) &&
               size3 > 8)
            --size3;
    }

    const int h1 = height(size1);
    const auto place = [&](QLabel* label, int points, int top) {
        label->setFont(arialBold(app::TextMeasure::pixelsForPoints(points)));
        label->setGeometry(inner.left() + m / 2, top, inner.width() - m, height(points));
        label->raise();
    };
    if (lines == 1) {
        place(Overs1Label, size1, inner.top() + (inner.height() - h1) / 2);
    } else if (lines == 2) {
        const int gap = (inner.height() - 2 * h1) / 3;
        place(Overs1Label, size1, inner.top() + gap);
        place(Overs2Label, size1, inner.top() + 2 * gap + h1);
    } else {
        const int h3 = height(size3);
        const int spare = inner.height() - 2 * h1 - h3;
        place(Overs1Label, size1, inner.top() + spare / 4);
        const int top2 = inner.top() + spare / 2 + (3 * h1) / 4;
        place(Overs2Label, size1, top2);
        place(Overs3Label, size3, top2 + h1);
    }
}

void ExerciseWindow::showFinishPicture() {
    // On a scaled screen the instruction line reaches into the picture
    // area; the picture then starts below it rather than cutting it in half.
    const int m = letterUnit();
    const int H = m_screen.height();
    const int rise = pictureRise();
    const int designTop = (H / 48) * 10 - rise;
    const int bottom = designTop + (H / 48) * 35 + rise;
    int top = designTop;
    if (InstruktionsLabel->isVisibleTo(this))
        top = std::max(top, InstruktionsLabel->geometry().bottom() + 1 + m / 2);
    BildPanelen->setGeometry(BildPanelen->x(), top, BildPanelen->width(), bottom - top);
    Image1->setGeometry(0, 0, BildPanelen->width(), bottom - top - rise);
    BildPanelen->show();
    BildPanelen->raise();
    BildTextPanel->hide();
    const core::RunMode mode = m_state.runMode;
    const int pictures = m_state.settings.swedenPicturesMode;
    if ((pictures != 1 && pictures != 3) || !showsPictureIn(mode)) {
        Image1->hide();
        return;
    }
    const int number = m_state.haemta_Bildslumptal();
    if (number == 0) {
        Image1->hide();
        return;
    }

    // The picture fills its area as far as it can without being distorted.
    const QSize area(BildPanelen->width(), Image1->height());
    QRect shown(QPoint(0, 0), area);
    const auto file = core::findDataFile(m_state.roots(), core::exercisePictureName(number));
    QPixmap picture;
    if (file) picture.load(QString::fromStdString(*file));
    if (picture.isNull()) {
        Image1->hide();
    } else {
        const QPixmap scaled = picture.scaled(area, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        shown = QRect(QPoint((area.width() - scaled.width()) / 2, 0), scaled.size());
        Image1->setPixmap(scaled);
        Image1->setGeometry(shown);
        Image1->show();
    }

    // A caption that starts with "1" stands at the picture's left edge,
    // every other one at its right edge.
    std::string caption = m_state.pictures.currentCaption();
    const bool atLeft = !caption.empty() && caption.front() == '1';
    if (atLeft) caption.erase(0, 1);
    if (caption.empty()) return;
    BildLabel->setText(app::fromCp1252(caption));
    BildLabel->adjustSize();
    const int boxWidth = BildLabel->width() + 2 * m;
    const int boxHeight = BildLabel->height() + m;
    BildTextPanel->setGeometry(atLeft ? shown.left() : shown.right() + 1 - boxWidth, shown.top(),
                               boxWidth, boxHeight);
    BildLabel->move(m, m / 2);
    BildTextPanel->show();
    BildTextPanel->raise();
}

void ExerciseWindow::RitaLovord(const std::string& w1, const std::string& w2,
                                const std::string& w3) {
    const int m = letterUnit();
    const QSize panel = LovordPanel->size();
    LovordYttershape->setGeometry(0, 0, panel.width(), panel.height());
    lovordinnershape->setGeometry(m / 2, m / 2, panel.width() - m, panel.height() - m);
    const int innerWidth = lovordinnershape->width();
    const int innerHeight = lovordinnershape->height();

    const std::string words = w1 + " " + w2 + " " + w3;
    const auto height = [](int points) {
        return QFontMetrics(arialBold(app::TextMeasure::pixelsForPoints(points))).height();
    };
    int points = 30;
    while (textWidth(words, points) > innerWidth - m && points > 10)
        --points;
    while (height(points) > innerHeight - m / 2 && points > 10)
        --points;
    const int width = textWidth(words, points);
    const int textHeight = height(points);
    LovordLabel1->setFont(arialBold(app::TextMeasure::pixelsForPoints(points)));
    LovordLabel1->setText(app::fromCp1252(words));
    LovordLabel1->setGeometry((innerWidth - width) / 2, (innerHeight - m / 2 - textHeight) / 2,
                              width, textHeight);
    LovordLabel1->raise();
    LovordPanel->show();
    LovordPanel->raise();
    Panel1->raise();
}

} // namespace glosbo::exercises
