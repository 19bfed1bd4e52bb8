#include "platform/experimentpages/QuadFSResources.h"

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

} // namespace

ResourceModule& QuadFSResources::Module()
{
    static ResourceModule module(
        "quadfs",
        {listPage(IDD_INCLUDE_PAGE, "Include", "Masses to include (m/z, one a line)"),
         listPage(IDD_EXCLUDE_PAGE, "Exclude", "Masses to exclude (m/z, one a line)"),
         listPage(IDD_ADDUCT_PAGE, "Adducts", "Adduct masses (one a line)"),
         listPage(IDD_COLLISION_ENERGY_PAGE, "Collision Energy", "Mass and collision energy (V), one pair a line")},
        {{IDS_INCLUDE_CAPTION, "Include"}, {IDS_EXCLUDE_CAPTION, "Exclude"}, {IDS_ADDUCT_CAPTION, "Adducts"}}, {});
    static ResourceRegistrar registrar(module);
    return module;
}
