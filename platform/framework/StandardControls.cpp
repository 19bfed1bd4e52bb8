#include "platform/framework/StandardControls.h"

#include "platform/framework/ButtonControl.h"
#include "platform/framework/ComboBoxControl.h"
#include "platform/framework/ControlWindow.h"
#include "platform/framework/ListViewControl.h"
#include "platform/framework/TabControl.h"
#include "platform/framework/TrackbarControl.h"
#include "platform/framework/CButton.h"
#include "platform/framework/CComboBox.h"
#include "platform/framework/CListCtrl.h"
#include "platform/framework/CSliderCtrl.h"
#include "platform/framework/CTabCtrl.h"
#include "platform/framework/CEdit.h"
#include "platform/framework/CProgressCtrl.h"
#include "platform/framework/CStatic.h"
#include "platform/framework/CToolTipCtrl.h"
#include "platform/framework/DialogManager.h"
#include "platform/framework/EditControl.h"
#include "platform/framework/StaticControl.h"
#include "platform/framework/ProgressControl.h"
#include "platform/framework/ToolTipControl.h"
#include "platform/framework/WindowManager.h"

namespace {

LRESULT plainWindow(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return WindowManager::Get().DefWindowProc(hwnd, message, wParam, lParam);
}

LRESULT dialogWindow(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DialogManager::DefDlgProc(hwnd, message, wParam, lParam);
}

template <class T>
CWnd* makeTemporary()
{
    return new T;
}

struct Entry {
    const char* name;
    WNDPROC proc;
    int extraBytes;
    CWnd* (*makeTemporary)();
};

const Entry kControls[] = {
    {DialogManager::kClassName, &dialogWindow, DLGWINDOWEXTRA, nullptr},
    {"Button", &ButtonControl::WndProc, ControlWindow::kExtraBytes, &makeTemporary<CButton>},
    {"Edit", &EditControl::WndProc, ControlWindow::kExtraBytes, &makeTemporary<CEdit>},
    {"Static", &StaticControl::WndProc, ControlWindow::kExtraBytes, &makeTemporary<CStatic>},
    // Completed with the other common controls; plain windows until then.
    {"ComboBox", &ComboBoxControl::WndProc, ControlWindow::kExtraBytes, &makeTemporary<CComboBox>},
    {"ListBox", &plainWindow, 0, nullptr},
    {"ScrollBar", &plainWindow, 0, nullptr},
    {PROGRESS_CLASS, &ProgressControl::WndProc, ControlWindow::kExtraBytes, &makeTemporary<CProgressCtrl>},
    {TRACKBAR_CLASS, &TrackbarControl::WndProc, ControlWindow::kExtraBytes, &makeTemporary<CSliderCtrl>},
    {WC_LISTVIEW, &ListViewControl::WndProc, ControlWindow::kExtraBytes, &makeTemporary<CListCtrl>},
    {WC_TABCONTROL, &TabControl::WndProc, ControlWindow::kExtraBytes, &makeTemporary<CTabCtrl>},
    {TOOLTIPS_CLASS, &ToolTipControl::WndProc, ControlWindow::kExtraBytes, &makeTemporary<CToolTipCtrl>},
};

} // namespace

void StandardControls::Register(WindowManager& manager)
{
    for (const Entry& e : kControls) {
        WNDCLASS wc;
        wc.lpszClassName = e.name;
        wc.lpfnWndProc = e.proc;
        wc.cbWndExtra = e.extraBytes;
        manager.RegisterClass(wc, e.makeTemporary, true);
    }
}
