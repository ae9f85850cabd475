#include <QDir>
#include <QTest>
#include <QTextBrowser>
#include <fstream>
#include <gtest/gtest.h>

#include "catalogue/window_catalogue.h"
#include "core/rule_pages.h"
#include "info/tregelform.h"
#include "ui_support.h"

using glosbo::test::Harness;
using glosbo::test::writeFile;
namespace core = glosbo::core;
namespace info = glosbo::info;

namespace {

// A state over the harness's data root as PC path and a CD path of its own.
struct TwoRoots {
    TwoRoots() {
        core::DataRoots roots;
        roots.pcPath = h.dir.path().toStdString();
        roots.cdPath = cd.path().toStdString();
        state = std::make_unique<core::AppState>(roots, h.messages, nullptr, nullptr);
        state->startUp();
    }
    std::string pc(const std::string& relative) const { return h.path(relative); }
    std::string cdPath(const std::string& relative) const {
        return (cd.path() + "/" + QString::fromStdString(relative)).toStdString();
    }
    Harness h;
    QTemporaryDir cd;
    std::unique_ptr<core::AppState> state;
};

} // namespace

TEST(RulePage, PageOfTheProgramFromTheCdPathFirst) {
    TwoRoots r;
    writeFile(r.pc("regler/Tema1.htm"), "<html><body><p>Verbets tider</p></body></html>");
    writeFile(r.pc("regler/Genus.htm"), "<html><body><p>PC</p></body></html>");
    writeFile(r.cdPath("REGLER/GENUS.HTM"), "<html><body><p>CD</p></body></html>");

    info::TRegelform tema(*r.state, r.h.services, 46130);
    EXPECT_EQ(tema.shownFile().toStdString(), r.pc("regler/Tema1.htm"));
    EXPECT_TRUE(tema.WebBrowser1->toPlainText().contains("Verbets tider"));

    info::TRegelform genus(*r.state, r.h.services, 44000);
    EXPECT_EQ(genus.shownFile().toStdString(), r.cdPath("REGLER/GENUS.HTM"));
    EXPECT_EQ(genus.WebBrowser1->toPlainText().trimmed(), "CD");
    EXPECT_TRUE(r.h.messages.texts.empty());

    // The page fills the screen within a letter unit, "Tillbaka" below it.
    const int m = r.state->screen.letterUnit();
    EXPECT_EQ(genus.WebBrowser1->pos(), QPoint(m, m));
    EXPECT_EQ(genus.ClosePanel2Knapp->text(), "Tillbaka");
    EXPECT_EQ(genus.ClosePanel2Knapp->y() + genus.ClosePanel2Knapp->height(),
              genus.Panel1->height());
    EXPECT_LE(genus.WebBrowser1->geometry().bottom(), genus.ClosePanel2Knapp->y());
}

TEST(RulePage, MissingPageIsReportedOnceAndTheWindowStays) {
    TwoRoots r;
    info::TRegelform window(*r.state, r.h.services, 46400);
    window.show();
    ASSERT_EQ(r.h.messages.texts.size(), 1u);
    EXPECT_EQ(r.h.messages.texts[0],
              "Filen " + r.pc("regler/Transitiva.htm") + " finns inte eller är felaktig");
    EXPECT_TRUE(window.shownFile().isEmpty());
    EXPECT_TRUE(window.WebBrowser1->toPlainText().isEmpty());
    EXPECT_TRUE(window.isVisible());
    window.ClosePanel2Knapp->click();
    EXPECT_FALSE(window.isVisible());
}

TEST(RulePage, EscClosesWhereverTheFocusIs) {
    TwoRoots r;
    writeFile(r.pc("regler/Genus.htm"), "<html><body><p>en och ett</p></body></html>");
    info::TRegelform window(*r.state, r.h.services, 44000);
    window.show();
    QTest::keyClick(window.WebBrowser1, Qt::Key_Down);
    QTest::keyClick(window.WebBrowser1, Qt::Key_A);
    EXPECT_TRUE(window.isVisible());
    QTest::keyClick(window.WebBrowser1, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

// Another window opens the rule page through the registry with the program
// in the request; the page leaves the current program alone.
TEST(RulePage, OpenedForTheProgramOfTheRequest) {
    Harness h;
    glosbo::catalogue::registerWindows(h.windows);
    h.state->programNumber = 11111;
    const std::optional<int> result =
        h.windows.open("TRegelform", {*h.state, h.services, nullptr, 46300});
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(h.modal.opened, std::vector<std::string>{"TRegelform"});
    EXPECT_EQ(h.state->programNumber, 11111);
    // The harness has no rule pages: the message is that of 46300's page.
    EXPECT_EQ(h.messages.texts, std::vector<std::string>{core::utf8Bytes(
                                    core::findRulePage(h.state->roots(), 46300).missingMessage)});
}
