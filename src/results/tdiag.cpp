#include "results/tdiag.h"

#include <QKeyEvent>
#include <algorithm>

#include "app/scaling.h"
#include "app/style.h"
#include "app/text_codec.h"
#include "core/cp1252.h"
#include "core/diagnosis_file.h"
#include "core/diagnosis_protocol.h"
#include "core/swedish_order.h"
#include "core/teacher_password.h"
#include "results/password_box.h"
#include "results/tnlos.h"

namespace glosbo::results {

using namespace app::style;
using app::fromCp1252;
using app::fromUtf8;

namespace {

// The designed size, before scaling.
constexpr int kWidth = 640, kHeight = 480;
constexpr int kMaxTries = 3;

const char8_t* const kPasswordPrompt = u8"Skriv ditt lösenord och tryck Enter:";
const char8_t* const kNamePrompt = u8"Skriv ditt namn och tryck Enter:";
const char8_t* const kWrongPassword = u8"Felaktigt lösen. Försök igen!";

QLabel* label(QWidget* parent, const char* name, const QString& text, int size,
              const QColor& colour = kBlack) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(arialBold(size));
    l->setTextFormat(Qt::PlainText);
    setTextColor(l, colour);
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setFont(arialBold(14));
    b->setGeometry(geometry);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* edit(QWidget* parent, const char* name, QRect geometry, int maxLength) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setFont(arialBold(16));
    e->setGeometry(geometry);
    e->setMaxLength(maxLength);
    return e;
}

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

const std::vector<std::u8string>& TDiag::helpLines() {
    static const std::vector<std::u8string> lines = {
        u8"1. Så här tar du bort din sin egen diagnos: ",
        u8"- När du ser namnlistan markerar du ditt namn. Klicka försiktigt eller använd "
        u8"nedåtpilen",
        u8"- Tryck sedan på bokstaven R som i Radera. ",
        u8"- Skriv ditt lösenord. ",
        u8"- Du får då för säkerhets skull en fråga om du verkligen vill ta bort din diagnos",
        u8"- Gör du detta försvinner diagnosen från listan och kan inte återskapas",
        u8"2. Om du är administratör av datorprogrammet gör du så här. ",
        u8"- Klicka på Ny person ",
        u8"- Skriv Lärare i rutan ",
        u8"- Skriv lösenordet som till en början är KVARNSTO",
        u8"- Du kan då välja mellan följande alternativ: ",
        u8"a) Ta bort alla diagnoser. Filen där diagnoserna ligger, SDIAG.DIA raderas men sparas",
        u8"     i en fil Sv0212010823.DIS i samma katalog(Sv+år+mån+dag+tim+min.DIS). ",
        u8"     En ny DIA-fil skapas automatiskt när första diagnosen görs.  ",
        u8"b) Ta bort enstaka med angivande av lösenordet Fungerar som under 1. ",
        u8"c) Ta bort enstaka utan att behöva ange lösenordet Fungerar som under 1 men lösenordet "
        u8"behöver inte anges.",
        u8"3. Om du som administratör vill ändra lösenordet gör du så här: ",
        u8"- När INFO-knappen har focus trycker du bokstaven Ä och ändrar ditt lösenord. ",
        u8"4. Har du glömt lärarlösenordet? Skolans administratör kan återställa det till",
        u8"- startlösenordet med glosbo-data teacher-password KATALOG --reset (se README).",
    };
    return lines;
}

TDiag::TDiag(core::AppState& state, app::Services& services, QWidget* parent)
    : QDialog(parent), m_state(state), m_services(services) {
    setObjectName("TDiag");
    setWindowTitle("Diagnos");
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    resize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kSilver);
    setPalette(pal);

    Label1 = label(this, "Label1", "Diagnos", 29, kNavy);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(0, 12, kWidth, 40);

