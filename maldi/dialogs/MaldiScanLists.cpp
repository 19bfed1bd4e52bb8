#include "maldi/dialogs/MaldiScanLists.h"

#include "platform/framework/CWnd.h"
#include "platform/framework/CommCtrl.h"
#include "platform/framework/ResourceChain.h"

namespace {

void fill(CWnd& list, const std::vector<CString>& items)
{
    list.SendMessage(CB_RESETCONTENT);
    for (const CString& item : items) list.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.GetString()));
}

CString hostString(UINT id, LPCTSTR fallback)
{
    const CString* text = ResourceChain::Get().FindString(id);
    return text ? *text : CString(fallback);
}

} // namespace

const std::vector<UINT>& MaldiScanLists::FiringRates(UINT& laserType)
{
    static const std::vector<UINT> type1{1, 5, 10};
    static const std::vector<UINT> type2{1, 5, 10, 20};
    static const std::vector<UINT> type3{1, 5, 10, 20, 500, 1000};
    switch (laserType) {
    case 2: return type2;
    case 3: return type3;
    default:
        laserType = 1;
        return type1;
    }
}

const std::vector<CString>& MaldiScanLists::IonModes()
{
    static const std::vector<CString> modes{"LDI+", "LDI-"};
    return modes;
}

const std::vector<CString>& MaldiScanLists::DataFormats()
{
    static const std::vector<CString> formats{"Centroid", "Continuum", "MCA"};
    return formats;
}

const std::vector<CString>& MaldiScanLists::PlateSpeeds()
{
    static const std::vector<CString> speeds{"1", "2", "3", "4", "5", "6", "7", "8"};
    return speeds;
}

void MaldiScanLists::FillFiringRates(CWnd& list, UINT& laserType)
{
    std::vector<CString> items;
    for (UINT rate : FiringRates(laserType)) {
        CString text;
        text.Format("%d", static_cast<int>(rate));
        items.push_back(text);
    }
    fill(list, items);
}

void MaldiScanLists::FillIonModes(CWnd& list)
{
    fill(list, IonModes());
}

void MaldiScanLists::FillDataFormats(CWnd& list)
{
    fill(list, DataFormats());
}

void MaldiScanLists::FillPlateSpeeds(CWnd& list)
{
    fill(list, PlateSpeeds());
}

void MaldiScanLists::SelectNumber(CWnd& list, int value)
{
    CString text;
    text.Format("%d", value);
    LRESULT index = list.SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.GetString()));
    list.SendMessage(CB_SETCURSEL, index == CB_ERR ? 0 : static_cast<WPARAM>(index));
}

CString MaldiScanLists::DefaultIonMode()
{
    return hostString(IDS_HOST_DEFAULT_ION_MODE, kFallbackIonMode);
}

CString MaldiScanLists::DefaultDataFormat()
{
    return hostString(IDS_HOST_DEFAULT_DATA_FORMAT, kFallbackDataFormat);
}
