// The crosshair tracker as an owner dialog and its operator see it: the cross dragged with the mouse
// (through the window system's input path) or moved with the arrow keys, the notifications the owner
// gets, and the owner's program calls.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <stdexcept>
#include <vector>

#include "platform/framework/AutomationSession.h"
#include "platform/framework/Framework.h"
#include "platform/framework/ResourceRegistrar.h"
#include "platform/framework/WindowManager.h"
#include "platform/widgets/CTrackerCtl.h"

namespace {

constexpr UINT IDD_TRACKER = 710;
constexpr int IDC_TRACKER = 7101;
constexpr int IDC_OTHER = 7102;

// What the owner saw: 'c' change or 'r' release, with the cross at that moment.
struct Note {
    char what;
    int x, y;
    friend bool operator==(const Note&, const Note&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Note& n)
    {
        return out << n.what << '(' << n.x << ',' << n.y << ')';
    }
};

class TrackerDialog : public CDialog {
public:
    TrackerDialog() : CDialog(IDD_TRACKER) {}
    CTrackerCtl tracker;
    std::vector<Note> notes;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        tracker.SubclassDlgItem(IDC_TRACKER, this);
        return TRUE;
    }
    afx_msg void OnChange() { note('c'); }
    afx_msg void OnRelease(NMHDR*, LRESULT* result)
    {
        note('r');
        *result = 0;
    }

private:
    void note(char what)
    {
        int x = 0, y = 0;
        tracker.GetValue(x, y);
        notes.push_back({what, x, y});
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TrackerDialog, CDialog)
    ON_CONTROL(TRN_CHANGE, IDC_TRACKER, &TrackerDialog::OnChange)
    ON_NOTIFY(TRN_RELEASE, IDC_TRACKER, &TrackerDialog::OnRelease)
END_MESSAGE_MAP()

DialogTemplate trackerTemplate()
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    return DialogTemplate{IDD_TRACKER, "Tracker", DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION,
                          0, 10, 10, 160, 120, "MS Sans Serif", 8,
                          {
                              {IDC_TRACKER, CTrackerCtl::kClassName, "", child, 0, 7, 7, 90, 84},
                              {IDC_OTHER, "Button", "Other", child | BS_PUSHBUTTON, 0, 105, 7, 40, 14},
                          }};
}

struct Fixture {
    AutomationSession session;
    ResourceModule module{"tracker test host", {trackerTemplate()}, {}, {}};
    ResourceRegistrar registrar{module};
    TrackerDialog dialog;
    HWND hwnd = nullptr;
    HWND tracker = nullptr;

    Fixture()
    {
        if (!dialog.Create(IDD_TRACKER)) throw std::runtime_error("the tracker dialog could not be made");
        hwnd = dialog.m_hWnd;
        tracker = session->Find(hwnd, IDC_TRACKER);
    }
    // The operator presses at the first value's point, moves through the others and lets go at
    // the last (points may lie outside the field: the tracker holds the mouse).
    void drag(const std::vector<POINT>& points)
    {
        auto& wm = WindowManager::Get();
        auto at = [](POINT p) { return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)); };
        wm.PostInput(tracker, WM_LBUTTONDOWN, MK_LBUTTON, at(points.front()));
        for (size_t i = 1; i + 1 < points.size(); ++i) wm.PostInput(tracker, WM_MOUSEMOVE, MK_LBUTTON, at(points[i]));
        wm.PostInput(tracker, WM_LBUTTONUP, 0, at(points.back()));
        session->Pump();
    }
    POINT pointOf(int x, int y) const { return CTrackerCtl::PointOf(tracker, x, y); }
    POINT value() const
    {
        int x = 0, y = 0;
        dialog.tracker.GetValue(x, y);
        return {x, y};
    }
};

} // namespace

TEST(CTrackerCtl, DraggingNotifiesEachMoveAndTheRelease)
{
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> path; // values; the last may lie beyond the field
        std::vector<Note> expected;
        POINT end;
    };
    const std::vector<Case> cases{
        {"press, move, release elsewhere", {{-100, 100}, {100, 100}, {100, 0}},
         {{'c', -100, 100}, {'c', 100, 100}, {'c', 100, 0}, {'r', 100, 0}}, {100, 0}},
        {"a press on the cross itself", {{0, 0}, {0, 0}}, {{'r', 0, 0}}, {0, 0}},
        {"dragged past the corner", {{0, 100}, {150, -170}}, {{'c', 0, 100}, {'c', 100, -100}, {'r', 100, -100}},
         {100, -100}},
        {"a move back to where it was still notifies", {{-100, 0}, {0, 0}, {0, 0}},
         {{'c', -100, 0}, {'c', 0, 0}, {'r', 0, 0}}, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        std::vector<POINT> points;
        for (auto [x, y] : c.path) {
            POINT p = f.pointOf(std::clamp(x, -100, 100), std::clamp(y, -100, 100));
            // Beyond the field: as far outside as the value lies beyond the limit.
            if (x > 100) p.x += x - 100;
            if (y < -100) p.y += -100 - y;
            points.push_back(p);
        }
        f.drag(points);
        EXPECT_EQ(f.dialog.notes, c.expected);
        EXPECT_EQ(f.value().x, c.end.x);
        EXPECT_EQ(f.value().y, c.end.y);
        EXPECT_EQ(::GetCapture(), nullptr) << "the tracker lets the mouse go";
    }
}

// A value beyond the limits is held at them as a drag past the corner is.
TEST(CTrackerCtl, ProgramChangesNotifyNobodyAndNewLimitsTakeTheCrossWithThem)
{
    Fixture f;
    CTrackerCtl& t = f.dialog.tracker;
    t.SetValue(100, -7);
    EXPECT_FALSE(t.SetXLimits(10, -10)) << "a maximum below the minimum is refused";
    EXPECT_EQ(t.GetLimits(), CRect(-100, -100, 100, 100));
    EXPECT_TRUE(t.SetXLimits(-20, 20));
    EXPECT_TRUE(t.SetYLimits(0, 50));
    EXPECT_EQ(t.GetLimits(), CRect(-20, 0, 20, 50));
    EXPECT_EQ(f.value().x, 20);
    EXPECT_EQ(f.value().y, 0);
    t.SetCircleRatio(3.0);
    EXPECT_DOUBLE_EQ(t.GetCircleRatio(), 1.0);
    EXPECT_TRUE(f.dialog.notes.empty());
}

TEST(CTrackerCtl, ArrowKeysMoveTheCrossOneUnitAndReleaseOnKeyUp)
{
    Fixture f;
    f.dialog.tracker.SetValue(99, 0);
    ::SetFocus(f.tracker);
    f.session->PressKey(VK_RIGHT);
    f.session->PressKey(VK_RIGHT); // at the limit: no move, still a release
    f.session->PressKey(VK_UP);
    f.session->PressKey(VK_LEFT);
    f.session->PressKey(VK_DOWN);
    EXPECT_EQ(f.dialog.notes, (std::vector<Note>{{'c', 100, 0},
                                                 {'r', 100, 0},
                                                 {'r', 100, 0},
                                                 {'c', 100, 1},
                                                 {'r', 100, 1},
                                                 {'c', 99, 1},
                                                 {'r', 99, 1},
                                                 {'c', 99, 0},
                                                 {'r', 99, 0}}));
    // A key whose press went elsewhere (an owner kept it) lets nothing go.
    f.dialog.notes.clear();
    ::SendMessage(f.tracker, WM_KEYUP, VK_LEFT, 0);
    EXPECT_TRUE(f.dialog.notes.empty());
}
