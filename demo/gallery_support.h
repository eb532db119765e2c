// What the gallery's pages share: the page dialog, idle time and output paths.
#pragma once

#include <afxwin.h>
#include <desktop.h>

#include <string>

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

} // namespace gallery
