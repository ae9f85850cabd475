#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <cmath>

#include "app/print_service.h"
#include "app/qt_translations.h"
#include "core/worksheets.h"
#include "ui_support.h"

using namespace glosbo;

namespace {

// The number of pages a PDF file says it has.
int pdfPageCount(const QString& file) {
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly)) return -1;
    const QString text = QString::fromLatin1(pdf.readAll());
    const auto match =
        QRegularExpression(QStringLiteral("/Type\\s*/Pages\\b[^>]*/Count\\s+(\\d+)")).match(text);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Worksheet pages of a few tasks: enough for more than one sheet.
std::vector<core::Page> twoSheets(const core::PageMetrics& metrics) {
    core::Worksheets sheets;
    sheets.startExercise();
    for (int i = 0; i < 40; ++i) {
        sheets.addHeading("Plural", "      Skriv ordet i plural:");
        sheets.addTask(core::writeAnswerTask(sheets.nextItemPrefix(), "en bil", "bilar"));
    }
    return sheets.layout(true, metrics);
}

// Runs act on the modal dialog of type D once it is open.
template <typename D, typename F> void whenOpen(F act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no " << D::staticMetaObject.className() << " is open";
            if (QWidget* other = QApplication::activeModalWidget()) other->close();
            return;
        }
        act(dialog);
    });
}

// The preview's print button.
QAction* printAction(QPrintPreviewDialog* preview) {
    for (QAction* action : preview->findChildren<QAction*>())
        if (action->text().remove(QLatin1Char('&')) == QStringLiteral("Print")) return action;
    ADD_FAILURE() << "the preview has no print button";
    return new QAction(preview);
}

} // namespace

TEST(PrintService, PrinterFontsAreMeasuredInMillimetres) {
    const app::PrinterMetrics metrics;
    const double body = metrics.heightMm("\xC5gJj", {14, false});
    EXPECT_GT(body, 4.5); // 14 points are 4.9 mm; a line is a little more
    EXPECT_LT(body, 7.0);
    EXPECT_GT(metrics.widthMm("Arbetsblad", {22, true}),
              2 * metrics.widthMm("Arbetsblad", {8, false}));
    EXPECT_LT(metrics.widthMm("Arbetsblad fr\xE5n Glosbo.", {22, true}), 150);
}

TEST(PrintService, LaidOutPagesGoToAPdfFilePageForPage) {
    test::Harness h;
    const std::vector<core::Page> pages = twoSheets(h.services.printer.metrics());
    ASSERT_GE(pages.size(), 2u);

    ASSERT_TRUE(h.services.printer.print(pages, nullptr));
    ASSERT_EQ(h.printer.printed.size(), 1u);
    EXPECT_EQ(h.printer.printed[0].size(), pages.size());
    ASSERT_TRUE(QFile::exists(h.printer.file()));
    EXPECT_EQ(pdfPageCount(h.printer.file()), int(pages.size()));
}

namespace {

// A page of one task, its framed title measured with the printer metrics.
core::Page titlePage() {
    core::Worksheets sheets;
    sheets.startExercise();
    sheets.addHeading("Plural", "");
    sheets.addTask(core::writeAnswerTask(sheets.nextItemPrefix(), "en bil", "bilar"));
    return sheets.layout(true, app::PrinterMetrics())[0];
}

// The title of the page as drawn on a whole sheet at pxPerMm: it starts at
// 20 mm into the printable area and stays inside its frame (the inner one, or the outer one where
// the renderer's glyphs run a little wider than measured).
void expectTitleInFrame(const QImage& image, int pxPerMm, const core::Page& page,
                        bool insideInner = true) {
    ASSERT_EQ(page.lines.size(), 8u);
    const double innerRight = page.lines[5].x1, outerRight = page.lines[1].x1;
    const double titleTop = page.texts[1].y, titleBottom = page.texts[2].y;
    ASSERT_EQ(page.texts[1].text, "Arbetsblad fr\xE5n Glosbo. Facit.");
    const auto px = [&](double mm) { return int(std::lround(mm * pxPerMm)); };
    // The places count from the corner of the printable area.
    const double dx = page.frame.left, dy = page.frame.top;
    const auto isFrame = [&](int x) {
        for (const double line : {18.0 + dx, 19.0 + dx, innerRight, outerRight})
            if (std::abs(x - px(line)) <= 1) return true;
        return false;
    };
    int left = image.width(), right = -1;
    for (int y = px(titleTop); y < px(titleBottom); ++y)
        for (int x = px(19.5 + dx); x < px(outerRight) - 1; ++x)
            if (!isFrame(x) && qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_GE(left, px(20 + dx) - 1);
    EXPECT_LE(left, px(21 + dx));
    EXPECT_LT(right, px(insideInner ? innerRight : outerRight) - 1)
        << "the title stays inside its frame";
    EXPECT_GT(right, px(innerRight) - px(8)) << "and fills it";
    EXPECT_LT(qGray(image.pixel(px(18 + dx), px(10 + dy))), 128) << "the outer frame at 18 mm";
}

} // namespace

// The framed title is measured with the printer metrics and drawn by the
// service: it starts at 20 mm and stays inside its frame.
TEST(PrintService, APageIsDrawnInMillimetres) {
    const core::Page page = titlePage();
    constexpr int kPxPerMm = 4;
    QImage image(210 * kPxPerMm, 297 * kPxPerMm, QImage::Format_RGB32);
    image.setDotsPerMeterX(1000 * kPxPerMm);
    image.setDotsPerMeterY(1000 * kPxPerMm);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        app::drawPage(painter, image.rect(), page);
    }
    expectTitleInFrame(image, kPxPerMm, page);
}

