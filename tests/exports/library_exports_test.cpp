// What libruzav32.so shows to hosts: read from the dynamic symbol table of the built library.
//
// The library builds with hidden visibility, so only what is marked for export appears here.
#include <gtest/gtest.h>

#include <cxxabi.h>
#include <elf.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#ifndef RUZAV32_LIBRARY_PATH
#error "RUZAV32_LIBRARY_PATH names the built libruzav32.so"
#endif

namespace {

std::string Demangle(const std::string& name) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> plain(
        abi::__cxa_demangle(name.c_str(), nullptr, nullptr, &status), std::free);
    return status == 0 && plain ? std::string(plain.get()) : name;
}

template <typename T> bool ReadAt(const std::vector<char>& file, std::size_t offset, T* out) {
    if (offset > file.size() || file.size() - offset < sizeof(T))
        return false;
    std::memcpy(out, file.data() + offset, sizeof(T));
    return true;
}

// The defined global and weak symbols of the dynamic symbol table, demangled; an empty list
// with a message when the file is not a 64-bit ELF object with such a table.
std::vector<std::string> ExportedSymbols(const char* path, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> file((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
    Elf64_Ehdr header{};
    if (!ReadAt(file, 0, &header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_ident[EI_CLASS] != ELFCLASS64) {
        *error = std::string("not a 64-bit ELF file: ") + path;
        return {};
    }
    std::vector<Elf64_Shdr> sections(header.e_shnum);
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (!ReadAt(file, header.e_shoff + i * sizeof(Elf64_Shdr), &sections[i])) {
            *error = "section table cut short";
            return {};
        }
    }
    std::vector<std::string> names;
    for (const Elf64_Shdr& table : sections) {
        if (table.sh_type != SHT_DYNSYM || table.sh_link >= sections.size())
            continue;
        const Elf64_Shdr& strings = sections[table.sh_link];
        for (std::size_t at = 0; at + sizeof(Elf64_Sym) <= table.sh_size; at += sizeof(Elf64_Sym)) {
            Elf64_Sym symbol{};
            if (!ReadAt(file, table.sh_offset + at, &symbol))
                break;
            const unsigned binding = ELF64_ST_BIND(symbol.st_info);
            if (symbol.st_shndx == SHN_UNDEF || (binding != STB_GLOBAL && binding != STB_WEAK))
                continue;
            const std::size_t nameAt = strings.sh_offset + symbol.st_name;
            if (symbol.st_name >= strings.sh_size || nameAt >= file.size())
                continue;
            const char* name = file.data() + nameAt;
            names.push_back(Demangle(std::string(name, strnlen(name, file.size() - nameAt))));
        }
    }
    if (names.empty())
        *error = "no exported symbols found";
    return names;
}

// A symbol starting so: "CDlg::ShowError(" names a free function or member whatever its
// parameters, "vtable for CDlg" or "CKPercentBar::pfnSuperWndProc" the data itself.
bool Exports(const std::vector<std::string>& symbols, const std::string& start) {
    for (const std::string& symbol : symbols) {
        if (symbol.rfind(start, 0) == 0)
            return true;
    }
    return false;
}

class LibraryExports : public ::testing::Test {
protected:
    void SetUp() override {
        symbols_ = ExportedSymbols(RUZAV32_LIBRARY_PATH, &error_);
        ASSERT_FALSE(symbols_.empty()) << error_;
    }
    std::vector<std::string> symbols_;
    std::string error_;
};

TEST_F(LibraryExports, TheClassesAndTheThinFontHelperAreExported) {
    for (const char* name : {
             // clang-format off
             "MakeThinFont(",
             "CDlg::CDlg(", "CDlg::~CDlg(", "CDlg::ResetTimeOut(", "CDlg::CancelTimeOut(",
             "CDlg::ShowError(", "CDlg::SetWindowTextA(", "CDlg::SetHelpFile(",
             "CDlg::OnInitDialog(", "CDlg::GetMessageMap(", "CDlg::GetThisMessageMap(",
             "CPropSheet::CPropSheet(", "CPropSheet::~CPropSheet(", "CPropSheet::CommonConstruct(",
             "CPropSheet::OnInitDialog(", "CPropSheet::ChangeButton(", "CPropSheet::HideButton(",
             "CPropSheet::SetWindowTextA(", "CPropSheet::CustomizeLook(",
             "CPropSheet::ResizeButtons(", "CPropSheet::OnHelp(", "CPropSheet::GetMessageMap(",
             "CPropPage::CPropPage(", "CPropPage::~CPropPage(", "CPropPage::OnInitDialog(",
             "CPropPage::OnCommandHelp(", "CPropPage::OnDefault(", "CPropPage::bIsPageCreated(",
             "CPropPage::SetHelpFile(", "CPropPage::SetWindowTextA(",
             "CPropPage::GetThisMessageMap(",
             "CKFileDlg::CKFileDlg(", "CKFileDlg::~CKFileDlg(", "CKFileDlg::OnInitDialog(",
             "CKFileDlg::OnHelp(", "CKFileDlg::SetHelpID(", "CKFileDlg::SetHelpFile(",
             "CKFileDlg::SetWindowTextA(", "CKFileDlg::GetMessageMap(",
             "CKPrintDlg::CKPrintDlg(", "CKPrintDlg::~CKPrintDlg(", "CKPrintDlg::OnInitDialog(",
             "CKPrintDlg::OnHelp(", "CKPrintDlg::SetHelpID(", "CKPrintDlg::SetHelpFile(",
             "CKPrintDlg::GetMessageMap(",
             "CKPercentBar::classCKPercentBar", "CKPercentBar::pfnSuperWndProc",
             "CKPercentBar::RegisterClassA(", "CKPercentBar::UnregisterClassA(",
             "CKPercentBar::SetPercent(", "CKPercentBar::FirstMsgOnlyWndProc(",
             "CKPercentBar::OnPaint(", "CKPercentBar::GetThisMessageMap(", "vtable for CKPercentBar",
             "CPopupTip::CPopupTip(", "CPopupTip::PopItUp(", "CPopupTip::SetDisplay(",
             "CPopupTip::Draw3DFrame(", "vtable for CPopupTip",
             "CKBitmapButton::classCKBitmapButton", "CKBitmapButton::LoadBitmaps(",
             "CKBitmapButton::AutoLoad(", "CKBitmapButton::SizeToContent(",
             "CKBitmapButton::DrawItem(", "vtable for CKBitmapButton",
             "CKExtStatusBar::CKExtStatusBar(", "CKExtStatusBar::~CKExtStatusBar(",
             "CKExtStatusBar::Create(", "CKExtStatusBar::AddPane(",
             "CKExtStatusBar::SetIdleMessage(", "CKExtStatusBar::SetTimedIdleMessage(",
             "CKExtStatusBar::SetBitmapResource(", "CKExtStatusBar::SetBitmapHandle(",
             "CKExtStatusBar::SetHeight(", "CKExtStatusBar::GetPane(",
             "CKExtStatusBar::OnUpdateCmdUI(", "CKExtStatusBar::GetThisMessageMap(",
             "vtable for CKExtStatusBar",
             // clang-format on
         }) {
        EXPECT_TRUE(Exports(symbols_, name)) << name << " is not exported";
    }
}

// The shared services and rules are for the library's own classes; a host that could bind to
// them would tie itself to internals that may change.
TEST_F(LibraryExports, ServicesAndRulesStayInside) {
    for (const char* name :
         {"StoreHelpFile(", "OpenDialogHelp(", "OpenWholeContextHelp(", "ApplyThinFont(",
          "GetModuleDirectory(", "JoinPath(", "GetMainIniString(", "GetNewLookPlatformId(",
          "LaunchContextHelp(", "PlaceWindow(", "GetLibraryInstance("}) {
        EXPECT_FALSE(Exports(symbols_, name)) << name << " is visible to hosts";
    }
    for (const std::string& symbol : symbols_) {
        for (const char* inside :
             {"placement::", "timeout::", "ruzav::status::", "ruzav::buttons::"})
            EXPECT_EQ(std::string::npos, symbol.find(inside)) << symbol;
    }
}

} // namespace
