#include "comdlg_fixture.h"

#include <fstream>

namespace comdlg_test {

void ComdlgTest::SetUp() {
    desktop::reset();
    MakeFolder("C:\\DOCS");
    MakeFolder("C:\\DOCS\\LETTERS");
    MakeFile("C:\\DOCS\\a.txt");
    MakeFile("C:\\DOCS\\b.txt");
    MakeFile("C:\\DOCS\\notes.doc");
    MakeFile("C:\\DOCS\\LETTERS\\x.txt");
    MakeFolder("C:\\SPOOL");
    MakeFolder("C:\\SPOOL\\LASER");
    MakeFolder("C:\\SPOOL\\INK");
    desktop::SetProfileText("[devices]\n"
                            "Laser=LASERDRV,C:\\SPOOL\\LASER\n"
                            "Inkjet=INKDRV,C:\\SPOOL\\INK\n"
                            "[windows]\n"
                            "device=Laser,LASERDRV,C:\\SPOOL\\LASER\n");
    gdiBefore = desktop::GdiObjectCounts();
}

void ComdlgTest::TearDown() {
    // Whatever a dialog made, it released: no window, no GDI object, no global block is left.
    EXPECT_EQ(nullptr, desktop::CurrentMessageBox());
    EXPECT_EQ(0u, desktop::PendingSteps()) << "a step did not run";
    const desktop::GdiCounts after = desktop::GdiObjectCounts();
    EXPECT_EQ(desktop::Describe(gdiBefore), desktop::Describe(after));
    EXPECT_EQ(0u, desktop::GlobalBlockCount());
    desktop::reset();
}

void ComdlgTest::MakeFolder(const char* dosPath) {
    ASSERT_TRUE(CreateDirectoryA(dosPath, nullptr)) << dosPath;
}

void ComdlgTest::MakeFile(const std::string& dosPath, const std::string& contents) {
    const std::string host = desktop::HostPath(dosPath.c_str());
    std::ofstream out(host, std::ios::binary);
    out << contents;
    ASSERT_TRUE(out.good()) << host;
}

void ComdlgTest::Step(std::function<void(HWND)> step) {
    desktop::QueueStep([step]() { step(GetActiveWindow()); });
}

void ComdlgTest::ClickIn(HWND dialog, int id) {
    ASSERT_TRUE(desktop::ClickControl(dialog, id)) << "no control " << id;
}

void ComdlgTest::DoubleClickItem(int listId, const char* text) {
    Step([listId, text](HWND dialog) {
        HWND list = GetDlgItem(dialog, listId);
        const LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(text));
        ASSERT_GE(index, 0) << text;
        SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
        RECT item{};
        SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
        POINT at{item.left + 5, (item.top + item.bottom) / 2};
        ClientToScreen(list, &at);
        desktop::DoubleClick(at);
    });
}

std::vector<std::string> ComdlgTest::Items(HWND list) {
    std::vector<std::string> items;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[MAX_PATH] = {};
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

std::string ComdlgTest::TextOf(HWND control) {
    char text[MAX_PATH] = {};
    GetWindowTextA(control, text, sizeof(text));
    return text;
}

OPENFILENAMEA ComdlgTest::Ofn(DWORD flags, const char* filter) {
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.lpstrFilter = filter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof(file);
    ofn.lpstrFileTitle = title;
    ofn.nMaxFileTitle = sizeof(title);
    ofn.lpstrInitialDir = "C:\\DOCS";
    ofn.Flags = flags;
    return ofn;
}

} // namespace comdlg_test
