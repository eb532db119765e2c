// GetOpenFileNameA and GetSaveFileNameA in the classic layout: the file name edit (edt1) over the
// file list (lst1), the folder list (lst2) under the current folder (stc1), the file types
// (cmb1), the drives (cmb2), OK, Cancel, Help (pshHelp) and Read only (chx1).
//
// Index: the template; the dialog's state; filling the lists; accepting a name (OnOk) and the
// other commands; the entry points.
#include "comdlg/comdlg_module.h"
#include "comdlg/file_names.h"

#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace comdlg {
namespace {

// ---- the template ----

resources::DialogTemplate FileTemplate() {
    resources::DialogTemplate t;
    t.style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
    t.caption = "Open";
    t.fontFace = "MS Sans Serif";
    t.pointSize = 8;
    t.x = 36;
    t.y = 24;
    t.cx = 264;
    t.cy = 134;
    const DWORD list = LBS_SORT | LBS_HASSTRINGS | LBS_NOTIFY | LBS_DISABLENOSCROLL | WS_VSCROLL |
                       WS_TABSTOP | WS_BORDER | LBS_NOINTEGRALHEIGHT;
    t.items = {
        Item("STATIC", "File &name:", stc3, SS_LEFT, 6, 6, 90, 9),
        Item("EDIT", "", edt1, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 6, 16, 90, 12),
        Item("LISTBOX", "", lst1, list, 6, 32, 90, 68),
        Item("STATIC", "&Folders:", 0xFFFF, SS_LEFT, 110, 6, 92, 9),
        Item("STATIC", "", stc1, SS_LEFT | SS_NOPREFIX, 110, 18, 92, 9),
        Item("LISTBOX", "", lst2, list & ~LBS_SORT, 110, 32, 92, 68),
        Item("STATIC", "List files of &type:", stc2, SS_LEFT, 6, 104, 90, 9),
        Item("COMBOBOX", "", cmb1, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 6, 114, 90, 60),
        Item("STATIC", "Dri&ves:", stc4, SS_LEFT, 110, 104, 92, 9),
        Item("COMBOBOX", "", cmb2, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 110, 114, 92, 68),
        Item("BUTTON", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 208, 6, 50, 14),
        Item("BUTTON", "Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 208, 24, 50, 14),
        Item("BUTTON", "&Help", pshHelp, BS_PUSHBUTTON | WS_TABSTOP, 208, 46, 50, 14),
        Item("BUTTON", "&Read only", chx1, BS_AUTOCHECKBOX | WS_TABSTOP, 208, 68, 50, 12),
    };
    return t;
}

// ---- the dialog's state ----

struct FileDialog {
    OPENFILENAMEA* ofn = nullptr;
    OPENFILENAMEA* record = nullptr; // what the hook sees with WM_INITDIALOG: the same record
    bool save = false;
    HWND hwnd = nullptr;
    std::string folder; // with its backslash
    std::vector<FilterEntry> filters;
    std::size_t filter = 0;  // index into filters
    std::string pattern;     // what the file list shows: the filter's, or one the user typed
    std::string initialName; // the name part of the caller's lpstrFile
    bool accepted = false;
    Hook hook = nullptr;
};

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string TextOf(HWND control) {
    const int length = GetWindowTextLengthA(control);
    std::string text(static_cast<std::size_t>(std::max(0, length)) + 1, '\0');
    const int copied = GetWindowTextA(control, &text[0], length + 1);
    text.resize(static_cast<std::size_t>(std::max(0, copied)));
    return text;
}

std::string Trimmed(std::string text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return std::string();
    }
    text = text.substr(first);
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

std::string FolderLabel(const std::string& folder) {
    // "C:\DOCS" for a folder, "C:\" for a root.
    return folder.size() > 3 ? folder.substr(0, folder.size() - 1) : folder;
}

int Ask(FileDialog& d, const std::string& text, UINT type) {
    const std::string title = TextOf(d.hwnd);
    return MessageBoxA(d.hwnd, text.c_str(), title.c_str(), type);
}

// ---- filling the lists ----

// A folder's subfolders and files, in the order FindFirstFileA gives them. A folder change
// reads the folder once for both lists: a large folder's entries are each looked at by the
// system, which costs more than everything the lists do with them.
struct FolderListing {
    std::vector<std::string> folders; // without "." and ".."
    std::vector<std::string> files;
};

FolderListing ReadFolder(const std::string& folder) {
    FolderListing listing;
    WIN32_FIND_DATAA found{};
    const std::string search = folder + "*";
    HANDLE handle = FindFirstFileA(search.c_str(), &found);
    if (handle == INVALID_HANDLE_VALUE) {
        return listing;
    }
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            listing.files.push_back(found.cFileName);
        } else if (std::strcmp(found.cFileName, ".") != 0 &&
                   std::strcmp(found.cFileName, "..") != 0) {
            listing.folders.push_back(found.cFileName);
        }
    } while (FindNextFileA(handle, &found));
    FindClose(handle);
    return listing;
}

