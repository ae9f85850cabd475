#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>

#include "app/scaling.h"
#include "app/text_codec.h"
#include "app/tform1.h"
#include "core/pictures.h"
#include "ui_support.h"

using glosbo::app::TForm1;
using glosbo::test::Harness;
namespace core = glosbo::core;

namespace {

const QColor kFromPc(0x00, 0x80, 0x00);
const QColor kFromCd(0x80, 0x00, 0x00);

// A small start picture whose width tells its number.
void writePicture(const QString& root, char size, int number, const QColor& colour,
                  QSize pixels = {}) {
    QImage image(pixels.isValid() ? pixels : QSize(100 + number, 40), QImage::Format_RGB32);
    image.fill(colour);
    const QString name = QString::fromStdString(core::startPictureName(size, number));
    QDir().mkpath(root + "/BILD");
    ASSERT_TRUE(image.save(root + name, "BMP"));
}

// The data root of the harness as PC path and a second one as CD path, with
// the captions of the pictures.
struct PictureRoots {
    explicit PictureRoots(Harness::Setup setup = {}) : h(setup) {
        QDir().mkpath(h.dir.path() + "/BILD");
        std::ofstream(h.path("BILD/BILDTEXT.DAT"), std::ios::binary) << captions();
        size = core::startPictureSize(h.state->screen.width());
    }
    // The six picture numbers the main window will draw, from a twin state.
    std::array<int, 6> firstSix() {
        core::AppState twin(roots(), h.messages, std::make_unique<core::SeededRandom>(7), nullptr);
        twin.startUp();
        std::array<int, 6> numbers{};
        for (int& n : numbers)
            n = twin.haemta_Bildslumptal();
        return numbers;
    }
    core::DataRoots roots() const {
        core::DataRoots r;
        r.pcPath = h.dir.path().toStdString();
        r.cdPath = cd.path().toStdString();
        r.resultsDir = h.path("RESULTAT/");
        r.diagnosisDir = h.path("DIAGNOS");
        return r;
    }
    std::unique_ptr<core::AppState> state() {
        auto s = std::make_unique<core::AppState>(roots(), h.messages,
                                                  std::make_unique<core::SeededRandom>(7), nullptr);
        s->startUp();
        return s;
    }
    static std::string captions() {
        std::string text = "; nummer#i övningen#på startskärmen\r\n";
        for (int n = 1; n <= 40; ++n)
            text += std::to_string(n) + "#Bild " + std::to_string(n) + "#" +
                    (n % 2 ? "Kort " + std::to_string(n)
                           : "Lång bildtext nummer " + std::to_string(n)) +
                    "\r\n";
        return glosbo::app::toCp1252(QString::fromUtf8(text.c_str()));
    }

    Harness h;
    QTemporaryDir cd;
    char size;
};

void moveMouseOver(QWidget* widget) {
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

TEST(StartPictures, SixPicturesRoundTheMenuPanel) {
    PictureRoots r;
    for (int n = 1; n <= 40; ++n)
        writePicture(r.h.dir.path(), r.size, n, kFromPc);
    auto state = r.state();
    const auto expected = r.firstSix();
    TForm1 form(*state, r.h.services);

    EXPECT_EQ(form.startPictureNumbers(), expected);
    const QSize screen(state->screen.width(), state->screen.height());
    const QRect panel = form.Panel1->geometry();
    const int banner = form.Panel9->height();
    const int slotHeight = (screen.height() - banner) / 3;
    QLabel* images[] = {form.BildImage11, form.BildImage12, form.BildImage13,
                        form.BildImage21, form.BildImage22, form.BildImage23};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const QRect g = images[i]->geometry();
        EXPECT_FALSE(images[i]->isHidden());
        EXPECT_EQ(g.size(), QSize(100 + expected[std::size_t(i)], 40));
        EXPECT_EQ(g.top(), (i % 3) * slotHeight + banner);
        // The first picture touches the panel and the left column lines up
        // on its left edge; the right column touches the panel's right edge.
        EXPECT_EQ(g.left(), i < 3 ? panel.left() - form.BildImage11->width() : panel.right() + 1);
    }
    EXPECT_EQ(form.BildImage11->geometry().right() + 1, panel.left());
    EXPECT_TRUE(r.h.messages.texts.empty());
}

TEST(StartPictures, PcPathFirstThenCdPathAndMissingOnesHidden) {
    PictureRoots r;
    const auto six = r.firstSix();
    writePicture(r.cd.path(), r.size, six[0], kFromCd);    // only on the CD path
    writePicture(r.h.dir.path(), r.size, six[1], kFromPc); // on both
    writePicture(r.cd.path(), r.size, six[1], kFromCd);
    // Slot 2 has none; slot 3's is far too large for its slot.
    writePicture(r.h.dir.path(), r.size, six[3], kFromPc, QSize(2000, 1000));
    for (std::size_t i = 4; i < 6; ++i)
        writePicture(r.h.dir.path(), r.size, six[i], kFromPc);
    // A picture in another size letter is not taken instead.
    writePicture(r.h.dir.path(), r.size == 'S' ? 'M' : 'S', six[2], kFromPc);
    auto state = r.state();
    TForm1 form(*state, r.h.services);

    const auto colour = [](QLabel* image) { return image->pixmap().toImage().pixelColor(1, 1); };
    EXPECT_EQ(colour(form.BildImage11), kFromCd);
    EXPECT_EQ(colour(form.BildImage12), kFromPc);
    EXPECT_TRUE(form.BildImage13->isHidden());
    EXPECT_FALSE(form.BildImage21->isHidden());
    EXPECT_EQ(form.BildImage12->x(), form.BildImage11->x());

    // The large one is shrunk, proportions kept, to leave room under it for
    // the two lines of its caption within its slot.
    const QSize screen(state->screen.width(), state->screen.height());
    const int slotHeight = (screen.height() - form.Panel9->height()) / 3;
    const QSize shrunk = form.BildImage21->size();
    EXPECT_LE(std::abs(shrunk.width() - 2 * shrunk.height()), 1);
    EXPECT_GE(shrunk.width(), form.Panel1->x() - 1);
    EXPECT_LE(shrunk.width(), form.Panel1->x());
    EXPECT_LE(shrunk.height() + 2 * QFontMetrics(form.Label3->font()).height(), slotHeight);
}

TEST(StartPictures, CaptionUnderThePictureOnMouseMove) {
    PictureRoots r;
    for (int n = 1; n <= 40; ++n)
        writePicture(r.h.dir.path(), r.size, n, kFromPc);
    auto state = r.state();
    TForm1 form(*state, r.h.services);
    EXPECT_TRUE(form.Label3->isHidden());
    EXPECT_TRUE(form.Label4->isHidden());
    EXPECT_TRUE(form.BildImage11->hasMouseTracking());

    QLabel* images[] = {form.BildImage11, form.BildImage12, form.BildImage13,
                        form.BildImage21, form.BildImage22, form.BildImage23};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        QLabel* image = images[i];
        const int n = form.startPictureNumbers()[std::size_t(i)];
        moveMouseOver(image);
        EXPECT_FALSE(form.Label3->isHidden());
        EXPECT_EQ(form.Label3->y(), image->geometry().bottom() + 1);
        if (n % 2) {
            EXPECT_EQ(form.Label3->text().toStdString(), "Kort " + std::to_string(n));
            EXPECT_TRUE(form.Label4->isHidden());
        } else {
            // 16 pixels a letter: the long caption takes two lines.
            EXPECT_EQ(form.Label3->text().trimmed(), "Lång bildtext");
            EXPECT_FALSE(form.Label4->isHidden());
            EXPECT_EQ(form.Label4->text().toStdString(), "nummer " + std::to_string(n));
            EXPECT_EQ(form.Label4->y(), form.Label3->geometry().bottom() + 1);
            EXPECT_EQ(form.Label4->x(), form.Label3->x());
        }
        // Narrower than its picture: centred under it.
        ASSERT_LT(form.Label3->width(), image->width());
        EXPECT_EQ(form.Label3->x(), image->x() + (image->width() - form.Label3->width()) / 2);
    }
}

