#include <QImage>
#include <gtest/gtest.h>

#include "app/panel.h"

using glosbo::app::Panel;

// The frame of a panel, pixel by pixel: the black border, then the bevel,
// light above and left and shadow below and right (the other way round
// when lowered), each ring's top right and bottom left corners in shadow.
TEST(Panel, DrawsItsBorderAndBevelRings) {
    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255), grey = qRgb(0x80, 0x80, 0x80),
               navy = qRgb(0, 0, 0x80);
    for (const bool lowered : {false, true}) {
        Panel panel;
        panel.setBevelWidth(2);
        panel.setSingleBorder(true);
        panel.setLowered(lowered);
        panel.resize(12, 9);
        const QImage image = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(image.size(), QSize(12, 9));
        const QRgb light = lowered ? grey : white, shadow = lowered ? white : grey;
        const char* rows[] = {
            "BBBBBBBBBBBB", //
            "BLLLLLLLLLSB", //
            "BLLLLLLLLSSB", //
            "BLLnnnnnnSSB", //
            "BLLnnnnnnSSB", //
            "BLLnnnnnnSSB", //
            "BLSSSSSSSSSB", //
            "BSSSSSSSSSSB", //
            "BBBBBBBBBBBB", //
        };
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 12; ++x) {
                const char c = rows[y][x];
                const QRgb want = c == 'B' ? black : c == 'L' ? light : c == 'S' ? shadow : navy;
                EXPECT_EQ(image.pixel(x, y), want)
                    << (lowered ? "lowered" : "raised") << " at " << x << "," << y;
            }
    }
}
