#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace glosbo::app {

// Reads a picture file of the data root, which is always a BMP. The usual
// kind, 24 bits a pixel and uncompressed, is copied row by row; any other
// BMP goes to Qt's reader with the format named, so that Qt neither guesses
// the format from the contents nor loads its image-format plugins to do so.
// A null image when the file is missing or is not a readable BMP; a 24-bit
// file that ends before its last row counts as unreadable.
QImage readBmp(const QString& path);

// The image shrunk to fit within room, keeping its proportions, with
// bilinear filtering; an image that fits already comes back as it is.
QImage shrinkToFit(const QImage& image, QSize room);

} // namespace glosbo::app
