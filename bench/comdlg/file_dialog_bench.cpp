// The Open dialog on a large folder: from GetOpenFileNameA to the dialog's first paint (the file
// list read, sorted into the list box and drawn), and the list box's sorted insertion alone, so
// that its cost per item can be compared between a thousand items and a hundred thousand.
#include <benchmark/benchmark.h>
#include <desktop.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// A fresh desktop with C:\BIG holding `count` files named in no particular order.
void MakeFolder(int count) {
    desktop::reset();
    CreateDirectoryA("C:\\BIG", nullptr);
    const std::string folder = desktop::HostPath("C:\\BIG");
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof(name), "/f%06d.txt", (i * 7919) % count);
        std::ofstream(folder + name).put('x');
    }
}

void OpenDialogToFirstPaint(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    MakeFolder(count);
    char file[MAX_PATH];
    for (auto _ : state) {
        file[0] = '\0';
        OPENFILENAMEA ofn{};
        ofn.lStructSize = sizeof(ofn);
        ofn.lpstrFilter = "Text files\0*.txt\0";
        ofn.lpstrFile = file;
        ofn.nMaxFile = sizeof(file);
        ofn.lpstrInitialDir = "C:\\BIG";
        // Runs once the dialog is idle: everything, the first paint included, is done.
        desktop::QueueStep([count]() {
            HWND dialog = GetActiveWindow();
            if (SendDlgItemMessageA(dialog, lst1, LB_GETCOUNT, 0, 0) != count) {
                std::fprintf(stderr, "the file list is incomplete\n");
            }
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        benchmark::DoNotOptimize(GetOpenFileNameA(&ofn));
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(OpenDialogToFirstPaint)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Adds `count` texts in scrambled order to a sorted list box; items per second should stay the
// same from a thousand items to a hundred thousand.
void ListBoxSortedInsertion(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    desktop::reset();
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i) {
        char text[32];
        std::snprintf(text, sizeof(text), "item %06d", (i * 7919) % count);
        texts.push_back(text);
    }
    HWND list = CreateWindowExA(0, "LISTBOX", "", WS_POPUP | WS_VISIBLE | LBS_SORT | WS_VSCROLL, 0,
                                0, 200, 300, nullptr, nullptr, nullptr, nullptr);
    for (auto _ : state) {
        state.PauseTiming();
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        state.ResumeTiming();
        for (const std::string& text : texts) {
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
    }
    state.SetItemsProcessed(state.iterations() * count);
    DestroyWindow(list);
}
BENCHMARK(ListBoxSortedInsertion)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
