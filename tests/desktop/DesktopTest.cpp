// The desktop back end under an X server (tools/desktop-test.sh starts Xvfb): real pointer and key
// events from xdotool, the server's pixels read back with xwd.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/desktop/Desktop.h"
#include "platform/framework/Automation.h"
#include "platform/framework/ClassicLook.h"
#include "platform/framework/FileDialogRecord.h"
#include "platform/framework/gdi/PngFile.h"
#include "platform/framework/WindowManager.h"
#include "sim/SimReplay.h"
#include "sim/SimSession.h"
#include "sim/SimStages.h"

namespace {

constexpr int kExpand = 14167, kThermometer = 14178, kCalibrationStart = 43062;

void xdotool(const std::string& args)
{
    ASSERT_EQ(std::system(("xdotool " + args).c_str()), 0) << args;
}

// Moves the pointer to a screen point (by default the middle of a window, on a desktop drawn at
// `scale`) and clicks there.
void clickAt(CPoint p)
{
    xdotool("mousemove " + std::to_string(p.x) + " " + std::to_string(p.y) + " click 1");
}
void clickAt(Automation& ui, HWND hwnd, int scale = 1)
{
    const CPoint centre = ui.WindowRect(hwnd).CenterPoint();
    clickAt(CPoint(centre.x * scale, centre.y * scale));
}

// The X server's picture of the screen (xwd, 24 or 32 bits a pixel) as 0x00RRGGBB pixels.
Surface screen()
{
    const std::string path = ::testing::TempDir() + "desktop-screen.xwd";
    if (int rc = std::system(("xwd -root -silent > " + path).c_str()); rc != 0) {
        ADD_FAILURE() << "xwd failed: " << rc;
        return Surface();
    }
    std::ifstream in(path, std::ios::binary);
    std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto word = [&](size_t i) {
        const auto* p = reinterpret_cast<const unsigned char*>(data.data()) + i * 4;
        return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
    };
    const uint32_t bytes = data.size() >= 100 ? word(11) / 8 : 0;
    if (bytes != 3 && bytes != 4) {
        ADD_FAILURE() << "not a 32-bit xwd image (" << data.size() << " bytes, " << word(0) << " " << word(11) << ")";
        return Surface();
    }
    const uint32_t header = word(0), width = word(4), height = word(5), bytesPerLine = word(12), colors = word(19);
    const size_t start = header + colors * 12;
    if (data.size() < start + size_t(bytesPerLine) * height) return Surface();
    Surface s(static_cast<int>(width), static_cast<int>(height));
    const bool msbFirst = word(7) != 0;
    for (uint32_t y = 0; y < height; ++y) {
        for (uint32_t x = 0; x < width; ++x) {
            const auto* p = reinterpret_cast<const unsigned char*>(data.data()) + start + y * bytesPerLine + x * bytes;
            uint32_t v = msbFirst ? (uint32_t(p[bytes - 3]) << 16 | uint32_t(p[bytes - 2]) << 8 | p[bytes - 1]) : (uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0]);
            s.Row(static_cast<int>(y))[x] = v;
        }
    }
    return s;
}

// Pixels of the screen that differ from a window's render (at `scale`) placed at its rectangle
// times the scale; an empty screen picture counts as a difference.
int differing(const Surface& shot, const Surface& drawn, const CRect& r, int scale)
{
    int wrong = shot.IsEmpty() ? 1 : 0;
    for (int y = 0; y < drawn.Height() && !shot.IsEmpty(); ++y)
        for (int x = 0; x < drawn.Width(); ++x) wrong += shot.Row(r.top * scale + y)[r.left * scale + x] != drawn.Row(y)[x];
    return wrong;
}
int differing(const Surface& shot, Automation& ui, HWND hwnd)
{
    return differing(shot, ui.Render(hwnd), ui.WindowRect(hwnd), 1);
}

