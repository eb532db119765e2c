// A 32-bit memory bitmap to draw on, for the drawing conformance tests. Colours are pure
// (0 or 255 per channel) so every device reports them back exactly.
#pragma once

#include <windows.h>

namespace gdi_conformance {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height) {
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateBitmap(width, height, 1, 32, nullptr);
        old_ = SelectObject(dc_, bitmap_);
        Clear(kWhite);
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    void Clear(COLORREF colour) {
        RECT all = {0, 0, width_, height_};
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    // The smallest rectangle around the pixels of this colour; all zero when there are none.
    RECT Box(COLORREF colour) const {
        return BoxWhere([colour](COLORREF pixel) { return pixel == colour; });
    }
    // The box of every pixel that is not white.
    RECT DrawnBox() const {
        return BoxWhere([](COLORREF pixel) { return pixel != kWhite; });
    }
    int Count(COLORREF colour) const {
        int n = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (GetPixel(dc_, x, y) == colour)
                    ++n;
        return n;
    }

private:
    template <class Test> RECT BoxWhere(Test test) const {
        RECT box = {width_, height_, 0, 0};
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (test(GetPixel(dc_, x, y))) {
                    if (x < box.left)
                        box.left = x;
                    if (y < box.top)
                        box.top = y;
                    if (x + 1 > box.right)
                        box.right = x + 1;
                    if (y + 1 > box.bottom)
                        box.bottom = y + 1;
                }
        if (box.right == 0) {
            RECT none = {0, 0, 0, 0};
            return none;
        }
        return box;
    }

    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

} // namespace gdi_conformance
