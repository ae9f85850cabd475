#include "app/bmp_image.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define GLOSBO_BMP_SSSE3 1
#endif

namespace glosbo::app {
namespace {

std::uint32_t le32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

std::uint16_t le16(const unsigned char* p) {
    return std::uint16_t(p[0] | p[1] << 8);
}

// Four pixels of a row at a time: the three little-endian words that hold
// their twelve bytes become four 0xffRRGGBB words.
void bgrRowToRgb32Words(const unsigned char* in, QRgb* out, int width) {
    int x = 0;
    for (; x + 4 <= width; x += 4, in += 12) {
        std::uint32_t w0, w1, w2;
        std::memcpy(&w0, in, 4);
        std::memcpy(&w1, in + 4, 4);
        std::memcpy(&w2, in + 8, 4);
        out[x] = w0 | 0xff000000u;
        out[x + 1] = w0 >> 24 | w1 << 8 | 0xff000000u;
        out[x + 2] = w1 >> 16 | w2 << 16 | 0xff000000u;
        out[x + 3] = w2 >> 8 | 0xff000000u;
    }
    for (; x < width; ++x, in += 3)
        out[x] = qRgb(in[2], in[1], in[0]);
}

#ifdef GLOSBO_BMP_SSSE3
// The same with one byte shuffle for four pixels. It loads sixteen bytes for
// the twelve it uses, so it stops while two pixels are left in the row and
// leaves the rest to the word loop.
__attribute__((target("ssse3"))) void bgrRowToRgb32Ssse3(const unsigned char* in, QRgb* out,
                                                         int width) {
    const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i opaque = _mm_set1_epi32(int(0xff000000u));
    int x = 0;
    for (; x + 6 <= width; x += 4, in += 12) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x),
                         _mm_or_si128(_mm_shuffle_epi8(bytes, spread), opaque));
    }
    bgrRowToRgb32Words(in, out + x, width - x);
}
#endif

} // namespace

namespace detail {

void bgrRowToRgb32(const unsigned char* in, QRgb* out, int width, bool allowSimd) {
#ifdef GLOSBO_BMP_SSSE3
    static const bool hasSsse3 = __builtin_cpu_supports("ssse3");
    if (allowSimd && hasSsse3) {
        bgrRowToRgb32Ssse3(in, out, width);
        return;
    }
#else
    (void)allowSimd;
#endif
    bgrRowToRgb32Words(in, out, width);
}

} // namespace detail

namespace {

// Where the rows of an uncompressed BMP of 1, 4, 8, 24 or 32 bits a pixel
// with a Windows header lie, and its colour table.
struct PlainBmp {
    int width = 0;
    int height = 0;
    int bits = 0;
    bool topDown = false;
    std::int64_t pixelsAt = 0;
    std::int64_t stride = 0;
    QVector<QRgb> colours; // for up to 8 bits a pixel