void FillFiles(FileDialog& d, const FolderListing& listing) {
    HWND list = GetDlgItem(d.hwnd, lst1);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    const std::vector<std::string> patterns = SplitPatterns(d.pattern);
    for (const std::string& name : listing.files) {
        if (MatchesAnyPattern(name.c_str(), patterns)) {
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        }
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void FillFiles(FileDialog& d) {
    FillFiles(d, ReadFolder(d.folder));
}

// The folder list: the current folder's ancestors from the root down (item data: their depth),
// the current folder itself, then its subfolders (item data: -1).
void FillFolders(FileDialog& d, const FolderListing& listing) {
    HWND list = GetDlgItem(d.hwnd, lst2);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    std::string path = d.folder.substr(0, 3);
    LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
    SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), 0);
    int depth = 0;
    std::string part;
    for (std::size_t i = 3; i < d.folder.size(); ++i) {
        if (d.folder[i] == '\\') {
            index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(part.c_str()));
            SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), ++depth);
            part.clear();
        } else {
            part += d.folder[i];
        }
    }
    const LRESULT current = SendMessageA(list, LB_GETCOUNT, 0, 0) - 1;
    for (const std::string& name : listing.folders) {
        index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(-1));
    }
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(current), 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    SetDlgItemTextA(d.hwnd, stc1, FolderLabel(d.folder).c_str());
}

void SelectDrive(FileDialog& d) {
    char drive[3] = {static_cast<char>(std::tolower(static_cast<unsigned char>(d.folder[0]))), ':',
                     '\0'};
    SendDlgItemMessageA(d.hwnd, cmb2, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>(drive));
}

void ChangeFolder(FileDialog& d, const std::string& folder) {
    d.folder = WithBackslash(folder);
    const FolderListing listing = ReadFolder(d.folder);
    FillFolders(d, listing);
    FillFiles(d, listing);
    SelectDrive(d);
}

void FillTypesAndDrives(FileDialog& d) {
    HWND types = GetDlgItem(d.hwnd, cmb1);
    for (const FilterEntry& entry : d.filters) {
        SendMessageA(types, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.description.c_str()));
    }
    if (!d.filters.empty()) {
        SendMessageA(types, CB_SETCURSEL, d.filter, 0);
    } else {
        EnableWindow(types, FALSE);
    }
    HWND drives = GetDlgItem(d.hwnd, cmb2);
    const DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (mask & (1u << i)) {
            const char drive[3] = {static_cast<char>('a' + i), ':', '\0'};
            SendMessageA(drives, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(drive));
        }
    }
}

void OnTypeChange(FileDialog& d) {
    const LRESULT index = SendDlgItemMessageA(d.hwnd, cmb1, CB_GETCURSEL, 0, 0);
    if (index < 0 || static_cast<std::size_t>(index) >= d.filters.size()) {
        return;
    }
    d.filter = static_cast<std::size_t>(index);
    d.pattern = d.filters[d.filter].patterns;
    // A name the user typed stays; a pattern in the edit follows the new type.
    const std::string typed = Trimmed(TextOf(GetDlgItem(d.hwnd, edt1)));
    if (typed.empty() || HasWildcards(typed)) {
        SetDlgItemTextA(d.hwnd, edt1, d.pattern.c_str());
    }
    FillFiles(d);
}

void OnDriveChange(FileDialog& d) {
    const LRESULT index = SendDlgItemMessageA(d.hwnd, cmb2, CB_GETCURSEL, 0, 0);
    char drive[8] = {};
    if (index < 0 || SendDlgItemMessageA(d.hwnd, cmb2, CB_GETLBTEXTLEN, index, 0) > 2) {
        return;
    }
    SendDlgItemMessageA(d.hwnd, cmb2, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(drive));
    const std::string root = std::string(1, static_cast<char>(std::toupper(drive[0]))) + ":\\";
    if (!IsFolder(root)) {
        Ask(d, root + "\nThe drive is not ready.", MB_OK | MB_ICONEXCLAMATION);
        SelectDrive(d);
        return;
    }
    ChangeFolder(d, root);
}

