// A main frame with a five-pane extended status bar: one idle update when nothing changed, a
// prompt written to pane 0 and repainted, and the File menu opened and closed by keyboard.
#include <desktop.h>
#include <malloc_count.h>
#include <ruzav32/status.h>

#include <afxpriv.h>

#include <benchmark/benchmark.h>

namespace {

class CBenchFrame : public CFrameWnd {
public:
    CKExtStatusBar m_bar;
    void OnNew() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBenchFrame, CFrameWnd)
ON_COMMAND(ID_FILE_NEW, OnNew)
END_MESSAGE_MAP()

// The frame with its menu and a bar of five panes: message, position, CAP, NUM and a bitmap.
CBenchFrame* MakeFrame() {
    desktop::reset();
    HINSTANCE host = ::GetModuleHandleA(NULL);
    resources::AddString(host, ID_INDICATOR_CAPS, "CAP");
    resources::AddString(host, ID_INDICATOR_NUM, "NUM");
    resources::AddString(host, ID_FILE_NEW, "Makes a new document\nNew");
    CBenchFrame* pFrame = new CBenchFrame;
    if (!pFrame->Create(NULL, "Bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 640, 480)))
        return NULL;
    HMENU file = ::CreatePopupMenu();
    ::AppendMenuA(file, MF_STRING, ID_FILE_NEW, "&New\tCtrl+N");
    ::AppendMenuA(file, MF_STRING, ID_FILE_OPEN, "&Open");
    HMENU bar = ::CreateMenu();
    ::AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    ::SetMenu(pFrame->m_hWnd, bar);
    pFrame->m_bar.Create(pFrame);
    pFrame->m_bar.AddPane(0, 80, WM_APP + 1);
    pFrame->m_bar.AddPane(ID_INDICATOR_CAPS, 0, 0);
    pFrame->m_bar.AddPane(ID_INDICATOR_NUM, 0, 0);
    HDC screen = ::GetDC(NULL);
    pFrame->m_bar.SetBitmapHandle(::CreateCompatibleBitmap(screen, 16, 16), 20, 0);
    ::ReleaseDC(NULL, screen);
    desktop::PumpUntilIdle();
    return pFrame;
}

void IdleUpdateOfAFrameWithFivePanes(benchmark::State& state) {
    CBenchFrame* pFrame = MakeFrame();
    if (pFrame == NULL || pFrame->m_bar.GetCount() != 5) {
        state.SkipWithError("frame not made");
        return;
    }
    AfxIdleUpdateFrames(); // warm up
    {
        bench_support::MallocCount count(state);
        for (auto _ : state)
            AfxIdleUpdateFrames();
    }
    pFrame->DestroyWindow();
    desktop::reset();
}
BENCHMARK(IdleUpdateOfAFrameWithFivePanes);

void StatusPromptRepaint(benchmark::State& state) {
    CBenchFrame* pFrame = MakeFrame();
    if (pFrame == NULL) {
        state.SkipWithError("frame not made");
        return;
    }
    const char* prompts[] = {"Makes a new document", "Opens an existing document"};
    int i = 0;
    {
        bench_support::MallocCount count(state);
        for (auto _ : state) {
            pFrame->SetMessageText(prompts[i ^= 1]);
            pFrame->m_bar.UpdateWindow();
        }
    }
    pFrame->DestroyWindow();
    desktop::reset();
}
BENCHMARK(StatusPromptRepaint);

void MenuOpenedAndClosedByKeyboard(benchmark::State& state) {
    CBenchFrame* pFrame = MakeFrame();
    if (pFrame == NULL) {
        state.SkipWithError("frame not made");
        return;
    }
    {
        bench_support::MallocCount count(state);
        for (auto _ : state) {
            desktop::QueueStep([] { desktop::PressKey(VK_ESCAPE); });
            desktop::QueueStep([] { desktop::PressKey(VK_ESCAPE); });
            desktop::PressKey('F', {VK_MENU});
        }
    }
    pFrame->DestroyWindow();
    desktop::reset();
}
BENCHMARK(MenuOpenedAndClosedByKeyboard);

} // namespace
