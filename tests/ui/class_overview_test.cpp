#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>

#include "app/style.h"
#include "app/text_codec.h"
#include "core/class_overview.h"
#include "core/cp1252.h"
#include "core/diagnosis_file.h"
#include "results/tdiag.h"
#include "results/tdiaprot.h"
#include "results/tklass.h"
#include "ui_support.h"

using namespace glosbo;
using results::ClassOverviewModel;
using results::TKlass;
using test::Harness;

namespace {

const std::string kClassFile = GLOSBO_TEST_FIXTURES "/diagnosis/class.DIA";

std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Lets a test look into the windows the overview opens.
class InspectingModal final : public app::ModalWindows {
public:
    int exec(QDialog& dialog, Placement) override {
        opened.push_back(dialog.objectName().toStdString());
        return onExec ? onExec(dialog) : int(QDialog::Accepted);
    }
    std::vector<std::string> opened;
    std::function<int(QDialog&)> onExec;
};

// 30 pupils with Swedish names in every status, as a class has them.
std::string classOfThirty() {
    static const char* const names[] = {
        "Alva Lindqvist", "Ebba Nordström", "Elias Öberg",   "Wilma Åkesson", "Hugo Sjöberg",
        "Alice Ek",       "Noah Björk",     "Maja Holm",     "William Ängel", "Astrid Berg",
        "Oscar Dahl",     "Elsa Fors",      "Lucas Granath", "Saga Hedlund",  "Liam Isaksson",
        "Freja Jansson",  "Olle Karlsson",  "Stella Lund",   "Viggo Malm",    "Ella Nyberg",
        "Nils Olsson",    "Vera Persson",   "Adam Qvist",    "Selma Rask",    "Axel Strand",
        "Tyra Thorén",    "Melvin Ulfsson", "Ines Wik",      "Sixten Zetter", "Åsa Östlund"};
    std::string bytes;
    int n = 0;
    for (const char* utf8 : names) {
        core::DiagnosisRecord r;
        r.name = *core::utf8ToCp1252(utf8);
        for (int t = 1; t <= 17; ++t) {
            const int k = (n * 7 + t * 3) % 11;
            if (k < 3) continue; // not begun
            core::diagnosback(r, t, k == 3 ? 9 : k < 6 ? 11 + k : 15 + k % 6, 1765000000);
            if (k == 4) r.status[t] = core::kStatusWait;
        }
        bytes += r.toBytes();
        ++n;
    }
    return bytes;
}

struct ClassOverview : ::testing::Test {
    Harness h;
    InspectingModal modal;
    app::Services services{h.messages, modal, h.measure, h.windows, h.sounds, h.printer};

    std::string file() const {
        return h.state->roots().diagnosisDir + "/" + core::DiagnosisFile::kFileName;
    }
    void writeClass(const std::string& bytes) { test::writeFile(file(), bytes); }
    std::unique_ptr<TKlass> open() {
        auto w = std::make_unique<TKlass>(*h.state, services);
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        QApplication::setActiveWindow(w.get());
        return w;
    }
    static QString cell(const TKlass& w, int row, int column) {
        return w.model().index(row, column).data().toString();
    }
    static QStringList names(const TKlass& w) {
        QStringList all;
        for (int r = 0; r + 1 < w.model().rowCount(); ++r)
            all << cell(w, r, 0);
        return all;
    }
};

const QStringList kNameOrder = QString::fromUtf8("Adam Öberg|anna Lind|Émile Ny|Zorro Ahl|åke "
                                                 "Holm|Åsa Berg|Ärla Ström|Östen Ek")
                                   .split('|');

} // namespace