    ListLabel = label(this, "ListLabel", "Välj ditt namn och tryck Enter.", 16);
    ListLabel->setGeometry(24, 64, 592, 24);
    ListLabel->setWordWrap(true);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setFont(arialBold(16));
    ListBox1->setGeometry(24, 92, 280, 300);
    ListBox1->setAccessibleName(QStringLiteral("Namn"));
    NamnLabel = label(this, "NamnLabel", fromUtf8(kNamePrompt), 16);
    NamnLabel->setGeometry(24, 64, 400, 24);
    Edit1 = edit(this, "Edit1", QRect(24, 92, 280, 30), 20);
    NamnLabel->setBuddy(Edit1);
    LosenLabel = label(this, "LosenLabel", fromUtf8(kPasswordPrompt), 16);
    LosenLabel->setGeometry(24, 140, 400, 24);
    FelLabel = label(this, "FelLabel", fromUtf8(kWrongPassword), 16, kRed);
    FelLabel->setGeometry(24, 140, 400, 24);
    MaskEdit1 = edit(this, "MaskEdit1", QRect(24, 168, 200, 30), 10);
    MaskEdit1->setEchoMode(QLineEdit::Password);
    MaskEdit1->setAccessibleName(QStringLiteral("Lösenord"));

    LararPanel = new app::Panel(this);
    LararPanel->setObjectName("LararPanel");
    LararPanel->setColor(kAqua);
    LararPanel->setGeometry(320, 92, 296, 288);
    LararLabel = label(LararPanel, "LararLabel", "Välj ett alternativ", 16, kNavy);
    LararLabel->setGeometry(16, 10, 264, 24);
    Button1 = button(LararPanel, "Button1", "Ta bort alla diagnoser", QRect(16, 44, 264, 36));
    Button2 = button(LararPanel, "Button2", "Info", QRect(16, 92, 264, 36));
    Button3 = button(LararPanel, "Button3", "Ta bort enstaka med lösen", QRect(16, 140, 264, 36));
    Button4 = button(LararPanel, "Button4", "Ta bort enstaka utan lösen", QRect(16, 188, 264, 36));
    MasterLabel = label(this, "MasterLabel",
                        fromUtf8(u8"Lösenordet är fortfarande startlösenordet, som alla kan "
                                 u8"läsa. Byt det: tryck Ä när Info är markerad."),
                        12, kRed);
    MasterLabel->setWordWrap(true);
    KlassButton =
        button(LararPanel, "KlassButton", fromUtf8(u8"&Klassöversikt"), QRect(16, 236, 264, 36));

    NyAnvandareButton = button(this, "NyAnvandareButton", "&Ny användare", QRect(24, 416, 180, 36));
    AvbrytButton = button(this, "AvbrytButton", "&Avbryt", QRect(436, 416, 180, 36));

    Regelpanel = new app::Panel(this);
    Regelpanel->setObjectName("Regelpanel");
    Regelpanel->setColor(kWhite);
    Regelpanel->setGeometry(0, 0, kWidth, kHeight);
    RegelRubrik = label(Regelpanel, "RegelRubrik", "Ta bort diagnoser", 20, kNavy);
    RegelRubrik->setGeometry(12, 8, 600, 28);
    QString help;
    for (const auto& line : helpLines())
        help += fromUtf8(line) + '\n';
    help.chop(1);
    RegelText = label(Regelpanel, "RegelText", help, 10);
    RegelText->setWordWrap(true);
    RegelText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    RegelText->setGeometry(12, 40, 616, 384);
    Button5 = button(Regelpanel, "Button5", "Stäng", QRect(500, 432, 128, 36));

    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TDiag::ListBox1DblClick);
    connect(NyAnvandareButton, &QPushButton::clicked, this, &TDiag::NyAnvandareButtonClick);
    connect(Edit1, &QLineEdit::returnPressed, this, &TDiag::Edit1Enter);
    connect(MaskEdit1, &QLineEdit::returnPressed, this, &TDiag::MaskEdit1Enter);
    connect(MaskEdit1, &QLineEdit::textEdited, this, [this] {
        if (const auto refused = keepWindows1252(*MaskEdit1)) {
            FelLabel->setText(*refused);
            LosenLabel->hide();
            FelLabel->show();
        }
    });
    connect(AvbrytButton, &QPushButton::clicked, this, &TDiag::AvbrytButtonClick);
    connect(Button1, &QPushButton::clicked, this, &TDiag::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TDiag::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TDiag::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TDiag::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TDiag::Button5Click);
    connect(KlassButton, &QPushButton::clicked, this, &TDiag::KlassButtonClick);
    ListBox1->installEventFilter(this);
    Button2->installEventFilter(this);

    FormCreate();
}

