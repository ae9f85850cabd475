#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#include "core/test_support.h"
#include "tools/tool_runner.h"

using glosbo::test::readBytes;
using glosbo::test::runTool;
using glosbo::test::TempRoot;

namespace {

std::uint32_t le(const std::string& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(b.at(at + i));
    return v;
}

// A 24-bit bottom-up BMP, as the program's picture loader reads it.
struct Bitmap {
    explicit Bitmap(std::string bytes) : data(std::move(bytes)) {}
    bool valid() const { return data.size() > 54 && data.compare(0, 2, "BM") == 0; }
    int width() const { return static_cast<int>(le(data, 18, 4)); }
    int height() const { return static_cast<int>(le(data, 22, 4)); }
    int bitsPerPixel() const { return static_cast<int>(le(data, 28, 2)); }
    // "RRGGBB" of the pixel at x, y counted from the top.
    std::string rgb(int x, int y) const {
        const std::size_t offset = le(data, 10, 4);
        const std::size_t row = (static_cast<std::size_t>(width()) * 3 + 3) / 4 * 4;
        const std::size_t at = offset + (height() - 1 - y) * row + x * 3;
        char buf[8];
        std::snprintf(buf, sizeof buf, "%02X%02X%02X", static_cast<unsigned char>(data.at(at + 2)),
                      static_cast<unsigned char>(data.at(at + 1)),
                      static_cast<unsigned char>(data.at(at)));
        return buf;
    }
    std::string data;
};

const std::string kWhite = "FFFFFF";
const std::string kRed = "FF0000";

} // namespace

TEST(RenderCommand, DrawsTheDrawingOnWhiteAsA24BitBitmapInPlaceOfTheOldFile) {
    TempRoot dir;
    // A red right half; the left half is left to the background.
    dir.write("half.svg", R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 100 50">
<rect x="50" y="0" width="50" height="50" fill="#ff0000"/></svg>)");
    dir.write("out.bmp", "an older picture");
    const std::string out = dir.path() + "/out.bmp";

    const auto r = runTool({"render", dir.path() + "/half.svg", out, "40", "20"});
    ASSERT_EQ(r.status, 0) << r.err;
    const Bitmap bmp(readBytes(out));
    ASSERT_TRUE(bmp.valid());
    EXPECT_EQ(bmp.bitsPerPixel(), 24);
    EXPECT_EQ(bmp.width(), 40);
    EXPECT_EQ(bmp.height(), 20);
    EXPECT_EQ(bmp.rgb(5, 2), kWhite);
    EXPECT_EQ(bmp.rgb(34, 17), kRed);
}

TEST(RenderCommand, KeepsTheDrawingsProportionsAndCentresIt) {
    TempRoot dir;
    dir.write("square.svg", R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 10 10">
<rect width="10" height="10" fill="#ff0000"/></svg>)");
    const std::string out = dir.path() + "/out.bmp";
    ASSERT_EQ(runTool({"render", dir.path() + "/square.svg", out, "40", "20"}).status, 0);
    const Bitmap bmp(readBytes(out));
    EXPECT_EQ(bmp.rgb(2, 10), kWhite);
    EXPECT_EQ(bmp.rgb(20, 10), kRed);
    EXPECT_EQ(bmp.rgb(37, 10), kWhite);
}

TEST(RenderCommand, APngKeepsTheDrawingsTransparency) {
    TempRoot dir;
    dir.write("dot.svg", R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 10 10">
<circle cx="5" cy="5" r="2" fill="#ff0000"/></svg>)");
    const std::string out = dir.path() + "/icon.PNG";
    ASSERT_EQ(runTool({"render", dir.path() + "/dot.svg", out, "16", "16"}).status, 0);
    const std::string png = readBytes(out);
    ASSERT_GT(png.size(), 33u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(le(png, 16, 1) << 24 | le(png, 17, 1) << 16 | le(png, 18, 1) << 8 | le(png, 19, 1),
              16u);                // width, big-endian
    EXPECT_EQ(le(png, 25, 1), 6u); // colour type 6: RGB with an alpha channel
}

TEST(RenderCommand, RefusesAMissingOrBrokenDrawingAndLeavesTheOldPicture) {
    TempRoot dir;
    dir.write("broken.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect");
    dir.write("ok.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 1 1\"/>");
    dir.write("out.bmp", "the old picture");
    const std::string out = dir.path() + "/out.bmp";
    const std::string ok = dir.path() + "/ok.svg";
    const std::vector<glosbo::tool::Args> cases = {
        {"render", dir.path() + "/missing.svg", out, "10", "10"},
        {"render", dir.path() + "/broken.svg", out, "10", "10"},
        {"render", ok, out, "0", "10"},
        {"render", ok, out, "10", "8001"},
        {"render", ok, out, "10", "ten"},
        {"render", ok, out, "10"},
    };
    for (const auto& args : cases) {
        const auto r = runTool(args);
        EXPECT_EQ(r.status, 2) << args[1] << " " << args.back();
        EXPECT_NE(r.err, "") << args[1];
    }
    EXPECT_EQ(readBytes(out), "the old picture");
}
