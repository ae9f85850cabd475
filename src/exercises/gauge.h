#pragma once

#include <QColor>
#include <QWidget>

namespace glosbo::exercises {

// A bar that fills from the bottom up as its progress nears its maximum:
// the climb through the levels.
class Gauge : public QWidget {
    Q_OBJECT
public:
    explicit Gauge(QWidget* parent = nullptr);

    int maxValue() const { return m_max; }
    int progress() const { return m_progress; }
    void setMaxValue(int max);
    void setProgress(int progress);
    void setColors(const QColor& back, const QColor& fore);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_max = 100;
    int m_progress = 0;
    QColor m_back{Qt::white};
    QColor m_fore{Qt::black};
};

} // namespace glosbo::exercises
