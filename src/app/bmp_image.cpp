#include "app/bmp_image.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <cstdint>
#include <cstring>
#include <optional>

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

// An uncompressed BMP of 1, 4, 8, 24 or 32 bits a pixel with a Windows
// header, bottom-up or top-down: its image, or a null image when its size is
// out of bounds or its colour table or pixels do not all lie within the
// file. Nothing for any other kind, which Qt's reader takes. The rows go
// straight into the screen's own format, or into an indexed image with the
// file's colour table, so that no pixel goes through a colour lookup here.
std::optional<QImage> plainBmp(const QByteArray& data) {
    constexpr int kFileHeaderSize = 14;
    constexpr std::int64_t kMaxSide = 1 << 14;
    if (data.size() < kFileHeaderSize + 40 || data[0] != 'B' || data[1] != 'M') return std::nullopt;
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    const std::int64_t pixelsAt = le32(bytes + 10);
    const std::uint32_t infoSize = le32(bytes + 14);
    const std::int64_t width = std::int32_t(le32(bytes + 18));
    const std::int64_t signedHeight = std::int32_t(le32(bytes + 22));
    const int bits = le16(bytes + 28);
    if (infoSize < 40 || le16(bytes + 26) != 1 || le32(bytes + 30) != 0) return std::nullopt;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return std::nullopt;
    const std::int64_t height = signedHeight < 0 ? -signedHeight : signedHeight;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return QImage();
    const std::int64_t stride = (width * bits + 31) / 32 * 4;
    if (pixelsAt < kFileHeaderSize + std::int64_t(infoSize) ||
        pixelsAt + stride * height > data.size())
        return QImage();

    QVector<QRgb> colours;
    if (bits <= 8) {
        // Every index a row can hold gets a colour; indices past the ones
        // the file lists show black.
        const std::uint32_t listed = le32(bytes + 46);
        const std::int64_t count = listed ? listed : 1u << bits;
        const std::int64_t tableAt = kFileHeaderSize + std::int64_t(infoSize);
        if (count > 256 || tableAt + 4 * count > data.size()) return QImage();
        colours.fill(qRgb(0, 0, 0), std::max<qsizetype>(count, qsizetype(1) << bits));
        for (std::int64_t i = 0; i < count; ++i) {
            const unsigned char* entry = bytes + tableAt + 4 * i;
            colours[qsizetype(i)] = qRgb(entry[2], entry[1], entry[0]);
        }
    }

    const QImage::Format format = bits == 1   ? QImage::Format_Mono
                                  : bits <= 8 ? QImage::Format_Indexed8
                                              : QImage::Format_RGB32;
    QImage image(int(width), int(height), format);
    if (image.isNull()) return QImage();
    if (bits <= 8) image.setColorTable(colours);
    const int w = int(width);
    for (std::int64_t y = 0; y < height; ++y) {
        const unsigned char* in =
            bytes + pixelsAt + (signedHeight < 0 ? y : height - 1 - y) * stride;
        uchar* out = image.scanLine(int(y));
        switch (bits) {
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
    return image;
}

} // namespace

QImage readBmp(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QByteArray data = file.readAll();
    if (std::optional<QImage> image = plainBmp(data)) return *image;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, QByteArrayLiteral("BMP"));
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QImage shrinkToFit(const QImage& image, QSize room) {
    if (image.isNull() || (image.width() <= room.width() && image.height() <= room.height()))
        return image;
    const QSize size = image.size().scaled(room, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    // Drawn with the painter's bilinear filter: Qt's own smooth scaling
    // averages every source pixel, about twice the work for a picture that
    // shrinks by a little.
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    QImage shrunk(size, QImage::Format_RGB32);
    QPainter painter(&shrunk);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size), source);
    painter.end();
    return shrunk;
}

} // namespace glosbo::app