void TDiag::FormCreate() {
    if (m_state.screen.scalePercent() != 100)
        app::scaleWidgets(*this, m_state.screen.scalePercent());
    Regelpanel->hide();
    LararPanel->hide();
    MasterLabel->hide();
    m_teacherCheckArmed = true;
    m_deletionPending = false;
    m_deletionMode = 0;
    NyAnvandareButton->setEnabled(true);
    VisaListbox();
    LosenLabel->hide();
    FelLabel->hide();
    MaskEdit1->hide();
}

QString TDiag::directoryText() const {
    return QString::fromStdString(m_state.roots().diagnosisDir);
}

QString TDiag::damagedText() const {
    return "Diagnosfilen " + directoryText() + "/" + core::DiagnosisFile::kFileName +
           fromUtf8(u8" är skadad och kan inte användas. Be läraren om hjälp.");
}

void TDiag::VisaListbox() {
    const core::DiagnosisFile file(m_state.roots().diagnosisDir, m_state.clock());
    const core::DiagnosisLoad load = file.load();
    ListBox1->clear();
    m_damaged = load.status == core::DiagnosisLoad::Status::Loaded && load.contents.damaged();
    if (load.status != core::DiagnosisLoad::Status::Loaded || m_damaged) {
        ListBox1->hide();
        ListLabel->setVisible(m_damaged);
        if (m_damaged) {
            // Nobody can take a test whose result cannot be saved; the
            // teacher must still be able to log in and archive the file.
            // The text stands where the list would, clear of the name box
            // and of the teacher panel.
            ListLabel->setText(fromUtf8(u8"Klassens diagnosfil ") + core::DiagnosisFile::kFileName +
                               fromUtf8(u8" är skadad. Bara läraren kan spara undan den, "
                                        u8"och inga test kan göras förrän dess."));
            ListLabel->setStyleSheet("color: red; background: transparent;");
            ListLabel->setGeometry(ListBox1->x(), ListLabel->y(), ListBox1->width(),
                                   ListBox1->geometry().bottom() - ListLabel->y());
            ListLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            NamnLabel->hide();
            Edit1->hide();
            NyAnvandareButton->setEnabled(true);
            return;
        }
        NamnLabel->setText(fromUtf8(kNamePrompt));
        NamnLabel->show();
        Edit1->clear();
        Edit1->setEnabled(true);
        Edit1->show();
        Edit1->setFocus();
        NyAnvandareButton->setEnabled(false);
        return;
    }
    NamnLabel->hide();
    Edit1->hide();
    ListBox1->show();
    ListLabel->show();
    MaskEdit1->hide();
    MaskEdit1->setEnabled(false);
    std::vector<std::string> names = load.contents.names();
    std::stable_sort(names.begin(), names.end(), core::swedishLess);
    for (const std::string& name : names) {
        auto* item = new QListWidgetItem(fromCp1252(name), ListBox1);
        item->setData(Qt::UserRole, QByteArray::fromStdString(name));
    }
    // The first name is chosen from the start, so that Enter takes it and
    // Down moves on from it.
    if (ListBox1->count() > 0) ListBox1->setCurrentRow(0);
    ListBox1->setFocus();
}

bool TDiag::loadSelected() {
    QListWidgetItem* item = ListBox1->currentItem();
    if (!item || !item->isSelected()) return false;
    const std::string name = item->data(Qt::UserRole).toByteArray().toStdString();
    const core::DiagnosisFile file(m_state.roots().diagnosisDir, m_state.clock());
    const core::DiagnosisLoad load = file.load();
    m_candidate = m_state.diagnosis.record();
    resetDiagnosisRecord(m_candidate);
    if (load.status != core::DiagnosisLoad::Status::Loaded) return true;
    // The exact name first: two names may differ in case only.
    for (std::size_t i = 0; i < load.contents.records.size(); ++i)
        if (load.contents.record(i).name == name) {
            m_candidate = load.contents.record(i);
            return true;
        }
    if (const auto i = load.contents.find(name)) m_candidate = load.contents.record(*i);
    return true;
}

