#include "platform/framework/Automation.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/framework/CDialog.h"
#include "platform/framework/CMenu.h"
#include "platform/framework/ComboBoxControl.h"
#include "platform/framework/CommCtrl.h"
#include "platform/framework/ListViewControl.h"
#include "platform/framework/TabControl.h"
#include "platform/framework/TrackbarControl.h"
#include "platform/framework/MenuManager.h"
#include "platform/framework/MessageLoop.h"
#include "platform/framework/ProgressControl.h"
#include "platform/framework/ToolTipControl.h"
#include "platform/framework/VirtualClock.h"
#include "platform/framework/WindowManager.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/PaintManager.h"
#include "platform/framework/gdi/PngFile.h"

namespace {

WindowManager& wm()
{
    return WindowManager::Get();
}

const char* answerName(int answer)
{
    switch (answer) {
    case IDOK: return "IDOK";
    case IDCANCEL: return "IDCANCEL";
    case IDABORT: return "IDABORT";
    case IDRETRY: return "IDRETRY";
    case IDIGNORE: return "IDIGNORE";
    case IDYES: return "IDYES";
    case IDNO: return "IDNO";
    default: return "an unknown answer";
    }
}

// The key that types a character on a US keyboard, with Shift or not; 0 when there is none.
UINT keyFor(unsigned char ch, bool& shift)
{
    shift = false;
    if (ch >= 'a' && ch <= 'z') return ch - 'a' + 'A';
    if (ch >= 'A' && ch <= 'Z') {
        shift = true;
        return ch;
    }
    if (ch >= '0' && ch <= '9') return ch;
    switch (ch) {
    case ' ': return VK_SPACE;
    case '.': return VK_OEM_PERIOD;
    case ',': return VK_OEM_COMMA;
    case '-': return VK_OEM_MINUS;
    case '=': return VK_OEM_PLUS;
    case '+':
        shift = true;
        return VK_OEM_PLUS;
    case '\b': return VK_BACK;
    case '\r': return VK_RETURN;
    default: return 0;
    }
}

struct DepthCounter {
    int& depth;
    explicit DepthCounter(int& d) : depth(d) { ++depth; }
    ~DepthCounter() { --depth; }
};

} // namespace

Automation& Automation::Get()
{
    // Never destroyed: windows and registrars may outlive any other static object.
    static Automation* automation = new Automation;
    return *automation;
}

void Automation::Reset()
{
    m_resetting = true;
    try {
        wm().Reset();
    } catch (...) {
        // Tearing down must finish whatever a handler does.
    }
    VirtualClock::Get().Reset();
    MenuManager::Get().Reset();
    PaintManager::Get().SetDefaultScale(1);
    CMenu::DeleteTempMap();
    m_resetting = false;
    m_answers.clear();
    m_modals.clear();
    m_boxResponder = nullptr;
    m_modalResponder = nullptr;
    m_boxes.clear();
    m_fileChoices.clear();
    m_fileResponder = nullptr;
    m_fileDialogs.clear();
    ::Diagnostics::Clear();
    m_held = nullptr;
    m_beeps = 0;
    m_modalDepth = 0;
}

// --- time ---------------------------------------------------------------------------------------------

ULONGLONG Automation::Now() const
{
    return VirtualClock::Get().Now();
}

void Automation::Advance(ULONGLONG ms)
{
    VirtualClock::Get().Advance(ms);
}

void Automation::Pump()
{
    MessageLoop::Pump();
}

// --- finding windows ----------------------------------------------------------------------------------

CString Automation::describe(HWND hwnd) const
{
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec) return "a window that no longer exists";
    CString s;
    s.Format("%s \"%s\"", rec->windowClass ? rec->windowClass->name.GetString() : "window", rec->text.GetString());
    if (rec->IsChild()) s.AppendFormat(" (id %d)", static_cast<int>(rec->id));
    return s;
}

HWND Automation::window(HWND hwnd, const char* action) const
{
    if (!wm().Find(hwnd)) {
        throw AutomationError(std::string(action) + ": the window does not exist (destroyed, or never made)");
    }
    return hwnd;
}

HWND Automation::findIn(HWND root, int id) const
{
    for (HWND c : wm().Children(root)) {
        WindowRecord* rec = wm().Find(c);
        if (rec && rec->IsChild() && static_cast<int>(rec->id) == id) return c;
    }
    for (HWND c : wm().Children(root)) {
        if (HWND found = findIn(c, id)) return found;
    }
    return nullptr;
}

HWND Automation::TryFind(HWND root, int id) const
{
    if (!wm().Find(root)) return nullptr;
    return findIn(root, id);
}

HWND Automation::Find(HWND root, int id) const
{
    window(root, "finding a control");
    HWND found = findIn(root, id);
    if (!found) {
        CString what;
        what.Format("%s has no control with id %d", describe(root).GetString(), id);
        throw AutomationError(what.str());
    }
    return found;
}