TEST_F(ClassOverview, CellsColoursAndCounts) {
    writeClass(bytesOf(kClassFile));
    auto w = open();
    EXPECT_EQ(w->Label1->text(), QString::fromUtf8("Klassöversikt – 8 elever"));
    EXPECT_FALSE(w->FelLabel->isVisible());
    ASSERT_EQ(w->model().rowCount(), 9) << "eight pupils and the count row";
    ASSERT_EQ(w->model().columnCount(), 19);
    EXPECT_EQ(names(*w), kNameOrder);
    // Each status its own colour and letter: Östen Ek is the last pupil.
    struct Case {
        int row, test;
        const char* text;
        QColor colour;
    };
    using namespace app::style;
    for (const Case& c : std::vector<Case>{{7, 1, "20 T", kStatusTestColour},
                                           {7, 3, "14 Ö", kStatusPractiseColour},
                                           {7, 4, "0 B", kStatusStartColour},
                                           {1, 5, "0 V", kStatusWaitColour},
                                           {5, 1, "0 Ö", kStatusPractiseColour},
                                           {3, 3, "9 T", kStatusTestColour}}) {
        const QModelIndex i = w->model().index(c.row, c.test);
        EXPECT_EQ(i.data().toString(), QString::fromUtf8(c.text)) << c.row << "/" << c.test;
        EXPECT_EQ(i.data(Qt::BackgroundRole).value<QBrush>().color(), c.colour)
            << c.row << "/" << c.test;
    }
    EXPECT_EQ(w->model().index(7, 3).data(Qt::ToolTipRole).toString(),
              QString::fromUtf8("Östen Ek, TJ-ljudet: 14 rätt, Öva"));
    // The tests each pupil passed, and the count row.
    EXPECT_EQ(cell(*w, 6, ClassOverviewModel::kPassedColumn), "17");
    EXPECT_EQ(cell(*w, 3, ClassOverviewModel::kPassedColumn), "0") << "9 and Testa is no pass";
    EXPECT_EQ(cell(*w, 8, 0), "Antal klarade");
    QStringList counts;
    for (int t = 1; t <= 17; ++t)
        counts << cell(*w, 8, t);
    EXPECT_EQ(counts.join(' '), "3 2 1 2 1 2 1 1 1 1 1 1 1 1 1 1 2");
    // Short headings; the full name on hover and for screen readers.
    const QAbstractItemModel& m = w->model();
    EXPECT_EQ(m.headerData(13, Qt::Horizontal).toString(), "13\nOregl");
    EXPECT_EQ(m.headerData(8, Qt::Horizontal, Qt::ToolTipRole).toString(),
              QString::fromUtf8("Test 8: KS-\"ljudet\""));
    EXPECT_EQ(m.headerData(16, Qt::Horizontal, Qt::AccessibleTextRole).toString(),
              QString::fromUtf8("Test 16: Talesätt"));
    EXPECT_FALSE(w->KlassGrid->accessibleName().isEmpty());
}

TEST_F(ClassOverview, SortsByHeadingOrKey) {
    writeClass(bytesOf(kClassFile));
    auto w = open();
    QHeaderView* header = w->KlassGrid->horizontalHeader();
    const auto clickHeading = [&](int column) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, 5));
    };
    clickHeading(1);
    EXPECT_EQ(names(*w).join(','),
              QString::fromUtf8("Adam Öberg,Émile Ny,Zorro Ahl,åke Holm,Åsa Berg,anna Lind,Ärla "
                                "Ström,Östen Ek"));
    EXPECT_EQ(header->sortIndicatorSection(), 1);
    clickHeading(1);
    EXPECT_EQ(names(*w).first(), QString::fromUtf8("Ärla Ström")) << "again: best first";
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(cell(*w, 8, 0), "Antal klarade") << "the count row stays last";

    // S sorts by the column of the cursor, which stays on its pupil.
    w->KlassGrid->setCurrentIndex(w->model().index(0, ClassOverviewModel::kPassedColumn));
    QTest::keyClick(w->KlassGrid, Qt::Key_S);
    EXPECT_EQ(names(*w).join(','),
              QString::fromUtf8("Adam Öberg,Zorro Ahl,anna Lind,Émile Ny,åke Holm,Åsa "
                                "Berg,Östen Ek,Ärla Ström"));
    EXPECT_EQ(w->KlassGrid->currentIndex().row(),
              names(*w).indexOf(QString::fromUtf8("Ärla Ström")));
    QTest::keyClick(w->KlassGrid, Qt::Key_S);
    EXPECT_EQ(names(*w).first(), QString::fromUtf8("Ärla Ström"));
    clickHeading(0);
    EXPECT_EQ(names(*w), kNameOrder) << "Å, Ä, Ö after Z, letter case ignored";
}

