#include "platform/desktop/Desktop.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <thread>

#include "platform/framework/Automation.h"
#include "platform/framework/CWnd.h"
#include "platform/framework/CommCtrl.h"
#include "platform/framework/DialogManager.h"
#include "platform/framework/MessageLoop.h"
#include "platform/framework/WindowManager.h"
#include "platform/framework/gdi/PaintManager.h"
#include "platform/desktop/DesktopKeys.h"

namespace {

constexpr UINT kMouseWheel = 0x020A; // WM_MOUSEWHEEL
constexpr Uint32 kFrameMs = 15;

WindowManager& wm()
{
    return WindowManager::Get();
}

LPARAM pointParam(POINT p)
{
    return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
}

CString classOf(HWND hwnd)
{
    char name[64] = {};
    ::GetClassName(hwnd, name, sizeof name);
    return CString(name);
}

WPARAM mouseKeys()
{
    WPARAM keys = 0;
    if (wm().KeyState(0x01) & 0x8000) keys |= MK_LBUTTON;
    if (wm().KeyState(VK_SHIFT) & 0x8000) keys |= MK_SHIFT;
    if (wm().KeyState(VK_CONTROL) & 0x8000) keys |= MK_CONTROL;
    return keys;
}

} // namespace

Desktop::Desktop(Automation& automation, int scale) : m_ui(automation), m_scale(scale)
{
    // New windows paint at the desktop's scale from the start (a bad scale throws here).
    PaintManager::Get().SetDefaultScale(scale);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        PaintManager::Get().SetDefaultScale(1);
        throw std::runtime_error(std::string("cannot open the display: ") + SDL_GetError());
    }
    SDL_StartTextInput();
    m_wallStart = SDL_GetTicks64();
    m_virtualStart = m_ui.Now();
    advanceTo = [this](ULONGLONG time) {
        if (time > m_ui.Now()) m_ui.Advance(time - m_ui.Now());
    };
    m_ui.SetModalResponder([this](CWnd& dialog, Automation&) {
        RunUntil([&dialog] { return !dialog.ContinueModal(); });
        if (dialog.ContinueModal()) dialog.EndModalLoop(IDCANCEL); // the person quit
        return true;
    });
    m_ui.SetMessageBoxResponder([this](const MessageBoxRecord& box) { return showMessageBox(box); });
    m_ui.SetFileDialogResponder([this](FileDialogRecord& dialog) { return showFileDialog(dialog); });
}

