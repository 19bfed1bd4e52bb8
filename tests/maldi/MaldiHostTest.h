#pragma once
// What the dialog and sheet tests have: a MALDI instrument (the table starts as the MALDI/ESI model,
// where the laser pattern is fixed), the host's resources and window, a scratch folder, and a sheet
// run modally on a page with the operator's script, which ends it.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "maldi/resources/MaldiResourceIds.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/CPropertySheet.h"
#include "platform/framework/CommCtrl.h"
#include "platform/instrument/VEXPropertyTable.h"
#include "tests/support/HostResources.h"

class MaldiHostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        VEXPropertyTable::Instance().Reset();
        VEXPropertyTable::Instance().SetMaldiEsiModel(false);
        ASSERT_TRUE(host.CreateEx(0, "Static", "Host", WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 0, 800, 600, nullptr, 0));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override
    {
        VEXPropertyTable::Instance().Reset();
        std::filesystem::remove_all(dir);
    }
    INT_PTR RunSheet(CPropertySheet& sheet, int first, LPCTSTR caption, Automation::ModalScript script)
    {
        sheet.SetActivePage(first);
        automation->OnNextModal(std::move(script), caption);
        return sheet.DoModal();
    }

    AutomationSession automation;
    HostResources hostResources;
    CWnd host;
    std::filesystem::path dir = std::filesystem::temp_directory_path() / ("maldi-sheet-" + std::to_string(::getpid()));
};
