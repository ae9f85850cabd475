#include "app/taster.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygon>
#include <QRandomGenerator>

#include <cmath>
#include <numbers>

namespace glosbo::app {

namespace {

const QColor kColours[10] = {QColor(0x00, 0x80, 0x00), QColor(0x00, 0x00, 0x80),
                             QColor(0x80, 0x00, 0x80), QColor(0x00, 0x80, 0x80),
                             QColor(0xFF, 0x00, 0x00), QColor(0x00, 0xFF, 0x00),
                             QColor(0xFF, 0xFF, 0x00), QColor(0xFF, 0x00, 0xFF),
                             QColor(0x00, 0xFF, 0xFF), QColor(0x00, 0x00, 0xFF)};
constexpr int kPointSteps[6] = {45, 36, 30, 26, 20, 18};

} // namespace

TAster::TAster(int screenHeight, QWidget* parent, std::function<int(int)> random)
    : QWidget(parent), m_random(std::move(random)), m_cellHeight(cellHeightFor(screenHeight)) {
    if (!m_random) m_random = [](int n) { return int(QRandomGenerator::global()->bounded(n)); };
    setObjectName("Aster1");
    setAccessibleName("Resultat");
    resize(m_max * m_cellHeight, m_cellHeight);
    chooseStars();
}

int TAster::cellHeightFor(int screenHeight) {
    if (screenHeight < 600) return 38;
    if (screenHeight < 768) return 50;
    if (screenHeight < 864) return 62;
    if (screenHeight < 1024) return 70;
    if (screenHeight < 1050) return 78;
    return 85;
}

int TAster::pieceCount(int pointIndex) {
    return 360 / kPointSteps[pointIndex] + 1;
}

void TAster::setRutNummer(int n) {
    if (n == m_rutNummer) return;
    m_rutNummer = n;
    update();
}

void TAster::setRatt(bool right) {
    if (right) return;
    if (m_rutNummer >= 0 && m_rutNummer < kCells) m_right[m_rutNummer] = false;
    update();
}

void TAster::setVisa(bool v) {
    if (v == m_visa) return;
    m_visa = v;
    update();
}

void TAster::setStarta(bool start) {
    if (!start) return;
    m_right.fill(true);
    chooseStars();
}

void TAster::setAsterColor(const QColor& c) {
    if (c == m_color) return;
    m_color = c;
    update();
}

void TAster::setMaxAntalRutor(int n) {
    if (n == m_max) return;
    m_max = n;
    update();
}

void TAster::setBrush(const QBrush& b) {
    m_brush = b;
    update();
}

void TAster::setPen(const QPen& p) {
    m_pen = p;
    update();
}

void TAster::chooseStars() {
    for (Star& s : m_stars) {
        s.outline = m_random(9);
        s.fill1 = m_random(10);
        s.fill2 = m_random(10);
        s.points = m_random(6);
    }
}

void TAster::drawStar(QPainter& p, int top, const Star& star) const {
    const int w = width();
    const int cx = w / 2, cy = top + w / 2 - 2;
    const int r = w / 2 - 8;
    const int q = star.points <= 1 ? r / 3 : r / 2;
    const int step = kPointSteps[star.points];
    const auto at = [&](double degrees, int d) {
        const double t = degrees * std::numbers::pi / 180.0;
        return QPoint(int(std::lround(cx - d * std::cos(t))),
                      int(std::lround(cy - d * std::sin(t))));
    };
    p.setPen(kColours[star.outline]);
    const int pieces = pieceCount(star.points);
    for (int c = 1, a = 0; c <= pieces; ++c, a += step) {
        const bool odd = c % 2 == 1;
        const QPolygon triangle{QPoint(cx, cy), at(a, odd ? q : r), at(a + step, odd ? r : q)};
        p.setBrush(kColours[odd ? star.fill1 : star.fill2]);
        p.drawPolygon(triangle);
    }
}

void TAster::paintStrip(QPainter& p) {
    if (!m_visa) return;
    const int w = width(), h = m_cellHeight, n = m_max, k = m_rutNummer;
    // The cells not yet answered are filled as well when answers stand in the
    // strip; otherwise a wrong first answer would leave the whole column in
    // the colour of the window behind it.
    p.fillRect(QRect(0, 0, w, n * h), m_color);
    for (int i = 1; i <= k && i < kCells; ++i) {
        const int y = (n - i) * h;
        if (m_right[i]) {
            p.fillRect(QRect(0, 0, w, y + w), m_color);
            drawStar(p, y, m_stars[i]);
        } else {
            p.fillRect(QRect(QPoint(4, y + 4), QPoint(w - 4 - 1, y + h - 4 - 1)), Qt::white);
        }
    }
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    for (int j = 0; j < n; ++j)
        p.drawRect(QRect(0, j * h, w - 1, h - 1));
    // A full strip keeps its white squares: it is the pupil's summary of the
    // series until the next one starts (Starta sets every cell right again).
}

void TAster::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintStrip(p);
}

void TAster::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (rect().contains(event->position().toPoint())) emit clicked();
}

} // namespace glosbo::app
