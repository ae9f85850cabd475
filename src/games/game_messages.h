#pragma once

#include <QString>
#include <string>

#include "app/text_codec.h"

namespace glosbo::games {

// What a game says when its file is missing or holds no record it can use.
inline std::u8string missingFileMessage(const std::string& name) {
    const QByteArray text = (QStringLiteral("Filen ") + app::fromCp1252(name) +
                             QStringLiteral(" finns inte eller är felaktig"))
                                .toUtf8();
    return std::u8string(text.begin(), text.end());
}

} // namespace glosbo::games