void OnFolderChosen(FileDialog& d) {
    HWND list = GetDlgItem(d.hwnd, lst2);
    const LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index < 0) {
        return;
    }
    const LONG_PTR depth = SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    std::string name(static_cast<std::size_t>(std::max<LRESULT>(0, length)), '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&name[0]));
    if (depth < 0) {
        ChangeFolder(d, d.folder + name);
        return;
    }
    // An ancestor: keep that many components of the current folder.
    std::string folder = d.folder.substr(0, 3);
    std::size_t at = 3;
    for (LONG_PTR level = 0; level < depth; ++level) {
        const std::size_t next = d.folder.find('\\', at);
        if (next == std::string::npos) {
            break;
        }
        folder = d.folder.substr(0, next + 1);
        at = next + 1;
    }
    ChangeFolder(d, folder);
}

// ---- accepting a name ----

bool WriteResult(FileDialog& d, const std::string& path) {
    OPENFILENAMEA& ofn = *d.ofn;
    if (path.size() + 1 > ofn.nMaxFile) {
        // As on Win32: the first two bytes of the buffer say how much it needs.
        if (ofn.nMaxFile >= 2) {
            const WORD needed = static_cast<WORD>(std::min<std::size_t>(path.size() + 1, 0xFFFF));
            std::memcpy(ofn.lpstrFile, &needed, sizeof(needed));
        }
        SetError(FNERR_BUFFERTOOSMALL);
        return false;
    }
    std::memcpy(ofn.lpstrFile, path.c_str(), path.size() + 1);
    ofn.nFileOffset = static_cast<WORD>(NameOffset(path));
    ofn.nFileExtension = static_cast<WORD>(ExtensionOffset(path));
    if (ofn.lpstrFileTitle != nullptr && ofn.nMaxFileTitle > 0) {
        lstrcpynA(ofn.lpstrFileTitle, path.c_str() + ofn.nFileOffset,
                  static_cast<int>(std::min<DWORD>(ofn.nMaxFileTitle, 0x7FFFFFFF)));
    }
    ofn.nFilterIndex = d.filters.empty() ? 0 : static_cast<DWORD>(d.filter + 1);
    ofn.Flags &= ~static_cast<DWORD>(OFN_READONLY | OFN_EXTENSIONDIFFERENT);
    if (IsDlgButtonChecked(d.hwnd, chx1) == BST_CHECKED) {
        ofn.Flags |= OFN_READONLY;
    }
    if (ofn.lpstrDefExt != nullptr &&
        lstrcmpiA(path.c_str() + ofn.nFileExtension, ofn.lpstrDefExt) != 0) {
        ofn.Flags |= OFN_EXTENSIONDIFFERENT;
    }
    return true;
}

void Finish(FileDialog& d, bool accepted) {
    d.accepted = accepted;
    EndDialog(d.hwnd, accepted ? IDOK : IDCANCEL);
}

void SelectEditText(FileDialog& d) {
    HWND edit = GetDlgItem(d.hwnd, edt1);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SetFocus(edit);
}

