// The desktop back end under an X server (tools/desktop-test.sh starts Xvfb): real pointer and key
// events from xdotool, the server's pixels read back with xwd.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/desktop/Desktop.h"
#include "platform/framework/Automation.h"
#include "platform/framework/FileDialogRecord.h"
#include "platform/framework/WindowManager.h"
#include "sim/SimReplay.h"
#include "sim/SimSession.h"
#include "sim/SimStages.h"

namespace {

constexpr int kExpand = 14167, kThermometer = 14178;

void xdotool(const std::string& args)
{
    ASSERT_EQ(std::system(("xdotool " + args).c_str()), 0) << args;
}

// Moves the pointer to the middle of a window (on a desktop drawn at `scale`) and clicks it.
void clickAt(Automation& ui, HWND hwnd, int scale = 1)
{
    CRect r = ui.WindowRect(hwnd);
    xdotool("mousemove " + std::to_string(r.CenterPoint().x * scale) + " " + std::to_string(r.CenterPoint().y * scale) +
            " click 1");
}

// Pixels of the screen that differ from a window's render placed at its rectangle times the scale.
int differing(const Surface& shot, const Surface& drawn, const CRect& r, int scale)
{
    int wrong = 0;
    for (int y = 0; y < drawn.Height(); ++y)
        for (int x = 0; x < drawn.Width(); ++x) wrong += shot.GetPixel(r.left * scale + x, r.top * scale + y) != Surface::ToColorRef(drawn.Row(y)[x]);
    return wrong;
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

bool transcriptHas(SimSession& s, const std::string& part)
{
    for (const auto& line : s.Transcript().Lines())
        if (line.text.find(part) != std::string::npos) return true;
    return false;
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
    clickAt(ui, ui.Find(swap(), kExpand));
    frames();
    ASSERT_EQ(ui.CheckState(ui.Find(swap(), kExpand)), BST_CHECKED) << "the click did not reach the expand button";
    // The interlock override takes once the hot source has been watched for a while.
    desktop->RunUntil([&] { return ui.Now() >= 7000; });
    clickAt(ui, ui.Find(swap(), kThermometer));
    frames();
    EXPECT_TRUE(transcriptHas(*session, "SOURCE_TEMPERATURE_SETTING = 30")) << "the thermometer click wrote nothing";

    xdotool("mousemove 1200 780"); // off the window, no hover in the picture
    frames();
    Surface shot = screen();
    Surface drawn = ui.Render(swap());
    CRect r = ui.WindowRect(swap());
    ASSERT_FALSE(shot.IsEmpty());
    EXPECT_EQ(differing(shot, drawn, r, 1), 0) << "pixels of the desktop window differ from the renderer's image";

    // A caption drag moves the window-system window.
    xdotool("mousemove " + std::to_string(r.left + 40) + " " + std::to_string(r.top + 10) + " mousedown 1 mousemove " +
            std::to_string(r.left + 140) + " " + std::to_string(r.top + 60) + " mouseup 1");
    frames();
    EXPECT_EQ(ui.WindowRect(swap()).TopLeft(), CPoint(r.left + 100, r.top + 50));
}

TEST_F(DesktopTest, AtScaleTwoAPointerClickHitsTheButtonUnderItAndTheScreenShowsTheScaleTwoRender)
{
    start(2);
    SimStages::Find("source-swap")->open(*session);
    frames();
    Automation& ui = session->Ui();
    clickAt(ui, ui.Find(swap(), kExpand), 2);
    frames();
    ASSERT_EQ(ui.CheckState(ui.Find(swap(), kExpand)), BST_CHECKED) << "the pointer was not divided by the scale";
    xdotool("mousemove 1270 790");
    frames();
    const Surface drawn = ui.Render(swap(), 2);
    const CRect r = ui.WindowRect(swap());
    ASSERT_EQ(drawn.Width(), r.Width() * 2);
    EXPECT_EQ(differing(screen(), drawn, r, 2), 0) << "the desktop window is not the renderer's scale-2 image";
}

TEST_F(DesktopTest, MessageBoxIsARealWindowAnsweredByClickAndByKey)
{
    Automation& ui = session->Ui();
    int answers[2] = {0, 0};
    int asked = 0;
    // The boxes open from the loop, as a program's would; the frame hook plays the person.
    desktop->onFrame = [&] {
        HWND box = ui.FindTopLevel("Confirm");
        if (!box || !desktop->MirrorOf(box) || !ui.IsVisible(box)) return;
        if (asked == 0) clickAt(ui, ui.Find(box, IDNO));
        else xdotool("mousemove " + std::to_string(ui.WindowRect(box).CenterPoint().x) + " " +
                     std::to_string(ui.WindowRect(box).CenterPoint().y) + " key Return");
    };
    for (asked = 0; asked < 2; ++asked) {
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
    clickAt(ui, ui.Find(swap(), kExpand));
    frames();
    clickAt(ui, ui.Find(swap(), kThermometer));
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
