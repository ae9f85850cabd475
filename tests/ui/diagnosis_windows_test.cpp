#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#include "app/text_codec.h"
#include "core/diagnosis_file.h"
#include "core/diagnosis_protocol.h"
#include "core/pending_results.h"
#include "core/teacher_password.h"
#include "results/tdiag.h"
#include "results/tdiaprot.h"
#include "results/tnlos.h"
#include "ui_support.h"

using namespace glosbo;
using core::DiagnosisRecord;
using results::TDiag;
using results::Tdiaprot;
using test::Harness;

namespace {

DiagnosisRecord pupil(const std::string& name, const std::string& password) {
    DiagnosisRecord r;
    r.name = name;
    r.password = password;
    return r;
}

std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string fileOf(const Harness& h) {
    return h.state->roots().diagnosisDir + "/" + core::DiagnosisFile::kFileName;
}

void writeDiagnosis(Harness& h, const std::vector<DiagnosisRecord>& records) {
    std::string bytes;
    for (const auto& r : records)
        bytes += r.toBytes();
    test::writeFile(fileOf(h), bytes);
}

std::vector<std::string> namesInFile(const Harness& h) {
    return core::loadDiagnosisFile(fileOf(h)).contents.names();
}

// Opening a window records it; the protocol is a plain stand-in here.
void standInProtocol(Harness& h) {
    h.windows.add("Tdiaprot", [](const app::WindowContext&) {
        auto d = std::make_unique<QDialog>();
        d->setObjectName("Tdiaprot");
        return d;
    });
}

// Types text into an input and presses Enter (the test keyboard has no
// Swedish letters, so the text is set rather than typed).
void type(QLineEdit* w, const QString& text) {
    w->setText(text);
    QTest::keyClick(w, Qt::Key_Return);
}

QStringList listed(const TDiag& d) {
    QStringList all;
    for (int i = 0; i < d.ListBox1->count(); ++i)
        all << d.ListBox1->item(i)->text();
    return all;
}

void choose(TDiag& d, const QString& name) {
    const auto items = d.ListBox1->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << name.toStdString();
    d.ListBox1->setCurrentItem(items[0]);
}

struct Login : ::testing::Test {
    Harness h;
    void SetUp() override { standInProtocol(h); }
    std::unique_ptr<TDiag> open() {
        auto d = std::make_unique<TDiag>(*h.state, h.services);
        d->show();
        QApplication::setActiveWindow(d.get());
        return d;
    }
};

} // namespace

TEST_F(Login, WithoutAFileTheNameIsAskedAtOnce) {
    auto d = open();
    EXPECT_FALSE(d->ListBox1->isVisible());
    EXPECT_TRUE(d->Edit1->isVisible());
    EXPECT_EQ(d->NamnLabel->text(), "Skriv ditt namn och tryck Enter:");
    EXPECT_FALSE(d->NyAnvandareButton->isEnabled());

    type(d->Edit1, "   ");
    EXPECT_EQ(d->NamnLabel->text(), "Skriv ett riktigt namn!");
    d->Edit1->clear();
    type(d->Edit1, QString::fromUtf8("Łukasz")); // Windows-1252 has no Ł
    EXPECT_EQ(d->NamnLabel->text(), "Skriv ett riktigt namn!");
    d->Edit1->clear();
    type(d->Edit1, QString::fromUtf8("Åsa"));
    EXPECT_EQ(h.modal.opened, std::vector<std::string>{"Tdiaprot"});
    EXPECT_EQ(h.state->diagnosis.record().name, "\xC5sa");
    EXPECT_EQ(h.state->runMode, core::RunMode::DiagnosisTest);
}