Desktop::~Desktop()
{
    m_ui.SetModalResponder(nullptr);
    m_ui.SetMessageBoxResponder(nullptr);
    m_ui.SetFileDialogResponder(nullptr);
    PaintManager::Get().SetDefaultScale(1);
    for (auto& [hwnd, mirror] : m_mirrors) SDL_DestroyWindow(mirror.window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

SDL_Window* Desktop::MirrorOf(HWND topLevel) const
{
    auto it = m_mirrors.find(topLevel);
    return it == m_mirrors.end() ? nullptr : it->second.window;
}

bool Desktop::RunUntil(const std::function<bool()>& done)
{
    while (!done()) {
        if (!RunFrame()) return false;
    }
    return true;
}

bool Desktop::RunFrame()
{
    Uint64 started = SDL_GetTicks64();
    SDL_Event event;
    while (!m_quit && SDL_PollEvent(&event)) handle(event);
    if (m_moved) {
        m_moved = false;
        mouseMove(SDL_Event{});
    }
    MessageLoop::Pump();
    tickClock();
    sync();
    if (onFrame) onFrame();
    Uint64 spent = SDL_GetTicks64() - started;
    if (spent < kFrameMs) SDL_Delay(static_cast<Uint32>(kFrameMs - spent));
    return !m_quit;
}

void Desktop::tickClock()
{
    const ULONGLONG wall = SDL_GetTicks64();
    if (m_ui.Now() > m_virtualStart + (wall - m_wallStart)) {
        // Time was moved on without us (a host's set-up): the wall clock goes on from there.
        m_virtualStart = m_ui.Now();
        m_wallStart = wall;
    }
    advanceTo(m_virtualStart + (wall - m_wallStart));
}

POINT Desktop::toScreen(const WindowRecord& rec, int x, int y) const
{
    // Floor division, so that a pixel just left of or above the window stays outside it.
    auto down = [this](int v) { return v >= 0 ? v / m_scale : -((-v + m_scale - 1) / m_scale); };
    return POINT{rec.rect.left + down(x), rec.rect.top + down(y)};
}

HWND Desktop::hwndOf(unsigned windowId) const
{
    SDL_Window* window = SDL_GetWindowFromID(windowId);
    for (const auto& [hwnd, mirror] : m_mirrors)
        if (mirror.window == window) return hwnd;
    return nullptr;
}

// --- windows and pixels ---------------------------------------------------------------------------------

void Desktop::sync()
{
    std::vector<HWND> shown;
    for (HWND hwnd : wm().TopLevelWindows())
        if (::IsWindowVisible(hwnd)) shown.push_back(hwnd);
    for (auto it = m_mirrors.begin(); it != m_mirrors.end();) {
        if (std::find(shown.begin(), shown.end(), it->first) == shown.end()) {
            SDL_DestroyWindow(it->second.window);
            it = m_mirrors.erase(it);
        } else {
            ++it;
        }
    }
    for (HWND hwnd : shown) {
        WindowRecord* rec = wm().Find(hwnd);
        bool topmost = (rec->exStyle & WS_EX_TOPMOST) != 0;
        auto it = m_mirrors.find(hwnd);
        if (it == m_mirrors.end()) {
            Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_SKIP_TASKBAR | (topmost ? SDL_WINDOW_ALWAYS_ON_TOP : 0);
            SDL_Window* window =
                SDL_CreateWindow(rec->text.ToUtf8().c_str(), rec->rect.left * m_scale, rec->rect.top * m_scale,
                                 std::max(1, rec->rect.Width() * m_scale), std::max(1, rec->rect.Height() * m_scale), flags);
            if (!window) throw std::runtime_error(std::string("cannot open a desktop window: ") + SDL_GetError());
            it = m_mirrors.emplace(hwnd, Mirror{window, rec->rect, topmost, Surface()}).first;
            m_order.clear(); // stack again
        }
        Mirror& mirror = it->second;
        if (mirror.rect != rec->rect) {
            if (mirror.rect.Size() != rec->rect.Size()) {
                SDL_SetWindowSize(mirror.window, std::max(1, rec->rect.Width() * m_scale),
                                  std::max(1, rec->rect.Height() * m_scale));
                mirror.shown = Surface();
            }
            SDL_SetWindowPosition(mirror.window, rec->rect.left * m_scale, rec->rect.top * m_scale);
            mirror.rect = rec->rect;
        }
        if (mirror.topmost != topmost) {
            SDL_SetWindowAlwaysOnTop(mirror.window, topmost ? SDL_TRUE : SDL_FALSE);
            mirror.topmost = topmost;
        }
        upload(mirror, hwnd);
    }
    if (shown != m_order) {
        // Raise from the bottom up, so that the desktop stacks as the window system does.
        for (auto it = shown.rbegin(); it != shown.rend(); ++it) SDL_RaiseWindow(m_mirrors[*it].window);
        m_order = shown;
    }
}

void Desktop::upload(Mirror& mirror, HWND hwnd)
{
    // Render paints only what update regions and frames ask for; the desktop copy is replaced only
    // when the picture changed.
    Surface image = PaintManager::Get().Render(hwnd, m_scale);
    if (image == mirror.shown) return;
    SDL_Surface* target = SDL_GetWindowSurface(mirror.window);
    if (!target) return;
    int w = std::min(image.Width(), target->w), h = std::min(image.Height(), target->h);
    SDL_ConvertPixels(w, h, SDL_PIXELFORMAT_RGB888, image.Pixels().data(), image.Width() * 4, target->format->format,
                      target->pixels, target->pitch);
    SDL_UpdateWindowSurface(mirror.window);
    mirror.shown = std::move(image);
}

// --- input ----------------------------------------------------------------------------------------------

void Desktop::handle(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_QUIT: m_quit = true; break;
    case SDL_MOUSEBUTTONDOWN: mouseButton(event, true); break;
    case SDL_MOUSEBUTTONUP: mouseButton(event, false); break;
    case SDL_MOUSEMOTION:
        m_moved = true;
        m_moveWindow = event.motion.windowID;
        m_lastMove = POINT{event.motion.x, event.motion.y};
        if (m_drag) mouseMove(event);
        break;
    case SDL_MOUSEWHEEL: {
        HWND target = wm().Focus() ? wm().Focus() : wm().Active();
        if (target) {
            int x = 0, y = 0;
            SDL_GetGlobalMouseState(&x, &y);
            wm().PostInput(target, kMouseWheel, MAKEWPARAM(static_cast<WORD>(mouseKeys()), static_cast<WORD>(event.wheel.y * 120)),
                           pointParam(POINT{x / m_scale, y / m_scale}));
        }
        break;
    }
    case SDL_KEYDOWN: key(event, true); break;
    case SDL_KEYUP: key(event, false); break;
    case SDL_TEXTINPUT: {
        CString text = CString::FromUtf8(event.text.text);
        if (text.IsEmpty() || !(wm().Focus() || wm().Active())) break;
        // With Alt or Control the key press itself went in (a mnemonic, a command), not its text.
        if (SDL_GetModState() & (KMOD_ALT | KMOD_CTRL)) break;
        AutomationStep step;
        step.action = AutomationStep::Action::Type;
        step.text = text;
        record(step);
        m_ui.TypeKeys(text);
        break;
    }
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
            for (auto& [hwnd, mirror] : m_mirrors)
                if (SDL_GetWindowID(mirror.window) == event.window.windowID) mirror.shown = Surface();
        }
        break;
    default: break;
    }
}

