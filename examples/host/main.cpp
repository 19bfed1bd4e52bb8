// The example host without an instrument or an operator: the automation interface plays the
// operator and the virtual clock the instrument's time. It runs a three-well acquisition, pausing
// it once, then the settings dialog, prints what the host was asked to do and writes a screenshot
// of the panel to the folder given (the current one by default).
#include <cstdio>
#include <string>

#include "ExampleHost.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/framework/Automation.h"

int main(int argc, char** argv)
{
    const std::string folder = argc > 1 ? argv[1] : ".";
    Automation& operatorAtTheScreen = Automation::Get();
    ExampleHost host;

    if (!host.StartAcquisition({1, 2, 13}, 25.0)) {
        std::fprintf(stderr, "the acquisition panel could not be opened\n");
        return 1;
    }
    HWND panel = host.Panel()->GetSafeHwnd();
    for (int spot = 0; host.IsAcquiring(); ++spot) {
        host.SpotAcquired(spot); // the last spot ends the run and the panel
        if (!host.IsAcquiring()) break;
        operatorAtTheScreen.Advance(CMaldiAcquireControlDlg::kProgressInterval); // the panel's tick
        std::printf("panel: %s\n", operatorAtTheScreen.Text(panel, maldi::res::IDC_PLATE_SPOT_PROGRESS).GetString());
        if (spot == 0) {
            operatorAtTheScreen.Click(panel, maldi::res::IDI_PAUSE);    // pause ...
            operatorAtTheScreen.Click(panel, maldi::res::IDI_PAUSE);    // ... and continue
            operatorAtTheScreen.Screenshot(panel, CString((folder + "/acquisition.png").c_str()));
        }
    }

    operatorAtTheScreen.OnNextModal([](CWnd& dialog, Automation& a) {
        a.ChooseComboItem(a.Find(dialog, maldi::res::IDC_LASER_FIRING_RATE), "10");
        a.Click(dialog, IDOK);
    }, "Maldi Settings");
    host.EditLaserSettings();

    for (const std::string& line : host.Log()) std::printf("host: %s\n", line.c_str());
    std::printf("instrument: %s", host.Control().WriteLog().c_str());
    return 0;
}