TEST_F(Login, NamesInSwedishOrderAndPasswords) {
    writeDiagnosis(h, {pupil("\xD6rjan", "x"), pupil("Zara", ""), pupil("\xC5sa", "hemlis"),
                       pupil("adam", "a"), pupil("", "")});
    {
        auto d = open();
        EXPECT_EQ(listed(*d), (QStringList{"adam", "Zara", QString::fromUtf8("Åsa"),
                                           QString::fromUtf8("Örjan")}));
        EXPECT_EQ(d->ListLabel->text(), QString::fromUtf8("Välj ditt namn och tryck Enter."));
        choose(*d, QString::fromUtf8("Åsa"));
        QTest::keyClick(d->ListBox1, Qt::Key_Return);
        EXPECT_TRUE(d->MaskEdit1->isVisible());
        EXPECT_EQ(d->LosenLabel->text(), QString::fromUtf8("Skriv ditt lösenord och tryck Enter:"));
        type(d->MaskEdit1, "fel");
        EXPECT_EQ(d->FelLabel->text(), QString::fromUtf8("Felaktigt lösen. Försök igen!"));
        EXPECT_TRUE(d->FelLabel->isVisible());
        type(d->MaskEdit1, "HEMLIS");
        EXPECT_TRUE(h.modal.opened.empty());
        type(d->MaskEdit1, "hemlis");
        EXPECT_EQ(h.modal.opened, std::vector<std::string>{"Tdiaprot"});
        EXPECT_EQ(h.state->diagnosis.record().name, "\xC5sa");
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(d->result(), QDialog::Accepted);
    }
    {
        auto d = open();
        choose(*d, "adam");
        QTest::keyClick(d->ListBox1, Qt::Key_Return);
        for (const char* wrong : {"b", "c", "d"})
            type(d->MaskEdit1, wrong);
        EXPECT_FALSE(d->isVisible()) << "three wrong close the window";
        EXPECT_EQ(h.modal.opened.size(), 1u);
        EXPECT_EQ(h.state->diagnosis.record().name, "\xC5sa") << "nothing of adam was taken";
    }
    {
        auto d = open();
        choose(*d, "Zara");
        QTest::keyClick(d->ListBox1, Qt::Key_Return);
        EXPECT_EQ(h.modal.opened.size(), 2u) << "no password: straight in";
    }
}

TEST_F(Login, NewUsers) {
    writeDiagnosis(h, {pupil("Kalle", "k")});
    auto d = open();
    EXPECT_TRUE(d->NyAnvandareButton->isEnabled());
    d->NyAnvandareButton->click();
    EXPECT_FALSE(d->NyAnvandareButton->isEnabled());
    EXPECT_FALSE(d->ListBox1->isVisible());
    type(d->Edit1, "kALLE");
    EXPECT_EQ(d->NamnLabel->text(), "Namnet finns redan. Skriv ett nytt!");
    d->Edit1->clear();
    type(d->Edit1, "Lisa");
    EXPECT_EQ(h.modal.opened, std::vector<std::string>{"Tdiaprot"});
    EXPECT_EQ(h.state->diagnosis.record().name, "Lisa");
    EXPECT_EQ(h.state->diagnosis.record().result[1], 0);
    EXPECT_EQ(namesInFile(h), std::vector<std::string>{"Kalle"}) << "saved by the protocol";
}

TEST_F(Login, TheTeacherLogsInAndArchives) {
    writeDiagnosis(h, {pupil("Kalle", "k")});
    const std::string teacherFile =
        h.state->roots().diagnosisDir + "/" + core::TeacherPassword::kFileName;
    auto d = open();
    d->NyAnvandareButton->click();
    type(d->Edit1, QString::fromUtf8("lärare"));
    EXPECT_TRUE(d->MaskEdit1->isVisible());
    EXPECT_FALSE(d->LararPanel->isVisible());
    type(d->MaskEdit1, "");
    EXPECT_EQ(d->FelLabel->text(), QString::fromUtf8("Felaktigt lösen. Försök igen!"))
        << "an empty password is never the teacher's";
    EXPECT_TRUE(QFile::exists(QString::fromStdString(teacherFile)));
    type(d->MaskEdit1, "KVARNSTO");
    EXPECT_TRUE(d->LararPanel->isVisible());
    EXPECT_EQ(d->LararLabel->text(), "Välj ett alternativ");
    EXPECT_TRUE(d->ListBox1->isVisible());
    EXPECT_FALSE(d->ListBox1->isEnabled());
    EXPECT_TRUE(d->Button2->hasFocus());

    d->Button2->click();
    EXPECT_TRUE(d->Regelpanel->isVisible());
    EXPECT_TRUE(d->RegelText->text().contains("KVARNSTO"));
    d->Button5->click();
    EXPECT_FALSE(d->Regelpanel->isVisible());

    d->Button1->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(h.messages.texts.empty());
    const QStringList archives =
        QDir(QString::fromStdString(h.state->roots().diagnosisDir)).entryList({"SV*.DIS"});
    EXPECT_EQ(archives.size(), 1);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(fileOf(h))));
}

TEST_F(Login, APupilNamedLikeTheTeacherIsAPupil) {
    writeDiagnosis(h, {pupil("L\xE4rare", "")});
    auto d = open();
    d->NyAnvandareButton->click();
    type(d->Edit1, QString::fromUtf8("LÄRARE"));
    EXPECT_EQ(d->NamnLabel->text(), "Namnet finns redan. Skriv ett nytt!");
    EXPECT_FALSE(d->MaskEdit1->isVisible());
}

