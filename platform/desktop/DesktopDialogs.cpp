// Message boxes and file dialogs of the desktop: real dialog windows of the window system, made of
// the standard controls (a message box's is the window system's own, MessageBoxWindow), run as
// nested loops.
#include <algorithm>
#include <filesystem>

#include "platform/desktop/Desktop.h"
#include "platform/framework/Automation.h"
#include "platform/framework/CommCtrl.h"
#include "platform/framework/CommDlg.h"
#include "platform/framework/DialogManager.h"
#include "platform/framework/MessageBoxWindow.h"
#include "platform/framework/WindowManager.h"

namespace {

constexpr int kFolder = 1001, kFiles = 1002, kName = 1003, kType = 1004;

LRESULT sendItem(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessage(::GetDlgItem(dialog, id), message, wParam, lParam);
}

void setItemText(HWND dialog, int id, const CString& text)
{
    ::SetWindowText(::GetDlgItem(dialog, id), text);
}

DialogItem item(int id, const char* cls, const CString& text, DWORD style, short x, short y, short cx, short cy)
{
    DialogItem i;
    i.id = id;
    i.className = cls;
    i.text = text;
    i.style = style | WS_VISIBLE;
    i.x = x, i.y = y, i.cx = cx, i.cy = cy;
    return i;
}

} // namespace

int Desktop::runDialog(HWND dialog, HWND owner)
{
    struct Quiet {
        int& depth;
        HWND owner;
        bool wasEnabled;
        ~Quiet()
        {
            --depth;
            if (owner && wasEnabled) ::EnableWindow(owner, TRUE);
        }
    } quiet{++m_quietDepth, owner, owner && ::IsWindowEnabled(owner) != FALSE};
    if (quiet.wasEnabled) ::EnableWindow(owner, FALSE);
    HWND focus = WindowManager::Get().Focus();
    ::ShowWindow(dialog, SW_SHOW);
    WindowManager::Get().Activate(dialog);
    if (focus && ::IsWindow(focus) && WindowManager::Get().Root(focus) == dialog) DialogManager::FocusControl(focus);
    auto* result = reinterpret_cast<int*>(::GetWindowLongPtr(dialog, DWLP_USER));
    RunUntil([&] { return !::IsWindow(dialog) || *result != 0; });
    int answer = *result;
    if (::IsWindow(dialog)) ::DestroyWindow(dialog);
    if (owner && ::IsWindow(owner)) WindowManager::Get().Activate(owner);
    return answer;
}

int Desktop::showMessageBox(const MessageBoxRecord& box)
{
    int result = 0;
    HWND owner = box.owner && ::IsWindow(box.owner) ? WindowManager::Get().Root(box.owner) : WindowManager::Get().Active();
    HWND dialog = MessageBoxWindow::Create(box, &result);
    if (!dialog) return 0;
    DialogManager::FocusControl(::GetDlgItem(dialog, MessageBoxWindow::DefaultButton(box.flags)));
    if (box.flags & MB_ICONHAND) ::MessageBeep(box.flags & MB_ICONMASK);
    int answer = runDialog(dialog, owner);
    if (answer) {
        AutomationStep step;
        step.action = AutomationStep::Action::Answer;
        step.window = box.caption;
        step.value = answer;
        record(step);
    }
    const std::vector<int> buttons = MessageBoxButtons(box.flags);
    return answer ? answer : (std::find(buttons.begin(), buttons.end(), IDCANCEL) != buttons.end() ? IDCANCEL : buttons.back());
}

// --- the file dialog ------------------------------------------------------------------------------------

