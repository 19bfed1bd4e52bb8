// Data exchange between a dialog's members and its controls, as the operator sees it.

#include <gtest/gtest.h>

#include <string>

#include "TestDialogs.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/FrameworkError.h"

using namespace test;

namespace {

constexpr int IDC_UINT = 1101;
constexpr int IDC_SHORT = 1102;
constexpr int IDC_LONG = 1103;
constexpr int IDC_FLOAT = 1104;
constexpr int IDC_BYTE = 1105;

DialogTemplate exchangeTemplate()
{
    DialogTemplate t = settingsTemplate("Exchange", 520);
    t.style |= WS_VISIBLE;
    for (int id : {IDC_UINT, IDC_SHORT, IDC_LONG, IDC_FLOAT, IDC_BYTE}) {
        t.items.push_back({id, "Edit", "", kEdit, 0, 0, 0, 30, 12});
    }
    return t;
}

class ExchangeDialog : public CDialog {
public:
    CString name = "probe";
    int count = 12;
    double ratio = 0.1;
    int enable = 1;
    UINT unsignedValue = 4000000000u;
    short shortValue = -7;
    long longValue = 123456;
    float floatValue = 1.0f / 3.0f;
    BYTE byteValue = 200;
    int changes = 0;
    CEdit nameEdit;

    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, IDC_NAME, nameEdit);
        DDX_Text(dx, IDC_NAME, name);
        DDV_MaxChars(dx, name, 8);
        DDX_Text(dx, IDC_COUNT, count);
        DDV_MinMaxInt(dx, count, 0, 100);
        DDX_Text(dx, IDC_RATIO, ratio);
        DDV_MinMaxDouble(dx, ratio, 0.05, 2.5);
        DDX_Check(dx, IDC_ENABLE, enable);
        DDX_Text(dx, IDC_UINT, unsignedValue);
        DDX_Text(dx, IDC_SHORT, shortValue);
        DDX_Text(dx, IDC_LONG, longValue);
        DDX_Text(dx, IDC_FLOAT, floatValue);
        DDV_MinMaxFloat(dx, floatValue, -1.5f, 1.5f);
        DDX_Text(dx, IDC_BYTE, byteValue);
    }
    afx_msg void OnNameChange() { ++changes; }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ExchangeDialog, CDialog)
    ON_EN_CHANGE(IDC_NAME, &ExchangeDialog::OnNameChange)
END_MESSAGE_MAP()

struct Fixture {
    AutomationSession session;
    CWinApp app{"Test Host"};
    ExchangeDialog dialog;
    Automation& a = *session;
    Fixture() { EXPECT_TRUE(dialog.CreateIndirect(exchangeTemplate(), nullptr)); }
    CString text(int id) { return a.Text(dialog, id); }
};

} // namespace

TEST(DataExchange, MembersAreShownWithTheFrameworkFormats)
{
    Fixture f;
    EXPECT_EQ(f.text(IDC_NAME), "probe");
    EXPECT_EQ(f.text(IDC_COUNT), "12");
    EXPECT_EQ(f.text(IDC_RATIO), "0.1");
    EXPECT_EQ(f.text(IDC_UINT), "4000000000");
    EXPECT_EQ(f.text(IDC_SHORT), "-7");
    EXPECT_EQ(f.text(IDC_LONG), "123456");
    EXPECT_EQ(f.text(IDC_FLOAT), "0.333333"); // FLT_DIG significant digits
    EXPECT_EQ(f.text(IDC_BYTE), "200");
    EXPECT_EQ(f.a.CheckState(f.a.Find(f.dialog, IDC_ENABLE)), BST_CHECKED);
    f.dialog.ratio = 1.0 / 3.0;
    f.dialog.UpdateData(FALSE);
    EXPECT_EQ(f.text(IDC_RATIO), "0.333333333333333"); // DBL_DIG
    // DDV_MaxChars limits what the operator can type.
    EXPECT_EQ(f.dialog.nameEdit.GetLimitText(), 8u);
}

