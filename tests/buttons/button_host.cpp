#include "button_host.h"

#include "support/bmp_bytes.h"

namespace button_test {

ButtonDialog::ButtonDialog(std::vector<ButtonPlan> buttons) {
    resources::DialogTemplate tmpl;
    tmpl.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_SETFONT;
    tmpl.caption = "Buttons";
    tmpl.fontFace = "MS Sans Serif";
    tmpl.x = 10;
    tmpl.y = 10;
    tmpl.cx = 240;
    tmpl.cy = 40 + 30 * static_cast<short>(buttons.size());
    resources::DialogItem edit;
    edit.className = "EDIT";
    edit.id = kEditId;
    edit.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER;
    edit.x = 4;
    edit.y = 4;
    edit.cx = 60;
    edit.cy = 12;
    tmpl.items.push_back(edit);
    short y = 20;
    for (const ButtonPlan& plan : buttons) {
        resources::DialogItem item;
        item.className = "BUTTON";
        item.text = plan.title;
        item.id = plan.id;
        item.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | plan.style;
        item.x = 4;
        item.y = y;
        item.cx = 40;
        item.cy = 20;
        tmpl.items.push_back(item);
        y += 30;
    }
    resources::AddDialog(AfxGetResourceHandle(), "BUTTONS", tmpl);
    EXPECT_TRUE(dialog_.Create("BUTTONS"));
}

ButtonDialog::~ButtonDialog() {
    close();
}

void ButtonDialog::close() {
    if (dialog_.m_hWnd != nullptr)
        dialog_.DestroyWindow();
}

SIZE ButtonDialog::size(WORD id) const {
    RECT r{};
    ::GetWindowRect(button(id), &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

COLORREF ButtonDialog::pixel(WORD id, int x, int y) const {
    return desktop::WindowPixel(button(id), x, y);
}

void BitmapButtonTest::SetUp() {
    desktop::reset();
}

void BitmapButtonTest::AddBitmap(LPCSTR name, int w, int h, COLORREF colour) {
    resources::AddBitmap(AfxGetResourceHandle(), name, test_support::BmpBytes(w, h, colour));
}

} // namespace button_test
