#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace glosbo::app {

// Reads a picture file of the data root, which is always a BMP. The usual
// kinds, uncompressed with 1, 4, 8, 24 or 32 bits a pixel, are copied row by
// row; any other BMP goes to Qt's reader with the format named, so that Qt
// neither guesses the format from the contents nor loads its image-format
// plugins to do so. A null image when the file is missing or is not a
// readable BMP; a file of the usual kinds that ends before its last row, or
// whose colour table lies outside it, counts as unreadable.
QImage readBmp(const QString& path);

// The image shrunk to fit within room, keeping its proportions, with
// bilinear filtering; an image that fits already comes back as it is.
QImage shrinkToFit(const QImage& image, QSize room);

// Reads pictures one after another, each shrunk to fit its room with the
// bilinear filter of shrinkToFit. The file's bytes go into a buffer that the
// next picture reuses, and a 24- or 32-bit picture is drawn at its new size
// straight from the file's rows: where the first touch of a fresh memory page
// is dear, as on some virtual machines, a new buffer and a full-size image for
// each of the main window's six start pictures were most of what the program
// took to start beyond a bare window.
class PictureLoader {
public:
    QImage loadToFit(const QString& path, QSize room);

private:
    QByteArray m_file;
};

namespace detail {
// One row of a 24-bit BMP (blue, green, red) as 0xffRRGGBB pixels; with
// allowSimd, by the processor's byte shuffle where it has one.
void bgrRowToRgb32(const unsigned char* in, QRgb* out, int width, bool allowSimd = true);
} // namespace detail

} // namespace glosbo::app