class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display (run tools/desktop-test.sh)";
        session = std::make_unique<SimSession>(options, "desktop-test", nullptr);
        start(1);
    }
    void start(int scale)
    {
        desktop.reset();
        desktop = std::make_unique<Desktop>(session->Ui(), scale);
        desktop->advanceTo = [this](ULONGLONG t) { SimReplay::StepTo(*session, t); };
        desktop->onInput = [this](const AutomationStep& step) { recording.script.steps.push_back(step); SimReplay::Say(*session, step); };
    }
    void TearDown() override
    {
        desktop.reset();
        session.reset();
    }
    // Frames for a while of wall time, so that queued X events arrive and take effect.
    void frames(int count = 20)
    {
        for (int i = 0; i < count; ++i) desktop->RunFrame();
    }
    // Frames until `done` holds, for at most five seconds: a loaded machine delivers X events late.
    bool settle(const std::function<bool()>& done)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) return false;
            desktop->RunFrame();
        }
        return true;
    }
    ::testing::AssertionResult shows(HWND hwnd)
    {
        int wrong = 0;
        if (settle([&] { return (wrong = differing(screen(), session->Ui(), hwnd)) == 0; }))
            return ::testing::AssertionSuccess();
        const std::string shot = ::testing::TempDir() + "desktop-screen-failed.png";
        PngFile::Write(screen(), shot);
        PngFile::Write(session->Ui().Render(hwnd), ::testing::TempDir() + "desktop-render-failed.png");
        return ::testing::AssertionFailure() << wrong << " pixels differ from the renderer's image (see " << shot << ")";
    }
    HWND swap() { return session->Host().SourceSwapWindow(); }

    SimOptions options;
    std::unique_ptr<SimSession> session;
    std::unique_ptr<Desktop> desktop;
    SimReplay::Recording recording;
};

TEST_F(DesktopTest, PointerClicksReachTheSwapButtonsAndTheScreenShowsWhatRenderDraws)
{
    SimStages::Find("source-swap")->open(*session);
    frames();
    Automation& ui = session->Ui();
    ASSERT_NE(desktop->MirrorOf(swap()), nullptr);
    ASSERT_TRUE(shows(swap())) << "the window never showed on the screen as drawn";
    clickAt(ui, ui.Find(swap(), kExpand));
    ASSERT_TRUE(settle([&] { return ui.CheckState(ui.Find(swap(), kExpand)) == BST_CHECKED; }))
        << "the click did not reach the expand button";
    // The interlock override takes once the hot source has been watched for a while.
    desktop->RunUntil([&] { return ui.Now() >= 7000; });
    ASSERT_TRUE(shows(swap())) << "the window never showed on the screen as drawn";
    clickAt(ui, ui.Find(swap(), kThermometer));
    EXPECT_TRUE(settle([&] { return session->Transcript().Contains("SOURCE_TEMPERATURE_SETTING = 30"); }))
        << "the thermometer click wrote nothing";

    xdotool("mousemove 1200 780"); // off the window, no hover in the picture
    EXPECT_TRUE(shows(swap())) << "pixels of the desktop window differ from the renderer's image";
    CRect r = ui.WindowRect(swap());

    // A caption drag moves the window-system window.
    xdotool("mousemove " + std::to_string(r.left + 40) + " " + std::to_string(r.top + 10) + " mousedown 1 mousemove " +
            std::to_string(r.left + 140) + " " + std::to_string(r.top + 60) + " mouseup 1");
    EXPECT_TRUE(settle([&] { return ui.WindowRect(swap()).TopLeft() == CPoint(r.left + 100, r.top + 50); }));
}

TEST_F(DesktopTest, AltAndAMnemonicLetterPressTheButtonThatHasIt)
{
    SimStages::Find("calibration")->open(*session);
    frames();
    Automation& ui = session->Ui();
    HWND calibration = session->Host().CalibrationWindow();
    CRect r = ui.WindowRect(calibration);
    ASSERT_TRUE(shows(calibration)) << "keys sent before the window is on the screen go elsewhere";
    xdotool("mousemove " + std::to_string(r.CenterPoint().x) + " " + std::to_string(r.top + 10) + " key alt+s");
    EXPECT_TRUE(settle([&] { return session->Transcript().Contains("StartPlateCalibration"); }))
        << "Alt+S did not press \"&Start\"";
    EXPECT_EQ(ui.Text(calibration, kCalibrationStart), CString("&Abort"));
}

