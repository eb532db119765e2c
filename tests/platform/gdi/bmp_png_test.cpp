// Bitmaps from BMP bytes at every depth and row order, and PNG pictures written and read back.
#include "gdi_fixture.h"

#include "../platform/gdi/gdi_internal.h"
#include "support/bmp_bytes.h"

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The four colours every test image uses, in a 2x2 pattern per row pair:
// row 0: red, green, blue; row 1: white, black, red.
const COLORREF kImage[2][3] = {{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)},
                               {RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 0, 0)}};

// A 3x2 BMP file of kImage at the given depth; palette images index a 5-colour palette.
std::vector<BYTE> MakeBmp(int bpp, bool topDown) {
    const std::vector<COLORREF> colours = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255),
                                           RGB(255, 255, 255), RGB(0, 0, 0)};
    const std::vector<COLORREF> palette = bpp == 1   ? std::vector<COLORREF>{kBlack, kWhite}
                                          : bpp <= 8 ? colours
                                                     : std::vector<COLORREF>{};
    return test_support::BmpFile(
        3, 2, bpp, palette,
        [&](int x, int y) -> COLORREF {
            const COLORREF c = kImage[y][x];
            if (bpp > 8)
                return c;
            for (COLORREF i = 0; i < palette.size(); ++i)
                if (palette[i] == c)
                    return i;
            return 0;
        },
        topDown);
}

class BmpPngTest : public GdiTest {};

TEST_F(BmpPngTest, LoadsEveryDepthInBothRowOrders) {
    for (int bpp : {4, 8, 24, 32})
        for (bool topDown : {false, true}) {
            std::vector<BYTE> file = MakeBmp(bpp, topDown);
            HBITMAP bitmap = gdi_internal::CreateBitmapFromBmp(file.data(), file.size());
            ASSERT_NE(bitmap, nullptr) << bpp << (topDown ? " top-down" : " bottom-up");
            desktop::Image image = desktop::BitmapImage(bitmap);
            ASSERT_EQ(image.width, 3);
            ASSERT_EQ(image.height, 2);
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 3; ++x)
                    EXPECT_EQ(image.at(x, y), kImage[y][x])
                        << bpp << " bpp " << (topDown ? "top-down" : "bottom-up") << " at " << x
                        << "," << y;
            DeleteObject(bitmap);
        }
}

TEST_F(BmpPngTest, OneBitImageBecomesMonochrome) {
    std::vector<BYTE> file = MakeBmp(1, false);
    HBITMAP bitmap = gdi_internal::CreateBitmapFromBmp(file.data(), file.size());
    ASSERT_NE(bitmap, nullptr);
    BITMAP bm;
    GetObjectA(bitmap, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    desktop::Image image = desktop::BitmapImage(bitmap);
    EXPECT_EQ(image.at(0, 1), kWhite);
    EXPECT_EQ(image.at(1, 1), kBlack);
    DeleteObject(bitmap);
}

TEST_F(BmpPngTest, DamagedFilesAreRefused) {
    std::vector<BYTE> good = MakeBmp(24, false);
    for (std::size_t cut : {std::size_t{0}, std::size_t{10}, std::size_t{30}, good.size() - 1}) {
        std::vector<BYTE> damaged(good.begin(), good.begin() + static_cast<long>(cut));
        EXPECT_EQ(gdi_internal::CreateBitmapFromBmp(damaged.data(), damaged.size()), nullptr)
            << "cut at " << cut;
    }
    std::vector<BYTE> wrongMagic = good;
    wrongMagic[0] = 'X';
    EXPECT_EQ(gdi_internal::CreateBitmapFromBmp(wrongMagic.data(), wrongMagic.size()), nullptr);
    std::vector<BYTE> hugeOffset = good;
    hugeOffset[10] = hugeOffset[11] = hugeOffset[12] = 0xFF;
    EXPECT_EQ(gdi_internal::CreateBitmapFromBmp(hugeOffset.data(), hugeOffset.size()), nullptr);
    EXPECT_EQ(gdi_internal::CreateBitmapFromBmp(nullptr, 100), nullptr);
    EXPECT_EQ(desktop::GdiObjectCounts(), start_);
}

TEST_F(BmpPngTest, ScreenPictureSurvivesAPngRoundTrip) {
    HDC screen = gdi_internal::CreateWholeScreenDC();
    HBRUSH brush = CreateSolidBrush(RGB(12, 34, 56));
    RECT r{10, 20, 30, 25};
    FillRect(screen, &r, brush);
    char path[] = "/tmp/ruzav_gdi_pngXXXXXX";
    int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    ASSERT_TRUE(desktop::SaveScreenPng(path, RECT{5, 15, 35, 30}));
    desktop::Image image;
    ASSERT_TRUE(desktop::ReadPng(path, &image));
    EXPECT_EQ(image.width, 30);
    EXPECT_EQ(image.height, 15);
    EXPECT_EQ(image.at(5, 5), RGB(12, 34, 56));
    EXPECT_EQ(image.at(4, 5), RGB(0, 128, 128)); // the desktop around it
    EXPECT_EQ(image.at(24, 9), RGB(12, 34, 56));
    EXPECT_EQ(image.at(25, 10), RGB(0, 128, 128));
    std::remove(path);
    EXPECT_FALSE(desktop::SaveScreenPng("/nonexistent-dir/x.png"));
    EXPECT_FALSE(desktop::ReadPng("/nonexistent-dir/x.png", &image));
    DeleteObject(brush);
    DeleteDC(screen);
}

} // namespace