void Desktop::mouseButton(const SDL_Event& event, bool down)
{
    HWND mirrored = hwndOf(event.button.windowID);
    WindowRecord* rec = mirrored ? wm().Find(mirrored) : nullptr;
    if (!rec) return;
    const POINT screen = toScreen(*rec, event.button.x, event.button.y);
    const bool left = event.button.button == SDL_BUTTON_LEFT;
    if (!left && event.button.button != SDL_BUTTON_RIGHT) return;

    if (!down && left && m_drag) {
        HWND dragged = m_drag;
        m_drag = nullptr;
        wm().SetKeyDown(0x01, false);
        if (::IsIconic(dragged) && screen.x == m_dragFrom.x && screen.y == m_dragFrom.y) {
            // Pressed and let go on an icon without moving it: a click, which restores the window.
            AutomationStep step;
            step.action = AutomationStep::Action::Restore;
            step.window = wm().Find(dragged)->text;
            record(step);
            m_ui.ClickIcon(dragged);
        }
        return;
    }
    if (!down && left && m_boxPress) {
        HWND pressed = m_boxPress;
        m_boxPress = nullptr;
        wm().SetKeyDown(0x01, false);
        if (::IsWindow(pressed) && wm().Send(pressed, WM_NCHITTEST, 0, pointParam(screen)) == m_boxHit) {
            AutomationStep step;
            step.action = m_boxHit == HTCLOSE ? AutomationStep::Action::Close : AutomationStep::Action::Minimize;
            step.window = wm().Find(pressed)->text;
            record(step);
            if (m_boxHit == HTCLOSE) m_ui.PressCloseBox(pressed);
            else m_ui.PressMinimizeBox(pressed);
        }
        return;
    }

    HWND target = wm().Capture() ? wm().Capture() : ::WindowFromPoint(screen);
    if (!target) return;
    HWND top = wm().Root(target);
    if (down) {
        if (!wm().IsEffectivelyEnabled(top)) {
            ::MessageBeep(0); // the owner of an open modal dialog
            return;
        }
        if (top != wm().Active()) wm().Activate(top);
        if (!::IsWindow(target)) return;
        if (target == top && !wm().Capture() && left) {
            LRESULT hit = wm().Send(top, WM_NCHITTEST, 0, pointParam(screen));
            if (hit == HTCAPTION || hit == HTSYSMENU) {
                m_drag = top;
                m_dragFrom = screen;
                m_dragOrigin = POINT{rec->rect.left, rec->rect.top};
                SDL_CaptureMouse(SDL_TRUE);
                return;
            }
            if (hit == HTCLOSE || (hit == HTMINBUTTON && (wm().Find(top)->style & WS_MINIMIZEBOX))) {
                m_boxPress = top;
                m_boxHit = hit;
                return;
            }
            if (hit != HTCLIENT) return;
        }
    }
    POINT client = screen;
    ::ScreenToClient(target, &client);
    UINT message;
    if (left) {
        bool twice = down && event.button.clicks >= 2 && classOf(target).CompareNoCase(WC_LISTVIEW) == 0;
        message = down ? (twice ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN) : WM_LBUTTONUP;
        wm().SetKeyDown(0x01, down);
        if (down) {
            m_press = Press{target, m_ui.Now(), 0, -1, twice};
            CString cls = classOf(target);
            if (cls.CompareNoCase("ComboBox") == 0) m_press.before = static_cast<int>(::SendMessage(target, CB_GETCURSEL, 0, 0));
            if (cls.CompareNoCase(TRACKBAR_CLASS) == 0) m_press.before = static_cast<int>(::SendMessage(target, TBM_GETPOS, 0, 0));
            if (cls.CompareNoCase(WC_LISTVIEW) == 0) {
                LVHITTESTINFO hit;
                hit.pt = client;
                m_press.item = static_cast<int>(::SendMessage(target, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
            }
        }
    } else {
        message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    }
    wm().PostInput(target, message, mouseKeys() | (down && left ? MK_LBUTTON : 0), pointParam(client));
    if (!down && left && m_press.target) {
        Press press = m_press;
        m_press = Press{};
        // A click is recorded before it takes effect (what it leads to comes after it); a choice in
        // a combo box or a slider's position is what the release leaves.
        CString cls = classOf(press.target);
        bool byResult = cls.CompareNoCase("ComboBox") == 0 || cls.CompareNoCase(TRACKBAR_CLASS) == 0;
        if (!byResult) recordRelease(press, ::WindowFromPoint(screen));
        MessageLoop::Pump();
        if (byResult) recordRelease(press, ::WindowFromPoint(screen));
    }
}

void Desktop::mouseMove(const SDL_Event&)
{
    HWND mirrored = hwndOf(m_moveWindow);
    WindowRecord* rec = mirrored ? wm().Find(mirrored) : nullptr;
    if (!rec) return;
    const POINT screen = toScreen(*rec, m_lastMove.x, m_lastMove.y);
    if (m_drag) {
        if (!::IsWindow(m_drag)) {
            m_drag = nullptr;
            return;
        }
        int x = 0, y = 0;
        SDL_GetGlobalMouseState(&x, &y);
        ::SetWindowPos(m_drag, nullptr, m_dragOrigin.x + x / m_scale - m_dragFrom.x, m_dragOrigin.y + y / m_scale - m_dragFrom.y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    HWND target = wm().Capture() ? wm().Capture() : ::WindowFromPoint(screen);
    if (!target) return;
    POINT client = screen;
    ::ScreenToClient(target, &client);
    wm().PostInput(target, WM_MOUSEMOVE, mouseKeys(), pointParam(client));
}

void Desktop::key(const SDL_Event& event, bool down)
{
    const SDL_Keycode sym = event.key.keysym.sym;
    const Uint16 mod = event.key.keysym.mod;
    if (UINT modifier = DesktopKeys::ModifierKey(sym)) {
        wm().SetKeyDown(static_cast<int>(modifier), down);
        return;
    }
    if (!down) return; // the press below is a whole key stroke
    const bool command = (mod & (KMOD_CTRL | KMOD_ALT)) != 0;
    if (DesktopKeys::TypesText(sym) && !command) return; // comes as SDL_TEXTINPUT
    UINT vk = DesktopKeys::VirtualKey(sym);
    if (!vk || !(wm().Focus() || wm().Active())) return;
    UINT modifiers = 0;
    if (mod & KMOD_SHIFT) modifiers |= Automation::Shift;
    if (mod & KMOD_CTRL) modifiers |= Automation::Control;
    if (mod & KMOD_ALT) modifiers |= Automation::Alt;
    AutomationStep step;
    step.action = AutomationStep::Action::Key;
    step.value = static_cast<int>(vk);
    step.modifiers = modifiers;
    record(step);
    m_ui.PressKey(vk, modifiers);
}

// --- recording --------------------------------------------------------------------------------------------

void Desktop::record(AutomationStep step)
{
    if (!onInput || m_quietDepth > 0) return;
    if (step.time == 0) step.time = m_ui.Now();
    if (step.window.IsEmpty()) {
        HWND active = wm().Active();
        if (!active) return;
        step.window = wm().Find(active)->text;
    }
    onInput(step);
}

void Desktop::recordRelease(const Press& press, HWND under)
{
    if (!onInput || m_quietDepth > 0 || !::IsWindow(press.target)) return;
    HWND top = wm().Root(press.target);
    int id = ::GetDlgCtrlID(press.target);
    if (top == press.target || id == 0 || !::IsWindow(top)) return;
    AutomationStep step;
    step.time = press.time;
    step.window = wm().Find(top)->text;
    step.id = id;
    CString cls = classOf(press.target);
    using A = AutomationStep::Action;
    if (cls.CompareNoCase("ComboBox") == 0) {
        int now = static_cast<int>(::SendMessage(press.target, CB_GETCURSEL, 0, 0));
        if (now == press.before || now < 0) return;
        step.action = A::Choose;
        step.value = now;
    } else if (cls.CompareNoCase(TRACKBAR_CLASS) == 0) {
        int now = static_cast<int>(::SendMessage(press.target, TBM_GETPOS, 0, 0));
        if (now == press.before) return;
        step.action = A::Slider;
        step.value = now;
    } else if (cls.CompareNoCase(WC_LISTVIEW) == 0) {
        if (press.item < 0) return;
        step.action = press.doubleClick ? A::DoubleItem : A::Item;
        step.value = press.item;
    } else if (press.time == m_ui.Now()) {
        if (under != press.target) return; // let go elsewhere: no click
        step.action = A::Click;
    } else {
        step.action = A::Hold;
        onInput(step);
        step.action = A::Release;
        step.time = m_ui.Now();
    }
    onInput(step);
}
