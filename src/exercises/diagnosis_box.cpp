#include "exercises/diagnosis_box.h"

#include "app/style.h"
#include "app/text_codec.h"
#include "core/diagnosis_record.h"

namespace glosbo::exercises {

using namespace app::style;

namespace {

QLabel* valueLabel(QWidget* parent, const char* name, const QColor& color, int pixelSize) {
    QLabel* label = textLabel(parent, name, color, pixelSize);
    label->setAlignment(Qt::AlignCenter);
    label->show();
    return label;
}

app::Shape* field(QWidget* parent, const char* name, QRect geometry) {
    auto* shape = new app::Shape(parent);
    shape->setObjectName(QString::fromLatin1(name));
    shape->setBrushColor(Qt::white);
    shape->setGeometry(geometry);
    return shape;
}

} // namespace

DiagnosisBox::DiagnosisBox(QWidget* parent) : app::Panel(parent) {
    setObjectName(QStringLiteral("DiagPanel1"));
    setColor(kGreen);
    setBevelWidth(2);
    setGeometry(340, 10, 230, 80);
    DiagPanel2 = new app::Panel(this);
    DiagPanel2->setObjectName(QStringLiteral("DiagPanel2"));
    DiagPanel2->setColor(kNavy);
    DiagPanel2->setGeometry(4, 4, 222, 22);
    DiagLabel1 = valueLabel(DiagPanel2, "DiagLabel1", kYellow, 14);
    DiagLabel1->setGeometry(0, 0, 222, 22);
    DiagLabel3 = valueLabel(this, "DiagLabel3", Qt::white, 12);
    DiagLabel3->setText(QStringLiteral("Uppgift"));
    DiagLabel3->setGeometry(8, 28, 103, 16);
    DiagLabel5 = valueLabel(this, "DiagLabel5", Qt::white, 12);
    DiagLabel5->setText(QStringLiteral("Riktiga"));
    DiagLabel5->setGeometry(119, 28, 103, 16);
    DiagShape1 = field(this, "DiagShape1", QRect(8, 46, 103, 28));
    DiagShape2 = field(this, "DiagShape2", QRect(119, 46, 103, 28));
    DiagLabel2 = valueLabel(this, "DiagLabel2", kNavy, 18);
    DiagLabel4 = valueLabel(this, "DiagLabel4", kNavy, 18);
    DiagLabel2->setAccessibleName(QStringLiteral("Uppgift"));
    DiagLabel4->setAccessibleName(QStringLiteral("Riktiga"));
    hide();
}

void DiagnosisBox::setHeading(const std::optional<std::u8string>& heading) {
    if (!heading) {
        DiagPanel2->hide();
        return;
    }
    DiagLabel1->setText(app::fromUtf8(*heading));
    DiagPanel2->show();
}

void DiagnosisBox::showValues(int questionNumber, int correctCount) {
    show();
    DiagLabel2->setText(QString::fromStdString(core::diagnosisQuestionText(questionNumber)));
    DiagLabel4->setText(QString::number(correctCount));
}

void DiagnosisBox::layOutValues() {
    for (auto [shape, value] :
         {std::pair{DiagShape1, DiagLabel2}, std::pair{DiagShape2, DiagLabel4}}) {
        const QRect g = shape->geometry();
        value->setGeometry(g.left() + 8, g.top(), g.width() - 16, g.height());
        value->raise();
    }
}

} // namespace glosbo::exercises
