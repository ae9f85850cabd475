#include "app/print_service.h"

#include <QLibrary>
#include <iostream>

#include "app/active_window.h"
#include "app/module_loader.h"
#include "app/printer_module.h"

namespace glosbo::app {

namespace {

// The printing module, loaded at the first print and kept to the end.
PrintWithDialogFunction printWithDialog() {
    static const PrintWithDialogFunction function = []() -> PrintWithDialogFunction {
        QString error;
        QLibrary* module = loadModule(QStringLiteral("libglosbo_printing.so"),
                                      QStringLiteral(GLOSBO_PRINTING_MODULE_INSTALLED),
                                      QStringLiteral(GLOSBO_PRINTING_MODULE_BUILT), error);
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

} // namespace

bool QtPrintService::print(const std::vector<core::Page>& pages, QWidget* parent) {
    if (pages.empty()) return false;
    const PrintWithDialogFunction print = printWithDialog();
    const KeepActiveWindow keep;
    return print && print(pages, parent, m_fileOutputAllowed);
}

bool PdfPrintService::print(const std::vector<core::Page>& pages, QWidget*) {
    printed.push_back(pages);
    return writePdf(m_file, pages);
}

} // namespace glosbo::app
