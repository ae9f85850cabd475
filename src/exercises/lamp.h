#pragma once

#include <QColor>
#include <QWidget>

namespace glosbo::exercises {

// The warning lamp beside the answer input: a filled circle that turns green
// while the typing is on track and red as soon as it is not. A click on it
// switches it off.
class Lamp : public QWidget {
    Q_OBJECT
public:
    explicit Lamp(QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);

signals:
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor m_color{Qt::red};
};

} // namespace glosbo::exercises