    QImage::Format format() const {
        return bits == 1   ? QImage::Format_Mono
               : bits <= 8 ? QImage::Format_Indexed8
                           : QImage::Format_RGB32;
    }
};

// What the file's header says: nothing for a kind that is not one of the
// usual ones, which Qt's reader takes; a broken file when its size is out of
// bounds or its colour table or pixels do not all lie within the file.
struct BmpHeader {
    enum class Kind { Other, Broken, Plain } kind = Kind::Other;
    PlainBmp bmp;
};

BmpHeader readHeader(const unsigned char* bytes, std::int64_t size) {
    constexpr int kFileHeaderSize = 14;
    constexpr std::int64_t kMaxSide = 1 << 14;
    BmpHeader header;
    if (size < kFileHeaderSize + 40 || bytes[0] != 'B' || bytes[1] != 'M') return header;
    const std::int64_t pixelsAt = le32(bytes + 10);
    const std::uint32_t infoSize = le32(bytes + 14);
    const std::int64_t width = std::int32_t(le32(bytes + 18));
    const std::int64_t signedHeight = std::int32_t(le32(bytes + 22));
    const int bits = le16(bytes + 28);
    if (infoSize < 40 || le16(bytes + 26) != 1 || le32(bytes + 30) != 0) return header;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return header;
    header.kind = BmpHeader::Kind::Broken;
    const std::int64_t height = signedHeight < 0 ? -signedHeight : signedHeight;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return header;
    const std::int64_t stride = (width * bits + 31) / 32 * 4;
    if (pixelsAt < kFileHeaderSize + std::int64_t(infoSize) || pixelsAt + stride * height > size)
        return header;

    PlainBmp& bmp = header.bmp;
    if (bits <= 8) {
        // Every index a row can hold gets a colour; indices past the ones
        // the file lists show black.
        const std::uint32_t listed = le32(bytes + 46);
        const std::int64_t count = listed ? listed : 1u << bits;
        const std::int64_t tableAt = kFileHeaderSize + std::int64_t(infoSize);
        if (count > 256 || tableAt + 4 * count > size) return header;
        bmp.colours.fill(qRgb(0, 0, 0), std::max<qsizetype>(count, qsizetype(1) << bits));
        for (std::int64_t i = 0; i < count; ++i) {
            const unsigned char* entry = bytes + tableAt + 4 * i;
            bmp.colours[qsizetype(i)] = qRgb(entry[2], entry[1], entry[0]);
        }
    }
    bmp.width = int(width);
    bmp.height = int(height);
    bmp.bits = bits;
    bmp.topDown = signedHeight < 0;
    bmp.pixelsAt = pixelsAt;
    bmp.stride = stride;
    header.kind = BmpHeader::Kind::Plain;
    return header;
}

// The rows go straight into the screen's own format, or into an indexed
// image with the file's colour table, so that no pixel goes through a colour
// lookup here. image has the size and format of bmp.
void copyRows(const PlainBmp& bmp, const unsigned char* bytes, QImage& image) {
    if (bmp.bits <= 8) image.setColorTable(bmp.colours);
    const int w = bmp.width;
    for (int y = 0; y < bmp.height; ++y) {
        const unsigned char* in =
            bytes + bmp.pixelsAt + (bmp.topDown ? y : bmp.height - 1 - y) * bmp.stride;
        uchar* out = image.scanLine(y);
        switch (bmp.bits) {
        case 1: // the same bit order as the file's
            std::memcpy(out, in, std::size_t((w + 7) / 8));
            break;
        case 4:
            for (int x = 0; x < w; ++x)
                out[x] = x % 2 ? in[x / 2] & 0x0F : in[x / 2] >> 4;
            break;
        case 8:
            std::memcpy(out, in, std::size_t(w));
            break;
        case 24:
            detail::bgrRowToRgb32(in, reinterpret_cast<QRgb*>(out), w);
            break;
        case 32: { // blue, green, red and a byte that carries nothing
            auto* pixels = reinterpret_cast<QRgb*>(out);
            std::memcpy(pixels, in, std::size_t(w) * 4);
            for (int x = 0; x < w; ++x)
                pixels[x] |= 0xff000000u;
            break;
        }
        }
    }
}

// The picture in a new image of its own.
QImage plainImage(const PlainBmp& bmp, const unsigned char* bytes) {
    QImage image(bmp.width, bmp.height, bmp.format());
    if (image.isNull()) return image;
    copyRows(bmp, bytes, image);
    return image;
}

QImage readByQt(QByteArray data) {
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, QByteArrayLiteral("BMP"));
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// Draws source into a new image of size with the painter's bilinear filter:
// Qt's own smooth scaling averages every source pixel, about twice the work
// for a picture that shrinks by a little.
QImage drawnAtSize(const QImage& source, QSize size) {
    QImage shrunk(size, QImage::Format_RGB32);
    QPainter painter(&shrunk);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size), source);
    painter.end();
    return shrunk;
}

bool fits(QSize size, QSize room) {
    return size.width() <= room.width() && size.height() <= room.height();
}