HWND Automation::FindByText(HWND root, LPCTSTR text) const
{
    CString wanted(text);
    for (HWND c : wm().Children(root)) {
        WindowRecord* rec = wm().Find(c);
        if (rec && rec->text == wanted) return c;
        if (HWND found = FindByText(c, text)) return found;
    }
    return nullptr;
}

HWND Automation::FindTopLevel(LPCTSTR caption) const
{
    CString wanted(caption);
    for (HWND t : wm().TopLevelWindows()) {
        WindowRecord* rec = wm().Find(t);
        if (rec && rec->text == wanted) return t;
    }
    return nullptr;
}

HWND Automation::ActiveWindow() const
{
    return wm().Active();
}

HWND Automation::FocusWindow() const
{
    return wm().Focus();
}

std::vector<HWND> Automation::TopLevelWindows() const
{
    return wm().TopLevelWindows();
}

std::vector<HWND> Automation::Children(HWND parent) const
{
    return wm().Children(parent);
}

// --- operator input -----------------------------------------------------------------------------------

bool Automation::canTakeInput(HWND hwnd) const
{
    return wm().IsEffectivelyVisible(hwnd) && wm().IsEffectivelyEnabled(hwnd);
}

bool Automation::reachable(HWND hwnd) const
{
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec) return false;
    if (rec->IsChild() && ::IsIconic(wm().Root(hwnd))) return false; // inside an icon
    CPoint centre = rec->rect.CenterPoint();
    while (rec && rec->IsChild()) {
        if (!wm().ClientRectOnScreen(rec->parent).PtInRect(centre)) return false;
        rec = wm().Find(rec->parent);
    }
    return true;
}

void Automation::postAndPump(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    wm().PostInput(hwnd, message, wParam, lParam);
    MessageLoop::Pump();
}

bool Automation::Click(HWND control)
{
    window(control, "click");
    if (!canTakeInput(control) || !reachable(control)) return false;
    HWND root = wm().Root(control);
    if (root && root != wm().Active()) wm().Activate(root);
    if (!wm().Find(control) || !canTakeInput(control)) return false;
    CRect client = wm().ClientRect(control);
    LPARAM point = MAKELPARAM(static_cast<WORD>(client.Width() / 2), static_cast<WORD>(client.Height() / 2));
    wm().SetKeyDown(0x01, true); // VK_LBUTTON
    postAndPump(control, WM_LBUTTONDOWN, MK_LBUTTON, point);
    wm().SetKeyDown(0x01, false);
    HWND target = wm().Capture() ? wm().Capture() : control;
    if (wm().Find(target)) {
        POINT p{client.Width() / 2, client.Height() / 2};
        ::MapWindowPoints(control, target, &p, 1);
        postAndPump(target, WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
    }
    return true;
}

bool Automation::Hold(HWND control)
{
    window(control, "hold");
    if (!canTakeInput(control) || !reachable(control)) return false;
    HWND root = wm().Root(control);
    if (root && root != wm().Active()) wm().Activate(root);
    CRect client = wm().ClientRect(control);
    wm().SetKeyDown(0x01, true);
    postAndPump(control, WM_LBUTTONDOWN, MK_LBUTTON,
                MAKELPARAM(static_cast<WORD>(client.Width() / 2), static_cast<WORD>(client.Height() / 2)));
    m_held = control;
    return true;
}

bool Automation::Release(HWND control)
{
    window(control, "release");
    if (m_held != control) return false;
    m_held = nullptr;
    wm().SetKeyDown(0x01, false);
    CRect client = wm().ClientRect(control);
    HWND target = wm().Capture() ? wm().Capture() : control;
    POINT p{client.Width() / 2, client.Height() / 2};
    ::MapWindowPoints(control, target, &p, 1);
    postAndPump(target, WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
    return true;
}

bool Automation::SetChecked(HWND control, bool checked)
{
    window(control, "check");
    for (int i = 0; i < 3; ++i) {
        if ((CheckState(control) == BST_CHECKED) == checked) return true;
        if (!Click(control)) return false;
        if (!wm().Find(control)) return false;
    }
    return (CheckState(control) == BST_CHECKED) == checked;
}

bool Automation::PressKey(UINT vk, UINT modifiers)
{
    HWND target = wm().Focus() ? wm().Focus() : wm().Active();
    if (!target) throw AutomationError("a key was pressed, but no window is active to receive it");
    return PressKeyTo(target, vk, modifiers);
}

bool Automation::PressKeyTo(HWND target, UINT vk, UINT modifiers)
{
    window(target, "key press");
    if (!wm().IsEffectivelyEnabled(target)) return false;
    struct Modifiers {
        UINT mods;
        explicit Modifiers(UINT m) : mods(m)
        {
            wm().SetKeyDown(VK_SHIFT, (mods & Shift) != 0);
            wm().SetKeyDown(VK_CONTROL, (mods & Control) != 0);
            wm().SetKeyDown(VK_MENU, (mods & Alt) != 0);
        }
        ~Modifiers()
        {
            wm().SetKeyDown(VK_SHIFT, false);
            wm().SetKeyDown(VK_CONTROL, false);
            wm().SetKeyDown(VK_MENU, false);
        }
    } held(modifiers);
    const bool system = (modifiers & Alt) && !(modifiers & Control);
    const LPARAM context = system ? 0x20000000 : 0; // the Alt key is down
    wm().SetKeyDown(static_cast<int>(vk), true);
    postAndPump(target, system ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, 1 | context);
    wm().SetKeyDown(static_cast<int>(vk), false);
    // The release goes to whoever has the focus now (Tab may have moved it).
    HWND up = wm().Focus() ? wm().Focus() : (wm().Find(target) ? target : wm().Active());
    if (up) postAndPump(up, system ? WM_SYSKEYUP : WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001u) | context);
    return true;
}

bool Automation::typeCharacter(HWND edit, unsigned char ch)
{
    bool shift = false;
    UINT vk = keyFor(ch, shift);
    HWND target = wm().Focus() ? wm().Focus() : edit;
    if (vk) return PressKeyTo(target, vk, shift ? Shift : None);
    postAndPump(target, WM_CHAR, ch, 1);
    return true;
}

bool Automation::Type(HWND edit, LPCTSTR text)
{
    window(edit, "typing");
    if (!canTakeInput(edit)) return false;
    if (wm().Focus() != edit && !Click(edit)) return false;
    if (wm().Focus() == edit) {
        int length = ::GetWindowTextLength(edit);
        ::SendMessage(edit, EM_SETSEL, static_cast<WPARAM>(length), length);
    }
    for (const char* p = text ? text : ""; *p; ++p) {
        if (!wm().Find(edit)) return false;
        typeCharacter(edit, static_cast<unsigned char>(*p));
    }
    return true;
}

bool Automation::TypeKeys(LPCTSTR text)
{
    for (const char* p = text ? text : ""; *p; ++p) {
        HWND target = wm().Focus() ? wm().Focus() : wm().Active();
        if (!target) throw AutomationError("text was typed, but no window is active to receive it");
        if (!wm().IsEffectivelyEnabled(target)) return false;
        typeCharacter(target, static_cast<unsigned char>(*p));
    }
    return true;
}

bool Automation::ReplaceText(HWND edit, LPCTSTR text)
{
    window(edit, "typing");
    if (!canTakeInput(edit)) return false;
    if (wm().Focus() != edit && !Click(edit)) return false;
    ::SendMessage(edit, EM_SETSEL, 0, -1);
    if (!text || !*text) return PressKeyTo(wm().Focus() ? wm().Focus() : edit, VK_DELETE);
    for (const char* p = text; *p; ++p) {
        if (!wm().Find(edit)) return false;
        typeCharacter(edit, static_cast<unsigned char>(*p));
    }
    return true;
}

bool Automation::CloseBoxEnabled(HWND hwnd) const
{
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec || rec->IsChild()) return false;
    if ((rec->style & WS_CAPTION) != WS_CAPTION || !(rec->style & WS_SYSMENU)) return false;
    if (!rec->systemMenu) return true; // the default system menu has an enabled Close
    UINT state = MenuManager::Get().State(rec->systemMenu, SC_CLOSE, MF_BYCOMMAND);
    return state != 0xFFFFFFFF && !(state & (MF_GRAYED | MF_DISABLED));
}

