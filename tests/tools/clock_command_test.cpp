#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>

#include "core/test_support.h"
#include "tools/tool_runner.h"

using glosbo::test::readBytes;
using glosbo::test::runTool;
using glosbo::test::TempRoot;

TEST(ClockCommand, DrawsTheFaceOfARecord) {
    TempRoot root;
    const std::string out = root.path() + "/klocka.png";
    const auto r = runTool({"clock", "16", out});
    ASSERT_EQ(r.status, 0) << r.err;
    const QImage image(QString::fromStdString(out));
    ASSERT_EQ(image.size(), QSize(233, 225));
    // White outside the frame, the aqua face inside it, left of the 9.
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(5, 112), QColor(0, 255, 255));

    const auto tall = runTool({"clock", "144", out, "600"});
    ASSERT_EQ(tall.status, 0) << tall.err;
    EXPECT_EQ(QImage(QString::fromStdString(out)).size(), QSize(608, 600));
}

// A record or height outside the clock writes nothing and leaves an
// existing picture as it was.
TEST(ClockCommand, RefusesOtherNumbersAndWritesNothing) {
    TempRoot root;
    const std::string out = root.path() + "/klocka.png";
    root.write("klocka.png", "gammal");
    const std::vector<std::vector<std::string>> cases = {
        {"clock", "0", out},          {"clock", "145", out},       {"clock", "x", out},
        {"clock", "1", out, "0"},     {"clock", "1", out, "8001"}, {"clock", "1"},
        {"clock", "1", out, "2", "3"}};
    for (const auto& args : cases) {
        const auto r = runTool(args);
        EXPECT_EQ(r.status, 2) << args.size();
        EXPECT_FALSE(r.err.empty());
        EXPECT_EQ(readBytes(out), "gammal");
    }
    EXPECT_EQ(runTool({"clock", "1", root.path() + "/saknas/klocka.png"}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(root.path() + "/saknas"));
}