namespace {

struct FileDialogState {
    FileDialogRecord* record = nullptr;
    std::filesystem::path folder;
    std::vector<std::pair<CString, CString>> filters; // description, patterns ("*.ptn;*.txt")
    std::vector<std::string> entries;                 // shown rows: "[..]", "[name]" folders, files
    int result = 0;
};

bool matches(const std::string& name, const CString& patterns)
{
    std::string all = patterns.str();
    for (size_t start = 0; start <= all.size();) {
        size_t end = all.find(';', start);
        std::string p = all.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (p == "*.*" || p == "*") return true;
        if (p.rfind("*.", 0) == 0) {
            std::string ext = p.substr(1);
            if (name.size() >= ext.size() &&
                std::equal(ext.rbegin(), ext.rend(), name.rbegin(), [](char a, char b) { return std::tolower(a) == std::tolower(b); }))
                return true;
        } else if (p == name) {
            return true;
        }
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return false;
}

void fill(HWND dialog, FileDialogState& s)
{
    namespace fs = std::filesystem;
    setItemText(dialog, kFolder, CString::FromUtf8(s.folder.string()));
    HWND list = ::GetDlgItem(dialog, kFiles);
    ::SendMessage(list, LVM_DELETEALLITEMS, 0, 0);
    s.entries.clear();
    int type = static_cast<int>(sendItem(dialog, kType, CB_GETCURSEL, 0, 0));
    CString patterns = type >= 0 && type < static_cast<int>(s.filters.size()) ? s.filters[static_cast<size_t>(type)].second : CString("*.*");
    std::vector<std::string> folders, files;
    std::error_code error;
    for (const auto& e : fs::directory_iterator(s.folder, error)) {
        std::string name = e.path().filename().string();
        if (e.is_directory(error)) folders.push_back("[" + name + "]");
        else if (matches(name, patterns)) files.push_back(name);
    }
    std::sort(folders.begin(), folders.end());
    std::sort(files.begin(), files.end());
    if (s.folder.has_parent_path() && s.folder != s.folder.root_path()) s.entries.push_back("[..]");
    s.entries.insert(s.entries.end(), folders.begin(), folders.end());
    s.entries.insert(s.entries.end(), files.begin(), files.end());
    for (size_t i = 0; i < s.entries.size(); ++i) {
        CString text = CString::FromUtf8(s.entries[i]);
        LVITEM it;
        it.mask = LVIF_TEXT;
        it.iItem = static_cast<int>(i);
        it.pszText = const_cast<LPTSTR>(text.GetString());
        ::SendMessage(list, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&it));
    }
}

// Opens a folder row; true when the row was one.
bool openRow(HWND dialog, FileDialogState& s, int row)
{
    if (row < 0 || row >= static_cast<int>(s.entries.size())) return false;
    const std::string& e = s.entries[static_cast<size_t>(row)];
    if (e.front() != '[') return false;
    s.folder = e == "[..]" ? s.folder.parent_path() : s.folder / e.substr(1, e.size() - 2);
    fill(dialog, s);
    return true;
}

void accept(HWND dialog, FileDialogState& s)
{
    namespace fs = std::filesystem;
    char buffer[1024] = {};
    ::GetWindowText(::GetDlgItem(dialog, kName), buffer, sizeof buffer);
    CString name(buffer);
    if (name.IsEmpty()) return;
    fs::path path = s.folder / fs::path(name.ToUtf8());
    std::error_code error;
    if (fs::is_directory(path, error)) {
        s.folder = fs::absolute(path, error).lexically_normal();
        setItemText(dialog, kName, CString());
        fill(dialog, s);
        return;
    }
    FileDialogRecord& r = *s.record;
    if (!r.defaultExtension.IsEmpty() && !path.has_extension()) path += "." + r.defaultExtension.str();
    bool exists = fs::exists(path, error);
    if (r.open && !exists && (r.flags & OFN_FILEMUSTEXIST)) {
        ::MessageBox(dialog, CString::FromUtf8(path.filename().string() + "\nFile not found.\nCheck the file name and try again."), r.title.IsEmpty() ? "Open" : r.title, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!r.open && exists && (r.flags & OFN_OVERWRITEPROMPT)) {
        if (::MessageBox(dialog, CString::FromUtf8(path.filename().string() + " already exists.\nDo you want to replace it?"),
                         r.title.IsEmpty() ? "Save As" : r.title, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
            return;
    }
    r.path = CString::FromUtf8(path.string());
    s.result = IDOK;
}

INT_PTR CALLBACK fileProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* s = reinterpret_cast<FileDialogState*>(::GetWindowLongPtr(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        s = reinterpret_cast<FileDialogState*>(lParam);
        ::SetWindowLongPtr(dialog, DWLP_USER, lParam);
        HWND list = ::GetDlgItem(dialog, kFiles);
        LVCOLUMN column;
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 300;
        column.pszText = const_cast<LPTSTR>("Name");
        ::SendMessage(list, LVM_INSERTCOLUMN, 0, reinterpret_cast<LPARAM>(&column));
        for (const auto& f : s->filters) sendItem(dialog, kType, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(f.first.GetString()));
        sendItem(dialog, kType, CB_SETCURSEL, 0, 0);
        setItemText(dialog, kName, s->record->initialName);
        fill(dialog, *s);
        return TRUE;
    }
    case WM_COMMAND:
        if (!s) return FALSE;
        if (LOWORD(wParam) == kType && HIWORD(wParam) == CBN_SELCHANGE) fill(dialog, *s);
        if (HIWORD(wParam) != BN_CLICKED) return FALSE;
        if (LOWORD(wParam) == IDCANCEL) s->result = IDCANCEL;
        if (LOWORD(wParam) == IDOK) accept(dialog, *s);
        return TRUE;
    case WM_NOTIFY: {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        if (!s || !hdr || hdr->idFrom != static_cast<UINT_PTR>(kFiles)) return FALSE;
        int row = static_cast<int>(::SendMessage(hdr->hwndFrom, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
        if (hdr->code == NM_DBLCLK) {
            if (!openRow(dialog, *s, row)) accept(dialog, *s);
        } else if (hdr->code == LVN_ITEMCHANGED && row >= 0 && row < static_cast<int>(s->entries.size()) &&
                   s->entries[static_cast<size_t>(row)].front() != '[') {
            setItemText(dialog, kName, CString::FromUtf8(s->entries[static_cast<size_t>(row)]));
        }
        return TRUE;
    }
    default: return FALSE;
    }
}

} // namespace

bool Desktop::showFileDialog(FileDialogRecord& record)
{
    namespace fs = std::filesystem;
    FileDialogState s;
    s.record = &record;
    std::error_code error;
    s.folder = fs::absolute(record.initialFolder.IsEmpty() ? fs::current_path(error) : fs::path(record.initialFolder.ToUtf8()), error).lexically_normal();
    std::string filter = record.filter.str();
    for (size_t at = 0; at < filter.size();) {
        size_t bar = filter.find('|', at);
        if (bar == std::string::npos || bar == at) break;
        size_t end = filter.find('|', bar + 1);
        std::string patterns = filter.substr(bar + 1, end == std::string::npos ? std::string::npos : end - bar - 1);
        s.filters.emplace_back(CString(filter.substr(at, bar - at).c_str()), CString(patterns.c_str()));
        if (end == std::string::npos) break;
        at = end + 1;
    }
    if (s.filters.empty()) s.filters.emplace_back("All files (*.*)", "*.*");

    DialogTemplate t;
    t.caption = record.title.IsEmpty() ? CString(record.open ? "Open" : "Save As") : record.title;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    t.cx = 260;
    t.cy = 190;
    t.items = {item(0, "Static", "Look &in:", SS_LEFT, 7, 9, 40, 8),
               item(kFolder, "Static", "", SS_LEFT | SS_NOPREFIX, 50, 9, 203, 8),
               item(kFiles, WC_LISTVIEW, "", LVS_REPORT | LVS_SINGLESEL | WS_BORDER | WS_TABSTOP, 7, 22, 246, 110),
               item(0, "Static", "File &name:", SS_LEFT, 7, 140, 50, 8),
               item(kName, "Edit", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 60, 138, 135, 12),
               item(0, "Static", "Files of &type:", SS_LEFT, 7, 158, 50, 8),
               item(kType, "ComboBox", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 60, 156, 135, 80),
               item(IDOK, "Button", record.open ? "&Open" : "&Save", BS_DEFPUSHBUTTON | WS_TABSTOP, 203, 137, 50, 14),
               item(IDCANCEL, "Button", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 203, 155, 50, 14)};
    HWND owner = record.owner && ::IsWindow(record.owner) ? WindowManager::Get().Root(record.owner) : WindowManager::Get().Active();
    HWND dialog = ::CreateDialogIndirectParam(nullptr, &t, nullptr, fileProc, reinterpret_cast<LPARAM>(&s));
    if (!dialog) return false;
    DialogManager::FocusControl(::GetDlgItem(dialog, kName));
    int answer = 0;
    {
        // The dialog's procedure keeps its state; the loop watches the state's result.
        ++m_quietDepth;
        HWND ownerTop = owner;
        bool wasEnabled = ownerTop && ::IsWindowEnabled(ownerTop);
        if (wasEnabled) ::EnableWindow(ownerTop, FALSE);
        ::ShowWindow(dialog, SW_SHOW);
        WindowManager::Get().Activate(dialog);
        DialogManager::FocusControl(::GetDlgItem(dialog, kName));
        RunUntil([&] { return !::IsWindow(dialog) || s.result != 0; });
        answer = s.result;
        if (::IsWindow(dialog)) ::DestroyWindow(dialog);
        if (wasEnabled && ::IsWindow(ownerTop)) ::EnableWindow(ownerTop, TRUE);
        if (ownerTop && ::IsWindow(ownerTop)) WindowManager::Get().Activate(ownerTop);
        --m_quietDepth;
    }
    record.ok = answer == IDOK;
    if (!record.ok) record.path.Empty();
    AutomationStep step;
    step.action = AutomationStep::Action::File;
    step.window = t.caption;
    step.value = record.ok ? 1 : 0;
    step.text = record.path;
    this->record(step);
    return true;
}