bool Automation::PressCloseBox(HWND hwnd)
{
    window(hwnd, "close box");
    if (!canTakeInput(hwnd) || !CloseBoxEnabled(hwnd)) return false;
    if (hwnd != wm().Active()) wm().Activate(hwnd);
    CRect r = wm().Find(hwnd)->rect;
    ::SendMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, MAKELPARAM(static_cast<WORD>(r.right - 10), static_cast<WORD>(r.top + 10)));
    MessageLoop::Pump();
    return true;
}

bool Automation::PressMinimizeBox(HWND hwnd)
{
    window(hwnd, "minimise box");
    if (!canTakeInput(hwnd) || !(Style(hwnd) & WS_MINIMIZEBOX) || IsIconic(hwnd)) return false;
    ::SendMessage(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    MessageLoop::Pump();
    return true;
}

bool Automation::ClickIcon(HWND hwnd)
{
    window(hwnd, "click on an icon");
    if (!canTakeInput(hwnd) || !IsIconic(hwnd)) return false;
    ::SendMessage(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    MessageLoop::Pump();
    return true;
}

// --- message boxes ------------------------------------------------------------------------------------

void Automation::AnswerMessageBox(int answer, LPCTSTR expectedText)
{
    m_answers.push_back(Answer{answer, CString(expectedText)});
}

void Automation::SetMessageBoxResponder(MessageBoxResponder responder)
{
    m_boxResponder = std::move(responder);
}

CString Automation::DescribeFlags(UINT type)
{
    static const char* const kinds[] = {"MB_OK", "MB_OKCANCEL", "MB_ABORTRETRYIGNORE", "MB_YESNOCANCEL", "MB_YESNO",
                                        "MB_RETRYCANCEL"};
    CString s = (type & MB_TYPEMASK) < 6 ? kinds[type & MB_TYPEMASK] : "MB_?";
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND: s += " | MB_ICONERROR"; break;
    case MB_ICONQUESTION: s += " | MB_ICONQUESTION"; break;
    case MB_ICONEXCLAMATION: s += " | MB_ICONEXCLAMATION"; break;
    case MB_ICONASTERISK: s += " | MB_ICONINFORMATION"; break;
    default: break;
    }
    if (type & MB_DEFBUTTON2) s += " | MB_DEFBUTTON2";
    if (type & MB_DEFBUTTON3) s += " | MB_DEFBUTTON3";
    return s;
}

int Automation::ShowMessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type)
{
    MessageBoxRecord box;
    box.owner = owner;
    box.text = text;
    box.caption = caption;
    box.flags = type;
    std::vector<int> buttons = MessageBoxButtons(type);
    auto shown = [&]() {
        CString s;
        s.Format("message box \"%s\" (caption \"%s\", %s)", box.text.GetString(), box.caption.GetString(),
                 DescribeFlags(type).GetString());
        return s;
    };
    auto refuse = [&](const CString& why) -> int {
        m_boxes.push_back(box);
        throw AutomationError((shown() + ": " + why).str());
    };
    auto valid = [&](int answer) { return std::find(buttons.begin(), buttons.end(), answer) != buttons.end(); };

    if (m_resetting) {
        // Closing everything down: take the way out the box offers.
        box.answer = valid(IDCANCEL) ? IDCANCEL : valid(IDNO) ? IDNO : buttons.front();
        m_boxes.push_back(box);
        return box.answer;
    }
    if (!m_answers.empty()) {
        Answer a = m_answers.front();
        m_answers.pop_front();
        if (!a.expected.IsEmpty() && box.text.Find(a.expected) < 0) {
            refuse("the next scripted answer was meant for a box saying \"" + a.expected + "\"");
        }
        if (!valid(a.answer)) refuse(CString("the scripted answer ") + answerName(a.answer) + " is not one of its buttons");
        box.answer = a.answer;
        box.scripted = true;
        m_boxes.push_back(box);
        return box.answer;
    }
    if (m_boxResponder) {
        int answer = m_boxResponder(box);
        if (answer != 0) {
            if (!valid(answer)) refuse(CString("the responder answered ") + answerName(answer) + ", which is not one of its buttons");
            box.answer = answer;
            m_boxes.push_back(box);
            return answer;
        }
    }
    return refuse("nobody scripted an answer");
}

