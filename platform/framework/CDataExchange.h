#pragma once
// One data exchange between a window's members and its controls (UpdateData). Each DDX_ call
// names the control it works on (PrepareCtrl / PrepareEditCtrl); when a value does not convert or
// validate, the DDX_/DDV_ call shows the prompt and calls Fail, which puts the focus on that control
// (selecting an edit's text) and ends the exchange: UpdateData returns FALSE, and the members
// exchanged before the failing one keep their new values.
//
// A control id the window does not have is a programming error: FrameworkError, naming the id and
// the window.

#include "platform/framework/WinUser.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    int m_idLastControl = 0;
    BOOL m_bEditLastControl = FALSE;

    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    [[noreturn]] void Fail();
};
