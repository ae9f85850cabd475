#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "app/print_service.h"
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
    core::Worksheets sheets;
    sheets.startExercise();
    for (int i = 0; i < 40; ++i) {
        sheets.addHeading("Plural", "      Skriv ordet i plural:");
        sheets.addTask(core::writeAnswerTask(sheets.nextItemPrefix(), "en bil", "bilar"));
    }
    const std::vector<core::Page> pages = sheets.layout(true, h.services.printer.metrics());
    ASSERT_GE(pages.size(), 2u);

    ASSERT_TRUE(h.services.printer.print(pages, nullptr));
    ASSERT_EQ(h.printer.printed.size(), 1u);
    EXPECT_EQ(h.printer.printed[0].size(), pages.size());
    ASSERT_TRUE(QFile::exists(h.printer.file()));
    EXPECT_EQ(pdfPageCount(h.printer.file()), int(pages.size()));
}