namespace {

// Types `input` into control `id`, reads the dialog and expects exactly one prompt.
void expectPrompt(Fixture& f, int id, const char* input, const char* prompt)
{
    SCOPED_TRACE(std::string("input \"") + input + "\"");
    size_t boxes = f.a.MessageBoxes().size();
    f.a.ReplaceText(f.dialog, id, input);
    f.a.AnswerMessageBox(IDOK);
    EXPECT_FALSE(f.dialog.UpdateData(TRUE));
    ASSERT_EQ(f.a.MessageBoxes().size(), boxes + 1);
    const MessageBoxRecord& box = f.a.MessageBoxes().back();
    EXPECT_EQ(box.text, prompt);
    EXPECT_EQ(box.caption, "Test Host");
    EXPECT_EQ(box.flags & MB_ICONMASK, MB_ICONEXCLAMATION);
    EXPECT_EQ(f.a.FocusWindow(), f.a.Find(f.dialog, id));
    DWORD start = 1, end = 0;
    ::SendMessage(f.a.Find(f.dialog, id), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(static_cast<int>(end), f.a.Text(f.dialog, id).GetLength()); // ready to be typed over
}

} // namespace

// Each bad value is prompted once, naming what would read; a good value restores the control so the
// next case meets only its own.
TEST(DataExchange, ValuesThatDoNotParseOrLeaveTheirRangeArePromptedOnceNamingTheBounds)
{
    const struct {
        int id;
        const char *input, *prompt, *good;
    } cases[] = {
        {IDC_COUNT, "12abc", "Please enter an integer.", nullptr},
        {IDC_COUNT, "", "Please enter an integer.", nullptr},
        {IDC_COUNT, "99999999999", "Please enter an integer.", nullptr},
        {IDC_COUNT, "101", "Please enter an integer between 0 and 100.", "100"},
        {IDC_RATIO, "fast", "Please enter a number.", nullptr},
        {IDC_RATIO, "inf", "Please enter a number.", nullptr},
        {IDC_RATIO, "0x10", "Please enter a number.", nullptr},
        {IDC_RATIO, "1e999", "Please enter a number.", nullptr},
        {IDC_RATIO, "2.6", "Please enter a number between 0.05 and 2.5.", "0.05"},
        {IDC_UINT, "-1", "Please enter a positive integer.", "1"},
        {IDC_SHORT, "32768", "Please enter an integer.", "1"},
        {IDC_LONG, "2147483648", "Please enter an integer.", "1"},
        {IDC_FLOAT, "1e39", "Please enter a number.", nullptr},
        {IDC_FLOAT, "-1.6", "Please enter a number between -1.5 and 1.5.", "1.5"},
        {IDC_BYTE, "256", "Please enter an integer between 0 and 255.", "255"},
    };
    Fixture f;
    for (const auto& c : cases) {
        expectPrompt(f, c.id, c.input, c.prompt);
        if (c.good) f.a.ReplaceText(f.dialog, c.id, c.good);
    }
    EXPECT_TRUE(f.dialog.UpdateData(TRUE)) << "the bounds themselves read";

    // The edit refuses typing beyond the limit (with a beep); text set by a program is not limited.
    int beeps = f.a.BeepCount();
    f.a.ReplaceText(f.dialog, IDC_NAME, "Calibration");
    EXPECT_EQ(f.text(IDC_NAME), "Calibrat");
    EXPECT_EQ(f.a.BeepCount(), beeps + 3);
    ::SetWindowText(f.a.Find(f.dialog, IDC_NAME), "Calibration");
    f.a.AnswerMessageBox(IDOK);
    EXPECT_FALSE(f.dialog.UpdateData(TRUE));
    EXPECT_EQ(f.a.MessageBoxes().back().text, "Please enter no more than 8 characters.");
}

TEST(DataExchange, ControlNotificationsAreIgnoredWhileExchanging)
{
    Fixture f;
    int before = f.dialog.changes;
    f.dialog.name = "other";
    f.dialog.UpdateData(FALSE); // sets the text: the dialog does not hear about it
    EXPECT_EQ(f.dialog.changes, before);
    f.dialog.UpdateData(FALSE); // same text: not even set again
    f.a.Type(f.dialog, IDC_NAME, "ab");
    EXPECT_EQ(f.dialog.changes, before + 2); // typing notifies once per character
    EXPECT_EQ(f.text(IDC_NAME), "otherab");
}