// Each row: the teacher password file before, what is typed, and what the
// window then shows. No built-in password opens anything.
TEST_F(Login, TeacherLogins) {
    const std::string passwordFile =
        h.state->roots().diagnosisDir + "/" + core::TeacherPassword::kFileName;
    enum class Then { ChooseOwn, Panel, Refused };
    struct Case {
        const char* file; // nullptr: no file
        std::vector<const char*> typed;
        Then then;
    } cases[] = {
        {nullptr, {"KVARNSTO"}, Then::ChooseOwn},
        {"KVARNSTO", {"KVARNSTO"}, Then::ChooseOwn},
        {"eget1", {"eget1"}, Then::Panel},
        {"eget1", {"Tre Ekar"}, Then::Refused},
        {"eget1", {"KVARNSTO"}, Then::Refused},
        {nullptr, {"Tre Ekar"}, Then::Refused},
        {"eget1", {"x", "Tre ekar", "eget1"}, Then::Panel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file ? c.file : "(no file)") + " / " + c.typed.back());
        QFile::remove(QString::fromStdString(passwordFile));
        if (c.file) test::writeFile(passwordFile, core::teacherPasswordRecord(c.file));
        h.modal.opened.clear();
        auto d = open();
        type(d->Edit1, QString::fromUtf8("Lärare"));
        for (const char* typed : c.typed)
            type(d->MaskEdit1, typed);
        EXPECT_EQ(d->LararPanel->isVisible(), c.then != Then::Refused);
        EXPECT_EQ(d->MasterLabel->isVisible(), c.then == Then::ChooseOwn);
        EXPECT_EQ(h.modal.opened, c.then == Then::ChooseOwn ? std::vector<std::string>{"TNLOS"}
                                                            : std::vector<std::string>{});
        if (c.then == Then::Refused) {
            EXPECT_EQ(d->FelLabel->text(), QString::fromUtf8("Felaktigt lösen. Försök igen!"));
        }
    }
}

namespace {

// Types into the new-password dialog as the teacher would, instead of
// running it.
class TeacherTypesNewPassword final : public app::ModalWindows {
public:
    int exec(QDialog& dialog, Placement) override {
        auto& tnlos = dynamic_cast<results::TNLOS&>(dialog);
        tnlos.show();
        type(tnlos.maskedit1, "KVARNSTO");
        EXPECT_EQ(tnlos.Label1->text(),
                  QString::fromUtf8("Startlösenordet går inte. Välj ett eget."));
        type(tnlos.maskedit1, "Ekorre7");
        type(tnlos.maskedit1, "Ekorre7");
        EXPECT_TRUE(tnlos.entry().accepted());
        ++runs;
        tnlos.hide();
        return QDialog::Accepted;
    }
    int runs = 0;
};

} // namespace

// After the master password the teacher chooses their own at once; the
// warning goes and the file holds the new password.
TEST_F(Login, TheMasterPasswordIsReplacedAtOnce) {
    const std::string passwordFile =
        h.state->roots().diagnosisDir + "/" + core::TeacherPassword::kFileName;
    TeacherTypesNewPassword modal;
    app::Services services{h.messages, modal, h.measure, h.windows, h.sounds, h.printer};
    auto d = std::make_unique<TDiag>(*h.state, services);
    d->show();
    QApplication::setActiveWindow(d.get());
    type(d->Edit1, QString::fromUtf8("Lärare"));
    type(d->MaskEdit1, "KVARNSTO");
    EXPECT_TRUE(d->LararPanel->isVisible());
    EXPECT_FALSE(d->MasterLabel->isVisible());
    EXPECT_EQ(modal.runs, 1);
    EXPECT_EQ(bytesOf(passwordFile), core::teacherPasswordRecord("Ekorre7"));
    EXPECT_TRUE(d->Button2->hasFocus());
}

TEST_F(Login, ThreeWrongTeacherPasswordsCloseTheWindow) {
    auto d = open();
    type(d->Edit1, QString::fromUtf8("Lärare"));
    for (const char* wrong : {"kvarnsto", "x", "Tre Ekar"})
        type(d->MaskEdit1, wrong);
    EXPECT_FALSE(d->isVisible());
    EXPECT_FALSE(d->LararPanel->isVisible());
}

namespace {

// Types each character as a key press carrying it (QTest's own key clicks
// know ASCII only).
void typeCharacters(QLineEdit* w, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
    }
}

} // namespace

