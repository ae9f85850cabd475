#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "app/taster.h"

using glosbo::app::TAster;

namespace {

// The strip's colour is none of the stars' colours, and the image starts in
// a colour the strip never paints, so every pixel tells who painted it.
const QColor kStrip(0xC0, 0xC0, 0xC0);
const QColor kUnpainted(0x12, 0x34, 0x56);
constexpr int kScreenHeight = 600; // cells 50 pixels high

// Star shapes that differ from cell to cell but not from run to run.
std::function<int(int)> countingRandom() {
    return [n = 0](int below) mutable { return n++ % below; };
}

struct Strip {
    explicit Strip(int cells) : aster(kScreenHeight, nullptr, countingRandom()) {
        aster.setMaxAntalRutor(cells);
        aster.setAsterColor(kStrip);
        h = aster.cellHeight();
        aster.resize(h, cells * h);
    }
    QImage paint() {
        QImage image(aster.size(), QImage::Format_RGB32);
        image.fill(kUnpainted);
        QPainter painter(&image);
        aster.paintStrip(painter);
        return image;
    }
    // Top of cell i, counted from 1 at the bottom.
    int top(int i) const { return (aster.maxAntalRutor() - i) * h; }

    TAster aster;
    int h;
};

QColor at(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

// Every pixel inside the outline of cell i has the strip's colour.
bool cellEmpty(const QImage& image, const Strip& s, int i) {
    const int y0 = s.top(i);
    for (int y = y0 + 1; y < y0 + s.h - 1; ++y)
        for (int x = 1; x < image.width() - 1; ++x)
            if (at(image, x, y) != kStrip) return false;
    return true;
}

// Cell i is drawn in colours other than the strip's, from its centre out.
bool cellHasStar(const QImage& image, const Strip& s, int i) {
    const int y0 = s.top(i);
    int coloured = 0, all = 0;
    for (int y = y0 + 1; y < y0 + s.h - 1; ++y)
        for (int x = 1; x < image.width() - 1; ++x, ++all) {
            const QColor c = at(image, x, y);
            if (c != kStrip && c != Qt::black && c != Qt::white && c != kUnpainted) ++coloured;
        }
    const QColor centre = at(image, image.width() / 2, y0 + image.width() / 2 - 2);
    return centre != kStrip && coloured * 20 > all;
}

bool outlined(const QImage& image, const Strip& s, int i) {
    const int y0 = s.top(i), w = image.width();
    for (int x = 0; x < w; ++x)
        if (at(image, x, y0) != Qt::black || at(image, x, y0 + s.h - 1) != Qt::black) return false;
    for (int y = y0; y < y0 + s.h; ++y)
        if (at(image, 0, y) != Qt::black || at(image, w - 1, y) != Qt::black) return false;
    return true;
}

} // namespace

TEST(ProgressStrip, NoAnswerShowsEmptyOutlinedCells) {
    Strip s(10);
    s.aster.setStarta(true);
    const QImage image = s.paint();
    for (int i = 1; i <= 10; ++i) {
        EXPECT_TRUE(cellEmpty(image, s, i)) << "cell " << i;
        EXPECT_TRUE(outlined(image, s, i)) << "cell " << i;
    }
}

TEST(ProgressStrip, StarsForRightAnswersAndAWhiteSquareForAWrongOne) {
    Strip s(10);
    s.aster.setStarta(true);
    s.aster.setRutNummer(1);
    s.aster.setRutNummer(2);
    s.aster.setRatt(false);
    s.aster.setRutNummer(3);
    const QImage image = s.paint();

    EXPECT_TRUE(cellHasStar(image, s, 1));
    EXPECT_TRUE(cellHasStar(image, s, 3));
    for (int i = 4; i <= 10; ++i)
        EXPECT_TRUE(cellEmpty(image, s, i)) << "cell " << i;
    for (int i = 1; i <= 10; ++i)
        EXPECT_TRUE(outlined(image, s, i)) << "cell " << i;

    // Cell 2: white from 4 pixels inside each edge, the strip's colour outside.
    const int y = s.top(2), w = image.width(), h = s.h;
    EXPECT_EQ(at(image, 4, y + 4), Qt::white);
    EXPECT_EQ(at(image, w - 5, y + h - 5), Qt::white);
    EXPECT_EQ(at(image, w / 2, y + h / 2), Qt::white);
    EXPECT_EQ(at(image, 3, y + h / 2), kStrip);
    EXPECT_EQ(at(image, w - 4, y + h / 2), kStrip);
    EXPECT_EQ(at(image, w / 2, y + 3), kStrip);
    EXPECT_EQ(at(image, w / 2, y + h - 4), kStrip);
}

TEST(ProgressStrip, WrongFirstAnswerLeavesTheOtherCellsInTheStripColour) {
    Strip s(10);
    s.aster.setStarta(true);
    s.aster.setRutNummer(1);
    s.aster.setRatt(false);
    const QImage image = s.paint();
    EXPECT_EQ(at(image, image.width() / 2, s.top(1) + s.h / 2), Qt::white);
    for (int i = 2; i <= 10; ++i)
        EXPECT_TRUE(cellEmpty(image, s, i)) << "cell " << i;
}

TEST(ProgressStrip, FullStripKeepsItsSummaryUntilTheNextSeries) {
    Strip s(3);
    s.aster.setStarta(true);
    s.aster.setRutNummer(1);
    s.aster.setRatt(false);
    s.aster.setRutNummer(3);
    // The full strip is the summary of the series: repainting it (the end
    // picture and the button bar come up over the window) keeps the wrong
    // answer's white square.
    for (int paint = 0; paint < 2; ++paint) {
        const QImage image = s.paint();
        EXPECT_EQ(at(image, image.width() / 2, s.top(1) + s.h / 2), Qt::white);
        EXPECT_TRUE(cellHasStar(image, s, 2));
        EXPECT_TRUE(cellHasStar(image, s, 3));
    }
    // A new series starts with every cell right again.
    s.aster.setStarta(true);
    EXPECT_TRUE(s.aster.isRight(1));
    EXPECT_FALSE(s.aster.isRight(-1));
    EXPECT_FALSE(s.aster.isRight(TAster::kCells));
    const QImage again = s.paint();
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(cellHasStar(again, s, i)) << "cell " << i;
}

TEST(ProgressStrip, HiddenStripPaintsNothing) {
    Strip s(10);
    s.aster.setStarta(true);
    s.aster.setRutNummer(2);
    s.aster.setVisa(false);
    const QImage image = s.paint();
    EXPECT_EQ(image.pixelColor(0, 0), kUnpainted);
    EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() - 10), kUnpainted);
}

