// The framework's drawing classes: ownership, selection through FromHandle, and the window DCs
// that release themselves.
#include "gdi_fixture.h"

#include <afxwin.h>

namespace {

class AfxGdiTest : public GdiTest {};

TEST_F(AfxGdiTest, ObjectsReleaseTheirHandlesWhenDestroyed) {
    {
        CPen pen(PS_SOLID, 1, kRed);
        CBrush brush(kBlue);
        CFont font;
        EXPECT_TRUE(font.CreatePointFont(80, "MS Sans Serif"));
        CBitmap bitmap;
        CDC dc;
        EXPECT_TRUE(dc.CreateCompatibleDC(nullptr));
        EXPECT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 4, 4));
        CRgn rgn;
        EXPECT_TRUE(rgn.CreateRectRgn(0, 0, 2, 2));
        EXPECT_EQ(desktop::GdiObjectCounts().total(), start_.total() + 6);
    }
    EXPECT_EQ(desktop::GdiObjectCounts(), start_) << desktop::Describe(desktop::GdiObjectCounts());
}

TEST_F(AfxGdiTest, SelectObjectAnswersThePreviousObject) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CPen pen(PS_SOLID, 1, kRed);
    CPen* old = dc.SelectObject(&pen);
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->m_hObject, GetStockObject(BLACK_PEN));
    // The same temporary wrapper comes back for the same handle.
    EXPECT_EQ(CPen::FromHandle(static_cast<HPEN>(GetStockObject(BLACK_PEN))), old);
    // A handle owned by an object maps to that object.
    EXPECT_EQ(dc.SelectObject(old), &pen);
    CGdiObject* stock = dc.SelectStockObject(NULL_BRUSH);
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(stock->m_hObject, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(CGdiObject::FromHandle(nullptr), nullptr);
    EXPECT_EQ(dc.SelectObject(static_cast<CPen*>(nullptr)), nullptr); // refused, nothing changes
    EXPECT_EQ(GetCurrentObject(dc.m_hDC, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(CDC::FromHandle(dc.m_hDC), &dc);
}

TEST_F(AfxGdiTest, AttachAndDetach) {
    CGdiObject object;
    EXPECT_FALSE(object.Attach(nullptr));
    HBRUSH brush = CreateSolidBrush(kRed);
    EXPECT_TRUE(object.Attach(brush));
    EXPECT_EQ(object.GetSafeHandle(), brush);
    EXPECT_EQ(object.GetObjectType(), static_cast<UINT>(OBJ_BRUSH));
    EXPECT_EQ(object.Detach(), brush);
    EXPECT_EQ(object.GetSafeHandle(), nullptr);
    EXPECT_FALSE(object.DeleteObject());
    EXPECT_TRUE(DeleteObject(brush));
}

TEST_F(AfxGdiTest, WindowAndScreenDCsDrawOnTheScreen) {
    HWND hwnd = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 100, 60, 50, 40, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    {
        CClientDC dc(CWnd::FromHandle(hwnd));
        ASSERT_NE(dc.GetSafeHdc(), nullptr);
        dc.FillSolidRect(0, 0, 5, 5, kRed);
    }
    EXPECT_EQ(desktop::ScreenPixel(100, 60), kRed);
    EXPECT_EQ(desktop::ScreenPixel(104, 64), kRed);
    EXPECT_NE(desktop::ScreenPixel(105, 65), kRed);
    {
        CWindowDC screen(nullptr);
        ASSERT_NE(screen.GetSafeHdc(), nullptr);
        screen.FillSolidRect(0, 0, 2, 2, kBlue);
    }
    EXPECT_EQ(desktop::ScreenPixel(1, 1), kBlue);
    DestroyWindow(hwnd);
    EXPECT_EQ(desktop::GdiObjectCounts().dcs, start_.dcs);
}

} // namespace
