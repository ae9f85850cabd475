#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstring>

namespace glosbo::app {

namespace {

// The print preview's buttons, which Qt's Swedish catalogue of Debian 12
// leaves in English.
class PreviewTexts final : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (std::strcmp(context, "QPrintPreviewDialog") != 0) return {};
        static constexpr const char* kTexts[][2] = {
            {"Print", "Skriv ut"},
            {"Page setup", "Utskriftsformat"},
            {"Print Preview", "F\u00f6rhandsgranskning"},
            {"Next page", "N\u00e4sta sida"},
            {"Previous page", "F\u00f6reg\u00e5ende sida"},
            {"First page", "F\u00f6rsta sidan"},
            {"Last page", "Sista sidan"},
            {"Fit width", "Anpassa till bredden"},
            {"Fit page", "Anpassa till sidan"},
            {"Zoom in", "Zooma in"},
            {"Zoom out", "Zooma ut"},
            {"Show single page", "Visa en sida"},
            {"Show facing pages", "Visa uppslag"},
            {"Show overview of all pages", "Visa alla sidor"},
            {"Export to PDF", "Exportera till PDF"},
        };
        for (const auto& [english, swedish] : kTexts)
            if (std::strcmp(source, english) == 0) return QString::fromUtf8(swedish);
        return {};
    }
};

} // namespace

QTranslator* installQtTranslations(QCoreApplication& application) {
    const QString directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    // "qt_sv" holds qtbase's texts or, in newer Qt, names the catalogues
    // that do; "qtbase_sv" alone is the fallback.
    auto* translator = new QTranslator(&application);
    bool loaded = false;
    for (const char* catalogue : {"qt", "qtbase"})
        if (translator->load(swedish, QString::fromLatin1(catalogue), QStringLiteral("_"),
                             directory)) {
            loaded = true;
            break;
        }
    if (!loaded || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    // Asked before the catalogue: it only knows the preview's buttons.
    QCoreApplication::installTranslator(new PreviewTexts(translator));
    return translator;
}

} // namespace glosbo::app
