#include "results/password_box.h"

#include "core/cp1252.h"

namespace glosbo::results {

namespace {

bool fitsWindows1252(const QString& character) {
    const QByteArray utf8 = character.toUtf8();
    return core::utf8ToCp1252(std::string_view(utf8.constData(), std::size_t(utf8.size())))
        .has_value();
}

} // namespace

std::optional<QString> keepWindows1252(QLineEdit& box) {
    const QString text = box.text();
    QString kept, refused;
    int cursor = box.cursorPosition();
    for (qsizetype i = 0; i < text.size();) {
        // One character, a surrogate pair taken whole.
        const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, n);
        if (fitsWindows1252(character)) {
            kept += character;
        } else {
            if (refused.isEmpty()) refused = character;
            if (i < box.cursorPosition()) cursor -= int(n);
        }
        i += n;
    }
    if (refused.isEmpty()) return std::nullopt;
    box.setText(kept);
    box.setCursorPosition(cursor);
    return QString::fromUtf8("”") + refused + QString::fromUtf8("” kan inte ingå i ett lösenord.");
}

} // namespace glosbo::results