// On paper the page keeps its places whatever the margins of the printer:
// the PDF sheet, rendered back, holds the title inside its frame.
TEST(PrintService, ASheetWithMarginsKeepsThePlaces) {
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("title.pdf"));
    const core::Page page = titlePage();
    ASSERT_TRUE(app::writePdf(pdf, {page}));
    QProcess run;
    // 254 dots an inch are 10 a millimetre.
    run.start(pdftoppm,
              {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-png"),
               QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("title"))});
    ASSERT_TRUE(run.waitForFinished(30000));
    const QImage image(dir.filePath(QStringLiteral("title.png")));
    ASSERT_FALSE(image.isNull());
    expectTitleInFrame(image, 10, page, false);
}

// The printer service shows the pages on A4 first. Closing the preview, or
// cancelling the printer dialog its print button opens, prints nothing; the
// dialog prints the copies asked for, here into a PDF file.
TEST(PrintService, ThePreviewLeadsToThePrinterDialogWithItsCopies) {
    test::RecordingMessageBoxes messages;
    app::QtPrintService service(messages);
    const std::vector<core::Page> pages = twoSheets(service.metrics());
    const int n = int(pages.size());
    ASSERT_GE(n, 2);

    int shown = -1;
    QSizeF paper;
    whenOpen<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
        shown = preview->findChild<QPrintPreviewWidget*>()->pageCount();
        paper = preview->printer()->pageLayout().pageSize().size(QPageSize::Millimeter);
        preview->reject();
    });
    EXPECT_FALSE(service.print(pages, nullptr));
    EXPECT_EQ(shown, n);
    EXPECT_NEAR(paper.width(), 210, 0.5);
    EXPECT_NEAR(paper.height(), 297, 0.5);

    // Its print button opens the printer dialog, which offers no file in
    // kiosk mode; cancelling it returns to the preview.
    service.setFileOutputAllowed(false);
    bool backInPreview = false, offersFile = true;
    whenOpen<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
        whenOpen<QPrintDialog>([&, preview](QPrintDialog* dialog) {
            offersFile = dialog->testOption(QAbstractPrintDialog::PrintToFile);
            dialog->reject();
            QTimer::singleShot(0, [&, preview] {
                backInPreview = preview->isVisible();
                preview->reject();
            });
        });
        printAction(preview)->trigger();
    });
    EXPECT_FALSE(service.print(pages, nullptr));
    EXPECT_TRUE(backInPreview);
    EXPECT_FALSE(offersFile);
    service.setFileOutputAllowed(true);

    const QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("copies.pdf"));
    whenOpen<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
        preview->printer()->setOutputFileName(pdf);
        preview->printer()->setCopyCount(2);
        whenOpen<QPrintDialog>([](QPrintDialog* dialog) { dialog->accept(); });
        printAction(preview)->trigger();
    });
    EXPECT_TRUE(service.print(pages, nullptr));
    EXPECT_EQ(pdfPageCount(pdf), 2 * n) << "two copies of every page";
}

// With Qt's Swedish catalogue the preview, the printer dialog and the
// inputs' menus speak Swedish, and the preview's print button is still
// found.
TEST(PrintService, QtsDialogsSpeakSwedish) {
    QTranslator* swedish = app::installQtTranslations(*QCoreApplication::instance());
    if (swedish == nullptr)
        GTEST_SKIP() << "Qt's Swedish catalogue (qt6-translations-l10n) is missing";
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Copy"), QStringLiteral("&Kopiera"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"), QStringLiteral("Spara som"));
    const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    EXPECT_EQ(print, QStringLiteral("Skriv ut"));
    test::RecordingMessageBoxes messages;
    app::QtPrintService service(messages);
    QStringList actions;
    QString dialogTitle;
    whenOpen<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
        for (QAction* action : preview->findChildren<QAction*>())
            if (!action->text().isEmpty()) actions << action->text();
        whenOpen<QPrintDialog>([&, preview](QPrintDialog* dialog) {
            dialogTitle = dialog->windowTitle();
            dialog->reject();
            QTimer::singleShot(0, preview, &QDialog::reject);
        });
        for (QAction* action : preview->findChildren<QAction*>())
            if (action->text() == print) action->trigger();
    });
    EXPECT_FALSE(service.print(twoSheets(service.metrics()), nullptr));
    EXPECT_TRUE(actions.contains(print)) << actions.join(QLatin1Char('|')).toStdString();
    for (const char* english : {"Print", "Next page", "Zoom in", "Page setup"})
        EXPECT_FALSE(actions.contains(QString::fromLatin1(english))) << english;
    EXPECT_EQ(dialogTitle, QStringLiteral("Skriv ut"));
    delete swedish;
}

// Without its printing module the print button says so instead of doing
// nothing, and asks again at the next print.
TEST(PrintService, AMissingPrintingModuleIsSaidInABox) {
    test::RecordingMessageBoxes messages;
    int lookups = 0;
    app::QtPrintService service(messages, [&]() -> app::PrintWithDialogFunction {
        ++lookups;
        return nullptr;
    });
    const std::vector<core::Page> pages = twoSheets(service.metrics());
    EXPECT_FALSE(service.print(pages, nullptr));
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("libglosbo_printing.so"), std::string::npos);
    EXPECT_FALSE(service.print(pages, nullptr));
    EXPECT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(lookups, 2);
    EXPECT_FALSE(service.print({}, nullptr)); // nothing to print: no box
    EXPECT_EQ(messages.texts.size(), 2u);
}
