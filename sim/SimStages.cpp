#include "sim/SimStages.h"

#include <stdexcept>

#include "maldi/boundary/CMaldiAppInterface.h"
#include "platform/framework/DialogTemplate.h"
#include "platform/framework/WinUser.h"
#include "sim/SimSession.h"

namespace {

void need(bool made, const char* what)
{
    if (!made) throw std::runtime_error(std::string("the ") + what + " window could not be created");
}

void openSwap(SimSession& s)
{
    s.Instrument().Source().SetTemperature(72.0, 72.0);
    need(s.Host().PrepareSourceSwap() != nullptr, "source swap");
    s.Wait(1000); // the host made the window when it started, a while ago
    s.Host().OpenSourceSwap();
}

void openEsi(SimSession& s)
{
    s.Instrument().Source().SetFittedApi();
    s.Host().SetSourceMode(CMaldiAppInterface::SourceModeApi);
    need(s.Host().OpenEsiProbe(s.Host().SavedEsiPosition(), 50) != nullptr, "ESI probe");
}

void openAcquisition(SimSession& s)
{
    need(s.Host().OpenAcquisitionPanel() != nullptr, "acquisition");
}

void openCrosshair(SimSession& s)
{
    need(s.Host().OpenCrosshairPanel() != nullptr, "crosshair");
}

void openCalibration(SimSession& s)
{
    need(s.Host().OpenCalibration(5, 0.05f, 3000) != nullptr, "calibration");
}

constexpr int kFirstButton = 100;

INT_PTR CALLBACK launcherProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtr(dialog, DWLP_USER, lParam);
        return TRUE;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        auto* s = reinterpret_cast<SimSession*>(::GetWindowLongPtr(dialog, DWLP_USER));
        int index = LOWORD(wParam) - kFirstButton + 1; // the launcher itself is the first stage
        if (LOWORD(wParam) == IDCANCEL) {
            ::DestroyWindow(dialog);
        } else if (s && index > 0 && index < static_cast<int>(SimStages::All().size())) {
            s->Say(std::string("the operator opens ") + SimStages::All()[static_cast<size_t>(index)].description);
            SimStages::All()[static_cast<size_t>(index)].open(*s);
        }
        return TRUE;
    }
    return FALSE;
}

void openLauncher(SimSession& s)
{
    DialogTemplate t;
    t.caption = SimStages::kLauncherCaption;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    t.x = 10;
    t.y = 10;
    t.cx = 150;
    const auto& all = SimStages::All();
    short y = 7;
    for (size_t i = 1; i < all.size(); ++i, y += 18) {
        DialogItem b;
        b.id = kFirstButton + static_cast<int>(i) - 1;
        b.className = "Button";
        b.text = CString(all[i].description);
        b.style = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
        b.x = 7, b.y = y, b.cx = 136, b.cy = 14;
        t.items.push_back(b);
    }
    t.cy = static_cast<short>(y + 4);
    need(::CreateDialogIndirectParam(nullptr, &t, nullptr, launcherProc, reinterpret_cast<LPARAM>(&s)) != nullptr, "launcher");
}

} // namespace

const std::vector<SimStage>& SimStages::All()
{
    static const std::vector<SimStage> all = {
        {"launcher", "the launcher", openLauncher},
        {"source-swap", "Source swap (hot MALDI source)", openSwap},
        {"esi-probe", "ESI probe adjust", openEsi},
        {"acquisition", "Plate acquisition", openAcquisition},
        {"crosshair", "Acquisition in a well", openCrosshair},
        {"calibration", "Plate spatial calibration", openCalibration},
    };
    return all;
}

const SimStage* SimStages::Find(const std::string& name)
{
    for (const SimStage& stage : All())
        if (name == stage.name) return &stage;
    return nullptr;
}
