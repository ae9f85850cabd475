#include "exercises/worksheet_badge.h"

#include "app/style.h"

namespace glosbo::exercises {

using namespace app::style;

WorksheetBadge::WorksheetBadge(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("worksheetBadge"));
    setGeometry(340, 10, 200, 80);
    SkrivutOverskriftShape1 = new app::Shape(this);
    SkrivutOverskriftShape1->setObjectName(QStringLiteral("SkrivutOverskriftShape1"));
    SkrivutOverskriftShape1->setBrushColor(kYellow);
    SkrivutOverskriftShape1->setGeometry(0, 0, 200, 80);
    SkrivutOverskriftShape2 = new app::Shape(this);
    SkrivutOverskriftShape2->setObjectName(QStringLiteral("SkrivutOverskriftShape2"));
    SkrivutOverskriftShape2->setBrushColor(kMaroon);
    SkrivutOverskriftShape2->setGeometry(4, 4, 192, 72);
    SkrivutOverskriftLabel = textLabel(this, "SkrivutOverskriftLabel", kYellow, 32);
    SkrivutOverskriftLabel->setText(QStringLiteral("Utskrifter"));
    SkrivutOverskriftLabel->setAlignment(Qt::AlignCenter);
    SkrivutOverskriftLabel->show();
    hide();
}

void WorksheetBadge::showBadge(int m) {
    const QRect outer = SkrivutOverskriftShape1->geometry();
    SkrivutOverskriftShape2->setGeometry(outer.adjusted(m / 2, m / 2, -m / 2, -m / 2));
    SkrivutOverskriftLabel->setGeometry(SkrivutOverskriftShape2->geometry());
    SkrivutOverskriftLabel->raise();
    show();
    raise();
}

} // namespace glosbo::exercises
