#pragma once
// The laser pattern editor (template 14196, "PatternEditor"): a modal dialog in which the operator
// draws the path of the laser inside a sample well in the embedded pattern control, sets the laser
// state and width of the points drawn next, undoes, starts anew, and saves and opens ".ptn" files.
//
// The host constructs it, gives the icon with CreateUI and runs DoModal; the result is always
// IDCANCEL (Ok and Exit both close through OnCancel). The pattern leaves the dialog only as a file.
//
// The control works in whole pixels, the file in well coordinates: pixels = scale x well truncated
// toward zero, well = pixels / scale, with the scale read from the control at every conversion.
// Every pattern the editor can hold comes back from its file as it was saved (a whole pixel
// returns whole, whatever the rounding of its well coordinate).
//
// A save that fails, for whatever reason, is never taken for one: the operator is told with the
// tuning library's message box, the pattern stays modified, and New, Ok and Exit after a "Yes" to
// save stop there, so the drawing is not lost.
// Every handler is in the message map at the top of the .cpp file; the save-changes prompt that
// New, Ok, Exit and Browse share is AskSaveChanges.

#include "maldi/frame/CToolWindow.h"
#include "platform/framework/CEdit.h"
#include "platform/framework/CString.h"
#include "platform/patternctrl/CMaldiPatternCtrl.h"
#include "platform/widgets/CButtonST.h"

// A modal tool window: the frame gives it its greyed close box, its icons and the icon drawn while
// minimised; it has no expand button and never contracts.
class CPatternEditorDlg : public CToolDialog {
    DECLARE_DYNAMIC(CPatternEditorDlg)
public:
    explicit CPatternEditorDlg(CWnd* parent = nullptr);
    ~CPatternEditorDlg() override;

    // The icon is not owned: the host keeps it alive.
    void CreateUI(HICON icon);

protected:
    CEdit m_FileNameEdit;
    CMaldiPatternCtrl m_PatternCtrl;
    CButtonST m_LaserButton;
    CButtonST m_SaveButton;
    CButtonST m_ExitButton;
    CButtonST m_NewButton;
    CButtonST m_UndoButton;
    CButtonST m_LaserWidthButton;
    CButtonST m_OkButton;
    CButtonST m_AllWidthsButton;
    bool m_bLaserOn = false;
    CString m_strFileName;
    short m_nLaserWidth = 1;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    afx_msg void OnButtonOk();
    afx_msg void OnButtonSave();
    afx_msg void OnButtonNew();
    afx_msg void OnButtonCancel();
    afx_msg void OnButtonUndo();
    afx_msg void OnButtonLaser();
    afx_msg void OnButtonLaserWidth();
    afx_msg void OnBrowse();
    afx_msg void OnUpdateAllLaserWidths();

    DECLARE_MESSAGE_MAP()

private:
    void LoadFile();
    void SetLaserOn(bool on);
    // The save-changes prompt: IDYES, IDNO or IDCANCEL; IDNO without asking when nothing changed.
    int AskSaveChanges();
    // Ok and Exit: prompt, save on Yes, then close unless the operator cancelled or the save failed.
    void CloseAfterPrompt();
    // Save: false only when the file could not be written. The operator is then told why, the
    // pattern stays modified and the file name stays the one it had.
    bool SavePattern();
    void ScalePatternEditorToWellXY(int pixels, double* well);
    void ScaleWellXYToPatternEditor(int* pixels, double well);
};