void Automation::Beep(UINT)
{
    ++m_beeps;
}

// --- modal runs ---------------------------------------------------------------------------------------

void Automation::OnNextModal(ModalScript script, LPCTSTR expectedCaption)
{
    m_modals.push_back(Modal{std::move(script), CString(expectedCaption)});
}

void Automation::SetModalResponder(ModalResponder responder)
{
    m_modalResponder = std::move(responder);
}

void Automation::RunModal(CWnd& dialog)
{
    if (!dialog.ContinueModal()) return;
    MessageLoop::Pump();
    if (!dialog.ContinueModal()) return;
    CString caption;
    if (::IsWindow(dialog.m_hWnd)) dialog.GetWindowText(caption);
    CString what = "modal dialog \"" + caption + "\"";
    if (auto* d = dynamic_cast<CDialog*>(&dialog)) what += " (template " + d->TemplateId().Describe() + ")";
    if (m_resetting) {
        dialog.EndModalLoop(IDCANCEL);
        return;
    }

    DepthCounter depth(m_modalDepth);
    if (!m_modals.empty()) {
        Modal modal = std::move(m_modals.front());
        m_modals.pop_front();
        if (!modal.expected.IsEmpty() && caption.Find(modal.expected) < 0) {
            throw AutomationError((what + ": the next scripted modal run was meant for a dialog captioned \"" +
                                   modal.expected + "\"").str());
        }
        if (modal.script) modal.script(dialog, *this);
    } else if (!m_modalResponder || !m_modalResponder(dialog, *this)) {
        throw AutomationError((what + " opened, but nobody scripted what the operator does in it").str());
    }
    MessageLoop::Pump();
    if (dialog.ContinueModal()) {
        throw AutomationError((what + ": the operator's script returned while the dialog was still open; "
                                      "it must end the dialog (for example by clicking OK or Cancel)").str());
    }
}

// --- file dialogs -------------------------------------------------------------------------------------

void Automation::ChooseFile(LPCTSTR path)
{
    m_fileChoices.push_back(FileChoice{true, CString(path)});
}

void Automation::CancelFileDialog()
{
    m_fileChoices.push_back(FileChoice{false, CString()});
}

void Automation::SetFileDialogResponder(FileDialogResponder responder)
{
    m_fileResponder = std::move(responder);
}

