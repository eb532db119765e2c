// What every framework test starts from: a clean desktop; and, for tests of child windows, a
// visible top-level parent of the framework's own class.
#pragma once

#include <afxwin.h>
#include <desktop.h>

#include <gtest/gtest.h>

class AfxTest : public ::testing::Test {
protected:
    void SetUp() override { desktop::reset(); }
    void TearDown() override { desktop::reset(); }

    // A visible overlapped window of the framework's registered class.
    static bool MakeTop(CWnd& wnd, const char* title, CRect r = CRect(0, 0, 300, 200)) {
        return wnd.CreateEx(0, AfxRegisterWndClass(0), title, WS_OVERLAPPED | WS_VISIBLE, r.left,
                            r.top, r.Width(), r.Height(), NULL, NULL) != FALSE;
    }
};

// `Parent` may be a CWnd class of the test's own, with a message map.
template <class Parent = CWnd> class AfxParentTest : public AfxTest {
protected:
    void SetUp() override {
        AfxTest::SetUp();
        ASSERT_TRUE(MakeTop(m_parent, "parent"));
    }
    Parent m_parent;
};