void TDiag::showPasswordPrompt() {
    ListBox1->hide();
    ListLabel->hide();
    NamnLabel->hide();
    FelLabel->hide();
    Edit1->hide();
    LosenLabel->show();
    MaskEdit1->clear();
    MaskEdit1->setEnabled(true);
    MaskEdit1->show();
    MaskEdit1->setFocus();
}

void TDiag::ListBox1Enter() {
    if (!ListBox1->currentItem() || !ListBox1->currentItem()->isSelected()) return;
    NyAnvandareButton->setEnabled(false);
    if (!loadSelected()) return;
    if (m_candidate.password.empty())
        openProtocol();
    else
        showPasswordPrompt();
}

void TDiag::ListBox1DblClick() {
    if (!ListBox1->isEnabled()) return;
    NyAnvandareButton->hide();
    if (m_deletionMode != 0) {
        // The teacher's list is for removing; choosing is with R.
        return;
    }
    if (!loadSelected()) return;
    if (m_candidate.password.empty())
        openProtocol();
    else
        showPasswordPrompt();
}

void TDiag::ListBox1R() {
    m_deletionPending = true;
    NyAnvandareButton->hide();
    if (!loadSelected()) {
        m_deletionPending = false;
        NyAnvandareButton->show();
        return;
    }
    if (m_deletionMode == 3) {
        m_nameToDelete = m_candidate.name;
        if (SparaRaderaProt()) m_deletionPending = false;
        m_deletionPending = false;
        VisaListbox();
        ListBox1->setEnabled(true);
        return;
    }
    showPasswordPrompt();
}

void TDiag::NyAnvandareButtonClick() {
    NyAnvandareButton->setEnabled(false);
    ListBox1->hide();
    ListLabel->hide();
    NamnLabel->setText(fromUtf8(kNamePrompt));
    NamnLabel->show();
    Edit1->setEnabled(true);
    Edit1->show();
    Edit1->setFocus();
}

void TDiag::Edit1Enter() {
    const QByteArray typed = Edit1->text().toUtf8();
    const auto name = core::utf8ToCp1252(std::string_view(typed.constData(), typed.size()));
    const core::DiagnosisFile file(m_state.roots().diagnosisDir, m_state.clock());
    const core::DiagnosisLoad load = file.load();
    if (name && load.status == core::DiagnosisLoad::Status::Loaded && load.contents.find(*name)) {
        NamnLabel->setText("Namnet finns redan. Skriv ett nytt!");
        return;
    }
    if (name && core::upperCp1252(*name) == core::TeacherPassword::kTeacherName) {
        teacherLogin();
        return;
    }
    if (m_damaged) {
        NamnLabel->setText(fromUtf8(u8"Filen är skadad. Bara läraren kan logga in."));
        return;
    }
    // A name of spaces alone would stand blank in the list.
    if (!name || Edit1->text().trimmed().isEmpty()) {
        NamnLabel->setText("Skriv ett riktigt namn!");
        return;
    }
    ListBox1->hide();
    ListLabel->hide();
    m_candidate = m_state.diagnosis.record();
    resetDiagnosisRecord(m_candidate);
    m_candidate.name = *name;
    openProtocol();
}

void TDiag::teacherLogin() {
    m_teacherMode = true;
    LararPanel->hide();
    ListBox1->hide();
    ListLabel->hide();
    Edit1->hide();
    NamnLabel->hide();
    FelLabel->hide();
    LosenLabel->show();
    MaskEdit1->clear();
    MaskEdit1->setEnabled(true);
    MaskEdit1->show();
    MaskEdit1->setFocus();
}

