#pragma once

#include <QLabel>
#include <optional>
#include <string>

#include "app/panel.h"
#include "app/shape.h"

namespace glosbo::exercises {

// The diagnosis box beside the headline (DiagPanel1): its heading ("Övning
// 1", "Diagnos: Testning"), and the question number ("Uppgift") and the
// correct count ("Riktiga"), each on a rounded field.
class DiagnosisBox final : public app::Panel {
    Q_OBJECT
public:
    explicit DiagnosisBox(QWidget* parent);

    app::Panel* DiagPanel2 = nullptr;
    QLabel* DiagLabel1 = nullptr; // the heading
    QLabel* DiagLabel3 = nullptr; // "Uppgift"
    QLabel* DiagLabel5 = nullptr; // "Riktiga"
    app::Shape* DiagShape1 = nullptr;
    QLabel* DiagLabel2 = nullptr; // the question number, "7/20"
    app::Shape* DiagShape2 = nullptr;
    QLabel* DiagLabel4 = nullptr; // the correct count

    // The heading (UTF-8); without one its panel is hidden.
    void setHeading(const std::optional<std::u8string>& heading);
    // Shows the box with a question number and a correct count.
    void showValues(int questionNumber, int correctCount);
    // Each value fills its field less 8 pixels on either side; after scaling.
    void layOutValues();
};

} // namespace glosbo::exercises
