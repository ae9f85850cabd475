#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

#include "app/bmp_image.h"

using glosbo::app::readBmp;
using glosbo::app::shrinkToFit;

namespace {

void put16(QByteArray& bytes, int at, int value) {
    bytes[at] = char(value & 0xFF);
    bytes[at + 1] = char((value >> 8) & 0xFF);
}

void put32(QByteArray& bytes, int at, std::int32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char((std::uint32_t(value) >> (8 * i)) & 0xFF);
}

// What a pixel holds: a colour index for up to 8 bits a pixel, 0xRRGGBB for
// 24 bits, the whole little-endian word for 32 bits.
using PixelValue = std::function<std::uint32_t(int x, int y)>;

struct BmpShape {
    int bits;
    int width;
    int height;
    bool topDown = false;
    QVector<QRgb> palette = {}; // written as the colour table
    int listedColours = 0;      // the header's count of colours; 0: every one the bits can index
    int compression = 0;
};

// A BMP file written byte by byte, rows padded to four bytes.
QByteArray bmpFile(const BmpShape& shape, const PixelValue& value) {
    const int stride = (shape.width * shape.bits + 31) / 32 * 4;
    const int tableAt = 14 + 40;
    const int pixelsAt = tableAt + 4 * int(shape.palette.size());
    QByteArray bytes(pixelsAt + stride * shape.height, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(bytes, 2, int(bytes.size()));
    put32(bytes, 10, pixelsAt);
    put32(bytes, 14, 40);
    put32(bytes, 18, shape.width);
    put32(bytes, 22, shape.topDown ? -shape.height : shape.height);
    put16(bytes, 26, 1);
    put16(bytes, 28, shape.bits);
    put32(bytes, 30, shape.compression);
    put32(bytes, 46, shape.listedColours);
    for (int i = 0; i < shape.palette.size(); ++i) {
        const QRgb c = shape.palette[i];
        bytes[tableAt + 4 * i] = char(qBlue(c));
        bytes[tableAt + 4 * i + 1] = char(qGreen(c));
        bytes[tableAt + 4 * i + 2] = char(qRed(c));
    }
    for (int y = 0; y < shape.height; ++y) {
        char* row = bytes.data() + pixelsAt + (shape.topDown ? y : shape.height - 1 - y) * stride;
        for (int x = 0; x < shape.width; ++x) {
            const std::uint32_t v = value(x, y);
            if (shape.bits <= 8) {
                const int perByte = 8 / shape.bits;
                const int shift = 8 - shape.bits * (x % perByte + 1);
                row[x / perByte] = char(row[x / perByte] | (v << shift));
            } else {
                for (int i = 0; i < shape.bits / 8; ++i)
                    row[x * shape.bits / 8 + i] = char((v >> (8 * i)) & 0xFF);
            }
        }
    }
    return bytes;
}

// The image a file of shape and value shows.
QImage expectedImage(const BmpShape& shape, const PixelValue& value) {
    QImage image(shape.width, shape.height, QImage::Format_RGB32);
    for (int y = 0; y < shape.height; ++y)
        for (int x = 0; x < shape.width; ++x) {
            const std::uint32_t v = value(x, y);
            image.setPixel(x, y, shape.bits <= 8 ? shape.palette[int(v)] : (v | 0xFF000000u));
        }
    return image;
}

QVector<QRgb> palette(int count) {
    QVector<QRgb> colours;
    for (int i = 0; i < count; ++i)
        colours << qRgb(37 * i % 256, 255 - 11 * i % 256, 90 + 5 * i % 160);
    return colours;
}

QImage readByQt(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer, "BMP").read();
}

// Files in a temporary directory, each written under a new name.
class TempFiles {
public:
    QString write(const QByteArray& bytes) {
        const QString path = m_dir.filePath(QStringLiteral("p%1.bmp").arg(++m_count));
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return path;
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    int m_count = 0;
};

} // namespace

TEST(BmpImage, ReadsEveryUncompressedKindAsQtDoes) {
    TempFiles files;
    const auto file = [&](const QByteArray& bytes) { return files.write(bytes); };
    const PixelValue colour = [](int x, int y) {
        return std::uint32_t(qRgb(40 * x + 3, 90 * y + 7, 11 * (x + y) + 100)) & 0xFFFFFFu;
    };
    const auto indexOf = [](int colours) {
        return [colours](int x, int y) { return std::uint32_t((3 * x + 5 * y) % colours); };
    };
    // Odd widths, so that every row is padded; a width of more than a few
    // words, so that the 24-bit rows go through their fast path.
    struct Case {
        const char* name;
        BmpShape shape;
        PixelValue value;
    } cases[] = {
        {"1 bit, bottom-up", {1, 13, 3, false, palette(2)}, indexOf(2)},
        {"1 bit, top-down", {1, 37, 2, true, palette(2)}, indexOf(2)},
        {"4 bits, top-down", {4, 5, 4, true, palette(16)}, indexOf(16)},
        {"4 bits, three colours listed", {4, 7, 3, false, palette(3), 3}, indexOf(3)},
        {"8 bits, bottom-up", {8, 7, 3, false, palette(256)}, indexOf(256)},
        {"8 bits, twenty colours listed", {8, 9, 5, true, palette(20), 20}, indexOf(20)},
        {"24 bits, bottom-up", {24, 5, 3}, colour},
        {"24 bits, top-down", {24, 5, 3, true}, colour},
        {"24 bits, wide", {24, 23, 4}, colour},
        {"32 bits, fourth byte ignored",
         {32, 3, 2},
         [&](int x, int y) { return colour(x, y) | std::uint32_t(x * 60) << 24; }},
    };
    for (const Case& c : cases) {
        const QByteArray bytes = bmpFile(c.shape, c.value);
        const QImage read = readBmp(file(bytes));
        ASSERT_EQ(read.size(), QSize(c.shape.width, c.shape.height)) << c.name;
        const QImage rgb = read.convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(rgb, expectedImage(c.shape, c.value)) << c.name;
        EXPECT_EQ(rgb, readByQt(bytes).convertToFormat(QImage::Format_RGB32)) << c.name;
    }

    // A BMP that Qt writes, and one kind that only Qt's reader takes: eight
    // bits run-length encoded, two rows of four pixels.
    QImage picture(6, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            picture.setPixel(x, y, qRgb(40 * x, 50 * y, 7));
    QByteArray written;
    QBuffer buffer(&written);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(QImageWriter(&buffer, "BMP").write(picture));
    EXPECT_EQ(readBmp(file(written)), picture);

    BmpShape rle{8, 4, 2, false, palette(4), 4};
    rle.compression = 1;
    QByteArray encoded = bmpFile(rle, [](int, int) { return 0u; });
    encoded.truncate(14 + 40 + 4 * 4);
    encoded += QByteArray::fromHex("0403 0000 0201 0202 0000 0001");
    put32(encoded, 2, int(encoded.size()));
    const QImage decoded = readBmp(file(encoded)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(decoded.size(), QSize(4, 2));
    EXPECT_EQ(decoded.pixel(0, 0), palette(4)[1]); // the top row is the file's last
    EXPECT_EQ(decoded.pixel(3, 0), palette(4)[2]);
    EXPECT_EQ(decoded.pixel(2, 1), palette(4)[3]);
}

TEST(BmpImage, RefusesBrokenFilesWithANullImage) {
    QTemporaryDir dir;
    const PixelValue grey = [](int x, int) { return std::uint32_t(x * 0x101010); };
    const QByteArray rgb = bmpFile({24, 5, 3}, grey);
    const QByteArray indexed = bmpFile({8, 7, 3, false, palette(256)}, [](int, int) { return 1u; });
    QByteArray noWidth = rgb;
    put32(noWidth, 18, 0);
    QByteArray huge = rgb;
    put32(huge, 18, 1 << 20);
    QByteArray tableTooLong = indexed;
    put32(tableTooLong, 46, 300);
    struct Case {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"24 bits, rows missing", rgb.left(rgb.size() - 20)},
        {"24 bits, header only", rgb.left(54)},
        {"8 bits, last row cut short", indexed.left(indexed.size() - 1)},
        {"8 bits, ends in its colour table", indexed.left(54 + 100)},
        {"1 bit, rows missing",
         bmpFile({1, 13, 3, false, palette(2)}, [](int, int) { return 0u; }).left(54 + 8 + 4)},
        {"colour table longer than 256", tableTooLong},
        {"no width", noWidth},
        {"too wide", huge},
        {"not a BMP", QByteArray("GIF89a and some more bytes to make a header of")},
        {"empty", QByteArray()},
    };
    for (const Case& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(c.bytes);
        out.close();
        EXPECT_TRUE(readBmp(path).isNull()) << c.name;
    }
    EXPECT_TRUE(readBmp(dir.filePath(QStringLiteral("missing.bmp"))).isNull());
}

TEST(BmpImage, ConvertsA24BitRowAlikeWithAndWithoutTheByteShuffle) {
    // Widths around the four-pixel steps and the two pixels the shuffle
    // leaves to the word loop.
    QByteArray row(3 * 40, '\0');
    for (char& byte : row)
        byte = char(QRandomGenerator::global()->bounded(256));
    const auto* in = reinterpret_cast<const unsigned char*>(row.constData());
    for (int width = 0; width <= 40; ++width) {
        std::vector<QRgb> plain(std::size_t(width) + 1, 0xDEADBEEF);
        std::vector<QRgb> shuffled = plain;
        glosbo::app::detail::bgrRowToRgb32(in, plain.data(), width, false);
        glosbo::app::detail::bgrRowToRgb32(in, shuffled.data(), width, true);
        for (int x = 0; x < width; ++x)
            ASSERT_EQ(plain[std::size_t(x)], qRgb(in[3 * x + 2], in[3 * x + 1], in[3 * x]))
                << "width " << width << ", pixel " << x;
        EXPECT_EQ(shuffled, plain) << "width " << width;
        EXPECT_EQ(plain.back(), 0xDEADBEEF) << "width " << width; // nothing written past the row
    }
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

TEST(BmpImage, LoadsAPictureAfterAnotherShrunkAsShrinkToFitDoes) {
    TempFiles files;
    const auto file = [&](const QByteArray& bytes) { return files.write(bytes); };
    // Red and green rise across and down, blue has a sharp slanted edge, so
    // that a filter taking the wrong source pixels or weights shows.
    const PixelValue picture = [](int x, int y) {
        return std::uint32_t(qRgb(2 * x, 3 * y, x > 2 * y ? 200 : 40)) & 0xFFFFFFu;
    };
    struct Case {
        const char* name;
        BmpShape shape;
        QSize room;
    } cases[] = {
        {"24 bits, bottom-up, by a little", {24, 111, 83}, QSize(80, 200)},
        {"24 bits, top-down, to a third", {24, 111, 83, true}, QSize(500, 28)},
        {"32 bits, to a quarter", {32, 96, 64}, QSize(24, 24)},
        {"24 bits, to one pixel", {24, 9, 7}, QSize(1, 1)},
        {"8 bits", {8, 30, 20, false, palette(256)}, QSize(15, 15)},
        {"24 bits, fits already", {24, 20, 10}, QSize(20, 10)},
    };
    glosbo::app::PictureLoader loader; // one for all, as the main window uses it
    for (const Case& c : cases) {
        const PixelValue value =
            c.shape.bits == 8 ? PixelValue([](int x, int y) { return std::uint32_t(x * y % 256); })
                              : picture;
        const QString path = file(bmpFile(c.shape, value));
        const QImage expected = shrinkToFit(readBmp(path), c.room);
        const QImage loaded = loader.loadToFit(path, c.room);
        ASSERT_EQ(loaded.size(), expected.size()) << c.name;
        // The weights are rounded a little otherwise than Qt's, which shows
        // most where the edge crosses a pixel.
        int worstSlope = 0, worstEdge = 0;
        for (int y = 0; y < loaded.height(); ++y)
            for (int x = 0; x < loaded.width(); ++x) {
                const QRgb a = loaded.pixel(x, y), b = expected.pixel(x, y);
                worstSlope = std::max(
                    {worstSlope, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b))});
                worstEdge = std::max(worstEdge, std::abs(qBlue(a) - qBlue(b)));
                ASSERT_EQ(qAlpha(a), 255) << c.name;
            }
        EXPECT_LE(worstSlope, 1) << c.name;
        EXPECT_LE(worstEdge, 8) << c.name;
    }

    // A flat colour stays that colour to the edges; broken and missing
    // files give a null image and leave the loader fit for the next file.
    const QString flat = file(bmpFile({24, 440, 330}, [](int, int) { return 0x2080C0u; }));
    const QImage shrunk = loader.loadToFit(flat, QSize(320, 280));
    ASSERT_EQ(shrunk.size(), QSize(320, 240));
    for (int y = 0; y < shrunk.height(); ++y)
        for (int x = 0; x < shrunk.width(); ++x)
            ASSERT_EQ(shrunk.pixel(x, y), qRgb(0x20, 0x80, 0xC0)) << x << "," << y;
    const QByteArray whole = bmpFile({24, 50, 40}, picture);
    EXPECT_TRUE(loader.loadToFit(file(whole.left(whole.size() - 7)), QSize(20, 20)).isNull());
    EXPECT_TRUE(loader.loadToFit(file(QByteArray()), QSize(20, 20)).isNull());
    EXPECT_TRUE(loader.loadToFit(files.path(QStringLiteral("missing.bmp")), QSize(9, 9)).isNull());
    EXPECT_EQ(loader.loadToFit(file(whole), QSize(25, 20)).size(), QSize(25, 20));
}
