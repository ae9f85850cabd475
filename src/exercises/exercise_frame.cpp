#include "exercises/exercise_frame.h"

#include <QFontMetrics>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "app/scaling.h"
#include "app/style.h"
#include "app/text_codec.h"

namespace glosbo::exercises {

using namespace app::style;

namespace {

// The design screen every window is drawn for before it is scaled.
constexpr int kDesignWidth = 640;
constexpr int kDesignHeight = 480;

app::Shape* makeShape(QWidget* parent, const char* name, const QColor& color, QRect geometry) {
    auto* shape = new app::Shape(parent);
    shape->setObjectName(QString::fromLatin1(name));
    shape->setBrushColor(color);
    shape->setGeometry(geometry);
    return shape;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QColor& color, int pixelSize) {
    QLabel* label = textLabel(parent, name, color, pixelSize);
    label->show();
    return label;
}

} // namespace

ExerciseFrame::ExerciseFrame(const app::WindowContext& context, const char* name, const char* title)
    : QDialog(context.parent, Qt::Dialog | Qt::FramelessWindowHint), m_state(context.state),
      m_services(context.services),
      m_screen(context.state.screen.width(), context.state.screen.height()) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(QString::fromUtf8(title));
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
    InstruktionsLabel = makeLabel(this, "InstruktionsLabel", kGreen, 14);
    InstruktionsLabel->move(26, 100);

    LasUppButton = new app::ReadAloudButton(this, m_services.speech, m_state.settings);
    LasUppButton->text = [this] { return core::readAloud(shownQuestion()); };
}

ExerciseFrame::~ExerciseFrame() = default;

int ExerciseFrame::textWidth(const std::string& text, int pointSize) const {
    return m_services.measure.width(text, pointSize);
}

void ExerciseFrame::prepareFrame() {
    if (scalePercent() != 100) app::scaleWidgets(*this, scalePercent());
    resize(m_screen);
    // Sized for its text after the scaling, which would squeeze it.
    LasUppButton->setFont(arialBold(std::max(12, 12 * scalePercent() / 100)));
    LasUppButton->resize(LasUppButton->sizeHint());
}

void ExerciseFrame::placeReadAloudButton() {
    const QRect outer = OverskriftYtterShape->geometry();
    if (OverskriftYtterShape->isVisibleTo(this)) {
        LasUppButton->move(outer.right() + 1 + letterUnit(), outer.top());
    } else {
        // A game draws its own headline across the top: the bottom right
        // corner is free in every one of them.
        const int m = letterUnit();
        LasUppButton->move(width() - LasUppButton->width() - m / 2,
                           height() - LasUppButton->height() - m / 2);
    }
    LasUppButton->raise();
}

core::ShownQuestion ExerciseFrame::shownQuestion() const {
    core::ShownQuestion q;
    q.kind = core::readAloudKind(objectName().toStdString());
    q.programNumber = m_state.programNumber;
    if (InstruktionsLabel->isVisible()) q.instruction = app::toCp1252(InstruktionsLabel->text());
    if (q.kind != core::ReadAloudKind::Shown) q.fields = m_state.fields;
    q.shown = shownTexts();
    return q;
}

std::vector<std::string> ExerciseFrame::shownTexts() const {
    if (core::readAloudKind(objectName().toStdString()) != core::ReadAloudKind::Shown) return {};
    return app::ReadAloudButton::visibleTexts(
        *this, {InstruktionsLabel, Overs1Label, Overs2Label, Overs3Label});
}

void ExerciseFrame::questionShown() {
    LasUppButton->stop();
    if (m_state.settings.readsQuestionsAloud() && isVisible()) LasUppButton->readNow();
}

void ExerciseFrame::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Once the window has laid itself out.
    placeReadAloudButton();
    LasUppButton->giveUpTakenMnemonic();
    if (m_state.settings.readsQuestionsAloud())
        QTimer::singleShot(0, this, [this] {
            if (isVisible()) LasUppButton->readNow();
        });
}

void ExerciseFrame::done(int result) {
    LasUppButton->stop();
    QDialog::done(result);
}

void ExerciseFrame::FormCreate() {
    prepareFrame();
    drawHeadline();
}

void ExerciseFrame::drawHeadline() {
    InstruktionsLabel->setText(app::fromCp1252(m_state.files.headings.instruction));
    InstruktionsLabel->adjustSize();
    const QRect outer = OverskriftYtterShape->geometry();
    InstruktionsLabel->move(InstruktionsLabel->x(),
                            outer.top() + outer.height() + InstruktionsLabel->height() / 2);

    const core::Headings& h = m_state.files.headings;
    RitaOverskriften(h.lines[0], h.lines[1], h.lines[2]);
    const core::RunMode mode = m_state.runMode;
    OverskriftInnerShape->setBrushColor(mode == core::RunMode::Practice    ? kNavy
                                        : mode == core::RunMode::Worksheet ? kMaroon
                                                                           : kGreen);
}

void ExerciseFrame::playAndWait(const core::SoundRequest& request) {
    std::vector<QTimer*> held;
    for (QTimer* timer : findChildren<QTimer*>())
        if (timer->isActive()) {
            timer->stop();
            held.push_back(timer);
        }
    m_services.sounds.playAndWait(request);
    for (QTimer* timer : held)
        timer->start();
}

void ExerciseFrame::RitaOverskriften(const std::string& line1, const std::string& line2,
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

void ExerciseFrame::fitHeadline(int lines) {
    const QRect inner = OverskriftInnerShape->geometry();
    const int m = letterUnit();
    const int maxWidth = inner.width() - 2 * m;
    const auto height = [](int points) { return QFontMetrics(pointFont(points)).height(); };
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
        label->setFont(pointFont(points));
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

} // namespace glosbo::exercises
