#include "app/text_codec.h"

#include "core/cp1252.h"

namespace glosbo::app {

QString fromCp1252(std::string_view bytes) {
    const std::string utf8 = core::cp1252ToUtf8(bytes);
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

QString fromUtf8(std::u8string_view text) {
    return QString::fromUtf8(reinterpret_cast<const char*>(text.data()), qsizetype(text.size()));
}

std::string toCp1252(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return core::utf8ToCp1252Lossy(std::string_view(utf8.constData(), std::size_t(utf8.size())));
}

} // namespace glosbo::app
