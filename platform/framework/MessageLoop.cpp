#include "platform/framework/MessageLoop.h"

#include "platform/framework/AutomationError.h"
#include "platform/framework/CWnd.h"
#include "platform/framework/DialogState.h"
#include "platform/framework/WindowManager.h"

void MessageLoop::Deliver(const MSG& original)
{
    auto& wm = WindowManager::Get();
    MSG msg = original;
    if (msg.hwnd && !wm.Find(msg.hwnd)) return; // its window died while it waited
    if (!msg.hwnd && msg.message != WM_TIMER) return; // thread messages have nobody to go to

    if (msg.hwnd) {
        // Innermost first: the window itself, then each parent up to the top-level window.
        HWND top = msg.hwnd;
        for (HWND h = msg.hwnd; h;) {
            top = h;
            if (CWnd* w = CWnd::FromHandlePermanent(h)) {
                if (w->PreTranslateMessage(&msg)) return;
                if (!wm.Find(msg.hwnd)) return;
            }
            WindowRecord* rec = wm.Find(h);
            h = rec && rec->IsChild() ? rec->parent : nullptr;
        }
        WindowRecord* root = wm.Find(top);
        if (root && root->dialog && !CWnd::FromHandlePermanent(top)) {
            if (::IsDialogMessage(top, &msg)) return;
        }
    }
    ::TranslateMessage(&msg);
    ::DispatchMessage(&msg);
}

void MessageLoop::Pump()
{
    auto& wm = WindowManager::Get();
    std::size_t count = 0;
    for (;;) {
        MSG msg;
        while (wm.Peek(msg, true)) {
            if (++count > kMaxMessagesPerPump) {
                CString what;
                what.Format("the message queue did not empty after %zu messages (last: 0x%04X); "
                            "something keeps posting messages to itself",
                            kMaxMessagesPerPump, msg.message);
                throw AutomationError(what.str());
            }
            Deliver(msg);
        }
        HWND h = wm.NextWindowToPaint();
        if (!h) break;
        if (++count > kMaxMessagesPerPump) throw AutomationError("painting did not settle");
        MSG paint;
        paint.hwnd = h;
        paint.message = WM_PAINT;
        Deliver(paint);
        if (WindowRecord* rec = wm.Find(h)) {
            ++rec->paintCount;
            wm.Validate(h, nullptr);
        }
    }
}
