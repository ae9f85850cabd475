#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/message_boxes.h"
#include "app/printer_module.h"
#include "core/page.h"
#include "print/page_painter.h"

class QPainter;
class QPrinter;
class QRect;
class QWidget;

namespace glosbo::app {

// Prints pages that the core laid out in millimetres. Windows lay out their
// pages with metrics() and hand them to print(); tests put in a service that
// writes a PDF file instead of asking for a printer.
class PrintService {
public:
    virtual ~PrintService() = default;
    // Text sizes for laying out pages for this service.
    virtual const core::PageMetrics& metrics() const = 0;
    // Shows the pages, asks for the printer (or a PDF file) and the number of
    // copies, then prints every copy of the pages. False when a dialog was
    // cancelled or the printer could not be started.
    virtual bool print(const std::vector<core::Page>& pages, QWidget* parent) = 0;
};

// The printer through a preview and the print dialog, which live in the
// printing module loaded at the first print. When the module cannot be
// loaded, printing says so in a box and prints nothing.
class QtPrintService final : public PrintService {
public:
    // The printing module's print function, or nothing when the module
    // cannot be loaded; tests put in one that fails.
    using ModuleLookup = std::function<PrintWithDialogFunction()>;
    explicit QtPrintService(MessageBoxes& messages, ModuleLookup module = printingModule);

    // The installed module's function, loaded at the first call.
    static PrintWithDialogFunction printingModule();

    const core::PageMetrics& metrics() const override { return m_metrics; }
    bool print(const std::vector<core::Page>& pages, QWidget* parent) override;
    // In kiosk mode the dialog offers no printing to a file: a pupil could
    // otherwise write anywhere the account may.
    void setFileOutputAllowed(bool allowed) { m_fileOutputAllowed = allowed; }

private:
    MessageBoxes& m_messages;
    ModuleLookup m_module;
    PrinterMetrics m_metrics;
    bool m_fileOutputAllowed = true;
};

// Writes every print to one PDF file (the last print wins) and keeps the
// pages printed, without a dialog.
class PdfPrintService final : public PrintService {
public:
    explicit PdfPrintService(QString pdfFile) : m_file(std::move(pdfFile)) {}
    const core::PageMetrics& metrics() const override { return m_metrics; }
    bool print(const std::vector<core::Page>& pages, QWidget* parent) override;

    const QString& file() const { return m_file; }
    // The pages of each print, in order.
    std::vector<std::vector<core::Page>> printed;

private:
    QString m_file;
    PrinterMetrics m_metrics;
};

} // namespace glosbo::app
