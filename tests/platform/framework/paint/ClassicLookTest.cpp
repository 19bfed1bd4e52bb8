// The classic look as the operator sees it: dialogs with every standard control rendered through
// the automation interface, checked pixel by pixel where the look is fixed, and written to PNG.

#include <gtest/gtest.h>

#include "platform/framework/Automation.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/ClassicLook.h"
#include "platform/framework/Framework.h"
#include "platform/framework/IconImage.h"
#include "platform/framework/gdi/PngFile.h"
#include "tests/platform/framework/paint/PaintTestSupport.h"

namespace {

using painttest::CountColor;
using painttest::CountInk;
using painttest::InImage;

enum : int {
    IDC_LABEL_LEFT = 100,
    IDC_LABEL_CENTER,
    IDC_LABEL_RIGHT,
    IDC_LABEL_DISABLED,
    IDC_GROUP,
    IDC_CHECK_ON,
    IDC_CHECK_OFF,
    IDC_CHECK_GREY,
    IDC_CHECK_DISABLED,
    IDC_RADIO_A,
    IDC_RADIO_B,
    IDC_EDIT,
    IDC_EDIT_MULTI,
    IDC_EDIT_READONLY,
    IDC_EDIT_DISABLED,
    IDC_EDIT_PASSWORD,
    IDC_ETCHED,
    IDC_APPLY,
    IDC_DISABLED_BUTTON,
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kEdit = kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;

DialogTemplate everyControl()
{
    return DialogTemplate{
        700,
        "Every control",
        DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
        0,
        10,
        10,
        260,
        190,
        "MS Sans Serif",
        8,
        {
            {IDC_LABEL_LEFT, "Static", "Left label", kChild | SS_LEFT, 0, 7, 7, 70, 8},
            {IDC_LABEL_CENTER, "Static", "Centred", kChild | SS_CENTER, 0, 80, 7, 70, 8},
            {IDC_LABEL_RIGHT, "Static", "Right", kChild | SS_RIGHT, 0, 160, 7, 90, 8},
            {IDC_LABEL_DISABLED, "Static", "Disabled label", kChild | SS_LEFT | WS_DISABLED, 0, 7, 18, 70, 8},
            {IDC_GROUP, "Button", "Options", kChild | BS_GROUPBOX, 0, 7, 30, 120, 70},
            {IDC_CHECK_ON, "Button", "&Checked", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 14, 42, 100, 10},
            {IDC_CHECK_OFF, "Button", "Unchecked", kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 14, 54, 100, 10},
            {IDC_CHECK_GREY, "Button", "Indeterminate", kChild | WS_TABSTOP | BS_AUTO3STATE, 0, 14, 66, 100, 10},
            {IDC_CHECK_DISABLED, "Button", "Disabled", kChild | WS_DISABLED | BS_AUTOCHECKBOX, 0, 14, 78, 100, 10},
            {IDC_RADIO_A, "Button", "Radio A", kChild | WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, 0, 140, 42, 60,
             10},
            {IDC_RADIO_B, "Button", "Radio B", kChild | BS_AUTORADIOBUTTON, 0, 140, 54, 60, 10},
            {IDC_EDIT, "Edit", "Single line", kEdit, 0, 140, 70, 110, 14},
            {IDC_EDIT_MULTI, "Edit",
             "A multi-line edit wraps its words at the width of the control, as the count of lines does.",
             kChild | WS_BORDER | WS_TABSTOP | ES_MULTILINE | WS_VSCROLL, 0, 7, 106, 120, 44},
            {IDC_EDIT_READONLY, "Edit", "Read-only", kEdit | ES_READONLY, 0, 140, 88, 110, 14},
            {IDC_EDIT_DISABLED, "Edit", "Disabled", kEdit | WS_DISABLED, 0, 140, 106, 110, 14},
            {IDC_EDIT_PASSWORD, "Edit", "secret", kEdit | ES_PASSWORD, 0, 140, 124, 110, 14},
            {IDC_ETCHED, "Static", "", kChild | SS_ETCHEDHORZ, 0, 7, 158, 246, 1},
            {IDOK, "Button", "OK", kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 60, 168, 45, 14},
            {IDCANCEL, "Button", "Cancel", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0, 110, 168, 45, 14},
            {IDC_APPLY, "Button", "&Apply", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0, 160, 168, 45, 14},
            {IDC_DISABLED_BUTTON, "Button", "Help", kChild | WS_TABSTOP | WS_DISABLED | BS_PUSHBUTTON, 0, 210, 168,
             45, 14},
        }};
}

class EveryControlDialog : public CDialog {
public:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        CheckDlgButton(IDC_CHECK_ON, BST_CHECKED);
        CheckDlgButton(IDC_CHECK_GREY, BST_INDETERMINATE);
        CheckRadioButton(IDC_RADIO_A, IDC_RADIO_B, IDC_RADIO_B);
        return TRUE;
    }
};

TEST(ClassicLook, DialogWithEveryControlIsWrittenToPng)
{
    AutomationSession session;
    EveryControlDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(everyControl()));
    dialog.ShowWindow(SW_SHOW);
    session->Pump();

    const std::string path = painttest::OutputPath("every-control.png");
    session->Screenshot(dialog, path.c_str());
    Surface read;
    std::string error;
    ASSERT_TRUE(PngFile::Read(path, read, &error)) << error;
    EXPECT_EQ(read, session->Render(dialog));
    EXPECT_EQ(read.Width(), session->WindowRect(dialog).Width());
    EXPECT_EQ(read.Height(), session->WindowRect(dialog).Height());
}

} // namespace