// A character Windows-1252 cannot hold is taken out as it is typed, with a
// message, in the login and in the new-password dialog.
TEST_F(Login, PasswordCharactersOutsideWindows1252AreRefusedAsTyped) {
    auto d = open();
    type(d->Edit1, QString::fromUtf8("Lärare"));
    d->MaskEdit1->setFocus();
    QTest::keyClicks(d->MaskEdit1, "ab");
    typeCharacters(d->MaskEdit1, QString::fromUtf8("Ł"));
    typeCharacters(d->MaskEdit1, QString::fromUtf8("é"));
    EXPECT_EQ(d->MaskEdit1->text(), QString::fromUtf8("abé"));
    EXPECT_TRUE(d->FelLabel->isVisible());
    EXPECT_EQ(d->FelLabel->text(), QString::fromUtf8("”Ł” kan inte ingå i ett lösenord."));

    results::TNLOS dialog(*h.state, h.services);
    dialog.show();
    dialog.maskedit1->setFocus();
    typeCharacters(dialog.maskedit1, QString::fromUtf8("ÅsaЖ"));
    EXPECT_EQ(dialog.maskedit1->text(), QString::fromUtf8("Åsa"));
    EXPECT_TRUE(dialog.Label2->isVisible());
    EXPECT_EQ(dialog.Label2->text(), QString::fromUtf8("”Ж” kan inte ingå i ett lösenord."));
    // Pasted text too, a character outside the basic plane taken whole.
    QApplication::clipboard()->setText(QString::fromUtf8("x😀"));
    QTest::keyClick(dialog.maskedit1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dialog.maskedit1->text(), QString::fromUtf8("Åsax"));
    EXPECT_EQ(dialog.Label2->text(), QString::fromUtf8("”😀” kan inte ingå i ett lösenord."));
    QTest::keyClick(dialog.maskedit1, Qt::Key_Backspace);
    QTest::keyClick(dialog.maskedit1, Qt::Key_Return);
    typeCharacters(dialog.maskedit1, QString::fromUtf8("Åsa"));
    QTest::keyClick(dialog.maskedit1, Qt::Key_Return);
    EXPECT_EQ(h.state->diagnosis.record().password, "\xC5sa") << "never a \"?\"";
}

TEST_F(Login, APupilRemovesTheirOwnDiagnosis) {
    writeDiagnosis(h, {pupil("Kalle", ""), pupil("Lisa", "l"), pupil("", "")});
    auto d = open();
    choose(*d, "Kalle");
    QTest::keyClick(d->ListBox1, Qt::Key_R);
    EXPECT_TRUE(d->MaskEdit1->isVisible()) << "the password is asked even when it is empty";
    h.messages.confirmAnswer = false;
    type(d->MaskEdit1, "");
    EXPECT_EQ(h.messages.texts,
              std::vector<std::string>{"Vill du verkligen ta bort diagnosen \"Kalle\"?"});
    EXPECT_EQ(namesInFile(h), (std::vector<std::string>{"Kalle", "Lisa"}));
    EXPECT_EQ(core::loadDiagnosisFile(fileOf(h)).contents.records.size(), 3u)
        << "nothing changes before Yes";

    choose(*d, "Kalle");
    QTest::keyClick(d->ListBox1, Qt::Key_R);
    h.messages.confirmAnswer = true;
    type(d->MaskEdit1, "");
    EXPECT_EQ(h.messages.texts.back(), "Diagnosen \"Kalle\" är borttagen.");
    EXPECT_EQ(namesInFile(h), std::vector<std::string>{"Lisa"});
    EXPECT_EQ(core::loadDiagnosisFile(fileOf(h)).contents.records.size(), 1u);
    EXPECT_EQ(listed(*d), QStringList{"Lisa"});
    EXPECT_TRUE(d->NyAnvandareButton->isVisible());
}

TEST_F(Login, WrongRemovalPasswordsCountTowardsTheThreeTries) {
    writeDiagnosis(h, {pupil("Lisa", "l")});
    auto d = open();
    choose(*d, "Lisa");
    QTest::keyClick(d->ListBox1, Qt::Key_R);
    type(d->MaskEdit1, "x");
    EXPECT_EQ(d->FelLabel->text(), QString::fromUtf8("Felaktigt lösen.!"));
    EXPECT_EQ(h.messages.texts, std::vector<std::string>{"Felaktigt lösen."});
    type(d->MaskEdit1, "y");
    type(d->MaskEdit1, "z");
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(namesInFile(h), std::vector<std::string>{"Lisa"});
}

TEST_F(Login, TheTeacherRemovesWithoutPassword) {
    writeDiagnosis(h, {pupil("Kalle", "k"), pupil("Lisa", "l")});
    auto d = open();
    d->NyAnvandareButton->click();
    type(d->Edit1, QString::fromUtf8("LÄRARE"));
    type(d->MaskEdit1, "KVARNSTO");
    d->Button4->click();
    EXPECT_TRUE(d->ListBox1->isEnabled());
    choose(*d, "Lisa");
    h.messages.confirmAnswer = true;
    QTest::keyClick(d->ListBox1, Qt::Key_R);
    EXPECT_EQ(namesInFile(h), std::vector<std::string>{"Kalle"});
    EXPECT_EQ(listed(*d), QStringList{"Kalle"});
}

