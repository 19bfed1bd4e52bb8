#pragma once
// The modal run shared by dialogs (CDialog::DoModal) and property sheets (CPropertySheet::DoModal).

#include <functional>

#include "platform/framework/CWnd.h"

// The owner of a modal window: the top-level window of `parent`, else of the active window; none
// when that is the desktop.
HWND ModalOwner(const CWnd* parent);

// The owner is disabled, `create(owner's object, else parent)` makes `window` shown, and the modal
// loop runs until EndModalLoop. Afterwards, whatever happened in the run (an unscripted box throws
// through here), the window is hidden and destroyed and the owner enabled and active again.
// Returns the loop's result; -1 when the window already exists or `create` fails.
INT_PTR RunModalWindow(CWnd& window, HWND owner, CWnd* parent, const std::function<BOOL(CWnd* owner)>& create);
