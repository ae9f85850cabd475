#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "app/focus_style.h"
#include "app/style.h"

// The button with the keyboard focus has a navy frame inside its edge; the
// others do not.
TEST(FocusStyle, TheFocusedButtonIsFramed) {
    glosbo::app::FocusStyle style;
    QWidget window;
    window.resize(300, 120);
    QPushButton first(QStringLiteral("Sverige"), &window),
        second(QStringLiteral("Avsluta"), &window);
    for (QPushButton* b : {&first, &second})
        b->setStyle(&style);
    first.setGeometry(10, 10, 200, 40);
    second.setGeometry(10, 60, 200, 40);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    first.setFocus();
    ASSERT_TRUE(first.hasFocus());

    const auto leftEdgeColour = [](QPushButton& b) {
        return b.grab().toImage().pixelColor(3, b.height() / 2);
    };
    EXPECT_EQ(leftEdgeColour(first), glosbo::app::style::kNavy);
    EXPECT_NE(leftEdgeColour(second), glosbo::app::style::kNavy);
}
