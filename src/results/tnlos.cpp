#include "results/tnlos.h"

#include "app/scaling.h"
#include "app/style.h"
#include "app/text_codec.h"
#include "core/cp1252.h"
#include "results/password_box.h"

namespace glosbo::results {

using namespace app::style;

namespace {
constexpr int kWidth = 420, kHeight = 190;
}

TNLOS::TNLOS(core::AppState& state, app::Services& services, QWidget* parent)
    : TNLOS(state, services, state.diagnosis.record().password, false, parent) {
    m_pupil = true;
}

TNLOS::TNLOS(core::AppState& state, app::Services& services, std::string old, bool teacher,
             QWidget* parent)
    : QDialog(parent), m_state(state), m_services(services), m_pupil(false),
      m_entry(std::move(old), teacher) {
    setObjectName("TNLOS");
    setWindowTitle("Glosbo");
    resize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kAqua);
    setPalette(pal);

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setFont(arialBold(15));
    Label1->setTextFormat(Qt::PlainText);
    setTextColor(Label1, kBlack);
    Label1->setGeometry(16, 16, kWidth - 32, 24);
    Label2 = new QLabel(QStringLiteral("Försök igen."), this);
    Label2->setObjectName("Label2");
    Label2->setFont(arialBold(15));
    setTextColor(Label2, kRed);
    Label2->setGeometry(16, 44, kWidth - 32, 24);
    maskedit1 = new QLineEdit(this);
    maskedit1->setObjectName("maskedit1");
    maskedit1->setFont(arialBold(16));
    maskedit1->setEchoMode(QLineEdit::Password);
    maskedit1->setMaxLength(10);
    maskedit1->setGeometry(16, 80, 200, 30);
    BitBtn1 = new QPushButton(QStringLiteral("&Avbryt"), this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setFont(arialBold(14));
    BitBtn1->setAutoDefault(false);
    BitBtn1->setGeometry(kWidth - 16 - 120, kHeight - 16 - 34, 120, 34);

    connect(maskedit1, &QLineEdit::returnPressed, this, &TNLOS::maskedit1KeyPress);
    // Only the pupil's typing, not the emptying of the box, counts as a change.
    connect(maskedit1, &QLineEdit::textEdited, this, &TNLOS::maskedit1Change);
    connect(BitBtn1, &QPushButton::clicked, this, &TNLOS::BitBtn1Click);
    FormCreate();
}

void TNLOS::FormCreate() {
    if (m_state.screen.scalePercent() != 100)
        app::scaleWidgets(*this, m_state.screen.scalePercent());
    display(m_entry);
    maskedit1->setFocus();
}

void TNLOS::display(const core::NewPasswordEntry& entry) {
    Label1->setText(app::fromUtf8(entry.prompt()));
    Label2->setText(QStringLiteral("Försök igen."));
    Label2->setVisible(entry.tryAgainShown());
}

void TNLOS::maskedit1KeyPress() {
    if (m_entry.enter(app::toCp1252(maskedit1->text()))) maskedit1->clear();
    display(m_entry);
    if (!m_entry.accepted()) return;
    if (m_pupil) m_state.diagnosis.record().password = m_entry.password();
    accept();
}

void TNLOS::maskedit1Change() {
    if (const auto refused = keepWindows1252(*maskedit1)) {
        Label2->setText(*refused);
        Label2->show();
        return;
    }
    m_entry.edited();
    display(m_entry);
}

void TNLOS::BitBtn1Click() {
    reject();
}

} // namespace glosbo::results