TEST_F(DesktopTest, TheMinimiseBoxLeavesTheIconOnTheDesktopAndAClickOnItRestoresTheWindow)
{
    SimStages::Find("source-swap")->open(*session);
    frames();
    Automation& ui = session->Ui();
    const CRect normal = ui.WindowRect(swap());
    ASSERT_TRUE(shows(swap()));
    clickAt(normal.TopLeft() + ClassicLook::MinimizeBoxRect(swap()).CenterPoint());
    ASSERT_TRUE(settle([&] { return ui.IsIconic(swap()); })) << "the minimise box did nothing";
    EXPECT_TRUE(shows(swap())) << "the desktop does not show the minimised window as drawn";
    Surface shot = screen();
    POINT icon{16, 16}; // the middle of the icon, the client area of the minimised window
    ::ClientToScreen(swap(), &icon);
    EXPECT_NE(shot.Row(icon.y)[icon.x], ui.Render(swap()).Row(0)[0]) << "only the desktop colour where the icon is";
    clickAt(ui, swap());
    EXPECT_TRUE(settle([&] { return !ui.IsIconic(swap()); }));
    EXPECT_EQ(ui.WindowRect(swap()), normal);
    ASSERT_EQ(recording.script.steps.size(), 2u) << SimReplay::Write(recording);
    EXPECT_EQ(recording.script.steps[1].action, AutomationStep::Action::Restore);
}

