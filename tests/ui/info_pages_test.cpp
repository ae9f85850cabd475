#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#include "core/page.h"
#include "info/tflagga.h"
#include "info/tkarta.h"
#include "info/tmanual.h"
#include "info/tomtolm.h"
#include "info/tsvhymn.h"
#include "ui_support.h"

using glosbo::test::Harness;
namespace info = glosbo::info;

TEST(InfoPages, AnthemVersesGoRoundAndTheSoundStopsOnClosing) {
    Harness h;
    info::TSvHymn hymn(*h.state, h.services);
    EXPECT_EQ(hymn.VersLabel->text(), "Första versen");
    EXPECT_EQ(hymn.RadLabels[0]->text(), info::TSvHymn::verse(1)[0]);
    // The fourth line is sung twice.
    for (int v = 1; v <= 4; ++v)
        EXPECT_EQ(info::TSvHymn::verse(v)[3].chopped(1), info::TSvHymn::verse(v)[4].chopped(1));

    const char* names[] = {"Andra versen", "Tredje versen", "Fjärde versen", "Första versen"};
    for (int press = 0; press < 4; ++press) {
        hymn.NyVersButton->click();
        EXPECT_EQ(hymn.VersLabel->text(), names[press]);
    }
    EXPECT_EQ(hymn.verseNumber(), 1);
    EXPECT_EQ(hymn.RadLabels[2]->text(), info::TSvHymn::verse(1)[2]);
    EXPECT_EQ(h.sounds.stops, 4); // each new verse stops the last before it plays

    h.state->sounds.playFromRoot();
    hymn.show();
    hymn.AvbrytButton->click();
    EXPECT_FALSE(hymn.isVisible());
    EXPECT_EQ(h.sounds.stops, 5);
    EXPECT_FALSE(h.state->sounds.fromRoot());
}

TEST(InfoPages, PagesCloseOnEscAndAltA) {
    Harness h;
    info::TFlagga flag(*h.state, h.services);
    flag.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&flag));
    QApplication::setActiveWindow(&flag);
    flag.AvbrytButton->setFocus();
    QTest::keyClick(flag.AvbrytButton, Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !flag.isVisible(); }, 2000));

    info::TKarta map(*h.state, h.services);
    map.show();
    QTest::keyClick(&map, Qt::Key_Escape);
    EXPECT_FALSE(map.isVisible());

    info::TOmTolm about(*h.state, h.services);
    about.show();
    about.LogoButton1->click();
    EXPECT_TRUE(about.InfoPanel1->isVisible());
    about.LogoButton2->click();
    EXPECT_FALSE(about.InfoPanel1->isVisible());
    EXPECT_TRUE(about.InfoPanel2->isVisible());
    QTest::mouseClick(&about, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(about.InfoPanel2->isVisible());
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
}

TEST(InfoPages, PagesWithoutTheirPicturesStillShowTheirTexts) {
    Harness h; // a data root without pictures
    info::TKarta map(*h.state, h.services);
    EXPECT_TRUE(map.Image1->isHidden());
    ASSERT_EQ(map.FactLabels.size(), 11u);
    EXPECT_EQ(map.FactLabels[4]->text(), "Landet är indelat i 21 län. Se kartan.");
    info::TFlagga flag(*h.state, h.services);
    EXPECT_TRUE(flag.Image2->isHidden());
    EXPECT_TRUE(flag.Image3->isHidden());
    ASSERT_EQ(flag.TextLabels.size(), 6u);
    EXPECT_EQ(flag.TextLabels[0]->text(), "Nationaldag 6 juni.");
    EXPECT_TRUE(h.messages.texts.empty());
}

TEST(InfoPages, MissingManualSaysSoAndCloses) {
    Harness h;
    info::TManual manual(*h.state, h.services);
    EXPECT_FALSE(manual.loaded());
    ASSERT_EQ(h.messages.texts.size(), 1u);
    EXPECT_NE(h.messages.texts[0].find("/DATA/SVEMAN2.TXT finns inte eller är felaktig"),
              std::string::npos);
    QSignalSpy rejected(&manual, &QDialog::rejected);
    manual.show();
    EXPECT_TRUE(rejected.wait(1000));
}

