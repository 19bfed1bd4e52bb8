// Operator scripts: their text form, and replaying them through the automation interface.
#include <gtest/gtest.h>

#include "platform/framework/AutomationScript.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/ClassicLook.h"
#include "platform/framework/DialogTemplate.h"
#include "platform/framework/WindowManager.h"

namespace {

TEST(AutomationScriptTest, WrittenStepsReadBackUnchangedWithEscapedTexts)
{
    using A = AutomationStep::Action;
    AutomationScript script;
    script.steps = {{0, A::Click, "Swap \"Source\"", 14101, 0, 0, ""},
                    {1250, A::Type, "Settings", 0, 0, 0, "12\xB0 C\\"},
                    {1300, A::Key, "Settings", 0, VK_TAB, Automation::Shift | Automation::Control, ""},
                    {61000, A::Answer, "Confirm", 0, IDNO, 0, ""},
                    {61000, A::File, "Open", 0, 1, 0, "/data/a b.ptn"},
                    {61001, A::File, "Open", 0, 0, 0, ""},
                    {62000, A::Slider, "Settings", 1003, -5, 0, ""},
                    {63000, A::Page, "Sheet", 0, 2, 0, ""}};
    AutomationScript back = AutomationScript::Parse(script.Write());
    ASSERT_EQ(back.steps.size(), script.steps.size());
    for (size_t i = 0; i < script.steps.size(); ++i) {
        EXPECT_EQ(AutomationScript::FormatStep(back.steps[i]), AutomationScript::FormatStep(script.steps[i]));
        EXPECT_EQ(back.steps[i].text, script.steps[i].text);
        EXPECT_EQ(back.steps[i].window, script.steps[i].window);
    }
    EXPECT_EQ(AutomationScript::FormatStep(script.steps[3]), "01:01.000  answer   \"Confirm\" IDNO");
}

TEST(AutomationScriptTest, MalformedLinesAreRefusedNamingTheLine)
{
    const char* const bad[] = {
        "00:01.x  click \"W\" 1",         // bad time
        "10  press \"W\" 1",              // unknown action
        "10  click W 1",                  // caption not quoted
        "10  click \"W\"",                // no control id
        "10  key \"W\" Hyper",            // unknown key
        "10  key \"W\" Tab+Meta",         // unknown modifier
        "10  answer \"W\" MAYBE",         // unknown answer
        "10  click \"W\" 1 2",            // left over
        "10  type \"W\" \"open",          // unterminated text
    };
    for (const char* line : bad) {
        try {
            AutomationScript::Parse(std::string("# ok\n") + line + "\n");
            ADD_FAILURE() << "accepted: " << line;
        } catch (const AutomationError& e) {
            EXPECT_NE(std::string(e.what()).find("line 2"), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(AutomationScript::Parse("20 click \"W\" 1\n10 click \"W\" 1\n"), AutomationError) << "time going back";
}

INT_PTR CALLBACK askingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && LOWORD(wParam) == 10) {
        int answer = ::MessageBox(dialog, "Really?", "Ask", MB_YESNO);
        ::SetWindowText(dialog, answer == IDYES ? "Said yes" : "Said no");
        return TRUE;
    }
    return FALSE;
}

class ScriptPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DialogTemplate t{{}, "Asker", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, 0, 0, 100, 40, "MS Sans Serif", 8,
                         {{10, "Button", "Ask", WS_VISIBLE | WS_TABSTOP, 0, 5, 5, 50, 14}}};
        dialog = ::CreateDialogIndirectParam(nullptr, &t, nullptr, askingProc, 0);
        ASSERT_NE(dialog, nullptr);
    }
    Automation& ui() { return *session; }
    AutomationSession session;
    HWND dialog = nullptr;
};

TEST_F(ScriptPlayerTest, StepsPlayAtTheirTimeAndBoxesTakeTheRecordedAnswer)
{
    AutomationScript script = AutomationScript::Parse("500 click \"Asker\" 10\n700 answer \"Ask\" IDNO\n");
    std::vector<ULONGLONG> times;
    AutomationPlayer player(ui(), script);
    player.onStep = [&](const AutomationStep&) { times.push_back(ui().Now()); };
    player.Play();
    EXPECT_EQ(times, (std::vector<ULONGLONG>{500, 700}));
    EXPECT_EQ(ui().Text(dialog), CString("Said no"));
    ASSERT_EQ(ui().MessageBoxes().size(), 1u);
    EXPECT_EQ(ui().MessageBoxes()[0].answer, IDNO);
}

TEST_F(ScriptPlayerTest, ABoxTheScriptDoesNotAnswerOrAMissingWindowIsAnError)
{
    AutomationScript unanswered = AutomationScript::Parse("0 click \"Asker\" 10\n");
    EXPECT_THROW(AutomationPlayer(ui(), unanswered).Play(), AutomationError);
    AutomationScript stray = AutomationScript::Parse("0 answer \"Ask\" IDYES\n");
    EXPECT_THROW(AutomationPlayer(ui(), stray).Play(), AutomationError);
    AutomationScript elsewhere = AutomationScript::Parse("0 click \"Nobody\" 10\n");
    EXPECT_THROW(AutomationPlayer(ui(), elsewhere).Play(), AutomationError);
}

} // namespace
