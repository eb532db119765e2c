// What the gallery's pages share: the page dialog, idle time, output paths, and bitmaps for the
// host's resources.
#pragma once

#include <afxwin.h>
#include <desktop.h>

#include <string>
#include <vector>

namespace gallery {

// A page's dialog: modeless, so the session can drive it, and closed by destroying its window
// rather than by ending a modal loop.
class PageDialog : public CDialog {
public:
    explicit PageDialog(LPCSTR templateName) : CDialog(templateName) {}
    ~PageDialog() override { Close(); }
    void Close() {
        if (m_hWnd != nullptr)
            DestroyWindow();
    }

protected:
    void OnCancel() override { Close(); }
    void OnOK() override { Close(); }
};

// What an application's message loop does when its queue runs dry: handle what is pending,
// then let the framework free the temporary objects it made meanwhile.
void Idle();

std::string Join(const std::string& dir, const char* name);

// A w x h picture as the bytes of a 24-bit BMP file: a face of one colour inside a two-pixel
// bevel (light top and left, dark bottom and right, swapped when sunken) with a centred bar of
// the mark colour, as a toolbar-style button image would look.
std::vector<BYTE> ButtonBmp(int w, int h, COLORREF face, COLORREF mark, bool sunken);

} // namespace gallery
