#include "app/bmp_image.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <cstdint>
#include <optional>

namespace glosbo::app {
namespace {

std::uint32_t le32(const QByteArray& data, int at) {
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData()) + at;
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

std::uint16_t le16(const QByteArray& data, int at) {
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData()) + at;
    return std::uint16_t(p[0] | p[1] << 8);
}

// A 24-bit uncompressed BMP, bottom-up or top-down: its image, or a null
// image when its size is out of bounds or its pixels do not all lie within
// the file. Nothing for any other kind.
std::optional<QImage> plainBmp(const QByteArray& data) {
    constexpr int kHeaderSize = 14 + 40;
    constexpr std::int64_t kMaxSide = 1 << 14;
    if (data.size() < kHeaderSize || data[0] != 'B' || data[1] != 'M') return std::nullopt;
    const std::int64_t pixelsAt = le32(data, 10);
    const std::uint32_t infoSize = le32(data, 14);
    const std::int64_t width = std::int32_t(le32(data, 18));
    const std::int64_t signedHeight = std::int32_t(le32(data, 22));
    if (infoSize < 40 || le16(data, 26) != 1 || le16(data, 28) != 24 || le32(data, 30) != 0)
        return std::nullopt;
    const std::int64_t height = signedHeight < 0 ? -signedHeight : signedHeight;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return QImage();
    const std::int64_t stride = (width * 3 + 3) / 4 * 4;
    if (pixelsAt < 14 + infoSize || pixelsAt + stride * height > data.size()) return QImage();

    // Straight into the screen's own format, so that neither shrinking nor
    // showing the picture has to convert it again.
    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull()) return QImage();
    const auto* pixels = reinterpret_cast<const unsigned char*>(data.constData()) + pixelsAt;
    for (std::int64_t y = 0; y < height; ++y) {
        const unsigned char* in = pixels + (signedHeight < 0 ? y : height - 1 - y) * stride;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(int(y)));
        for (std::int64_t x = 0; x < width; ++x, in += 3)
            out[x] = qRgb(in[2], in[1], in[0]);
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
