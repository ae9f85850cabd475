#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace glosbo::app {

// A coloured panel with a raised bevel, an optional single black border and
// an optional centred caption, the frame the menus and banners are built of.
class Panel : public QWidget {
    Q_OBJECT
public:
    explicit Panel(QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    void setBevelWidth(int width);
    // Lowered: the bevel's light and shadow change places, so the panel
    // looks pressed in.
    void setLowered(bool lowered);
    bool lowered() const { return m_lowered; }
    void setSingleBorder(bool on);
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    void setCaptionColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color{0x00, 0x00, 0x80};
    QColor m_captionColor{Qt::black};
    QString m_caption;
    int m_bevelWidth = 1;
    bool m_lowered = false;
    bool m_singleBorder = false;
};

// A new panel of a colour, named for tests and accessibility.
Panel* namedPanel(QWidget* parent, const QString& objectName, const QColor& color);

} // namespace glosbo::app
