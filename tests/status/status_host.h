// A main frame with an extended status bar, as a host application has one, for the status bar
// tests: the bar records what reaches its default handling, the frame records the messages
// that pane clicks post to it.
#pragma once

#include <ruzav32/status.h>
#include "support/bmp_bytes.h"

#include <afxpriv.h>
#include <desktop.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace status_test {

constexpr UINT WM_PANE_CLICK = WM_APP + 1;
constexpr UINT WM_BITMAP_CLICK = WM_APP + 2;

// Opens the bar's protected parts to the tests.
class CTestBar : public CKExtStatusBar {
public:
    using CKExtStatusBar::GetPane;
    using CKExtStatusBar::m_bBitmapPane;
    using CKExtStatusBar::m_dwTimedIdleEnd;
    using CKExtStatusBar::m_strIdle;
    // Clicks that reached the window's default handling after the bar's own.
    int m_nDefaultButtonDowns = 0;

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_LBUTTONDOWN)
            ++m_nDefaultButtonDowns;
        return CKExtStatusBar::DefWindowProc(message, wParam, lParam);
    }
};

struct PostedClick {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class CHostFrame : public CFrameWnd {
public:
    CTestBar m_bar;
    std::vector<PostedClick> m_clicks;

    LRESULT OnPaneClick(WPARAM wParam, LPARAM lParam) {
        m_clicks.push_back(PostedClick{WM_PANE_CLICK, wParam, lParam});
        return 0;
    }
    LRESULT OnBitmapClick(WPARAM wParam, LPARAM lParam) {
        m_clicks.push_back(PostedClick{WM_BITMAP_CLICK, wParam, lParam});
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

class StatusBarTest : public ::testing::Test {
protected:
    HINSTANCE host = ::GetModuleHandleA(NULL);
    CHostFrame* frame = nullptr; // deletes itself with its window

    void SetUp() override {
        desktop::reset();
        resources::AddString(host, ID_INDICATOR_CAPS, "CAP");
        resources::AddString(host, ID_INDICATOR_NUM, "NUM");
    }
    void TearDown() override { desktop::reset(); }

    // Makes the frame and its bar; the strings and bitmaps a test wants are added before.
    void MakeFrame() {
        frame = new CHostFrame;
        ASSERT_TRUE(
            frame->Create(NULL, "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 640, 480)));
        ASSERT_TRUE(frame->m_bar.Create(frame));
        desktop::PumpUntilIdle();
    }
    std::string Pane0() const { return static_cast<LPCSTR>(frame->m_bar.GetPaneText(0)); }
    CRect ItemRect(int i) const {
        CRect r;
        frame->m_bar.GetItemRect(i, &r);
        return r;
    }
};

} // namespace status_test
