#include "app/print_service.h"

#include <QPrintDialog>
#include <QPrinter>

namespace glosbo::app {

namespace {

void setUpA4(QPrinter& printer) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
}

} // namespace

bool QtPrintService::print(const std::vector<core::Page>& pages, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    setUpA4(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, m_fileOutputAllowed);
    if (dialog.exec() != QDialog::Accepted || printer.copyCount() < 1) return false;
    return drawPages(printer, pages);
}

bool PdfPrintService::print(const std::vector<core::Page>& pages, QWidget*) {
    printed.push_back(pages);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_file);
    setUpA4(printer);
    return drawPages(printer, pages);
}

} // namespace glosbo::app
