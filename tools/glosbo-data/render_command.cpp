#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <charconv>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "core/clock.h"
#include "headless_gui.h"
#include "print/clock_painter.h"
#include "tool.h"

namespace glosbo::tool {
namespace {

constexpr int kLargestSide = 8000;

std::optional<int> parseNumber(const std::string& text, int lowest, int highest) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < lowest || value > highest) return std::nullopt;
    return value;
}

std::optional<int> parseSide(const std::string& text) {
    return parseNumber(text, 1, kLargestSide);
}

// The drawing keeps its proportions: scaled to fit and centred.
QRectF fittedArea(const QSizeF& drawing, const QSize& target) {
    if (drawing.isEmpty()) return QRectF(QPointF(0, 0), QSizeF(target));
    const QSizeF fitted = drawing.scaled(QSizeF(target), Qt::KeepAspectRatio);
    return QRectF(
        QPointF((target.width() - fitted.width()) / 2.0, (target.height() - fitted.height()) / 2.0),
        fitted);
}

} // namespace

int runRender(const Args& args, std::istream&, std::ostream&, std::ostream& err) {
    if (args.size() != 4)
        return usageError(err, "render",
                          args.size() < 4 ? "too few arguments" : "too many arguments");
    const std::string& in = args[0];
    const std::string& out = args[1];
    const auto width = parseSide(args[2]);
    const auto height = parseSide(args[3]);
    if (!width || !height)
        return usageError(err, "render",
                          "WIDTH and HEIGHT must be whole numbers from 1 to " +
                              std::to_string(kLargestSide));

    const QString inPath = QString::fromStdString(in);
    if (!QFileInfo(inPath).isFile()) return fileError(err, "render", in + ": no such file");

    HeadlessGui gui(err, "render");
    QSvgRenderer renderer(inPath);
    if (!renderer.isValid()) return fileError(err, "render", in + ": not a valid SVG drawing");

    // A PNG keeps the drawing's transparency (icons); a BMP is a picture of
    // the program's, on white, 24 bits a pixel.
    const bool png =
        QFileInfo(QString::fromStdString(out)).suffix().compare("png", Qt::CaseInsensitive) == 0;
    const QSize size(*width, *height);
    QImage image(size, png ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    image.fill(png ? Qt::transparent : Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, fittedArea(renderer.viewBoxF().size(), size));
    }

    // Written beside the target and renamed over it.
    QSaveFile file(QString::fromStdString(out));
    const auto save = [&] {
        return png ? image.save(&file, "PNG")
                   : image.convertToFormat(QImage::Format_RGB888).save(&file, "BMP");
    };
    if (!file.open(QIODevice::WriteOnly) || !save() || !file.commit())
        return fileError(err, "render", out + ": cannot be written");
    return kExitOk;
}

int runClock(const Args& args, std::istream&, std::ostream&, std::ostream& err) {
    if (args.size() < 2 || args.size() > 3)
        return usageError(err, "clock",
                          args.size() < 2 ? "too few arguments" : "too many arguments");
    const auto record = parseNumber(args[0], 1, core::kClockRecords);
    if (!record)
        return usageError(err, "clock",
                          "N must be a record number from 1 to " +
                              std::to_string(core::kClockRecords));
    const auto height = args.size() == 3 ? parseSide(args[2]) : std::optional<int>(225);
    if (!height)
        return usageError(err, "clock",
                          "HEIGHT must be a whole number from 1 to " +
                              std::to_string(kLargestSide));

    HeadlessGui gui(err, "clock");
    const QImage image = app::clockImage(*record, *height);
    // Written beside the target and renamed over it: never half a picture.
    QSaveFile file(QString::fromStdString(args[1]));
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        return fileError(err, "clock", args[1] + ": cannot be written");
    return kExitOk;
}

} // namespace glosbo::tool