void OnOk(FileDialog& d) {
    std::string typed = Trimmed(TextOf(GetDlgItem(d.hwnd, edt1)));
    if (typed.empty()) {
        SelectEditText(d);
        return;
    }
    std::string path = ResolvePath(d.folder, typed);
    if (HasWildcards(typed)) {
        // A pattern: show what it matches, in the folder it names.
        const std::string folder = FolderOf(path);
        if (!folder.empty() && !IsFolder(folder)) {
            Ask(d, path + "\nPath does not exist.\nPlease verify the correct path was given.",
                MB_OK | MB_ICONEXCLAMATION);
            SelectEditText(d);
            return;
        }
        d.pattern = NameOf(path);
        SetDlgItemTextA(d.hwnd, edt1, d.pattern.c_str());
        ChangeFolder(d, folder);
        SelectEditText(d);
        return;
    }
    if (IsFolder(path)) {
        // A folder's name opens the folder; the edit shows the pattern again.
        ChangeFolder(d, path);
        SetDlgItemTextA(d.hwnd, edt1, d.pattern.c_str());
        SelectEditText(d);
        return;
    }
    const bool plainName = path.size() > 0 && path.back() != '.';
    path = TrimTrailingDots(path);
    if (CheckPath(path) != NameProblem::None) {
        Ask(d, typed + "\nThe file name is not valid.", MB_OK | MB_ICONEXCLAMATION);
        SelectEditText(d);
        return;
    }
    // The default extension goes onto a name without one, unless it ended in a dot; an Open
    // dialog adds it only when the name as typed names no file.
    const OPENFILENAMEA& ofn = *d.ofn;
    if (plainName && ofn.lpstrDefExt != nullptr && ofn.lpstrDefExt[0] != '\0' &&
        ExtensionOffset(path) == path.size() && (d.save || !IsFile(path))) {
        const std::string extended =
            path + "." + std::string(ofn.lpstrDefExt, strnlen(ofn.lpstrDefExt, 32));
        if (extended.size() < 260) {
            path = extended;
        }
    }
    if ((ofn.Flags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST)) && !IsFolder(FolderOf(path))) {
        Ask(d, path + "\nPath does not exist.\nPlease verify the correct path was given.",
            MB_OK | MB_ICONEXCLAMATION);
        SelectEditText(d);
        return;
    }
    if (!d.save && (ofn.Flags & OFN_FILEMUSTEXIST) && !IsFile(path)) {
        Ask(d, path + "\nFile not found.\nPlease verify the correct file name was given.",
            MB_OK | MB_ICONEXCLAMATION);
        SelectEditText(d);
        return;
    }
    if (d.save && (ofn.Flags & OFN_OVERWRITEPROMPT) && IsFile(path)) {
        if (Ask(d, path + " already exists.\nDo you want to replace it?",
                MB_YESNO | MB_ICONEXCLAMATION) != IDYES) {
            SelectEditText(d);
            return;
        }
    }
    Finish(d, WriteResult(d, path));
}