TEST_F(DesktopTest, ATopmostWindowStaysAboveOneActivatedAfterItOtherwiseTheClickedOneComesToTheTop)
{
    SimStages::Find("source-swap")->open(*session);
    SimStages::Find("acquisition")->open(*session);
    Automation& ui = session->Ui();
    HWND panel = session->Host().AcquisitionWindow();
    const CRect s = ui.WindowRect(swap());
    ::SetWindowPos(panel, nullptr, s.left + 100, s.top + 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ::SetWindowPos(swap(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(shows(swap())) << "the topmost window is not on top from the start";
    const CPoint panelCaption(s.right + 10, s.top + 70);
    clickAt(panelCaption);
    ASSERT_TRUE(settle([&] { return ui.ActiveWindow() == panel; }));
    EXPECT_TRUE(shows(swap())) << "the window activated later covers the topmost one";
    ::SetWindowPos(swap(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    clickAt(CPoint(s.left + 40, s.top + 10));
    ASSERT_TRUE(settle([&] { return ui.ActiveWindow() == swap(); }));
    clickAt(panelCaption);
    EXPECT_TRUE(shows(panel)) << "the clicked window did not come to the top";
    EXPECT_GT(differing(screen(), ui, swap()), 0);
}

TEST_F(DesktopTest, AtScaleTwoAPointerClickHitsTheButtonUnderItAndTheScreenShowsTheScaleTwoRender)
{
    start(2);
    SimStages::Find("source-swap")->open(*session);
    frames();
    Automation& ui = session->Ui();
    ASSERT_TRUE(settle([&] { return differing(screen(), ui.Render(swap(), 2), ui.WindowRect(swap()), 2) == 0; }));
    clickAt(ui, ui.Find(swap(), kExpand), 2);
    ASSERT_TRUE(settle([&] { return ui.CheckState(ui.Find(swap(), kExpand)) == BST_CHECKED; }))
        << "the pointer was not divided by the scale";
    xdotool("mousemove 1270 790");
    const Surface drawn = ui.Render(swap(), 2);
    const CRect r = ui.WindowRect(swap());
    ASSERT_EQ(drawn.Width(), r.Width() * 2);
    EXPECT_TRUE(settle([&] { return differing(screen(), drawn, r, 2) == 0; }))
        << "the desktop window is not the renderer's scale-2 image";
}

TEST_F(DesktopTest, MessageBoxIsARealWindowAnsweredByClickAndByKey)
{
    Automation& ui = session->Ui();
    int answers[2] = {0, 0};
    int asked = 0, waited = 0;
    // The boxes open from the loop, as a program's would; the frame hook plays the person (again
    // each frame until the box goes: X input comes late on a busy machine).
    desktop->onFrame = [&] {
        HWND box = ui.FindTopLevel("Confirm");
        if (!box || !desktop->MirrorOf(box) || !ui.IsVisible(box)) return;
        if (++waited > 300) {
            ADD_FAILURE() << "box " << asked << " took no input";
            ui.Click(box, IDNO);
        } else if (asked == 0) {
            clickAt(ui, ui.Find(box, IDNO));
        } else {
            xdotool("mousemove " + std::to_string(ui.WindowRect(box).CenterPoint().x) + " " +
                    std::to_string(ui.WindowRect(box).CenterPoint().y) + " key Return");
        }
    };
    for (asked = 0; asked < 2; ++asked, waited = 0) {
        answers[asked] = ::MessageBox(nullptr, "Replace the file?", "Confirm", MB_YESNO | MB_ICONQUESTION);
    }
    EXPECT_EQ(answers[0], IDNO) << "the click on No";
    EXPECT_EQ(answers[1], IDYES) << "Enter takes the default button";
    ASSERT_EQ(ui.MessageBoxes().size(), 2u);
    EXPECT_EQ(ui.FindTopLevel("Confirm"), nullptr) << "the box window was left behind";
}

TEST_F(DesktopTest, FileDialogTakesTypingAndTabAndCancelsOnEscape)
{
    Automation& ui = session->Ui();
    CString typed;
    CString focusAfterTab;
    int stage = 0;
    desktop->onFrame = [&] {
        HWND dialog = ui.FindTopLevel("Open");
        if (!dialog || !desktop->MirrorOf(dialog)) return;
        CRect r = ui.WindowRect(dialog);
        std::string over = "mousemove " + std::to_string(r.CenterPoint().x) + " " + std::to_string(r.top + 10);
        if (stage == 0) xdotool(over + " type plate.ptn");
        if (stage == 5) {
            typed = ui.Text(ui.Find(dialog, 1003));
            xdotool(over + " key Tab");
        }
        if (stage == 10) {
            if (ui.FocusWindow()) focusAfterTab = ui.ClassName(ui.FocusWindow());
            xdotool(over + " key Escape");
        }
        if (stage == 400) { // Escape was lost: end the dialog rather than wait for ever
            ADD_FAILURE() << "Escape never reached the dialog";
            ui.Click(dialog, IDCANCEL);
        }
        ++stage;
    };
    FileDialogRecord record;
    record.open = true;
    record.filter = "Pattern files (*.ptn)|*.ptn|All files (*.*)|*.*||";
    record.initialFolder = CString(::testing::TempDir().c_str());
    EXPECT_FALSE(ui.ShowFileDialog(record));
    EXPECT_EQ(typed, CString("plate.ptn"));
    EXPECT_FALSE(focusAfterTab.IsEmpty()) << "Tab lost the focus";
    EXPECT_NE(focusAfterTab.CompareNoCase("Edit"), 0) << "Tab left the focus in the name field";
    ASSERT_EQ(ui.FileDialogs().size(), 1u);
    EXPECT_EQ(ui.FindTopLevel("Open"), nullptr) << "the dialog window was left behind";
}

TEST_F(DesktopTest, ARecordedSessionReplaysToTheSameTranscript)
{
    SimStages::Find("source-swap")->open(*session);
    frames();
    Automation& ui = session->Ui();
    ASSERT_TRUE(shows(swap())) << "the window never showed on the screen as drawn";
    clickAt(ui, ui.Find(swap(), kExpand));
    ASSERT_TRUE(settle([&] { return ui.CheckState(ui.Find(swap(), kExpand)) == BST_CHECKED; }));
    ASSERT_TRUE(shows(swap())) << "the window never showed on the screen as drawn";
    clickAt(ui, ui.Find(swap(), kThermometer));
    settle([&] { return recording.script.steps.size() == 2; });
    frames(40);
    recording.stage = "source-swap";
    recording.end = ui.Now();
    ASSERT_EQ(recording.script.steps.size(), 2u) << SimReplay::Write(recording);
    std::vector<std::string> live;
    for (const auto& line : session->Transcript().Lines()) live.push_back(line.Format());
    TearDown();

    SimSession replay(options, "replay", nullptr);
    SimReplay::Recording back = SimReplay::Read(SimReplay::Write(recording));
    SimStages::Find(back.stage)->open(replay);
    AutomationPlayer player(replay.Ui(), back.script, [&replay](ULONGLONG t) { SimReplay::StepTo(replay, t); });
    player.onStep = [&replay](const AutomationStep& step) { SimReplay::Say(replay, step); };
    player.Play();
    SimReplay::StepTo(replay, back.end);
    std::vector<std::string> replayed;
    for (const auto& line : replay.Transcript().Lines()) replayed.push_back(line.Format());
    EXPECT_EQ(replayed, live);
}

} // namespace
