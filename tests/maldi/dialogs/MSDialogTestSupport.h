#pragma once
// The dialog tests' host: a MALDI instrument, the host's resources and window, the list moves.

#include <gtest/gtest.h>

#include <vector>

#include "maldi/dialogs/CMaldiMSAcqFunctionSetupDialog.h"
#include "maldi/resources/MaldiResourceIds.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/CommCtrl.h"
#include "platform/instrument/VEXPropertyTable.h"
#include "tests/support/HostResources.h"

namespace msdlg {

using namespace maldi::res;

// Every dialog test of this folder: a MALDI instrument, the host's resources, a host window.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A MALDI instrument, where the operator chooses the laser pattern (the table starts as the
        // MALDI/ESI model, where the pattern is fixed).
        VEXPropertyTable::Instance().Reset();
        VEXPropertyTable::Instance().SetMaldiEsiModel(false);
        ASSERT_TRUE(host.CreateEx(0, "Static", "Host", WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 0, 800, 600, nullptr, 0));
    }
    void TearDown() override { VEXPropertyTable::Instance().Reset(); }

    // Runs the dialog with the operator's script; the script ends it.
    INT_PTR Run(CDialog& dialog, LPCTSTR caption, Automation::ModalScript script)
    {
        automation->OnNextModal(std::move(script), caption);
        return dialog.DoModal();
    }

    AutomationSession automation;
    HostResources hostResources;
    CWnd host;
};

class MSDialogTest : public DialogTest {
protected:
    INT_PTR Run(CMaldiMSAcqFunctionSetupDialog& dialog, Automation::ModalScript script)
    {
        return DialogTest::Run(dialog, "Maldi MS", std::move(script));
    }
};

inline std::vector<CString> Items(HWND combo)
{
    return Automation::Get().ComboItems(combo);
}

// The operator opens the list and clicks the item.
inline bool Choose(Automation& a, HWND dialog, int id, LPCTSTR text)
{
    return a.ChooseComboItem(a.Find(dialog, id), text);
}

using Strings = std::vector<CString>;

} // namespace msdlg