namespace {

// What the dialog hands back for a name the operator chose: a full path, the default extension
// added to a name without one.
CString fullPathOf(const CString& chosen, const FileDialogRecord& dialog)
{
    namespace fs = std::filesystem;
    fs::path path(chosen.str());
    if (!dialog.defaultExtension.IsEmpty() && !path.has_extension()) path += "." + dialog.defaultExtension.str();
    if (path.is_relative() && !dialog.initialFolder.IsEmpty()) path = fs::path(dialog.initialFolder.str()) / path;
    std::error_code error;
    fs::path full = fs::absolute(path, error);
    return CString((error ? path : full).lexically_normal().string().c_str());
}

} // namespace

bool Automation::ShowFileDialog(FileDialogRecord& dialog)
{
    dialog.ok = false;
    dialog.path.Empty();
    dialog.scripted = false;
    auto refuse = [&](const CString& why) -> bool {
        dialog.ok = false;
        dialog.path.Empty();
        m_fileDialogs.push_back(dialog);
        CString what;
        what.Format("%s file dialog (filter \"%s\", initial folder \"%s\", name \"%s\"): %s",
                    dialog.open ? "Open" : "Save As", dialog.filter.GetString(), dialog.initialFolder.GetString(),
                    dialog.initialName.GetString(), why.GetString());
        throw AutomationError(what.str());
    };

    if (m_resetting) {
        m_fileDialogs.push_back(dialog);
        return false;
    }
    bool answered = false;
    if (!m_fileChoices.empty()) {
        FileChoice choice = m_fileChoices.front();
        m_fileChoices.pop_front();
        dialog.ok = choice.ok;
        dialog.path = choice.path;
        dialog.scripted = true;
        answered = true;
    } else if (m_fileResponder) {
        answered = m_fileResponder(dialog);
    }
    if (!answered) return refuse("nobody scripted what the operator chooses");
    if (dialog.ok && dialog.path.IsEmpty()) return refuse("the operator chose an empty file name");
    dialog.path = dialog.ok ? fullPathOf(dialog.path, dialog) : CString();
    m_fileDialogs.push_back(dialog);
    return dialog.ok;
}

// --- inspection ---------------------------------------------------------------------------------------

CString Automation::Text(HWND hwnd) const
{
    window(hwnd, "reading text");
    CString text;
    CWnd::FromHandle(hwnd)->GetWindowText(text);
    return text;
}

bool Automation::IsEnabled(HWND hwnd) const
{
    return wm().Find(window(hwnd, "reading state"))->IsEnabled();
}

bool Automation::IsVisible(HWND hwnd) const
{
    return wm().IsEffectivelyVisible(window(hwnd, "reading state"));
}

bool Automation::IsOnScreen(HWND hwnd) const
{
    if (!IsVisible(hwnd)) return false;
    WindowRecord* rec = wm().Find(hwnd);
    CRect shown = rec->rect;
    while (rec && rec->IsChild()) {
        CRect parent = wm().ClientRectOnScreen(rec->parent);
        if (!shown.IntersectRect(&shown, &parent)) return false;
        rec = wm().Find(rec->parent);
    }
    return true;
}

int Automation::CheckState(HWND hwnd) const
{
    return static_cast<int>(::SendMessage(window(hwnd, "reading state"), BM_GETCHECK, 0, 0));
}