void TDiag::wrongPassword(bool removal) {
    MaskEdit1->clear();
    // Wrong passwords for a removal count too, so that nobody can try
    // passwords without end.
    if (++m_attempts >= kMaxTries) {
        reject();
        return;
    }
    if (removal) {
        FelLabel->setText(fromUtf8(u8"Felaktigt lösen.!"));
        LosenLabel->hide();
        FelLabel->show();
        m_services.messages.information(u8"Felaktigt lösen.");
        return;
    }
    FelLabel->setText(fromUtf8(kWrongPassword));
    LosenLabel->hide();
    FelLabel->show();
}

void TDiag::MaskEdit1Enter() {
    const std::string typed = app::toCp1252(MaskEdit1->text());
    if (m_deletionPending) {
        if (typed != m_candidate.password) {
            wrongPassword(true);
            return;
        }
        LosenLabel->hide();
        FelLabel->hide();
        MaskEdit1->hide();
        NyAnvandareButton->setEnabled(false);
        m_nameToDelete = m_candidate.name;
        if (SparaRaderaProt()) m_deletionPending = false;
        m_deletionPending = false;
        VisaListbox();
        ListBox1->show();
        ListBox1->setEnabled(true);
        MaskEdit1->hide();
        NyAnvandareButton->show();
        NyAnvandareButton->setEnabled(true);
        return;
    }
    if (m_teacherMode && m_teacherCheckArmed) {
        core::TeacherPasswordFile file(m_state.roots().diagnosisDir, m_state.clock());
        const core::TeacherPasswordLoad load = file.load();
        using Status = core::TeacherPasswordLoad::Status;
        if (load.status == Status::CreateFailed)
            m_services.messages.information(u8"Kunde inte skapa lärarlösenfilen.");
        if (load.status == Status::Damaged || load.status == Status::Unreadable)
            m_services.messages.information(core::asUtf8(
                core::utf8Bytes(u8"Lärarlösenfilen ") + file.path() +
                core::utf8Bytes(u8" är skadad. Skolans administratör kan återställa den med "
                                u8"glosbo-data teacher-password --reset.")));
        if (!core::TeacherPasswordFile::accepts(load, typed)) {
            MaskEdit1->show();
            LararPanel->hide();
            wrongPassword(false);
            return;
        }
        LararPanel->show();
        LararPanel->raise();
        VisaListbox();
        ListBox1->setVisible(!m_damaged);
        ListBox1->setEnabled(false);
        Edit1->hide();
        FelLabel->hide();
        ListLabel->setVisible(m_damaged);
        NamnLabel->hide();
        LosenLabel->hide();
        MaskEdit1->hide();
        m_teacherCheckArmed = false;
        Button2->setFocus();
        // The master password is printed for everybody: the teacher
        // chooses their own at once, and is reminded until they do.
        showMasterWarning(load.holdsMasterPassword());
        if (load.holdsMasterPassword() && changeTeacherPassword()) showMasterWarning(false);
        return;
    }
    if (m_teacherMode) return;
    if (typed == m_candidate.password) {
        LosenLabel->hide();
        FelLabel->hide();
        MaskEdit1->hide();
        openProtocol();
        return;
    }
    wrongPassword(false);
}

void TDiag::openProtocol() {
    m_state.diagnosis.record() = m_candidate;
    m_state.runMode = core::RunMode::DiagnosisTest;
    m_services.windows.open("Tdiaprot", {m_state, m_services, this});
    accept();
}

void TDiag::AvbrytButtonClick() {
    m_state.runMode = core::RunMode::Practice;
    reject();
}

