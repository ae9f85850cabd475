#pragma once

#include <QLabel>
#include <QWidget>

#include "app/shape.h"

namespace glosbo::exercises {

// The "Utskrifter" badge beside the headline in worksheet mode: a yellow
// rounded frame (SkrivutOverskriftShape1) around a maroon one
// (SkrivutOverskriftShape2) with the word centred on it. The worksheet bar
// will stand beside it.
class WorksheetBadge final : public QWidget {
    Q_OBJECT
public:
    explicit WorksheetBadge(QWidget* parent);

    app::Shape* SkrivutOverskriftShape1 = nullptr;
    app::Shape* SkrivutOverskriftShape2 = nullptr;
    QLabel* SkrivutOverskriftLabel = nullptr;

    // Shows the badge, the inner frame m/2 inside the outer one.
    void showBadge(int m);
};

} // namespace glosbo::exercises
