// A clean desktop and a 32-bit memory DC to draw on, with helpers that show which pixels of a
// region took a colour as a picture of characters, so a failing test prints the shape it drew.
#pragma once

#include <desktop.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

class GdiTest : public ::testing::Test {
protected:
    void SetUp() override {
        desktop::reset();
        start_ = desktop::GdiObjectCounts();
    }
    void TearDown() override { FreeMemoryDC(dc_, bitmap_, oldBitmap_); }

    // A memory DC holding a new width x height 32-bit bitmap filled with `colour`; the bitmap
    // and the one it displaced go to `bitmap` and `old`.
    static HDC MemoryDC(int width, int height, COLORREF colour, HBITMAP& bitmap, HGDIOBJ& old) {
        HDC dc = CreateCompatibleDC(nullptr);
        bitmap = CreateBitmap(width, height, 1, 32, nullptr);
        old = SelectObject(dc, bitmap);
        RECT all{0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        return dc;
    }
    // Gives back what MemoryDC made (nothing when `dc` is null) and forgets the DC.
    static void FreeMemoryDC(HDC& dc, HBITMAP bitmap, HGDIOBJ old) {
        if (dc == nullptr)
            return;
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        dc = nullptr;
    }

    // The canvas: a memory DC holding a width x height 32-bit bitmap cleared to `background`.
    HDC Canvas(int width, int height, COLORREF background = RGB(255, 255, 255)) {
        width_ = width;
        height_ = height;
        return dc_ = MemoryDC(width, height, background, bitmap_, oldBitmap_);
    }

    // A canvas with the GUI font selected, drawing text without its background; the font's
    // metrics in tm_.
    HDC TextCanvas(int width, int height) {
        HDC dc = Canvas(width, height);
        SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        GetTextMetricsA(dc, &tm_);
        return dc;
    }

    // One text row per pixel row: '#' where the pixel has `ink`, '.' elsewhere.
    std::string Picture(COLORREF ink, int width = -1, int height = -1) const {
        std::string out;
        for (int y = 0; y < (height < 0 ? height_ : height); ++y) {
            for (int x = 0; x < (width < 0 ? width_ : width); ++x)
                out += GetPixel(dc_, x, y) == ink ? '#' : '.';
            out += '\n';
        }
        return out;
    }

    // The bounding box of the pixels that have `ink`; empty when none do.
    RECT InkBox(COLORREF ink) const {
        return BoxWhere([ink](COLORREF pixel) { return pixel == ink; });
    }
    // The bounding box of every pixel that is not white; empty when none is.
    RECT DrawnBox() const {
        return BoxWhere([](COLORREF pixel) { return pixel != RGB(255, 255, 255); });
    }
    template <class Test> RECT BoxWhere(Test test) const {
        RECT box{width_, height_, 0, 0};
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (test(GetPixel(dc_, x, y))) {
                    box.left = std::min<LONG>(box.left, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.right = std::max<LONG>(box.right, x + 1);
                    box.bottom = std::max<LONG>(box.bottom, y + 1);
                }
        if (box.right == 0)
            return RECT{0, 0, 0, 0};
        return box;
    }

    int CountInk(COLORREF ink) const {
        int n = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                n += GetPixel(dc_, x, y) == ink;
        return n;
    }

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    TEXTMETRICA tm_{};
    desktop::GdiCounts start_;
};

inline bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline std::ostream& operator<<(std::ostream& os, const RECT& r) {
    return os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