// A damaged file: the login says so where the list would stand, clear of
// the name box and the teacher panel; only the teacher gets in (to archive
// it), and the file is never written.
TEST_F(Login, ADamagedFileIsShownAndNeverRewritten) {
    const std::string bytes = pupil("Kalle", "").toBytes() + std::string(100, 'x');
    test::writeFile(fileOf(h), bytes);
    auto d = open();
    EXPECT_FALSE(d->ListBox1->isVisible());
    EXPECT_TRUE(d->ListLabel->isVisible());
    EXPECT_EQ(d->ListLabel->text(),
              QString::fromUtf8("Klassens diagnosfil SDIAG.DIA är skadad. Bara läraren kan spara "
                                "undan den, och inga test kan göras förrän dess."));
    EXPECT_FALSE(d->Edit1->isVisible()) << "no live name box under the message";
    EXPECT_TRUE(d->NyAnvandareButton->isEnabled()) << "the teacher must get in";

    d->NyAnvandareButton->click();
    EXPECT_FALSE(d->ListLabel->isVisible());
    EXPECT_TRUE(d->Edit1->isVisible());
    type(d->Edit1, "Lisa");
    EXPECT_EQ(d->NamnLabel->text(),
              QString::fromUtf8("Filen är skadad. Bara läraren kan logga in."));
    EXPECT_TRUE(h.modal.opened.empty()) << "no protocol, no test";

    d->Edit1->clear();
    type(d->Edit1, QString::fromUtf8("Lärare"));
    type(d->MaskEdit1, "KVARNSTO");
    EXPECT_TRUE(d->LararPanel->isVisible());
    EXPECT_TRUE(d->ListLabel->isVisible());
    EXPECT_FALSE(d->ListLabel->geometry().intersects(d->LararPanel->geometry()));
    EXPECT_FALSE(d->ListLabel->geometry().intersects(d->MasterLabel->geometry()));
    EXPECT_EQ(bytesOf(fileOf(h)), bytes);
}

// The keyboard alone: the first name is chosen from the start, Enter takes
// it and Down moves on.
TEST_F(Login, TheFirstNameIsChosenWithEnterOrPassedWithDown) {
    writeDiagnosis(h, {pupil("Anna", ""), pupil("Bo", "b")});
    {
        auto d = open();
        EXPECT_TRUE(d->ListBox1->hasFocus());
        QTest::keyClick(d->ListBox1, Qt::Key_Return);
        EXPECT_EQ(h.modal.opened, std::vector<std::string>{"Tdiaprot"});
        EXPECT_EQ(h.state->diagnosis.record().name, "Anna");
    }
    auto d = open();
    QTest::keyClick(d->ListBox1, Qt::Key_Down);
    QTest::keyClick(d->ListBox1, Qt::Key_Return);
    EXPECT_TRUE(d->MaskEdit1->isVisible()) << "Bo's password is asked";
    type(d->MaskEdit1, "b");
    EXPECT_EQ(h.state->diagnosis.record().name, "Bo");
}

// The protocol, with stand-ins for the exercise windows that report as the
// real ones do.
struct Protocol : ::testing::Test {
    // A 1024 x 768 screen with letters of 8 pixels: the columns are
    // about as wide as with the real font.
    static Harness::Setup screen() {
        Harness::Setup setup;
        setup.letterWidth = 8;
        setup.screen = QSize(1024, 768);
        return setup;
    }
    Harness h{screen()};
    std::vector<std::string> opened;
    int nextResult = 0;
    void SetUp() override {
        std::map<std::string, std::string> files;
        for (int t = 1; t <= 17; ++t) {
            const core::DiagnosisTest& test = core::diagnosisTest(t);
            files[std::string("DATA/DAT/") + test.testFile] = "$Test\r\nett#tv\xE5\r\n";
            files[std::string("DATA/DAT/") + test.practiceFile] = "$\xD6vning\r\nett#tv\xE5\r\n";
        }
        h.writeDataRoot(files);
        for (const char* window : {"TFLERBAR", "TSKRIV", "TPassAkt"})
            h.windows.add(window, [this, window](const app::WindowContext& c) {
                opened.push_back(std::string(window) + " " + c.state.files.currentExerciseFile +
                                 " " + std::to_string(int(c.state.runMode)));
                EXPECT_FALSE(c.parent->findChild<QTableWidget*>()->isEnabled())
                    << "the protocol waits";
                if (c.state.runMode == core::RunMode::DiagnosisTest)
                    c.state.diagnosis.reportResult(nextResult, c.state.clock().now());
                else
                    c.state.diagnosis.completePractice();
                auto d = std::make_unique<QDialog>();
                d->setObjectName(window);
                return d;
            });
        h.state->diagnosis.record() = pupil("Kalle", "");
        h.state->diagnosis.setSelectedRow(0);
        // Results that cannot be saved wait in the program's own directory.
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(h.path("OWN")));
    }
    void TearDown() override { qunsetenv("XDG_DATA_HOME"); }
    std::string pendingFile(const std::string& name) const {
        return core::PendingResults(h.path("OWN") + "/glosbo", fileOf(h)).path(name);
    }
    std::unique_ptr<Tdiaprot> open() {
        auto p = std::make_unique<Tdiaprot>(*h.state, h.services);
        p->show();
        QApplication::setActiveWindow(p.get());
        return p;
    }
    void start(Tdiaprot& p, int row) {
        p.StringGrid1->setCurrentCell(row, 1);
        QTest::keyClick(p.StringGrid1, Qt::Key_Return);
    }
    QString cell(Tdiaprot& p, int row, int column) {
        return p.StringGrid1->item(row, column)->text();
    }
};

