// The crosshair acquisition panel as the host and the operator drive it, the cross dragged with the
// mouse through the window system's input path (its looks: the golden images).

#include <utility>

#include "AcquirePanelSupport.h"
#include "maldi/panels/CMaldiCrossAcquireControlDlg.h"
#include "platform/framework/WindowManager.h"

using Positions = std::vector<std::pair<double, double>>;
using Values = std::vector<std::pair<int, int>>;

namespace {

// 2.0 mm x the single-precision 0.005 x 100.
constexpr double kEdge2mm = 0.9999999776482582;

struct CrossPanel : AcquirePanel<CMaldiCrossAcquireControlDlg> {
    HWND tracker = item(IDC_TRACKER);

    explicit CrossPanel(bool withHost = true, bool withPlate = true, float wellDiameter = 2.0f)
        : AcquirePanel(withHost, withPlate, "%.2f", wellDiameter)
    {
    }
    void tick() { session->Advance(CMaldiCrossAcquireControlDlg::kRefreshInterval); }

    // The operator presses the cross at the first value, moves through the others and lets go at
    // the last.
    void drag(const Values& path)
    {
        auto at = [this](std::pair<int, int> v) {
            POINT p = CTrackerCtl::PointOf(tracker, v.first, v.second);
            return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y));
        };
        auto& wm = WindowManager::Get();
        wm.PostInput(tracker, WM_LBUTTONDOWN, MK_LBUTTON, at(path.front()));
        for (size_t i = 1; i + 1 < path.size(); ++i) wm.PostInput(tracker, WM_MOUSEMOVE, MK_LBUTTON, at(path[i]));
        wm.PostInput(tracker, WM_LBUTTONUP, 0, at(path.back()));
        session->Pump();
    }
    std::pair<int, int> cross() const
    {
        POINT p{};
        ::SendMessage(tracker, TRKM_GETVALUE, 0, reinterpret_cast<LPARAM>(&p));
        return {p.x, p.y};
    }
    std::vector<TrackerSpot> spots() const
    {
        std::vector<TrackerSpot> result(static_cast<size_t>(::SendMessage(tracker, TRKM_GETSPOTCOUNT)));
        for (size_t i = 0; i < result.size(); ++i) ::SendMessage(tracker, TRKM_GETSPOT, i, reinterpret_cast<LPARAM>(&result[i]));
        return result;
    }
    Positions moves() const
    {
        Positions result;
        for (const auto& call : host.CallsOf(RecordingAppInterface::Operation::MovePlateToPosition)) {
            result.emplace_back(call.args.at(0), call.args.at(1));
        }
        return result;
    }
};

TrackerSpot laserSpot(int x, int y) { return TrackerSpot{x, y, 2, 255}; }