TEST(InfoPages, ManualPrintsWholeOrSelectedWithoutTheClipboard) {
    Harness h;
    std::string text;
    for (int i = 1; i <= 130; ++i)
        text += "Rad " + std::to_string(i) + " i manualen\r\n";
    h.write("DATA/SVEMAN2.TXT", text);
    info::TManual manual(*h.state, h.services);
    ASSERT_TRUE(manual.loaded());
    EXPECT_TRUE(manual.Memo1->toPlainText().startsWith("  Rad 1 i manualen\n"));

    manual.SkrivUtButton->click();
    ASSERT_EQ(h.printer.printed.size(), 1u);
    const auto& pages = h.printer.printed[0];
    ASSERT_GE(pages.size(), 2u); // one print of several pages
    EXPECT_EQ(pages.back().texts.back().text, "  Rad 130 i manualen");

    QApplication::clipboard()->setText("elevens egen text");
    QTextCursor cursor = manual.Memo1->textCursor();
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor, 2);
    cursor.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
    manual.Memo1->setTextCursor(cursor);
    manual.MarkeratButton->click();
    ASSERT_EQ(h.printer.printed.size(), 2u);
    const auto& selection = h.printer.printed[1];
    ASSERT_EQ(selection.size(), 1u);
    ASSERT_EQ(selection[0].texts.size(), 4u); // the page number and three lines
    EXPECT_EQ(selection[0].texts[3].text, "  Rad 3 i manualen");
    // The first line 5 mm into the printable area, which starts 5 mm in.
    EXPECT_DOUBLE_EQ(selection[0].texts[1].y, glosbo::core::kLeastMarginMm + 5);
    EXPECT_EQ(QApplication::clipboard()->text(), "elevens egen text");
    EXPECT_TRUE(manual.SkrivUtButton->isEnabled());
}

// The manual's lines are aligned by spaces and never wrapped: on every
// screen the widest line (78 letters and the two spaces before it) is read
// without scrolling sideways.
TEST(InfoPages, ManualLinesFitTheMemoOnEveryScreen) {
    for (const QSize screen : {QSize(800, 600), QSize(1024, 768), QSize(1920, 1080)}) {
        SCOPED_TRACE(screen.width());
        Harness::Setup setup;
        setup.letterWidth = 8; // large scaled fonts, as the real screen font gives
        setup.screen = screen;
        Harness h(setup);
        h.write("DATA/SVEMAN2.TXT", "Kort rad\r\n" + std::string(78, 'W') + "\r\nSlut\r\n");
        info::TManual manual(*h.state, h.services);
        ASSERT_TRUE(manual.loaded());
        manual.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&manual));
        EXPECT_EQ(manual.Memo1->horizontalScrollBar()->maximum(), 0);
        EXPECT_GE(manual.Memo1->font().pixelSize(), 8);
    }
}

// The about page's two panels show their whole text on every screen: the
// last paragraph (how to report a fault) is not cut off below.
TEST(InfoPages, AboutPanelsShowTheirWholeText) {
    for (const QSize screen : {QSize(800, 600), QSize(1024, 768), QSize(1920, 1080)}) {
        SCOPED_TRACE(screen.width());
        Harness::Setup setup;
        setup.letterWidth = 8; // large scaled fonts, as the real screen font gives
        setup.screen = screen;
        Harness h(setup);
        info::TOmTolm about(*h.state, h.services);
        for (QWidget* panel : {about.InfoPanel1, about.InfoPanel2}) {
            const auto* text = panel->findChild<QLabel*>();
            ASSERT_NE(text, nullptr);
            EXPECT_LE(text->heightForWidth(text->width()), text->height())
                << panel->objectName().toStdString();
            EXPECT_LE(text->geometry().bottom(), panel->height());
        }
    }
}

// Svea and the crowns stand clear of the flag and of the screen's edges,
// on a small screen and on a wide one.
TEST(InfoPages, FlagPagePicturesKeepClearOfTheFlagAndTheEdges) {
    for (const QSize screen : {QSize(1024, 768), QSize(1920, 1080)}) {
        SCOPED_TRACE(screen.width());
        Harness::Setup setup;
        setup.letterWidth = 8;
        setup.screen = screen;
        Harness h(setup);
        for (const char* file : {"BILD/SV_FLAG.BMP", "BILD/SVEA.BMP", "BILD/TREKRONA.BMP"}) {
            std::ifstream in(std::string(GLOSBO_BUNDLED_DATA) + "/" + file, std::ios::binary);
            h.write(file, std::string(std::istreambuf_iterator<char>(in), {}));
        }
        info::TFlagga flag(*h.state, h.services);
        const int unit = h.state->screen.letterUnit();
        const QRect svea = flag.Image2->geometry(), banner = flag.Image1->geometry(),
                    crowns = flag.Image3->geometry();
        ASSERT_FALSE(flag.Image2->isHidden());
        ASSERT_FALSE(flag.Image3->isHidden());
        EXPECT_GE(svea.left(), unit);
        EXPECT_LE(svea.right() + unit, banner.left());
        EXPECT_LE(banner.right() + unit, crowns.left());
        EXPECT_LE(crowns.right() + unit, screen.width() - 1);
    }
}