bool Automation::IsPressed(HWND hwnd) const
{
    return (::SendMessage(window(hwnd, "reading state"), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

CRect Automation::WindowRect(HWND hwnd) const
{
    return wm().Find(window(hwnd, "reading geometry"))->rect;
}

CRect Automation::ClientRect(HWND hwnd) const
{
    return wm().ClientRect(window(hwnd, "reading geometry"));
}

DWORD Automation::Style(HWND hwnd) const
{
    return wm().Find(window(hwnd, "reading state"))->style;
}

DWORD Automation::ExStyle(HWND hwnd) const
{
    return wm().Find(window(hwnd, "reading state"))->exStyle;
}

bool Automation::IsTopmost(HWND hwnd) const
{
    return (ExStyle(hwnd) & WS_EX_TOPMOST) != 0;
}

bool Automation::IsIconic(HWND hwnd) const
{
    return (Style(hwnd) & WS_MINIMIZE) != 0;
}

int Automation::Id(HWND hwnd) const
{
    return static_cast<int>(wm().Find(window(hwnd, "reading state"))->id);
}

CString Automation::ClassName(HWND hwnd) const
{
    WindowRecord* rec = wm().Find(window(hwnd, "reading state"));
    return rec->windowClass ? rec->windowClass->name : CString();
}

HICON Automation::Icon(HWND hwnd, bool big) const
{
    WindowRecord* rec = wm().Find(window(hwnd, "reading state"));
    return big ? rec->bigIcon : rec->smallIcon;
}

HFONT Automation::Font(HWND hwnd) const
{
    return wm().Find(window(hwnd, "reading state"))->font;
}

int Automation::ProgressPosition(HWND hwnd) const
{
    WindowRecord* rec = wm().Find(window(hwnd, "reading a progress bar"));
    if (!rec->windowClass || rec->windowClass->proc != &ProgressControl::WndProc)
        throw AutomationError(("reading a progress bar: " + describe(hwnd) + " is not one").str());
    return static_cast<int>(::SendMessage(hwnd, PBM_GETPOS, 0, 0));
}

std::pair<int, int> Automation::ProgressRange(HWND hwnd) const
{
    ProgressPosition(hwnd); // checks the window
    PBRANGE range;
    ::SendMessage(hwnd, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    return {range.iLow, range.iHigh};
}

HWND Automation::ToolTipOf(HWND tool) const
{
    return ToolTipControl::FindFor(window(tool, "finding a tooltip"));
}

bool Automation::IsToolTipActive(HWND tooltip) const
{
    if (!ToolTipControl::IsToolTip(window(tooltip, "reading a tooltip")))
        throw AutomationError(("reading a tooltip: " + describe(tooltip) + " is not one").str());
    return ToolTipControl::IsActive(tooltip);
}

CString Automation::ToolTipText(HWND tooltip, HWND toolWindow, UINT_PTR id) const
{
    IsToolTipActive(tooltip); // checks the window
    return ToolTipControl::ToolText(tooltip, toolWindow, id);
}

// --- screenshots --------------------------------------------------------------------------------------

Surface Automation::Render(HWND hwnd, int scale)
{
    HWND target = window(hwnd, "Render");
    if (scale < 1 || scale > CDC::kMaxScale)
        throw AutomationError("Render of " + describe(hwnd).str() + " at scale " + std::to_string(scale) +
                              ": the scale is one of 1 to " + std::to_string(CDC::kMaxScale));
    return PaintManager::Get().Render(target, scale);
}

void Automation::Screenshot(HWND hwnd, const CString& path, int scale)
{
    const Surface image = Render(hwnd, scale);
    std::string error;
    if (!PngFile::Write(image, path.str(), &error)) {
        throw AutomationError("Screenshot of " + describe(hwnd).str() + " to \"" + path.str() + "\": " + error);
    }
}

// --- combo boxes, list views, sliders, property sheets ------------------------------------------------

HWND Automation::control(HWND hwnd, const char* action, LPCTSTR className) const
{
    window(hwnd, action);
    if (ClassName(hwnd).CompareNoCase(className) != 0) {
        throw AutomationError(std::string(action) + ": " + describe(hwnd).str() + " is not a \"" + className + "\"");
    }
    return hwnd;
}

void Automation::pressAt(HWND hwnd, POINT p, WPARAM keys)
{
    HWND root = wm().Root(hwnd);
    if (root && root != wm().Active()) wm().Activate(root);
    if (!wm().Find(hwnd)) return;
    wm().SetKeyDown(0x01, true); // VK_LBUTTON
    postAndPump(hwnd, WM_LBUTTONDOWN, MK_LBUTTON | keys, MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
    wm().SetKeyDown(0x01, false);
}

void Automation::releaseAt(HWND hwnd, POINT p, WPARAM keys)
{
    HWND target = wm().Capture() ? wm().Capture() : hwnd;
    if (!wm().Find(target) || !wm().Find(hwnd)) return;
    ::MapWindowPoints(hwnd, target, &p, 1);
    postAndPump(target, WM_LBUTTONUP, keys, MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
}

bool Automation::ChooseComboItem(HWND combo, int index)
{
    control(combo, "choosing a combo box item", "ComboBox");
    int count = static_cast<int>(::SendMessage(combo, CB_GETCOUNT, 0, 0));
    if (index < 0 || index >= count) {
        CString what;
        what.Format("choosing item %d of %s, which has %d items", index, describe(combo).GetString(), count);
        throw AutomationError(what.str());
    }
    if (!canTakeInput(combo) || !reachable(combo)) return false;
    if (!ComboBoxControl::IsDropped(combo)) {
        CRect button = ComboBoxControl::ButtonRect(combo);
        POINT p{button.CenterPoint().x, button.CenterPoint().y};
        pressAt(combo, p, 0);
        releaseAt(combo, p, 0);
        if (!wm().Find(combo) || !ComboBoxControl::IsDropped(combo)) return false;
    }
    // Scrolling the list to the item, as the operator would with its scroll bar.
    if (ComboBoxControl::ItemRect(combo, index).IsRectEmpty()) ::SendMessage(combo, CB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
    CRect item = ComboBoxControl::ItemRect(combo, index);
    if (item.IsRectEmpty()) return false;
    POINT p{item.CenterPoint().x, item.CenterPoint().y};
    pressAt(combo, p, 0);
    releaseAt(combo, p, 0);
    return wm().Find(combo) && ::SendMessage(combo, CB_GETCURSEL, 0, 0) == index;
}

bool Automation::ChooseComboItem(HWND combo, LPCTSTR text)
{
    control(combo, "choosing a combo box item", "ComboBox");
    int index = static_cast<int>(::SendMessage(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text ? text : "")));
    if (index < 0) {
        throw AutomationError("choosing \"" + CString(text).str() + "\" in " + describe(combo).str() + ", which has no such item");
    }
    return ChooseComboItem(combo, index);
}

std::vector<CString> Automation::ComboItems(HWND combo) const
{
    control(combo, "reading a combo box", "ComboBox");
    std::vector<CString> items;
    int count = static_cast<int>(::SendMessage(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        int length = static_cast<int>(::SendMessage(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0));
        std::string buffer(static_cast<size_t>(std::max(0, length)) + 1, '\0');
        int got = static_cast<int>(::SendMessage(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer.data())));
        items.emplace_back(buffer.data(), std::max(0, got));
    }
    return items;
}

int Automation::ComboSelection(HWND combo) const
{
    control(combo, "reading a combo box", "ComboBox");
    return static_cast<int>(::SendMessage(combo, CB_GETCURSEL, 0, 0));
}

bool Automation::ComboDropped(HWND combo) const
{
    control(combo, "reading a combo box", "ComboBox");
    return ComboBoxControl::IsDropped(combo);
}

bool Automation::ClickListItem(HWND list, int item, UINT modifiers, int column)
{
    control(list, "clicking a list view item", WC_LISTVIEW);
    int count = static_cast<int>(::SendMessage(list, LVM_GETITEMCOUNT, 0, 0));
    if (item < 0 || item >= count || ListViewControl::CellRect(list, item, column).IsRectEmpty()) {
        CString what;
        what.Format("clicking item %d, column %d of %s, which has %d items", item, column, describe(list).GetString(), count);
        throw AutomationError(what.str());
    }
    if (!canTakeInput(list) || !reachable(list)) return false;
    ::SendMessage(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), FALSE);
    CRect cell = ListViewControl::CellRect(list, item, column);
    POINT p{cell.left + std::min(4, cell.Width() / 2), cell.CenterPoint().y};
    WPARAM keys = ((modifiers & Control) ? MK_CONTROL : 0) | ((modifiers & Shift) ? MK_SHIFT : 0);
    wm().SetKeyDown(VK_CONTROL, (modifiers & Control) != 0);
    wm().SetKeyDown(VK_SHIFT, (modifiers & Shift) != 0);
    pressAt(list, p, keys);
    releaseAt(list, p, keys);
    wm().SetKeyDown(VK_CONTROL, false);
    wm().SetKeyDown(VK_SHIFT, false);
    return true;
}

bool Automation::DoubleClickListItem(HWND list, int item, int column)
{
    if (!ClickListItem(list, item, None, column)) return false;
    if (!wm().Find(list) || !canTakeInput(list)) return false;
    CRect cell = ListViewControl::CellRect(list, item, column);
    if (cell.IsRectEmpty()) return false;
    POINT p{cell.left + std::min(4, cell.Width() / 2), cell.CenterPoint().y};
    wm().SetKeyDown(0x01, true);
    postAndPump(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
    wm().SetKeyDown(0x01, false);
    releaseAt(list, p, 0);
    return true;
}

std::vector<CString> Automation::ListColumns(HWND list) const
{
    control(list, "reading a list view", WC_LISTVIEW);
    std::vector<CString> headings;
    for (int c = 0;; ++c) {
        char buffer[260] = {};
        LVCOLUMN column;
        column.mask = LVCF_TEXT;
        column.pszText = buffer;
        column.cchTextMax = sizeof buffer;
        if (!::SendMessage(list, LVM_GETCOLUMN, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&column))) break;
        headings.emplace_back(buffer);
    }
    return headings;
}

CString Automation::ListCell(HWND list, int item, int column) const
{
    control(list, "reading a list view", WC_LISTVIEW);
    int count = static_cast<int>(::SendMessage(list, LVM_GETITEMCOUNT, 0, 0));
    LVCOLUMN info;
    info.mask = LVCF_SUBITEM;
    if (item < 0 || item >= count ||
        !::SendMessage(list, LVM_GETCOLUMN, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info))) {
        CString what;
        what.Format("reading item %d, column %d of %s, which has %d items", item, column, describe(list).GetString(), count);
        throw AutomationError(what.str());
    }
    std::string buffer(1024, '\0');
    LVITEM cell;
    cell.iSubItem = info.iSubItem;
    cell.pszText = buffer.data();
    cell.cchTextMax = static_cast<int>(buffer.size());
    int n = static_cast<int>(::SendMessage(list, LVM_GETITEMTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&cell)));
    return CString(buffer.data(), n);
}

std::vector<std::vector<CString>> Automation::ListRows(HWND list) const
{
    size_t columns = ListColumns(list).size();
    int count = static_cast<int>(::SendMessage(list, LVM_GETITEMCOUNT, 0, 0));
    std::vector<std::vector<CString>> rows;
    for (int i = 0; i < count; ++i) {
        std::vector<CString> row;
        for (size_t c = 0; c < columns; ++c) row.push_back(ListCell(list, i, static_cast<int>(c)));
        rows.push_back(row);
    }
    return rows;
}

std::vector<int> Automation::ListSelection(HWND list) const
{
    control(list, "reading a list view", WC_LISTVIEW);
    std::vector<int> selected;
    for (int i = -1; (i = static_cast<int>(::SendMessage(list, LVM_GETNEXTITEM, static_cast<WPARAM>(i), LVNI_SELECTED))) >= 0;) {
        selected.push_back(i);
    }
    return selected;
}

int Automation::ListFocus(HWND list) const
{
    control(list, "reading a list view", WC_LISTVIEW);
    return static_cast<int>(::SendMessage(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

bool Automation::DragSlider(HWND slider, int position, bool release)
{
    control(slider, "dragging a slider", TRACKBAR_CLASS);
    if (!canTakeInput(slider) || !reachable(slider)) return false;
    if (m_heldSlider != slider) {
        CRect thumb = TrackbarControl::ThumbRect(slider);
        POINT grab{thumb.CenterPoint().x, thumb.CenterPoint().y};
        pressAt(slider, grab, 0);
        if (!wm().Find(slider)) return false;
        m_heldSlider = slider;
    }
    POINT to = TrackbarControl::PointOf(slider, position);
    int low = static_cast<int>(::SendMessage(slider, TBM_GETRANGEMIN, 0, 0));
    int high = static_cast<int>(::SendMessage(slider, TBM_GETRANGEMAX, 0, 0));
    // Beyond an end the operator pulls the thumb past the channel.
    bool vertical = (Style(slider) & TBS_VERT) != 0;
    int past = position < low ? -40 : position > high ? 40 : 0;
    (vertical ? to.y : to.x) += past;
    HWND target = wm().Capture() ? wm().Capture() : slider;
    POINT p = to;
    ::MapWindowPoints(slider, target, &p, 1);
    wm().SetKeyDown(0x01, true);
    postAndPump(target, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
    if (!release) return true;
    return ReleaseSlider(slider);
}

bool Automation::ReleaseSlider(HWND slider)
{
    control(slider, "releasing a slider", TRACKBAR_CLASS);
    if (m_heldSlider != slider) return false;
    m_heldSlider = nullptr;
    wm().SetKeyDown(0x01, false);
    CRect thumb = TrackbarControl::ThumbRect(slider);
    releaseAt(slider, POINT{thumb.CenterPoint().x, thumb.CenterPoint().y}, 0);
    return true;
}

int Automation::SliderPosition(HWND slider) const
{
    control(slider, "reading a slider", TRACKBAR_CLASS);
    return static_cast<int>(::SendMessage(slider, TBM_GETPOS, 0, 0));
}

std::pair<int, int> Automation::SliderRange(HWND slider) const
{
    control(slider, "reading a slider", TRACKBAR_CLASS);
    return {static_cast<int>(::SendMessage(slider, TBM_GETRANGEMIN, 0, 0)),
            static_cast<int>(::SendMessage(slider, TBM_GETRANGEMAX, 0, 0))};
}

HWND Automation::sheetTabs(HWND sheet, const char* action) const
{
    window(sheet, action);
    HWND tabs = TryFind(sheet, AFX_IDC_TAB_CONTROL);
    if (!tabs || ClassName(tabs).CompareNoCase(WC_TABCONTROL) != 0) {
        throw AutomationError(std::string(action) + ": " + describe(sheet).str() + " is not a property sheet");
    }
    return tabs;
}

bool Automation::SelectSheetPage(HWND sheet, int index)
{
    HWND tabs = sheetTabs(sheet, "selecting a property sheet page");
    int count = static_cast<int>(::SendMessage(tabs, TCM_GETITEMCOUNT, 0, 0));
    if (index < 0 || index >= count) {
        CString what;
        what.Format("selecting page %d of %s, which has %d pages", index, describe(sheet).GetString(), count);
        throw AutomationError(what.str());
    }
    if (!canTakeInput(tabs) || !reachable(tabs)) return false;
    CRect tab = TabControl::TabRect(tabs, index);
    POINT p{tab.CenterPoint().x, tab.CenterPoint().y};
    pressAt(tabs, p, 0);
    releaseAt(tabs, p, 0);
    return wm().Find(tabs) && ::SendMessage(tabs, TCM_GETCURSEL, 0, 0) == index;
}

std::vector<CString> Automation::SheetTabs(HWND sheet) const
{
    HWND tabs = sheetTabs(sheet, "reading a property sheet");
    std::vector<CString> captions;
    int count = static_cast<int>(::SendMessage(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char buffer[260] = {};
        TCITEM item;
        item.mask = TCIF_TEXT;
        item.pszText = buffer;
        item.cchTextMax = sizeof buffer;
        ::SendMessage(tabs, TCM_GETITEM, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        captions.emplace_back(buffer);
    }
    return captions;
}

int Automation::SheetActivePage(HWND sheet) const
{
    return static_cast<int>(::SendMessage(sheetTabs(sheet, "reading a property sheet"), TCM_GETCURSEL, 0, 0));
}

std::vector<int> MessageBoxButtons(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
    default: return {IDOK};
    }
}