bool TDiag::SparaRaderaProt() {
    core::DiagnosisFile file(m_state.roots().diagnosisDir, m_state.clock());
    const core::DiagnosisLoad load = file.load();
    const QString missing = "Diagnosfilen " + directoryText() + "/" +
                            core::DiagnosisFile::kFileName +
                            fromUtf8(u8" saknas eller är felaktig");
    if (load.status != core::DiagnosisLoad::Status::Loaded) {
        m_services.messages.information(core::asUtf8(missing.toStdString()));
        return false;
    }
    if (load.contents.damaged()) {
        m_services.messages.information(core::asUtf8(damagedText().toStdString()));
        return false;
    }
    const QString quoted = '"' + fromCp1252(m_nameToDelete) + '"';
    if (!m_services.messages.confirm(
            core::asUtf8(("Vill du verkligen ta bort diagnosen " + quoted + "?").toStdString()))) {
        m_deletionPending = false;
        return false;
    }
    const core::DiagnosisChange removed = file.remove(m_nameToDelete);
    using Status = core::DiagnosisChange::Status;
    switch (removed.status) {
    case Status::Done:
    case Status::NotFound: // removed on another computer meanwhile
        m_services.messages.information(
            core::asUtf8(("Diagnosen " + quoted + fromUtf8(u8" är borttagen.")).toStdString()));
        return true;
    case Status::Missing:
        m_services.messages.information(core::asUtf8(missing.toStdString()));
        return false;
    case Status::Damaged:
        m_services.messages.information(core::asUtf8(damagedText().toStdString()));
        return false;
    case Status::Busy:
    case Status::Failed:
        break;
    }
    m_services.messages.information(core::asUtf8(
        ("Ny fil i katalogen " + directoryText() + " kunde inte skapas").toStdString()));
    return false;
}

void TDiag::Button1Click() {
    core::DiagnosisFile file(m_state.roots().diagnosisDir, m_state.clock());
    const core::DiagnosisChange archived = file.archive();
    using Status = core::DiagnosisChange::Status;
    if (archived.status == Status::Missing) {
        m_services.messages.information(
            core::asUtf8(("Diagnosfilen " + directoryText() + "/" + core::DiagnosisFile::kFileName +
                          fromUtf8(u8" saknas eller är felaktig"))
                             .toStdString()));
    } else if (archived.status != Status::Done) {
        m_services.messages.information(
            core::asUtf8(("Diagnosfilen " + directoryText() + "/" + core::DiagnosisFile::kFileName +
                          fromUtf8(u8" kunde inte sparas undan. Försök igen om en stund."))
                             .toStdString()));
        return;
    }
    m_state.runMode = core::RunMode::Practice;
    reject();
}

void TDiag::Button2Click() {
    Regelpanel->show();
    Regelpanel->raise();
    Button5->setFocus();
}

void TDiag::Button3Click() {
    m_deletionMode = 2;
    ListBox1->setEnabled(true);
    ListBox1->setFocus();
}

void TDiag::Button4Click() {
    m_deletionMode = 3;
    ListBox1->setEnabled(true);
    ListBox1->setFocus();
}

void TDiag::Button5Click() {
    Regelpanel->hide();
    Button2->setFocus();
}

void TDiag::KlassButtonClick() {
    m_services.windows.openOrSayNotReady("TKlass", {m_state, m_services, this});
    KlassButton->setFocus();
}

bool TDiag::changeTeacherPassword() {
    core::TeacherPasswordFile file(m_state.roots().diagnosisDir, m_state.clock());
    const core::TeacherPasswordLoad load = file.load();
    TNLOS dialog(m_state, m_services, load.password.value_or(std::string()), true, this);
    m_services.modal.exec(dialog, app::ModalWindows::Placement::Centred);
    Button2->setFocus();
    if (!dialog.entry().accepted()) return false;
    if (file.save(dialog.entry().password())) {
        m_services.messages.information(u8"Kunde inte skapa lärarlösenfilen.");
        return false;
    }
    showMasterWarning(false);
    return true;
}

void TDiag::showMasterWarning(bool shown) {
    const QRect panel = LararPanel->geometry();
    MasterLabel->setGeometry(panel.x(), panel.bottom() + 8, panel.width(),
                             MasterLabel->heightForWidth(panel.width()));
    MasterLabel->setVisible(shown);
    MasterLabel->raise();
}

bool TDiag::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == ListBox1) {
        if (isEnter(key)) {
            if (m_deletionMode == 0) ListBox1Enter();
            return true;
        }
        if (key->key() == Qt::Key_R) {
            ListBox1R();
            return true;
        }
    } else if (watched == Button2) {
        const QString text = key->text();
        if (text == QStringLiteral("Ä") || text == QStringLiteral("ä") ||
            key->key() == Qt::Key_Adiaeresis) {
            changeTeacherPassword();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace glosbo::results
