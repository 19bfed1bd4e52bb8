#include "platform/framework/MessageBoxWindow.h"

#include <algorithm>

#include "platform/framework/DialogTemplate.h"
#include "platform/framework/gdi/PaintManager.h"

namespace {

INT_PTR CALLBACK boxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtr(dialog, DWLP_USER, lParam);
        return FALSE; // no focus of its own: the caller decides
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        int id = LOWORD(wParam);
        auto* pressed = reinterpret_cast<int*>(::GetWindowLongPtr(dialog, DWLP_USER));
        HWND button = ::GetDlgItem(dialog, id);
        if (id == IDCANCEL && !button && ::GetDlgItem(dialog, IDOK) && !::GetDlgItem(dialog, IDNO)) {
            id = IDOK;
            button = ::GetDlgItem(dialog, IDOK);
        }
        if (button && pressed) *pressed = id; // Escape in a box without Cancel does nothing
        return TRUE;
    }
    return FALSE;
}

const char* buttonText(int id)
{
    switch (id) {
    case IDCANCEL: return "Cancel";
    case IDABORT: return "&Abort";
    case IDRETRY: return "&Retry";
    case IDIGNORE: return "&Ignore";
    case IDYES: return "&Yes";
    case IDNO: return "&No";
    default: return "OK";
    }
}

LPCTSTR iconOf(UINT flags)
{
    switch (flags & MB_ICONMASK) {
    case MB_ICONHAND: return IDI_HAND;
    case MB_ICONQUESTION: return IDI_QUESTION;
    case MB_ICONEXCLAMATION: return IDI_EXCLAMATION;
    case MB_ICONASTERISK: return IDI_ASTERISK;
    default: return nullptr;
    }
}

int defaultIndex(UINT flags, size_t buttons)
{
    int index = (flags & MB_DEFBUTTON3) ? 2 : (flags & MB_DEFBUTTON2) ? 1 : 0;
    return std::min(index, static_cast<int>(buttons) - 1);
}

} // namespace

int MessageBoxWindow::DefaultButton(UINT flags)
{
    const std::vector<int> buttons = MessageBoxButtons(flags);
    return buttons[static_cast<size_t>(defaultIndex(flags, buttons.size()))];
}

HWND MessageBoxWindow::Create(const MessageBoxRecord& box, int* pressed)
{
    // Lines of at most ~60 characters, in dialog units of the 8-point font.
    int longest = 0, lines = 0, run = 0;
    for (const char* p = box.text.GetString();; ++p) {
        if (*p == '\n' || !*p) {
            lines += 1 + run / 60;
            longest = std::max(longest, std::min(run, 60));
            run = 0;
            if (!*p) break;
        } else if (*p != '\r') {
            ++run;
        }
    }
    const LPCTSTR icon = iconOf(box.flags);
    const std::vector<int> buttons = MessageBoxButtons(box.flags);
    const short textX = icon ? 40 : 10;
    const auto buttonsWidth = static_cast<short>(buttons.size() * 56 - 6);
    const auto width = static_cast<short>(std::max<int>(textX + longest * 4 + 12, buttonsWidth + 20));
    const auto textHeight = static_cast<short>(std::max(lines * 8, icon ? 20 : 8));
    const DWORD visible = WS_CHILD | WS_VISIBLE;
    DialogTemplate t;
    t.caption = box.caption;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    t.cx = width;
    t.cy = static_cast<short>(textHeight + 40);
    if (icon) t.items.push_back(DialogItem{kIconId, "Static", "", visible | SS_ICON, 0, 10, 8, 20, 20});
    t.items.push_back(DialogItem{kTextId, "Static", box.text, visible | SS_LEFT | SS_NOPREFIX, 0, textX, 10,
                                 static_cast<short>(width - textX - 8), textHeight});
    const int defaultAt = defaultIndex(box.flags, buttons.size());
    auto x = static_cast<short>((width - buttonsWidth) / 2);
    for (size_t i = 0; i < buttons.size(); ++i, x += 56) {
        DWORD style = visible | WS_TABSTOP | (static_cast<int>(i) == defaultAt ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                      (i == 0 ? WS_GROUP : 0);
        t.items.push_back(DialogItem{buttons[i], "Button", buttonText(buttons[i]), style, 0, x,
                                     static_cast<short>(textHeight + 20), 50, 14});
    }
    HWND dialog = ::CreateDialogIndirectParam(nullptr, &t, nullptr, boxProc, reinterpret_cast<LPARAM>(pressed));
    if (!dialog) return nullptr;
    if (icon) ::SendDlgItemMessage(dialog, kIconId, STM_SETICON, reinterpret_cast<WPARAM>(::LoadIcon(nullptr, icon)), 0);
    ::SendMessage(dialog, DM_SETDEFID, static_cast<WPARAM>(buttons[static_cast<size_t>(defaultAt)]), 0);
    return dialog;
}

Surface MessageBoxWindow::Render(const MessageBoxRecord& box)
{
    HWND window = Create(box);
    if (!window) return Surface();
    Surface image = PaintManager::Get().Render(window);
    ::DestroyWindow(window);
    return image;
}