TEST_F(Protocol, ANewPupilBeginsEveryTest) {
    auto p = open();
    EXPECT_EQ(p->Label1->text(), QString::fromUtf8("Diagnosprotokoll för Kalle"));
    for (int r = 1; r <= 17; ++r) {
        EXPECT_EQ(cell(*p, r, 2), "          0");
        EXPECT_EQ(cell(*p, r, 3), "  ");
        EXPECT_EQ(cell(*p, r, 4), QString::fromUtf8("    Börja"));
    }
    EXPECT_EQ(cell(*p, 18, 1), QString(56, ' ') + "Summa:");
    EXPECT_EQ(cell(*p, 18, 2), "          0");
    const int u = h.state->screen.letterUnit();
    EXPECT_EQ(p->StringGrid1->columnWidth(0), 5 * u);
    EXPECT_EQ(p->StringGrid1->columnWidth(2), h.measure.widthPx(core::kProtocolSample, 17));
    EXPECT_FALSE(p->Panel1->isVisible());
    EXPECT_FALSE(p->Panel2->isVisible());
    // Leaving saves the new pupil.
    p->AvbrytButton->click();
    EXPECT_EQ(namesInFile(h), std::vector<std::string>{"Kalle"});
    EXPECT_EQ(h.state->runMode, core::RunMode::Practice);
}

TEST_F(Protocol, TestsRunInTheirWindowsAndEachResultIsSaved) {
    auto p = open();
    nextResult = 12;
    start(*p, 3);
    EXPECT_EQ(opened, std::vector<std::string>{"TFLERBAR SVDI03.DAT 2"});
    EXPECT_EQ(cell(*p, 3, 2), "        12");
    EXPECT_EQ(cell(*p, 3, 4), QString::fromUtf8("    Öva"));
    EXPECT_EQ(core::loadDiagnosisFile(fileOf(h)).contents.record(0).result[3], 12)
        << "saved after the test";
    EXPECT_TRUE(p->StringGrid1->isEnabled());

    // "Öva" starts the practice; when it is complete the row says "Testa",
    // keeps its result and is saved at once.
    start(*p, 3);
    EXPECT_EQ(opened.back(), "TFLERBAR SVOVN103.DAT 3");
    EXPECT_EQ(cell(*p, 3, 4), QString::fromUtf8("    Testa"));
    EXPECT_EQ(cell(*p, 3, 2), "        12");
    EXPECT_EQ(core::loadDiagnosisFile(fileOf(h)).contents.record(0).status[3], core::kStatusTest);
    EXPECT_EQ(h.state->runMode, core::RunMode::DiagnosisTest);

    nextResult = 20;
    start(*p, 17);
    EXPECT_EQ(opened.back(), "TPassAkt SVDI17.DAT 2");
    start(*p, 12);
    EXPECT_EQ(opened.back(), "TSKRIV SVDI12.DAT 2");
    EXPECT_EQ(cell(*p, 18, 2), "        52");
    EXPECT_EQ(h.state->diagnosis.selectedRow(), 12);
}

TEST_F(Protocol, TheFillInTestsWaitForTheirWindow) {
    auto p = open();
    for (int row : {11, 13, 14, 16}) {
        start(*p, row);
        EXPECT_EQ(h.messages.texts.back(), core::utf8Bytes(app::kNotReadyMessage));
    }
    EXPECT_TRUE(opened.empty());
}