TEST_F(ClassOverview, EnterShowsThePupilsProtocolReadOnly) {
    const std::string bytes = bytesOf(kClassFile);
    writeClass(bytes);
    h.state->diagnosis.record().name = "Teacher's own";
    auto w = open();
    QTest::keyClick(w->KlassGrid, Qt::Key_Down); // anna Lind
    QTest::keyClick(w->KlassGrid, Qt::Key_Right);
    EXPECT_EQ(w->KlassGrid->currentIndex(), w->model().index(1, 1));
    bool looked = false;
    modal.onExec = [&](QDialog& d) {
        auto* p = dynamic_cast<results::Tdiaprot*>(&d);
        EXPECT_NE(p, nullptr);
        if (!p) return int(QDialog::Rejected);
        p->show();
        EXPECT_TRUE(p->readOnly());
        EXPECT_EQ(p->Label1->text(), QString::fromUtf8("Diagnosprotokoll för anna Lind"));
        EXPECT_EQ(p->StringGrid1->item(5, 4)->text(), QString::fromUtf8("    Vänta"));
        EXPECT_FALSE(p->LosenButton->isVisible());
        // Starting a row does nothing: no test window opens.
        p->StringGrid1->setCurrentCell(1, 1);
        QTest::keyClick(p->StringGrid1, Qt::Key_Return);
        p->AvbrytButton->click();
        looked = true;
        return p->result();
    };
    QTest::keyClick(w->KlassGrid, Qt::Key_Return);
    EXPECT_TRUE(looked);
    EXPECT_EQ(modal.opened, std::vector<std::string>{"Tdiaprot"});
    EXPECT_EQ(bytesOf(file()), bytes) << "looking writes nothing";
    EXPECT_EQ(h.state->diagnosis.record().name, "Teacher's own");
    EXPECT_TRUE(h.messages.texts.empty());

    // The count row has no protocol; Esc closes.
    w->KlassGrid->setCurrentIndex(w->model().index(8, 0));
    QTest::keyClick(w->KlassGrid, Qt::Key_Return);
    EXPECT_EQ(modal.opened.size(), 1u);
    QTest::keyClick(w->KlassGrid, Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(ClassOverview, ADamagedFileShowsNothingAndStaysAsItIs) {
    for (const std::string name : {"truncated.DIA", "corrupt.DIA"}) {
        const std::string bytes = bytesOf(GLOSBO_TEST_FIXTURES "/diagnosis/" + name);
        writeClass(bytes);
        const QStringList before = QDir(QString::fromStdString(h.state->roots().diagnosisDir))
                                       .entryList(QDir::Files | QDir::Hidden);
        auto w = open();
        EXPECT_TRUE(w->FelLabel->isVisible()) << name;
        EXPECT_TRUE(w->FelLabel->text().contains(QString::fromUtf8("är skadad"))) << name;
        EXPECT_FALSE(w->KlassGrid->isVisible());
        EXPECT_EQ(w->model().rowCount(), 1) << "no pupil";
        EXPECT_FALSE(w->SkrivutButton->isEnabled());
        w->SkrivutButtonClick();
        EXPECT_TRUE(h.printer.printed.empty());
        w->close();
        EXPECT_EQ(bytesOf(file()), bytes) << name;
        EXPECT_EQ(QDir(QString::fromStdString(h.state->roots().diagnosisDir))
                      .entryList(QDir::Files | QDir::Hidden),
                  before)
            << "not even a lock file";
    }
    QFile::remove(QString::fromStdString(file()));
    auto w = open();
    EXPECT_TRUE(w->FelLabel->text().contains("finns inte"));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(file())));
}

TEST_F(ClassOverview, TheTeacherPanelOpensIt) {
    h.windows.add("TKlass", [](const app::WindowContext&) {
        auto d = std::make_unique<QDialog>();
        d->setObjectName("TKlass");
        return d;
    });
    writeClass(bytesOf(kClassFile));
    results::TDiag d(*h.state, services);
    d.show();
    d.NyAnvandareButton->click();
    d.Edit1->setText(QString::fromUtf8("Lärare"));
    QTest::keyClick(d.Edit1, Qt::Key_Return);
    d.MaskEdit1->setText("KVARNSTO");
    QTest::keyClick(d.MaskEdit1, Qt::Key_Return);
    ASSERT_TRUE(d.KlassButton->isVisible());
    EXPECT_EQ(d.KlassButton->text(), QString::fromUtf8("&Klassöversikt"));
    d.KlassButton->click();
    // The master password asks for the teacher's own first.
    EXPECT_EQ(modal.opened, (std::vector<std::string>{"TNLOS", "TKlass"}));
}