void OnFileSelected(FileDialog& d) {
    HWND list = GetDlgItem(d.hwnd, lst1);
    const LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (index < 0 || length < 0) {
        return;
    }
    std::string name(static_cast<std::size_t>(length), '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&name[0]));
    SetDlgItemTextA(d.hwnd, edt1, name.c_str());
}

void OnCommand(FileDialog& d, WORD id, WORD code) {
    switch (id) {
    case IDOK:
        OnOk(d);
        break;
    case IDCANCEL:
        SetError(0);
        Finish(d, false);
        break;
    case pshHelp:
        if (d.ofn->hwndOwner != nullptr) {
            static const UINT help = RegisterWindowMessageA("commdlg_help");
            SendMessageA(d.ofn->hwndOwner, help, reinterpret_cast<WPARAM>(d.hwnd),
                         reinterpret_cast<LPARAM>(d.ofn));
        }
        break;
    case lst1:
        if (code == LBN_SELCHANGE) {
            OnFileSelected(d);
        } else if (code == LBN_DBLCLK) {
            OnFileSelected(d);
            OnOk(d);
        }
        break;
    case lst2:
        if (code == LBN_DBLCLK) {
            OnFolderChosen(d);
        }
        break;
    case cmb1:
        if (code == CBN_SELCHANGE) {
            OnTypeChange(d);
        }
        break;
    case cmb2:
        if (code == CBN_SELCHANGE) {
            OnDriveChange(d);
        }
        break;
    default:
        break;
    }
}

void Initialise(FileDialog& d) {
    const OPENFILENAMEA& ofn = *d.ofn;
    SetWindowTextA(d.hwnd,
                   ofn.lpstrTitle != nullptr ? ofn.lpstrTitle : (d.save ? "Save As" : "Open"));
    if (!(ofn.Flags & OFN_SHOWHELP)) {
        ShowWindow(GetDlgItem(d.hwnd, pshHelp), SW_HIDE);
    }
    if (ofn.Flags & OFN_HIDEREADONLY) {
        ShowWindow(GetDlgItem(d.hwnd, chx1), SW_HIDE);
    }
    CheckDlgButton(d.hwnd, chx1, (ofn.Flags & OFN_READONLY) ? BST_CHECKED : BST_UNCHECKED);
    SendDlgItemMessageA(d.hwnd, edt1, EM_LIMITTEXT, 259, 0);
    FillTypesAndDrives(d);
    SetDlgItemTextA(d.hwnd, edt1,
                    d.initialName.empty() ? d.pattern.c_str() : d.initialName.c_str());
    ChangeFolder(d, d.folder);
}

// ---- the entry points ----

BOOL RunFileDialog(OPENFILENAMEA* ofn, bool save) {
    SetError(0);
    if (ofn == nullptr || (ofn->lStructSize != sizeof(OPENFILENAMEA) &&
                           ofn->lStructSize != OPENFILENAME_SIZE_VERSION_400A)) {
        SetError(CDERR_STRUCTSIZE);
        return FALSE;
    }
    if (ofn->lpstrFile == nullptr || ofn->nMaxFile == 0) {
        SetError(CDERR_INITIALIZATION);
        return FALSE;
    }
    if ((ofn->Flags & OFN_ENABLEHOOK) && ofn->lpfnHook == nullptr) {
        SetError(CDERR_NOHOOK);
        return FALSE;
    }
    FileDialog d;
    d.ofn = ofn;
    d.record = ofn;
    d.save = save;
    d.hook = (ofn->Flags & OFN_ENABLEHOOK) ? ofn->lpfnHook : nullptr;
    d.filters = ParseFilter(ofn->lpstrFilter);
    if (!d.filters.empty()) {
        const DWORD index = ofn->nFilterIndex;
        d.filter = index >= 1 && index <= d.filters.size() ? index - 1 : 0;
        d.pattern = d.filters[d.filter].patterns;
    } else {
        d.pattern = "*.*";
    }

    // The caller's buffer is read no further than nMaxFile.
    std::string given(ofn->lpstrFile, strnlen(ofn->lpstrFile, ofn->nMaxFile));
    if (given.size() >= 260 || (given.size() == ofn->nMaxFile && ofn->nMaxFile > 0)) {
        SetError(FNERR_INVALIDFILENAME);
        return FALSE;
    }
    std::string folder;
    if (!given.empty()) {
        const std::string resolved = ResolvePath("C:\\", given);
        if (given.find_first_of("\\/:") != std::string::npos && IsFolder(FolderOf(resolved))) {
            folder = FolderOf(resolved);
        }
        const std::string name = NameOf(given);
        if (HasWildcards(name)) {
            d.pattern = name;
        } else if (!name.empty()) {
            if (CheckPath("C:\\" + name) != NameProblem::None) {
                SetError(FNERR_INVALIDFILENAME);
                return FALSE;
            }
            d.initialName = name;
        }
    }
    if (folder.empty() && ofn->lpstrInitialDir != nullptr) {
        const std::string initial(ofn->lpstrInitialDir, strnlen(ofn->lpstrInitialDir, 260));
        if (!initial.empty() && IsFolder(ResolvePath("C:\\", initial))) {
            folder = ResolvePath("C:\\", initial);
        }
    }
    if (folder.empty()) {
        char current[MAX_PATH] = {};
        const DWORD length = GetCurrentDirectoryA(sizeof(current), current);
        folder = length > 0 && length < sizeof(current) ? current : "C:\\";
    }
    d.folder = WithBackslash(folder);
    if (!IsFolder(d.folder)) {
        d.folder = "C:\\";
    }

    EnsureTemplate(MAKEINTRESOURCEA(FILEOPENORD), FileTemplate);
    const INT_PTR result = DialogBoxParamA(Module(), MAKEINTRESOURCEA(FILEOPENORD), ofn->hwndOwner,
                                           HookedDialogProc<FileDialog, Initialise, OnCommand>,
                                           reinterpret_cast<LPARAM>(&d));
    if (result == -1) {
        SetError(CDERR_DIALOGFAILURE);
        return FALSE;
    }
    return d.accepted ? TRUE : FALSE;
}

} // namespace
} // namespace comdlg

BOOL WINAPI GetOpenFileNameA(LPOPENFILENAMEA ofn) {
    return comdlg::RunFileDialog(ofn, false);
}

BOOL WINAPI GetSaveFileNameA(LPOPENFILENAMEA ofn) {
    return comdlg::RunFileDialog(ofn, true);
}

short WINAPI GetFileTitleA(LPCSTR file, LPSTR title, WORD size) {
    if (file == nullptr) {
        return -1;
    }
    const std::string path(file, strnlen(file, 260));
    const std::string name = comdlg::NameOf(path);
    if (name.empty() || comdlg::HasWildcards(name)) {
        return -1;
    }
    if (title == nullptr || size <= name.size()) {
        return static_cast<short>(name.size() + 1);
    }
    std::memcpy(title, name.c_str(), name.size() + 1);
    return 0;
}
