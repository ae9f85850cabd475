#pragma once

#include <QLabel>
#include <QWidget>
#include <functional>
#include <string>

#include "app/shape.h"

namespace glosbo::exercises {

// The praise at the end of a good series (LovordPanel): a blue rounded
// frame (LovordYttershape) around a yellow one (lovordinnershape) with the
// praise words centred in it (LovordLabel1).
class PraisePanel final : public QWidget {
    Q_OBJECT
public:
    explicit PraisePanel(QWidget* parent);

    app::Shape* LovordYttershape = nullptr;
    app::Shape* lovordinnershape = nullptr;
    QLabel* LovordLabel1 = nullptr;

    // Width in pixels of a Windows-1252 text in Arial bold at a point size.
    using Measure = std::function<int(const std::string&, int)>;
    // Shows the words (Windows-1252) as large as the inner frame allows,
    // from 30 pt down to 10 pt, centred in it. m is the letter unit.
    void RitaLovord(const std::string& words, int m, const Measure& width);
};

} // namespace glosbo::exercises
