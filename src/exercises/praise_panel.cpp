#include "exercises/praise_panel.h"

#include <QFontMetrics>

#include "app/style.h"
#include "app/text_codec.h"
#include "app/text_measure.h"

namespace glosbo::exercises {

using namespace app::style;

namespace {

app::Shape* frame(QWidget* parent, const char* name, const QColor& color) {
    auto* shape = new app::Shape(parent);
    shape->setObjectName(QString::fromLatin1(name));
    shape->setBrushColor(color);
    return shape;
}

QFont praiseFont(int points) {
    return pointFont(points);
}

} // namespace

PraisePanel::PraisePanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("LovordPanel"));
    LovordYttershape = frame(this, "LovordYttershape", kBlue);
    lovordinnershape = frame(this, "lovordinnershape", kYellow);
    LovordLabel1 = textLabel(this, "LovordLabel1", kNavy, 40);
    LovordLabel1->show();
    hide();
}

void PraisePanel::RitaLovord(const std::string& words, int m, const Measure& width) {
    LovordYttershape->setGeometry(0, 0, this->width(), height());
    lovordinnershape->setGeometry(m / 2, m / 2, this->width() - m, height() - m);
    const int innerWidth = lovordinnershape->width();
    const int innerHeight = lovordinnershape->height();

    const auto textHeight = [](int points) { return QFontMetrics(praiseFont(points)).height(); };
    int points = 30;
    while (width(words, points) > innerWidth - m && points > 10)
        --points;
    while (textHeight(points) > innerHeight - m / 2 && points > 10)
        --points;
    const int w = width(words, points);
    const int h = textHeight(points);
    LovordLabel1->setFont(praiseFont(points));
    LovordLabel1->setText(app::fromCp1252(words));
    // Centred in the inner frame, which stands m/2 inside this panel.
    const QPoint inner = lovordinnershape->pos();
    LovordLabel1->setGeometry(inner.x() + (innerWidth - w) / 2,
                              inner.y() + (innerHeight - m / 2 - h) / 2, w, h);
    LovordLabel1->raise();
    show();
    raise();
}

} // namespace glosbo::exercises
