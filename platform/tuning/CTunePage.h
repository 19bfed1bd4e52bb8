#pragma once
// Base of the tuning library's instrument pages: a property page whose edit boxes can be bound to
// monitored instrument parameters. The acquisition panels use it as the base of a modeless tool
// window (Create on the desktop, as any dialog).
//
// InitialiseEditControl may be called before the window exists (the panels bind in CreateUI, before
// Create); the binding is kept and applied in OnInitDialog (or by ApplyEditBindings, for a page
// that runs the plain dialog's initialisation instead): the control becomes a CEditCtl owned by
// the page and shows the monitored value of the parameter's positive-polarity symbol when the
// monitor client knows it. The page holds no polarity of its own, so it always reads that symbol.
// The three strings and three numbers are the caller's description of the parameter (name, units,
// display format; readback mode, decimals, flags); the page keeps them for inspection, and uses the
// third string as the box's number format when it converts exactly one double.

#include <memory>
#include <vector>

#include "platform/framework/CPropertyPage.h"
#include "platform/tuning/PolarityDependentInstParam.h"
#include "platform/widgets/CEditCtl.h"

class CInstMonClient;

class CTunePage : public CPropertyPage {
    DECLARE_DYNAMIC(CTunePage)
public:
    struct EditBinding {
        CInstMonClient* pMonClient = nullptr;
        UINT nControlId = 0;
        CString strName;
        CString strUnits;
        CString strFormat;
        int nMode = 0;
        PolarityDependentInstParam param;
        int nDecimals = 0;
        int nFlags = 0;
    };

    explicit CTunePage(UINT templateId);
    ~CTunePage() override;

    void InitialiseEditControl(CInstMonClient* monClient, UINT controlId, const CString& name,
                               const CString& units, const CString& format, int mode,
                               const PolarityDependentInstParam& param, int decimals, int flags);

    const std::vector<EditBinding>& GetEditBindings() const { return m_bindings; }
    // The page's number box for a control: the bound one, or the dialog's edit with that id taken
    // over on first use. Null before the window exists or when the page has no such control.
    CEditCtl* GetEditControl(UINT controlId);

    BOOL OnInitDialog() override;

protected:
    // Shows every bound box in its format, with its monitored value; OnInitDialog calls it.
    void ApplyEditBindings();

private:
    struct OwnedEdit {
        UINT nControlId;
        std::unique_ptr<CEditCtl> edit;
    };
    void ShowMonitoredValue(const EditBinding& binding);

    std::vector<EditBinding> m_bindings;
    std::vector<OwnedEdit> m_edits;
};
