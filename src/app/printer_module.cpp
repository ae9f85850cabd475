#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>

#include "app/printer_module.h"
#include "print/page_painter.h"

namespace glosbo::app {

namespace {

void setUpA4(QPrinter& printer, bool landscape) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

// The pages a printer is given: every copy in turn when the printer cannot
// make copies itself (a PDF file, a printer without a spooler).
std::vector<core::Page> pagesForCopies(const QPrinter& printer,
                                       const std::vector<core::Page>& pages) {
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    std::vector<core::Page> all;
    all.reserve(pages.size() * std::size_t(copies));
    for (int copy = 0; copy < copies; ++copy)
        all.insert(all.end(), pages.begin(), pages.end());
    return all;
}

// The preview's print button, found by its (possibly translated) text.
QAction* previewPrintAction(const QPrintPreviewDialog& preview) {
    const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : preview.findChildren<QAction*>())
        if (action->text() == print) return action;
    return nullptr;
}

} // namespace

bool printWithDialog(const std::vector<core::Page>& pages, QWidget* parent,
                     bool fileOutputAllowed) {
    if (pages.empty()) return false;
    QPrinter printer(QPrinter::HighResolution);
    setUpA4(printer, pages.front().landscape);
    printer.setDocName(QStringLiteral("Glosbo"));

    const auto askForPrinter = [&](QWidget* over) {
        QPrintDialog dialog(&printer, over);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, fileOutputAllowed);
        return dialog.exec() == QDialog::Accepted && printer.copyCount() >= 1;
    };

    // The preview shows the pages first; its print button asks for the
    // printer and the number of copies through our own dialog (so that kiosk
    // mode can refuse printing to a file), prints and closes the preview.
    // Closing the preview or cancelling the printer dialog prints nothing.
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    preview.setWindowTitle(QStringLiteral("F\u00f6rhandsgranskning"));
    QAction* printAction = previewPrintAction(preview);
    auto* view = preview.findChild<QPrintPreviewWidget*>();
    if (printAction == nullptr || view == nullptr) {
        // Without its print button the preview could only print through a
        // dialog we cannot set up; ask for the printer directly instead.
        return askForPrinter(parent) && drawPages(printer, pagesForCopies(printer, pages));
    }
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect free = screen->availableGeometry();
        preview.resize(free.width() * 3 / 4, free.height() * 9 / 10);
    }
    bool drawn = false;
    QObject::connect(
        &preview, &QPrintPreviewDialog::paintRequested, &preview,
        [&](QPrinter* target) { drawn = drawPages(*target, pagesForCopies(*target, pages)); });
    QObject::disconnect(printAction, &QAction::triggered, nullptr, nullptr);
    QObject::connect(printAction, &QAction::triggered, &preview, [&] {
        if (!askForPrinter(&preview)) return;
        view->print();
        preview.accept();
    });
    return preview.exec() == QDialog::Accepted && drawn;
}

} // namespace glosbo::app

extern "C" {

__attribute__((visibility("default"))) bool
glosbo_print_with_dialog(const std::vector<glosbo::core::Page>& pages, QWidget* parent,
                         bool fileOutputAllowed) {
    return glosbo::app::printWithDialog(pages, parent, fileOutputAllowed);
}
}
