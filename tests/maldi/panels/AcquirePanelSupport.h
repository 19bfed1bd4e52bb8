#pragma once
// An acquisition panel of either kind made and shown as the host makes it, and its monitor client.

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "maldi/resources/MaldiResourceIds.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/ResourceModule.h"
#include "platform/instrument/CInstMonClient.h"
#include "platform/instrument/VEXPropertyTable.h"
#include "platform/platemodel/CMaldiPlate.h"
#include "platform/platemodel/TargetPlate.h"
#include "platform/tuning/PolarityDependentInstParam.h"
#include "tests/maldi/PictureButtonChecks.h"
#include "tests/support/RecordingAppInterface.h"

using namespace maldi::res;
using Texts = std::vector<std::string>;

template <class Dialog>
struct AcquirePanel {
    AutomationSession session;
    ResourceModule hostModule{"acquisition test host", {}, {}, {{1, IconImage::Solid(32, 32, 0xFF2060A0)}}};
    RecordingAppInterface host;
    CInstMonClient monitor;
    CMaldiPlate plate;
    std::unique_ptr<Dialog> dlg;
    HWND hwnd = nullptr;

    // A well diameter of 0 keeps the plate's own.
    AcquirePanel(bool withHost, bool withPlate, const char* format, float wellDiameter = 0.0f)
    {
        VEXPropertyTable::Instance().Reset();
        if (wellDiameter > 0.0f) plate.m_fWellDiameter = wellDiameter;
        SetTargetPlate(withPlate ? &plate : nullptr);
        dlg = std::make_unique<Dialog>(withHost ? &host : nullptr, &monitor);
        dlg->CreateUI(hostModule.FindIcon(1), PolarityDependentInstParam{"CE_POS", "CE_NEG"}, "CE", "V", format);
        if (!dlg->Create()) throw std::runtime_error("the acquisition panel could not be made");
        hwnd = dlg->m_hWnd;
        dlg->DisplayWindow();
    }
    ~AcquirePanel()
    {
        dlg.reset();
        SetTargetPlate(nullptr);
    }

    HWND item(UINT id) const { return session->Find(hwnd, static_cast<int>(id)); }
    bool enabled(UINT id) const { return session->IsEnabled(item(id)); }
    bool checked(UINT id) const { return session->CheckState(item(id)) == BST_CHECKED; }
    bool click(UINT id) { return session->Click(hwnd, static_cast<int>(id)); }
};