QSize fittedSize(QSize size, QSize room) {
    return size.scaled(room, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

// For each pixel of a row or column shrunk from `from` pixels to `to`: the
// two source pixels the bilinear filter mixes and the weight of the second,
// in 256ths, taken at the source position under the pixel's centre.
struct BilinearTaps {
    std::vector<int> first;
    std::vector<int> second;
    std::vector<std::uint32_t> weight;
};

BilinearTaps bilinearTaps(int from, int to) {
    BilinearTaps taps;
    taps.first.resize(std::size_t(to));
    taps.second.resize(std::size_t(to));
    taps.weight.resize(std::size_t(to));
    for (int i = 0; i < to; ++i) {
        const std::int64_t at = std::clamp<std::int64_t>(
            (2 * i + 1) * std::int64_t(from) * 128 / to - 128, 0, std::int64_t(from - 1) * 256);
        taps.first[std::size_t(i)] = int(at >> 8);
        taps.second[std::size_t(i)] = std::min(int(at >> 8) + 1, from - 1);
        taps.weight[std::size_t(i)] = std::uint32_t(at & 255);
    }
    return taps;
}

// x and y, two 0x00RRGGBB pixels, mixed a/256 to b/256 with a + b = 256:
// red and blue in one multiplication, green in the other.
std::uint32_t mix(std::uint32_t x, std::uint32_t a, std::uint32_t y, std::uint32_t b) {
    const std::uint32_t redBlue = ((x & 0xff00ff) * a + (y & 0xff00ff) * b) >> 8 & 0xff00ff;
    const std::uint32_t green = (((x >> 8) & 0xff) * a + ((y >> 8) & 0xff) * b) & 0xff00;
    return redBlue | green;
}

// A 24- or 32-bit picture drawn straight from the file's rows at size, which
// is smaller, with a bilinear filter: no full-size image is made on the way.
QImage shrunkRows(const PlainBmp& bmp, const unsigned char* bytes, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) return image;
    const BilinearTaps columns = bilinearTaps(bmp.width, size.width());
    const BilinearTaps rows = bilinearTaps(bmp.height, size.height());
    const int step = bmp.bits / 8;
    const auto row = [&](int y) {
        return bytes + bmp.pixelsAt + (bmp.topDown ? y : bmp.height - 1 - y) * bmp.stride;
    };
    const auto pixel = [step](const unsigned char* in, int x) {
        const unsigned char* p = in + std::ptrdiff_t(x) * step;
        return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16;
    };
    for (int y = 0; y < size.height(); ++y) {
        const unsigned char* upper = row(rows.first[std::size_t(y)]);
        const unsigned char* lower = row(rows.second[std::size_t(y)]);
        const std::uint32_t down = rows.weight[std::size_t(y)];
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int left = columns.first[std::size_t(x)];
            const int right = columns.second[std::size_t(x)];
            const std::uint32_t across = columns.weight[std::size_t(x)];
            const std::uint32_t top =
                mix(pixel(upper, left), 256 - across, pixel(upper, right), across);
            const std::uint32_t bottom =
                mix(pixel(lower, left), 256 - across, pixel(lower, right), across);
            out[x] = mix(top, 256 - down, bottom, down) | 0xff000000u;
        }
    }
    return image;
}

} // namespace

QImage readBmp(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray data = file.readAll();
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    const BmpHeader header = readHeader(bytes, data.size());
    switch (header.kind) {
    case BmpHeader::Kind::Plain:
        return plainImage(header.bmp, bytes);
    case BmpHeader::Kind::Broken:
        return {};
    case BmpHeader::Kind::Other:
        break;
    }
    return readByQt(data);
}

QImage shrinkToFit(const QImage& image, QSize room) {
    if (image.isNull() || fits(image.size(), room)) return image;
    return drawnAtSize(image.convertToFormat(QImage::Format_RGB32), fittedSize(image.size(), room));
}

QImage PictureLoader::loadToFit(const QString& path, QSize room) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const qint64 size = file.size();
    if (size <= 0) return {};
    if (m_file.size() < size) m_file.resize(size);
    for (qint64 done = 0; done < size;) {
        const qint64 got = file.read(m_file.data() + done, size - done);
        if (got <= 0) return {}; // the file ended early or could not be read
        done += got;
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(m_file.constData());
    const BmpHeader header = readHeader(bytes, size);
    if (header.kind == BmpHeader::Kind::Broken) return {};
    if (header.kind == BmpHeader::Kind::Other)
        return shrinkToFit(readByQt(m_file.left(size)), room);
    const PlainBmp& bmp = header.bmp;
    const QSize full(bmp.width, bmp.height);
    if (fits(full, room) || bmp.bits <= 8) return shrinkToFit(plainImage(bmp, bytes), room);

    return shrunkRows(bmp, bytes, fittedSize(full, room));
}

} // namespace glosbo::app