TEST_F(Protocol, InfoBoxesForWaitingAndPractisingRows) {
    auto& r = h.state->diagnosis.record();
    r.result[4] = 9, r.status[4] = core::kStatusPractise;
    r.status[5] = core::kStatusWait;
    auto p = open();
    const auto release = [&](int row) {
        const QRect cellRect = p->StringGrid1->visualItemRect(p->StringGrid1->item(row, 1));
        QTest::mouseClick(p->StringGrid1->viewport(), Qt::LeftButton, {}, cellRect.center());
    };
    release(5);
    ASSERT_TRUE(p->Panel2->isVisible());
    EXPECT_EQ(p->InfoLabel1->text(), QString::fromUtf8("Du måste göra SJ-ljudet"));
    EXPECT_EQ(p->InfoLabel2->text(), QString::fromUtf8("bättre innan du gör detta test."));
    EXPECT_EQ(p->Panel2->geometry().right() + 1, p->width() - 20);
    release(4);
    EXPECT_EQ(p->InfoLabel1->text(), QString::fromUtf8("Du måste först klara övningen"));
    EXPECT_EQ(p->InfoLabel2->text(), QString::fromUtf8("bra innan du gör detta test."));
    release(6);
    EXPECT_FALSE(p->Panel2->isVisible());

    // A waiting row only shows its box.
    start(*p, 5);
    EXPECT_TRUE(p->Panel2->isVisible());
    EXPECT_TRUE(opened.empty());
    p->HjalpButton->click();
    EXPECT_TRUE(p->Panel1->isVisible());
    EXPECT_EQ(p->HjalpLabel1->text(), QString::fromUtf8("Flytta till önskad rad och dubbelklicka"));
    EXPECT_EQ(p->HjalpLabel2->text(), QString::fromUtf8("eller tryck enter så kommer diagnosen."));
}

TEST_F(Protocol, AFailedSaveIsToldAndTriedAgain) {
    const std::string directory = h.state->roots().diagnosisDir;
    QDir(QString::fromStdString(directory)).removeRecursively();
    auto p = open();
    nextResult = 15;
    start(*p, 1);
    EXPECT_EQ(h.messages.texts,
              std::vector<std::string>{"Diagnosen kunde inte sparas i katalogen " + directory +
                                       ". Resultaten sparas nästa gång."});
    EXPECT_TRUE(h.state->diagnosis.savePending());
    EXPECT_EQ(cell(*p, 1, 2), "        15");
    QDir().mkpath(QString::fromStdString(directory));
    p->AvbrytButton->click();
    EXPECT_EQ(core::loadDiagnosisFile(fileOf(h)).contents.record(0).result[1], 15);
    EXPECT_FALSE(h.state->diagnosis.savePending());
}

TEST_F(Protocol, ADamagedFileIsNeverOverwritten) {
    const std::string bytes = pupil("Lisa", "").toBytes() + "cut";
    test::writeFile(fileOf(h), bytes);
    auto p = open();
    nextResult = 3;
    start(*p, 2);
    EXPECT_EQ(h.messages.texts,
              std::vector<std::string>{"Diagnosfilen " + fileOf(h) +
                                       " är skadad och kan inte användas. Be läraren om hjälp."});
    EXPECT_TRUE(opened.empty()) << "no test whose result cannot be saved";
    EXPECT_EQ(bytesOf(fileOf(h)), bytes);
}

// A refused save keeps the results on this computer: they are shown at the
// next login and saved once the directory can be written, then forgotten.
TEST_F(Protocol, ResultsThatCouldNotBeSavedComeBackAtTheNextLogin) {
    const QString directory = QString::fromStdString(h.state->roots().diagnosisDir);
    QDir(directory).removeRecursively();
    {
        auto p = open();
        nextResult = 17;
        start(*p, 2);
        EXPECT_EQ(h.messages.texts.back(), "Diagnosen kunde inte sparas i katalogen " +
                                               directory.toStdString() +
                                               ". Resultaten sparas nästa gång.");
        p->AvbrytButton->click();
    }
    EXPECT_TRUE(QFile::exists(QString::fromStdString(pendingFile("Kalle"))));

    // The next login starts from the file (here: nothing) and shows the
    // kept result; the directory is still not there.
    h.state->diagnosis.record() = pupil("Kalle", "");
    {
        auto p = open();
        EXPECT_EQ(cell(*p, 2, 2), "        17");
        EXPECT_EQ(cell(*p, 2, 4), QString::fromUtf8("    Testa"));
        p->AvbrytButton->click();
    }
    EXPECT_TRUE(QFile::exists(QString::fromStdString(pendingFile("Kalle"))));

    // Writable again: saved at login, and the kept file is gone.
    QDir().mkpath(directory);
    h.state->diagnosis.record() = pupil("kalle", "");
    h.messages.texts.clear();
    {
        auto p = open();
        EXPECT_EQ(cell(*p, 2, 2), "        17");
        EXPECT_TRUE(h.messages.texts.empty());
        EXPECT_EQ(core::loadDiagnosisFile(fileOf(h)).contents.record(0).result[2], 17);
        EXPECT_FALSE(QFile::exists(QString::fromStdString(pendingFile("Kalle"))));
        p->AvbrytButton->click();
    }

    // A kept result older than the stored one is dropped, never saved.
    DiagnosisRecord older = pupil("Kalle", "");
    core::diagnosback(older, 2, 4, 1000000000);
    ASSERT_FALSE(core::PendingResults(h.path("OWN") + "/glosbo", fileOf(h)).keep(older));
    h.state->diagnosis.record() = core::loadDiagnosisFile(fileOf(h)).contents.record(0);
    {
        auto p = open();
        EXPECT_EQ(cell(*p, 2, 2), "        17");
        EXPECT_FALSE(QFile::exists(QString::fromStdString(pendingFile("Kalle"))));
    }
    EXPECT_EQ(core::loadDiagnosisFile(fileOf(h)).contents.record(0).result[2], 17);
}

