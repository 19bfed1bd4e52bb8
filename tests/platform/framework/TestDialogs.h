#pragma once
// Templates and a dialog class shared by the framework tests.

#include "platform/framework/Framework.h"

namespace test {

constexpr UINT IDD_SETTINGS = 500;
constexpr int IDC_NAME = 1001;
constexpr int IDC_COUNT = 1002;
constexpr int IDC_RATIO = 1003;
constexpr int IDC_ENABLE = 1004;
constexpr int IDC_DISABLED = 1005;
constexpr int IDC_HIDDEN = 1006;
constexpr int IDC_APPLY = 1007;
constexpr int IDC_MORE = 1008;

constexpr DWORD kDialogStyle = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;

// Name, count and ratio edits, a check box, a disabled and a hidden edit, Apply, More, OK (the
// default button) and Cancel, in that tab order.
inline DialogTemplate settingsTemplate(const char* caption = "Settings", UINT id = IDD_SETTINGS)
{
    constexpr DWORD check = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
    constexpr DWORD defaultButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON;
    return DialogTemplate{id, caption, kDialogStyle, 0, 10, 10, 200, 120, "MS Sans Serif", 8,
                          {{IDC_STATIC, "Static", "&Name:", WS_CHILD | WS_VISIBLE, 0, 7, 7, 40, 8},
                           {IDC_NAME, "Edit", "", kEdit | WS_GROUP, 0, 50, 7, 100, 14},
                           {IDC_COUNT, "Edit", "", kEdit, 0, 50, 25, 100, 14},
                           {IDC_RATIO, "Edit", "", kEdit, 0, 50, 43, 100, 14},
                           {IDC_ENABLE, "Button", "&Enable", check, 0, 50, 61, 60, 10},
                           {IDC_DISABLED, "Edit", "", kEdit | WS_DISABLED, 0, 50, 75, 40, 14},
                           {IDC_HIDDEN, "Edit", "", (kEdit & ~WS_VISIBLE), 0, 100, 75, 40, 14},
                           {IDC_APPLY, "Button", "&Apply", kButton, 0, 7, 99, 40, 14},
                           {IDC_MORE, "Button", "&More...", kButton, 0, 50, 99, 40, 14},
                           {IDOK, "Button", "OK", defaultButton, 0, 100, 99, 40, 14},
                           {IDCANCEL, "Button", "Cancel", kButton, 0, 150, 99, 40, 14}}};
}

// Holds a module with the test templates in the resource chain for the test's lifetime.
class TestResources {
public:
    TestResources() : m_module("test host", {settingsTemplate()}, {}, {}), m_registrar(m_module) {}

private:
    ResourceModule m_module;
    ResourceRegistrar m_registrar;
};

} // namespace test