TEST(CrossAcquireControl, OpensContractedWithTheTrackerCentredOnTheWell)
{
    CrossPanel p;
    EXPECT_EQ(p.host.Texts(), (Texts{"SendPlateCommand(2,14)"}));
    EXPECT_TRUE(p.session->IsTopmost(p.hwnd));
    EXPECT_FALSE(p.session->CloseBoxEnabled(p.hwnd));
    EXPECT_EQ(p.session->Icon(p.hwnd, true), p.hostModule.FindIcon(1));

    // The stepping controls of the plain panel are not there.
    for (UINT id : {IDI_PREVIOUS, IDI_NEXT, IDI_STOP, IDC_PLATE_SPOT_PROGRESS, IDC_SPEED_SLIDER, IDC_COLLISION_ENERGY}) {
        EXPECT_EQ(p.session->TryFind(p.hwnd, static_cast<int>(id)), nullptr) << id;
    }
    // The tracker: -100..100 both ways (the well circle is in the golden images), the cross in the middle.
    RECT limits{};
    ::SendMessage(p.tracker, TRKM_GETLIMITS, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(CRect(limits), CRect(-100, -100, 100, 100));
    EXPECT_EQ(p.cross(), std::make_pair(0, 0));

    // The "Control" group with the collision energy is folded away.
    EXPECT_FALSE(p.session->IsOnScreen(p.item(IDC_CROSS_COLLISION_ENERGY)));
    ASSERT_TRUE(p.click(IDI_EXPAND_DIALOG));
    EXPECT_EQ(p.session->Text(p.hwnd, IDC_CROSS_COLLISION_ENERGY), "30.00") << "in the host's format";

    ExpectNoBlankOrUnnamedPictureButton(*p.session, p.hwnd);
    // A new run: its energy shows at the next DisplayWindow.
    p.dlg->InitialiseDialog(27.5);
    p.dlg->DisplayWindow();
    EXPECT_EQ(p.session->Text(p.hwnd, IDC_CROSS_COLLISION_ENERGY), "27.50");
}

TEST(CrossAcquireControl, TheCrossSendsItsPositionInTheWellOnEveryMoveAndOnRelease)
{
    struct Case {
        const char* name;
        float diameter;
        Values path;
        Positions expected;
    };
    const std::vector<Case> cases{
        {"released at a corner", 2.0f, {{100, -100}}, {{kEdge2mm, -kEdge2mm}, {kEdge2mm, -kEdge2mm}}},
        {"a press on the centre sends it once, on release", 2.0f, {{0, 0}}, {{0.0, 0.0}}},
        {"dragged round the corners and back",
         2.0f,
         {{-100, 100}, {100, 100}, {0, 0}},
         {{-kEdge2mm, kEdge2mm}, {kEdge2mm, kEdge2mm}, {0.0, 0.0}, {0.0, 0.0}}},
        {"a wider well", 3.5f, {{-100, 100}}, {{-1.7499999608844519, 1.7499999608844519}, {-1.7499999608844519, 1.7499999608844519}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CrossPanel p(true, true, c.diameter);
        p.host.Clear();
        p.drag(c.path);
        EXPECT_EQ(p.moves(), c.expected);
        EXPECT_EQ(p.host.calls.size(), c.expected.size()) << "nothing but positions";
        EXPECT_TRUE(p.spots().empty()) << "the laser is off";
    }
}

TEST(CrossAcquireControl, WhileTheLaserFiresEveryPositionSentIsMarked)
{
    CrossPanel p;
    p.drag({{-100, -100}});
    p.host.Clear();

    // Turning the laser on sends (1, 1), then the cross's position, which is marked.
    ASSERT_TRUE(p.click(IDI_FIRE_LASER));
    EXPECT_TRUE(p.checked(IDI_FIRE_LASER));
    EXPECT_EQ(p.host.Texts().front(), "SendPlateCommand(1,1)");
    EXPECT_EQ(p.moves(), (Positions{{-kEdge2mm, -kEdge2mm}}));
    EXPECT_EQ(p.spots(), (std::vector<TrackerSpot>{laserSpot(-100, -100)}));

    // Each position of a drag is marked where it was sent.
    p.host.Clear();
    p.drag({{100, -100}, {100, 100}});
    EXPECT_EQ(p.moves(), (Positions{{kEdge2mm, -kEdge2mm}, {kEdge2mm, kEdge2mm}, {kEdge2mm, kEdge2mm}}));
    EXPECT_EQ(p.spots(), (std::vector<TrackerSpot>{laserSpot(-100, -100), laserSpot(100, -100), laserSpot(100, 100),
                                                    laserSpot(100, 100)}));

    // Off again: (1, 2), no position, no mark; later moves are not marked.
    p.host.Clear();
    ASSERT_TRUE(p.click(IDI_FIRE_LASER));
    EXPECT_FALSE(p.checked(IDI_FIRE_LASER));
    EXPECT_EQ(p.host.Texts(), (Texts{"SendPlateCommand(1,2)"}));
    p.drag({{0, 0}});
    EXPECT_EQ(p.spots().size(), 4u);
    EXPECT_EQ(p.moves(), (Positions{{0.0, 0.0}, {0.0, 0.0}}));
}

TEST(CrossAcquireControl, ANewRunAndTheLockMassWellClearTheSpotsAndCentreTheCrossSilently)
{
    CrossPanel p;
    ASSERT_TRUE(p.click(IDI_FIRE_LASER));
    p.drag({{100, 100}, {-100, 100}});
    ASSERT_FALSE(p.spots().empty());

    p.host.Clear();
    p.dlg->InitialiseDialog(30.0);
    EXPECT_TRUE(p.spots().empty());
    EXPECT_EQ(p.cross(), std::make_pair(0, 0));
    EXPECT_FALSE(p.checked(IDI_FIRE_LASER));
    EXPECT_EQ(p.host.Texts(), (Texts{"SendPlateCommand(2,14)"})) << "re-centring sends no position";

    // The lock-mass button: to the well (the toggle starts on, so the first press turns it off),
    // laser off, spots gone, cross centred, no position sent.
    ASSERT_TRUE(p.click(IDI_FIRE_LASER));
    p.drag({{-100, -100}});
    p.host.Clear();
    ASSERT_TRUE(p.click(IDI_LOCK_MASS));
    EXPECT_EQ(p.host.Texts(), (Texts{"GoToLockMassWell(0,\"\",1)"}));
    EXPECT_TRUE(p.spots().empty());
    EXPECT_EQ(p.cross(), std::make_pair(0, 0));
    EXPECT_FALSE(p.checked(IDI_FIRE_LASER));
    ASSERT_TRUE(p.click(IDI_LOCK_MASS));
    EXPECT_EQ(p.host.Texts().back(), "GoToLockMassWell(1,\"\",1)");
}

TEST(CrossAcquireControl, ArrowKeysNeitherMoveTheCrossNorReachTheHost)
{
    CrossPanel p;
    p.drag({{100, 100}, {0, 0}}); // the operator has the tracker (it has the focus)
    ASSERT_EQ(p.session->FocusWindow(), p.tracker);
    p.host.Clear();
    for (UINT key : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_ESCAPE, VK_TAB}) p.session->PressKey(key);
    EXPECT_EQ(p.cross(), std::make_pair(0, 0));
    EXPECT_EQ(p.host.Texts(), Texts{});
    EXPECT_TRUE(p.session->IsVisible(p.hwnd));
    EXPECT_EQ(p.session->FocusWindow(), p.tracker);
}

TEST(CrossAcquireControl, PauseDisablesTheLaserAndLockMassUntilContinued)
{
    CrossPanel p;
    p.host.Clear();
    ASSERT_TRUE(p.click(IDI_PAUSE));
    EXPECT_EQ(p.host.Texts(), (Texts{"RequestPauseAcquisition()"}));
    EXPECT_TRUE(p.checked(IDI_PAUSE));
    EXPECT_FALSE(p.enabled(IDI_FIRE_LASER));
    EXPECT_FALSE(p.enabled(IDI_LOCK_MASS));
    p.dlg->SetButtonStates(); // the host's refresh while paused changes nothing
    EXPECT_FALSE(p.enabled(IDI_FIRE_LASER));
    EXPECT_FALSE(p.click(IDI_FIRE_LASER));

    ASSERT_TRUE(p.click(IDI_PAUSE));
    EXPECT_EQ(p.host.Texts().back(), "RequestContinueAcquisition()");
    EXPECT_TRUE(p.enabled(IDI_FIRE_LASER));
    EXPECT_TRUE(p.enabled(IDI_LOCK_MASS));

    // A new run ends a pause.
    p.dlg->PauseAcquisition();
    p.dlg->InitialiseDialog(30.0);
    EXPECT_FALSE(p.checked(IDI_PAUSE));
    EXPECT_TRUE(p.enabled(IDI_FIRE_LASER));
}

TEST(CrossAcquireControl, TheLockMassCheckFollowsTheReferenceFlagAtTheNextTick)
{
    CrossPanel p;
    p.tick();
    // Only the reference flag counts; it shows at the next tick, not before.
    p.dlg->UpdateProgressIndicator(5, 2, 1, 7);
    EXPECT_FALSE(p.checked(IDI_LOCK_MASS));
    p.tick();
    EXPECT_TRUE(p.checked(IDI_LOCK_MASS));
    // The other three values change nothing: the check is set only when the flag changes.
    p.dlg->InitialiseDialog(30.0); // a new run leaves the check as it was
    EXPECT_TRUE(p.checked(IDI_LOCK_MASS));
    p.dlg->UpdateProgressIndicator(0, 0, 1, 0);
    p.tick();
    EXPECT_TRUE(p.checked(IDI_LOCK_MASS));
    p.dlg->UpdateProgressIndicator(5, 3, 0, 8);
    p.tick();
    EXPECT_FALSE(p.checked(IDI_LOCK_MASS));
    p.dlg->UpdateProgressIndicator(5, 3, 2, 8);
    p.tick();
    EXPECT_TRUE(p.checked(IDI_LOCK_MASS));

    // A plate without lock-mass correction keeps the button off and disabled.
    p.plate.m_bLockMassCorrection = FALSE;
    p.dlg->UpdateProgressIndicator(5, 3, 0, 8);
    p.tick();
    EXPECT_FALSE(p.checked(IDI_LOCK_MASS));
    EXPECT_FALSE(p.enabled(IDI_LOCK_MASS));

    // StopAcquisition kills the timer and ends the panel.
    p.plate.m_bLockMassCorrection = TRUE;
    p.dlg->SetButtonStates();
    p.dlg->StopAcquisition();
    EXPECT_FALSE(p.session->IsVisible(p.hwnd));
    p.dlg->UpdateProgressIndicator(5, 3, 1, 8);
    p.session->Advance(2000);
    EXPECT_FALSE(p.checked(IDI_LOCK_MASS));
}

TEST(CrossAcquireControl, WithoutAPlateOrAHostTheCrossStillMovesAndMarks)
{
    {
        SCOPED_TRACE("no current plate: no well to map onto");
        CrossPanel p(true, false);
        p.host.Clear();
        ASSERT_TRUE(p.click(IDI_FIRE_LASER));
        p.drag({{100, 100}});
        EXPECT_EQ(p.cross(), std::make_pair(100, 100));
        EXPECT_EQ(p.host.Texts(), (Texts{"SendPlateCommand(1,1)"}));
        EXPECT_EQ(p.spots().size(), 3u); // laser on, the press, the release
    }
    {
        SCOPED_TRACE("no host");
        CrossPanel p(false, true);
        ASSERT_TRUE(p.click(IDI_FIRE_LASER));
        p.drag({{-100, 100}});
        ASSERT_TRUE(p.click(IDI_LOCK_MASS));
        EXPECT_TRUE(p.spots().empty());
        EXPECT_FALSE(p.checked(IDI_FIRE_LASER));
        EXPECT_TRUE(p.host.calls.empty());
    }
}

} // namespace
