// The Win32 driver's PNG writer, read back by libpng (the platform's reader): the pixels come
// back as written, for a picture that fits one stored block and one that needs several.
#include "desktop/win32/png_stored.h"

#include <desktop.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

TEST(PngStored, PicturesReadBackPixelForPixel) {
    desktop::reset();
    const std::string dir = desktop::MakeTempFolder();
    // 200 x 120 is 72,120 bytes of rows: two stored blocks, the second one short.
    for (const SIZE size : {SIZE{3, 2}, SIZE{200, 120}}) {
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x)
                pixels.push_back(
                    static_cast<std::uint32_t>((x * 7) << 16 | (y * 3) << 8 | (x ^ y)));
        const std::string path = dir + "/p" + std::to_string(size.cx) + ".png";
        ASSERT_TRUE(desktop::WriteStoredPng(path.c_str(), size.cx, size.cy, pixels.data()));
        desktop::Image image;
        ASSERT_TRUE(desktop::ReadPng(path.c_str(), &image)) << path;
        ASSERT_EQ(image.width, size.cx);
        ASSERT_EQ(image.height, size.cy);
        for (int y = 0; y < size.cy; ++y) {
            for (int x = 0; x < size.cx; ++x) {
                const std::uint32_t p = pixels[static_cast<size_t>(y) * size.cx + x];
                ASSERT_EQ(image.at(x, y), RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF))
                    << size.cx << "x" << size.cy << " at " << x << "," << y;
            }
        }
    }
}

TEST(PngStored, NothingIsWrittenForAnEmptyPictureOrAFolderThatIsNotThere) {
    const std::uint32_t pixel = 0;
    EXPECT_FALSE(desktop::WriteStoredPng("/nonexistent-folder/p.png", 1, 1, &pixel));
    const std::string path = desktop::MakeTempFolder() + "/empty.png";
    EXPECT_FALSE(desktop::WriteStoredPng(path.c_str(), 0, 5, &pixel));
    desktop::Image image;
    EXPECT_FALSE(desktop::ReadPng(path.c_str(), &image));
}

} // namespace