// The printed overview read back: pupils and statuses in order, the
// headings on every page, landscape sheets.
TEST_F(ClassOverview, ThePrintedOverviewReadsBack) {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
    if (pdftotext.isEmpty() || pdfinfo.isEmpty())
        GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed";
    writeClass(classOfThirty() + bytesOf(kClassFile));
    auto w = open();
    w->SkrivutButton->click();
    ASSERT_EQ(h.printer.printed.size(), 1u);
    ASSERT_EQ(h.printer.printed[0].size(), 2u) << "38 pupils: 30 and 8";

    QProcess run;
    run.start(pdftotext, {"-layout", h.printer.file(), "-"});
    ASSERT_TRUE(run.waitForFinished(30000));
    const QString text = QString::fromUtf8(run.readAllStandardOutput());
    const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 2);
    for (int p = 0; p < 2; ++p) {
        for (const char* heading : {"Namn", "Klarade", "Alfab", "Oregl", "B = Börja"})
            EXPECT_TRUE(pages[p].contains(QString::fromUtf8(heading)))
                << heading << " on page " << p + 1;
        EXPECT_TRUE(pages[p].contains(QString("Sida %1 av 2").arg(p + 1)));
    }
    // Every pupil's row as one line, its cells in the order of the table,
    // and the pupils in the order of the window.
    const core::ClassTable table = core::classOverviewTable(w->model().overview());
    const QStringList lines = text.split('\n');
    int lastLine = -1;
    for (std::size_t r = 1; r < table.size(); ++r) {
        QStringList cells;
        for (const std::string& c : table[r])
            if (!c.empty()) cells << app::fromCp1252(c);
        // Spaces aside: the text tool may run a narrow cell's result and
        // letter together.
        const QString wanted = cells.join("").remove(' ');
        int found = -1;
        for (int l = 0; l < lines.size(); ++l)
            if (QString(lines[l]).remove(' ') == wanted) found = l;
        EXPECT_GT(found, lastLine) << wanted.toStdString() << "\n" << text.toStdString();
        lastLine = std::max(lastLine, found);
    }
    QProcess info;
    info.start(pdfinfo, {h.printer.file()});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString sizes = QString::fromUtf8(info.readAllStandardOutput());
    const QRegularExpressionMatch size =
        QRegularExpression(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)").match(sizes);
    ASSERT_TRUE(size.hasMatch()) << sizes.toStdString();
    EXPECT_GT(size.captured(1).toDouble(), size.captured(2).toDouble()) << "landscape";
}

// A class of 30 on the smallest and a large screen: every column and its
// heading in full, the name column as wide as the names.
TEST_F(ClassOverview, ThirtyPupilsFitTheScreen) {
    for (const QSize screen : {QSize(1024, 768), QSize(1920, 1080)}) {
        Harness::Setup setup;
        setup.screen = screen;
        Harness sized(setup);
        app::Services s{sized.messages, modal,        sized.measure,
                        sized.windows,  sized.sounds, sized.printer};
        test::writeFile(sized.state->roots().diagnosisDir + "/" + core::DiagnosisFile::kFileName,
                        classOfThirty());
        TKlass w(*sized.state, s);
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        EXPECT_EQ(w.size(), screen);
        QHeaderView* header = w.KlassGrid->horizontalHeader();
        EXPECT_FALSE(w.KlassGrid->horizontalScrollBar()->isVisible()) << screen.width();
        const QFontMetrics headerFont(header->font());
        const QFontMetrics cellFont(w.KlassGrid->font());
        for (int c = 0; c < ClassOverviewModel::kColumns; ++c) {
            int need = 0;
            for (const QString& line :
                 w.model().headerData(c, Qt::Horizontal).toString().split('\n'))
                need = std::max(need, headerFont.horizontalAdvance(line));
            for (int r = 0; r < w.model().rowCount(); ++r)
                need = std::max(need, cellFont.horizontalAdvance(cell(w, r, c)));
            EXPECT_GE(header->sectionSize(c), need + 4)
                << "column " << c << " at " << screen.width();
        }
        EXPECT_GE(header->height(), 2 * headerFont.height());
        for (QWidget* b :
             std::initializer_list<QWidget*>{w.SkrivutButton, w.StangButton, w.HjalpLabel})
            EXPECT_TRUE(w.rect().contains(b->geometry())) << b->objectName().toStdString();
        EXPECT_GE(w.HjalpLabel->height(), w.HjalpLabel->heightForWidth(w.HjalpLabel->width()));
        const QByteArray shots = qgetenv("GLOSBO_SCREENSHOT_DIR");
        if (!shots.isEmpty())
            w.grab().save(QString("%1/class-overview-%2x%3.png")
                              .arg(QString::fromLocal8Bit(shots))
                              .arg(screen.width())
                              .arg(screen.height()));
    }
}
