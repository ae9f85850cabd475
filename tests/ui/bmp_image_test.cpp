#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/bmp_image.h"

using glosbo::app::readBmp;
using glosbo::app::shrinkToFit;

namespace {

// Five by three pixels, each of its own colour: an odd width, so every row
// of a 24-bit file is padded.
QImage colourful() {
    QImage image(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(40 * x + 3, 90 * y + 7, 11 * (x + y) + 100));
    return image;
}

QByteArray asBmp(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(QImageWriter(&buffer, "BMP").write(image));
    return bytes;
}

void put32(QByteArray& bytes, int at, std::int32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char((std::uint32_t(value) >> (8 * i)) & 0xFF);
}

} // namespace

TEST(BmpImage, ReadsEveryKindOfBmpAndRefusesBrokenOnes) {
    QTemporaryDir dir;
    const auto file = [&](const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return path;
    };
    const QImage expected = colourful();
    const QByteArray bottomUp = asBmp(expected);
    ASSERT_EQ(bottomUp[28], 24); // Qt writes such an image with 24 bits a pixel

    // Top-down: the same rows in the opposite order and a negative height.
    const int pixelsAt = 54;
    const int stride = 16; // 5 * 3 bytes padded to 4
    QByteArray topDown = bottomUp.left(pixelsAt);
    put32(topDown, 22, -3);
    for (int row = 2; row >= 0; --row)
        topDown += bottomUp.mid(pixelsAt + row * stride, stride);

    QImage grey(4, 2, QImage::Format_Indexed8);
    grey.setColorCount(256);
    for (int i = 0; i < 256; ++i)
        grey.setColor(i, qRgb(i, i, i));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            grey.setPixel(x, y, 60 * x + y);

    struct Case {
        const char* name;
        QByteArray bytes;
        QImage image; // null: refused
    } cases[] = {
        {"bottom-up", bottomUp, expected},
        {"top-down", topDown, expected},
        {"8-bit palette, read by Qt", asBmp(grey), grey},
        {"rows missing", bottomUp.left(bottomUp.size() - 20), {}},
        {"header only", bottomUp.left(54), {}},
        {"not a BMP", QByteArray("GIF89a and some more bytes to make a header of"), {}},
    };
    for (const Case& c : cases) {
        const QImage read = readBmp(file(c.name, c.bytes));
        if (c.image.isNull()) {
            EXPECT_TRUE(read.isNull()) << c.name;
            continue;
        }
        ASSERT_EQ(read.size(), c.image.size()) << c.name;
        EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32),
                  c.image.convertToFormat(QImage::Format_RGB32))
            << c.name;
    }
    EXPECT_TRUE(readBmp(dir.filePath(QStringLiteral("missing.bmp"))).isNull());
}

TEST(BmpImage, ShrinksToFitKeepingItsProportions) {
    QImage picture(440, 330, QImage::Format_BGR888);
    picture.fill(QColor(0x20, 0x80, 0xC0));
    const QImage shrunk = shrinkToFit(picture, QSize(500, 304));
    EXPECT_EQ(shrunk.height(), 304);
    EXPECT_NEAR(shrunk.width(), 405, 1);
    // A flat colour stays that colour, to the edges.
    for (const QPoint p :
         {QPoint(0, 0), QPoint(shrunk.width() - 1, shrunk.height() - 1), QPoint(200, 150)})
        EXPECT_EQ(shrunk.pixelColor(p), QColor(0x20, 0x80, 0xC0)) << p.x() << "," << p.y();

    // A picture that fits is left as it is.
    EXPECT_EQ(shrinkToFit(picture, QSize(440, 330)), picture);
    EXPECT_TRUE(shrinkToFit(QImage(), QSize(10, 10)).isNull());
}
