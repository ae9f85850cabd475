#pragma once

#include <QColor>
#include <QWidget>

namespace glosbo::app {

// A filled rounded rectangle with a thin black outline.
class Shape : public QWidget {
    Q_OBJECT
public:
    explicit Shape(QWidget* parent = nullptr);

    QColor brushColor() const { return m_brush; }
    void setBrushColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_brush{Qt::white};
};

} // namespace glosbo::app
