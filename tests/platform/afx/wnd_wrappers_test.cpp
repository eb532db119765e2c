// The CWnd members that do more than pass one call on: owners, texts into CStrings and fonts as
// framework objects (rectangles converted corner by corner: the dialog tests place by them).
#include "afx_fixture.h"

namespace {

class WndWrappersTest : public AfxTest {
protected:
    void SetUp() override {
        AfxTest::SetUp();
        ASSERT_TRUE(MakeTop(m_top, "top", CRect(100, 50, 400, 250)));
        ASSERT_TRUE(m_child.Create(NULL, "child", WS_VISIBLE, CRect(10, 20, 110, 70), &m_top, 3));
        ASSERT_TRUE(
            m_grandChild.Create(NULL, "grand", WS_VISIBLE, CRect(1, 2, 11, 12), &m_child, 4));
    }
    CWnd m_top, m_child, m_grandChild;
};

TEST_F(WndWrappersTest, OwnersAreTopLevelWindows) {
    EXPECT_EQ(m_grandChild.GetTopLevelParent(), &m_top);
    EXPECT_EQ(m_grandChild.GetParent(), &m_child);
    EXPECT_EQ(m_grandChild.GetOwner(), &m_child);
    HWND hTop = NULL;
    EXPECT_EQ(CWnd::GetSafeOwner(&m_grandChild, &hTop), &m_top);
    EXPECT_EQ(hTop, m_top.m_hWnd);
    EXPECT_EQ(CWnd::GetSafeOwner(NULL), nullptr) << "no main window without an application";
    m_grandChild.SetOwner(&m_top);
    EXPECT_EQ(m_grandChild.GetOwner(), &m_top);
}

TEST_F(WndWrappersTest, TextsOfAnyLengthComeBackWhole) {
    CString longText('x', 5000);
    m_child.SetWindowText(longText);
    CString text;
    m_child.GetWindowText(text);
    EXPECT_EQ(text.GetLength(), 5000);
    EXPECT_EQ(m_child.GetWindowTextLength(), 5000);
    m_top.SetDlgItemText(3, "item");
    EXPECT_EQ(m_top.GetDlgItemText(3, text), 4);
    EXPECT_EQ(text, "item");
    EXPECT_EQ(m_top.GetDlgItemText(99, text), 0);
    EXPECT_TRUE(text.IsEmpty());
}

TEST_F(WndWrappersTest, FontsTravelAsFrameworkObjects) {
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE, CRect(0, 0, 50, 20), &m_top, 5));
    EXPECT_EQ(edit.GetFont(), nullptr) << "the system font is no font object";
    CFont* pGuiFont = CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    edit.SetFont(pGuiFont);
    CFont* pFont = edit.GetFont();
    ASSERT_NE(pFont, nullptr);
    EXPECT_EQ(pFont->m_hObject, pGuiFont->m_hObject);
}

} // namespace
