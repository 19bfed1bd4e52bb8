#include "platform/tuning/CTunePage.h"

#include "platform/instrument/CInstMonClient.h"

IMPLEMENT_DYNAMIC(CTunePage, CPropertyPage)

CTunePage::CTunePage(UINT templateId) : CPropertyPage(templateId) {}

CTunePage::~CTunePage()
{
    // The owned boxes let go of their windows before the page's window goes.
    for (auto& owned : m_edits) {
        if (owned.edit->GetSafeHwnd()) owned.edit->UnsubclassWindow();
    }
}

void CTunePage::InitialiseEditControl(CInstMonClient* monClient, UINT controlId, const CString& name,
                                      const CString& units, const CString& format, int mode,
                                      const PolarityDependentInstParam& param, int decimals, int flags)
{
    EditBinding binding{monClient, controlId, name, units, format, mode, param, decimals, flags};
    for (auto& existing : m_bindings) {
        if (existing.nControlId == controlId) {
            existing = binding;
            if (GetSafeHwnd()) ShowMonitoredValue(existing);
            return;
        }
    }
    m_bindings.push_back(binding);
    if (GetSafeHwnd()) ShowMonitoredValue(m_bindings.back());
}

CEditCtl* CTunePage::GetEditControl(UINT controlId)
{
    for (auto& owned : m_edits) {
        if (owned.nControlId == controlId) return owned.edit.get();
    }
    if (!GetSafeHwnd() || !::GetDlgItem(GetSafeHwnd(), static_cast<int>(controlId))) return nullptr;
    auto edit = std::make_unique<CEditCtl>();
    if (!edit->SubclassDlgItem(controlId, this)) return nullptr;
    m_edits.push_back({controlId, std::move(edit)});
    return m_edits.back().edit.get();
}

void CTunePage::ShowMonitoredValue(const EditBinding& binding)
{
    CEditCtl* edit = GetEditControl(binding.nControlId);
    if (!edit) return;
    edit->SetFormat(binding.strFormat);
    double value = 0.0;
    if (binding.pMonClient && binding.pMonClient->ReadMonitoredValue(binding.param.strPositive, value)) {
        edit->SetValue(value);
    }
}

BOOL CTunePage::OnInitDialog()
{
    BOOL result = CPropertyPage::OnInitDialog();
    ApplyEditBindings();
    return result;
}

void CTunePage::ApplyEditBindings()
{
    for (const auto& binding : m_bindings) ShowMonitoredValue(binding);
}