// What the strip paints follows every setting: a value it has already
// leaves the picture as it was, and each change shows in the next paint.
TEST(ProgressStrip, EachChangeShowsInTheNextPaint) {
    Strip s(10);
    s.aster.setStarta(true);
    s.aster.setRutNummer(4);
    s.aster.setVisa(true);
    const QImage four = s.paint();
    s.aster.setRutNummer(4);
    s.aster.setVisa(true);
    s.aster.setMaxAntalRutor(10);
    s.aster.setAsterColor(kStrip);
    s.aster.setRatt(true);
    EXPECT_EQ(s.paint(), four);
    EXPECT_TRUE(cellEmpty(four, s, 5));

    s.aster.setRutNummer(5);
    EXPECT_TRUE(cellHasStar(s.paint(), s, 5));
    s.aster.setRatt(false);
    EXPECT_EQ(at(s.paint(), s.aster.width() / 2, s.top(5) + s.h / 2), Qt::white);

    s.aster.setAsterColor(Qt::yellow);
    EXPECT_EQ(at(s.paint(), s.aster.width() / 2, s.top(6) + s.h / 2), QColor(Qt::yellow));

    // Eight cells: the strip's top two cells' room is no longer painted.
    s.aster.setMaxAntalRutor(8);
    const QImage eight = s.paint();
    EXPECT_EQ(at(eight, s.aster.width() / 2, 8 * s.h + s.h / 2), kUnpainted);
    EXPECT_EQ(at(eight, 0, 8 * s.h - 1), Qt::black) << "the eighth cell's outline";

    s.aster.setVisa(false);
    const QImage hidden = s.paint();
    EXPECT_EQ(at(hidden, s.aster.width() / 2, s.h / 2), kUnpainted);
}

TEST(ProgressStrip, CellHeightByScreenHeightAndStarPieces) {
    const std::pair<int, int> heights[] = {{480, 38},  {599, 38},  {600, 50},  {767, 50},
                                           {768, 62},  {863, 62},  {864, 70},  {1023, 70},
                                           {1024, 78}, {1049, 78}, {1050, 85}, {1440, 85}};
    for (const auto& [screen, cell] : heights)
        EXPECT_EQ(TAster::cellHeightFor(screen), cell) << screen;
    // The angles run 0, step, ... up to and including 360.
    const std::pair<int, int> pieces[] = {{0, 9}, {1, 11}, {2, 13}, {3, 14}, {4, 19}, {5, 21}};
    for (const auto& [index, count] : pieces)
        EXPECT_EQ(TAster::pieceCount(index), count) << index;
}
