#include <QFontMetrics>
#include <gtest/gtest.h>

#include "app/text_codec.h"
#include "app/text_measure.h"

using namespace glosbo::app;

TEST(TextCodec, Cp1252RoundTripAndUnrepresentable) {
    const std::string bytes = "G\xF6ra \xE5t \xC4ND \x80 \x96";
    const QString text = fromCp1252(bytes);
    EXPECT_EQ(text, QString::fromUtf8("Göra åt ÄND € –"));
    EXPECT_EQ(toCp1252(text), bytes);
    EXPECT_EQ(toCp1252(QString::fromUtf8("ö→x")), "\xF6?x");
}

TEST(TextMeasure, MeasuresDecodedTextAtNinetySixDpi) {
    FontTextMeasure measure;
    EXPECT_EQ(style::pixelsForPoints(12), 16);
    EXPECT_EQ(style::pixelsForPoints(14), 19);
    EXPECT_EQ(measure.width("L", 12), measure.widthPx("L", 16));
    const QFontMetrics metrics(TextMeasure::measuringFont(19));
    EXPECT_EQ(measure.widthPx("\x80\xE5", 19), metrics.horizontalAdvance(QString::fromUtf8("€å")));
    EXPECT_GT(measure.widthPx("AAAA", 19), measure.widthPx("AA", 19));
    EXPECT_EQ(measure.widthFunction()("L", 12), measure.width("L", 12));
}
