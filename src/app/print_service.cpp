#include "app/print_service.h"

#include <QLibrary>
#include <iostream>

#include "app/active_window.h"
#include "app/module_loader.h"

namespace glosbo::app {

QtPrintService::QtPrintService(MessageBoxes& messages, ModuleLookup module)
    : m_messages(messages), m_module(std::move(module)) {}

PrintWithDialogFunction QtPrintService::printingModule() {
    // Loaded at the first print and kept to the end; the library stays
    // reachable from here, so leak checkers do not count it.
    static QString error;
    static QLibrary* const module = loadModule(QStringLiteral("libglosbo_printing.so"),
                                               QStringLiteral(GLOSBO_PRINTING_MODULE_INSTALLED),
                                               QStringLiteral(GLOSBO_PRINTING_MODULE_BUILT), error);
    static const PrintWithDialogFunction function = []() -> PrintWithDialogFunction {
        const auto found =
            module
                ? reinterpret_cast<PrintWithDialogFunction>(module->resolve(kPrintWithDialogName))
                : nullptr;
        if (!found)
            std::cerr << "glosbo: cannot print, the printing module cannot be loaded: "
                      << (module ? module->errorString() : error).toStdString() << std::endl;
        return found;
    }();
    return function;
}

bool QtPrintService::print(const std::vector<core::Page>& pages, QWidget* parent) {
    if (pages.empty()) return false;
    const PrintWithDialogFunction print = m_module();
    if (!print) {
        // Without the box nothing at all would happen on the print button.
        m_messages.error(u8"Det går inte att skriva ut: programmets utskriftsdel "
                         u8"(libglosbo_printing.so) saknas eller är skadad. "
                         u8"Installera om Glosbo.");
        return false;
    }
    const KeepActiveWindow keep;
    return print(pages, parent, m_fileOutputAllowed);
}

bool PdfPrintService::print(const std::vector<core::Page>& pages, QWidget*) {
    printed.push_back(pages);
    return writePdf(m_file, pages);
}

} // namespace glosbo::app
