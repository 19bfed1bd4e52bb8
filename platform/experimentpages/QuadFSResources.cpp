#include "platform/experimentpages/QuadFSResources.h"

#include <vector>

#include "platform/experimentpages/CQuadFSListPage.h"
#include "platform/framework/ResourceRegistrar.h"
#include "platform/framework/WinUser.h"

namespace {

// A list page: a frame titled with what the list holds, the entries inside it.
DialogTemplate listPage(UINT id, LPCTSTR caption, LPCTSTR frame)
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    constexpr DWORD entries =
        child | WS_BORDER | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    return DialogTemplate{id, caption, DS_SETFONT | WS_CHILD | WS_CAPTION, 0, 0, 0, 280, 226, "MS Sans Serif", 8,
                          {
                              {IDC_STATIC, "Button", frame, child | BS_GROUPBOX, 0, 7, 7, 266, 212},
                              {CQuadFSListPage::IDC_ENTRIES, "Edit", "", entries, 0, 15, 21, 250, 190},
                          }};
}

// The collision energy range dialog: the mass range, then a check box and an edit per energy.
DialogTemplate ceRangeDialog()
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    constexpr DWORD edit = child | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
    constexpr DWORD check = child | WS_TABSTOP | BS_AUTOCHECKBOX;
    constexpr DWORD button = child | WS_TABSTOP | BS_PUSHBUTTON;
    std::vector<DialogItem> c{
        {IDC_STATIC, "Button", "Mass Range", child | BS_GROUPBOX, 0, 7, 7, 150, 48},
        {IDC_STATIC, "Static", "From Mass", child | SS_LEFT, 0, 15, 22, 60, 8},
        {15041, "Edit", "", edit, 0, 90, 20, 58, 14},
        {IDC_STATIC, "Static", "To Mass", child | SS_LEFT, 0, 15, 38, 60, 8},
        {15042, "Edit", "", edit, 0, 90, 36, 58, 14},
        {IDC_STATIC, "Button", "Collision Energies (V)", child | BS_GROUPBOX, 0, 7, 59, 150, 92},
    };
    const int edits[5] = {15047, 15049, 15051, 15052, 15054};
    for (int k = 0; k < 5; ++k) {
        const auto y = static_cast<short>(74 + 15 * k);
        char label[8] = {'C', 'E', ' ', static_cast<char>('1' + k), 0};
        c.push_back({15067 + k, "Button", label, check, 0, 15, y, 60, 10});
        c.push_back({edits[k], "Edit", "", edit, 0, 90, static_cast<short>(y - 2), 58, 14});
    }
    c.push_back({IDOK, "Button", "OK", button | BS_DEFPUSHBUTTON, 0, 164, 7, 50, 14});
    c.push_back({IDCANCEL, "Button", "Cancel", button, 0, 164, 25, 50, 14});
    return DialogTemplate{QuadFSResources::IDD_CE_RANGE_DIALOG, "Collision Energy Range",
                          DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 221, 158,
                          "MS Sans Serif", 8, c};
}

} // namespace

ResourceModule& QuadFSResources::Module()
{
    static ResourceModule module(
        "quadfs",
        {listPage(IDD_INCLUDE_PAGE, "Include", "Masses to include (m/z, one a line)"),
         listPage(IDD_EXCLUDE_PAGE, "Exclude", "Masses to exclude (m/z, one a line)"),
         listPage(IDD_ADDUCT_PAGE, "Adducts", "Adduct masses (one a line)"),
         listPage(IDD_COLLISION_ENERGY_PAGE, "Collision Energy", "Mass and collision energy (V), one pair a line"),
         ceRangeDialog()},
        {{IDS_INCLUDE_CAPTION, "Include"}, {IDS_EXCLUDE_CAPTION, "Exclude"}, {IDS_ADDUCT_CAPTION, "Adducts"}}, {});
    static ResourceRegistrar registrar(module);
    return module;
}
