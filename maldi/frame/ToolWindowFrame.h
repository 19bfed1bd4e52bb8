#pragma once
// The behaviour every tool window shares, held by each window (CToolWindow owns one) and working
// on that window: its icon, its greyed close box and topmost placement, the expand button and the
// fold-away lower part, the icon drawn while minimised and the key filtering. What differs from
// window to window is data: the ToolWindowInfo the window hands over.
//
// Expand and contract keep the window's left, top and width and change only its height:
// contracting saves the current outer height as the full height and takes the contract amount
// off it; expanding restores the height saved at the last contraction (a window never contracted
// keeps its height). Heights are pixels whatever the template font. Only OnExpandDialog toggles;
// SetContractDialog and SetExpandDialog do their step unconditionally, as the windows call them.

#include <initializer_list>

#include "maldi/frame/ToolWindowInfo.h"
#include "platform/framework/CWnd.h"
#include "platform/widgets/CButtonST.h"

// One of a window's icon buttons: the button object, the control id (which is also the id of the
// icon it shows) and the string id of its tooltip.
struct IconButton {
    CButtonST& button;
    UINT id;
    UINT tooltip;
};

class ToolWindowFrame {
public:
    static constexpr int kContracted = 1;
    static constexpr int kExpanded = 2;

    // `window` is the tool window that owns this frame; it may not have its window handle yet.
    ToolWindowFrame(CWnd& window, const ToolWindowInfo& info);
    ToolWindowFrame(const ToolWindowFrame&) = delete;
    ToolWindowFrame& operator=(const ToolWindowFrame&) = delete;

    const ToolWindowInfo& Info() const { return m_info; }

    // The icon is not owned: the host keeps it alive and destroys it.
    void CreateUI(HICON icon) { m_hIcon = icon; }
    HICON Icon() const { return m_hIcon; }

    // Initialisation, for OnInitDialog: caption, greyed Close, big and small icon, topmost (each as
    // the description says); then the expand button's subclassing, icon and tooltip.
    void InitialiseWindow();
    void SetupExpandButton();
    // The window's icon buttons, in the order given: each is subclassed (unless data exchange has
    // attached it already), shows the icon of its own id and gets its tooltip. A button missing
    // from the template is reported as a diagnostic and left alone.
    void SetupIconButtons(std::initializer_list<IconButton> buttons);

    void SetContractDialog();
    void SetExpandDialog();
    // Expands when contracted, contracts when expanded, does nothing in any other state.
    void OnExpandDialog();
    // True for the click of this window's expand button.
    bool IsExpandCommand(UINT id, int code) const;

    // Draws the icon while the window is minimised (for windows that set one): true when it
    // painted, false when the window's default painting is due.
    bool PaintIconic();
    HICON QueryDragIcon() const { return m_hIcon; }
    // TRUE when the message is to be swallowed (after moving the controls into the members, when
    // the window asks for that).
    BOOL FilterMessage(MSG* msg);

    int ExpandState() const { return m_nExpandState; }
    int FullHeight() const { return m_nFullHeight; }
    int ContractAmount() const { return m_nContractAmount; }
    int ExpandButtonId() const;
    CButtonST& ExpandButton() { return m_expandButton; }

private:
    void showExpandState();
    // Attaches `button` to the window's control `id`; false, with a diagnostic naming `what`, when
    // the template has no such control.
    bool attach(CButtonST& button, UINT id, const char* what);

    CWnd& m_window;
    ToolWindowInfo m_info;
    HICON m_hIcon = nullptr;
    int m_nFullHeight = 0;
    int m_nContractAmount = 0;
    int m_nExpandState = 0;
    CButtonST m_expandButton;
};
