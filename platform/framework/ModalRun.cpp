#include "platform/framework/ModalRun.h"

#include "platform/framework/Diagnostics.h"

HWND ModalOwner(const CWnd* parent)
{
    HWND owner = parent ? parent->m_hWnd : ::GetActiveWindow();
    if (!owner || owner == ::GetDesktopWindow()) return nullptr;
    return ::GetAncestor(owner, GA_ROOT);
}

INT_PTR RunModalWindow(CWnd& window, HWND owner, CWnd* parent, const std::function<BOOL(CWnd* owner)>& create)
{
    if (window.m_hWnd) return -1;
    bool enableOwner = false;
    if (owner && ::IsWindowEnabled(owner)) {
        ::EnableWindow(owner, FALSE);
        enableOwner = true;
    }
    struct Restore {
        CWnd& window;
        HWND owner;
        bool enableOwner;
        ~Restore()
        {
            try {
                if (::IsWindow(window.m_hWnd)) {
                    ::SetWindowPos(window.m_hWnd, nullptr, 0, 0, 0, 0,
                                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
                }
                if (enableOwner && ::IsWindow(owner)) ::EnableWindow(owner, TRUE);
                if (owner && ::IsWindow(owner) && ::GetActiveWindow() != owner && ::IsWindowVisible(owner)) {
                    ::SetActiveWindow(owner);
                }
                if (::IsWindow(window.m_hWnd)) window.DestroyWindow();
            } catch (const std::exception& e) {
                Diagnostics::Report(CString("while closing a modal window: ") + e.what());
            }
        }
    } restore{window, owner, enableOwner};

    window.m_nModalResult = -1;
    window.m_nFlags |= WF_CONTINUEMODAL;
    if (!create(owner ? CWnd::FromHandle(owner) : parent)) {
        window.m_nFlags &= ~WF_CONTINUEMODAL;
        return -1;
    }
    if (window.m_nFlags & WF_CONTINUEMODAL) window.RunModalLoop();
    window.m_nFlags &= ~WF_CONTINUEMODAL;
    return window.m_nModalResult;
}
