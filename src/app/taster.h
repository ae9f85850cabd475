#pragma once

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QWidget>

#include <array>
#include <functional>

namespace glosbo::app {

// The progress strip of the exercise windows: a column of cells, one per
// question, filled from the bottom. A right answer shows a star of random
// shape and colours, a wrong one a white square.
class TAster : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int RutNummer READ rutNummer WRITE setRutNummer)
    Q_PROPERTY(bool Ratt READ ratt WRITE setRatt)
    Q_PROPERTY(bool Visa READ visa WRITE setVisa)
    Q_PROPERTY(bool Starta READ starta WRITE setStarta)
    Q_PROPERTY(QColor AsterColor READ asterColor WRITE setAsterColor)
    Q_PROPERTY(int MaxAntalRutor READ maxAntalRutor WRITE setMaxAntalRutor)

public:
    static constexpr int kCells = 11; // cells 0..10

    // random(n) gives a number in 0..n-1; screenHeight fixes the cell height.
    explicit TAster(int screenHeight, QWidget* parent = nullptr,
                    std::function<int(int)> random = {});

    // Cell height for a screen height: 38, 50, 62, 70, 78 or 85 pixels.
    static int cellHeightFor(int screenHeight);
    // How many triangles a star of a point index (0..5) is drawn of.
    static int pieceCount(int pointIndex);

    int rutNummer() const { return m_rutNummer; }
    void setRutNummer(int n);
    bool ratt() const { return true; }
    void setRatt(bool right); // false marks the current cell wrong
    bool visa() const { return m_visa; }
    void setVisa(bool v);
    bool starta() const { return true; }
    void setStarta(bool start); // true starts a new series
    QColor asterColor() const { return m_color; }
    void setAsterColor(const QColor& c);
    int maxAntalRutor() const { return m_max; }
    void setMaxAntalRutor(int n);
    const QBrush& brush() const { return m_brush; }
    void setBrush(const QBrush& b);
    const QPen& pen() const { return m_pen; }
    void setPen(const QPen& p);

    int cellHeight() const { return m_cellHeight; }
    // A cell outside the strip was never answered right.
    bool isRight(int cell) const {
        return cell >= 0 && cell < kCells && m_right[std::size_t(cell)];
    }

    // Paints the strip as it is now onto a painter of the control's size.
    void paintStrip(QPainter& painter);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Star {
        int outline = 0, fill1 = 0, fill2 = 0, points = 0;
    };
    void chooseStars();
    void drawStar(QPainter& painter, int top, const Star& star) const;

    std::function<int(int)> m_random;
    int m_cellHeight;
    int m_rutNummer = 0;
    bool m_visa = true;
    QColor m_color = Qt::white;
    int m_max = 10;
    QBrush m_brush;
    QPen m_pen;
    std::array<bool, kCells> m_right{};
    std::array<Star, kCells> m_stars{};
};

} // namespace glosbo::app