TEST(StartPictures, ATooLongCaptionOnTheRightShrinksTheCaptionFontForGood) {
    // One pixel a letter: the wrapper keeps a long caption on one line that is
    // wider than the room right of the panel.
    Harness::Setup setup;
    setup.letterWidth = 1;
    PictureRoots r(setup);
    for (int n = 1; n <= 40; ++n)
        writePicture(r.h.dir.path(), r.size, n, kFromPc);
    auto state = r.state();
    TForm1 form(*state, r.h.services);
    const int before = form.Label3->font().pixelSize();
    const auto number = [&](int slot) { return form.startPictureNumbers()[std::size_t(slot)]; };
    const auto longCaption = [&](int slot) {
        state->pictures.parseCaptions(std::to_string(number(slot)) + "#x#" + std::string(120, 'W') +
                                      "\r\n");
    };

    // On the left a caption too wide for the room right of the panel leaves
    // the font alone.
    longCaption(0);
    form.BildImageMouseMove(0);
    EXPECT_EQ(form.Label3->font().pixelSize(), before);

    longCaption(3);
    form.BildImageMouseMove(3);
    const int room = state->screen.width() - (form.Panel1->x() + form.Panel1->width());
    ASSERT_GT(QFontMetrics(form.Label3->font()).horizontalAdvance(QString(120, 'W')), room);
    const int smaller = form.Label3->font().pixelSize();
    EXPECT_LT(smaller, before);

    // The smaller font stays for the captions of the other pictures.
    form.BildImageMouseMove(0);
    EXPECT_EQ(form.Label3->font().pixelSize(), smaller);
}

// From the keyboard: Tab past the last menu button reaches the pictures in
// turn; the focused one is framed and shows its caption.
TEST(StartPictures, TabReachesThePicturesAndShowsTheirCaptions) {
    PictureRoots r;
    for (int n = 1; n <= 40; ++n)
        writePicture(r.h.dir.path(), r.size, n, kFromPc);
    auto state = r.state();
    TForm1 form(*state, r.h.services);
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    QWidget* last = form.Panel1->findChildren<QPushButton*>().back();
    last->setFocus();
    QTest::keyClick(last, Qt::Key_Tab);
    QLabel* focused = qobject_cast<QLabel*>(QApplication::focusWidget());
    ASSERT_NE(focused, nullptr);
    const auto& numbers = form.startPictureNumbers();
    QLabel* images[] = {form.BildImage11, form.BildImage12, form.BildImage13,
                        form.BildImage21, form.BildImage22, form.BildImage23};
    const auto at = std::find(std::begin(images), std::end(images), focused);
    ASSERT_NE(at, std::end(images));
    const int n = numbers[std::size_t(at - std::begin(images))];
    EXPECT_NE(focused->frameStyle(), int(QFrame::NoFrame));
    EXPECT_FALSE(form.Label3->isHidden());
    EXPECT_EQ(form.Label3->y(), focused->geometry().bottom() + 1);
    EXPECT_EQ(form.Label3->text().toStdString(),
              n % 2 ? "Kort " + std::to_string(n) : "Lång bildtext");

    QTest::keyClick(focused, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), focused);
    EXPECT_EQ(focused->frameStyle(), int(QFrame::NoFrame));
}
