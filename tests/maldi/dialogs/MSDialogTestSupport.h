#pragma once
// The dialog tests' host: a MALDI instrument, the host's resources and window, the list moves.

#include <vector>

#include "maldi/dialogs/CMaldiMSAcqFunctionSetupDialog.h"
#include "tests/maldi/MaldiHostTest.h"

namespace msdlg {

using namespace maldi::res;

class DialogTest : public MaldiHostTest {
protected:
    // Runs the dialog with the operator's script; the script ends it.
    INT_PTR Run(CDialog& dialog, LPCTSTR caption, Automation::ModalScript script)
    {
        automation->OnNextModal(std::move(script), caption);
        return dialog.DoModal();
    }
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