// The keyboard alone: before any row is chosen Down goes to the first test
// and Up to the last; Home and End go there from anywhere; Enter starts.
TEST_F(Protocol, TheKeyboardWorksBeforeAnyClick) {
    auto p = open();
    ASSERT_TRUE(p->StringGrid1->hasFocus());
    QTest::keyClick(p->StringGrid1, Qt::Key_Return);
    EXPECT_TRUE(opened.empty()) << "nothing chosen yet";
    QTest::keyClick(p->StringGrid1, Qt::Key_Down);
    EXPECT_EQ(h.state->diagnosis.selectedRow(), 1);
    QTest::keyClick(p->StringGrid1, Qt::Key_Down);
    EXPECT_EQ(h.state->diagnosis.selectedRow(), 2);
    QTest::keyClick(p->StringGrid1, Qt::Key_End);
    EXPECT_EQ(h.state->diagnosis.selectedRow(), 17);
    QTest::keyClick(p->StringGrid1, Qt::Key_Home);
    EXPECT_EQ(h.state->diagnosis.selectedRow(), 1);
    QTest::keyClick(p->StringGrid1, Qt::Key_Return);
    EXPECT_EQ(opened, std::vector<std::string>{"TFLERBAR SVDI01.DAT 2"});

    h.state->diagnosis.setSelectedRow(0);
    auto again = open();
    QTest::keyClick(again->StringGrid1, Qt::Key_Up);
    EXPECT_EQ(h.state->diagnosis.selectedRow(), 17);
}

// The printed protocol read back from the PDF file.
TEST_F(Protocol, ThePrintedProtocolReadsBack) {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    auto& r = h.state->diagnosis.record();
    core::diagnosback(r, 1, 15, 1765000000);
    core::diagnosback(r, 3, 12, 1765000000);
    r.status[5] = core::kStatusWait;
    auto p = open();
    p->SkrivutButton->click();
    ASSERT_EQ(h.printer.printed.size(), 1u);
    QProcess run;
    run.start(pdftotext, {"-layout", h.printer.file(), "-"});
    ASSERT_TRUE(run.waitForFinished(30000));
    const QString text = QString::fromUtf8(run.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QString::fromUtf8("Diagnosprotokoll från Glosbo för Kalle.")))
        << text.toStdString();
    const QString date = QString::fromStdString(core::protocolDateText(r, 1));
    // A line holding all the words of a row (the order of the columns
    // depends on the test screen's measurements).
    const auto hasRow = [&](const QString& row) {
        const QStringList wanted = row.split(' ');
        for (const QString& line : text.split('\n')) {
            const QStringList words = line.simplified().split(' ');
            if (std::all_of(wanted.begin(), wanted.end(),
                            [&](const QString& w) { return words.contains(w); }))
                return true;
        }
        return false;
    };
    for (const QString& row :
         {QString::fromUtf8("1 Ä-ljudet 15 ") + date + " Testa",
          QString::fromUtf8("3 TJ-ljudet 12 ") + date + QString::fromUtf8(" Öva"),
          QString::fromUtf8("5 SJ-ljudet 0 Vänta"), QString::fromUtf8("17 Alfabetet 0 Börja"),
          QString("Summa: 27"), QString::fromUtf8("Nr Område Resultat Tidpunkt Status")})
        EXPECT_TRUE(hasRow(row)) << row.toStdString() << "\n" << text.toStdString();
}
