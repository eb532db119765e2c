// A host dialog for the bitmap button tests: a modeless framework dialog made from a template
// whose owner-drawn buttons carry the titles the tests give, and bitmap resources of the host
// in plain colours.
#pragma once

#include <desktop.h>
#include <ruzav32/buttons.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace button_test {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr WORD kEditId = 10; // an edit before the buttons, to take the focus away

struct ButtonPlan {
    WORD id;
    std::string title;
    DWORD style = BS_OWNERDRAW;
};

class ButtonDialog {
public:
    explicit ButtonDialog(std::vector<ButtonPlan> buttons);
    ~ButtonDialog();
    ButtonDialog(const ButtonDialog&) = delete;
    ButtonDialog& operator=(const ButtonDialog&) = delete;

    CDialog& dialog() { return dialog_; }
    HWND button(WORD id) const { return ::GetDlgItem(dialog_.m_hWnd, id); }
    SIZE size(WORD id) const;
    // The colour at a point of a button, after the paints due.
    COLORREF pixel(WORD id, int x, int y) const;
    void close();

private:
    CDialog dialog_;
};

class BitmapButtonTest : public ::testing::Test {
protected:
    void SetUp() override;
    // A bitmap resource of the host, w x h of one colour.
    static void AddBitmap(LPCSTR name, int w, int h, COLORREF colour);
};

} // namespace button_test
