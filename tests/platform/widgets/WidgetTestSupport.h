// A host dialog with two push buttons taken over as icon buttons and a plain one, a module with
// their icons and tooltip texts, and a fixture that opens the dialog in a clean session.
#pragma once
// A host dialog with three push buttons taken over as icon buttons, a module with their icons and
// tooltip texts, and a fixture that opens the dialog in a clean session.

#include <stdexcept>

#include "platform/framework/AutomationSession.h"
#include "platform/framework/Framework.h"
#include "platform/widgets/CButtonST.h"

namespace widgets_test {

constexpr UINT IDD_BUTTONS = 700;
constexpr int IDC_FIRE = 7001;
constexpr int IDC_STEP = 7002;
constexpr int IDC_OTHER = 7004;
constexpr UINT IDS_FIRE = 7101;
constexpr UINT IDS_STEP = 7102;

constexpr std::uint32_t kFireColour = 0xFFD02020; // opaque red, ARGB
constexpr std::uint32_t kStepColour = 0xFF2040C0;

// A square of one colour with a transparent border of 4 pixels.
inline IconImage framedSquare(std::uint32_t argb)
{
    IconImage image = IconImage::Solid(32, 32, 0);
    for (int y = 4; y < 28; ++y) {
        for (int x = 4; x < 28; ++x) image.argb[static_cast<size_t>(y * 32 + x)] = argb;
    }
    return image;
}

inline DialogTemplate buttonsTemplate()
{
    constexpr DWORD push = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    return DialogTemplate{IDD_BUTTONS,
                          "Icon buttons",
                          DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU,
                          0,
                          20,
                          20,
                          150,
                          60,
                          "MS Sans Serif",
                          8,
                          {
                              {IDC_FIRE, "Button", "", push, 0, 7, 7, 29, 26},
                              {IDC_STEP, "Button", "", push, 0, 40, 7, 29, 26},
                              {IDC_OTHER, "Button", "Other", push, 0, 95, 7, 40, 14},
                          }};
}

class ButtonResources {
public:
    ButtonResources()
        : m_module("widget test host", {buttonsTemplate()}, {{IDS_FIRE, "Fire Laser"}, {IDS_STEP, "Next Step"}},
                   {{IDC_FIRE, framedSquare(kFireColour)},
                    {IDC_STEP, framedSquare(kStepColour)}}),
          m_registrar(m_module)
    {
    }

private:
    ResourceModule m_module;
    ResourceRegistrar m_registrar;
};

// The host dialog: its buttons are icon buttons from initialisation on. Clicks are counted.
class ButtonsDialog : public CDialog {
public:
    ButtonsDialog() : CDialog(IDD_BUTTONS) {}

    CButtonST fire, step;
    int fireClicks = 0;
    int stepClicks = 0;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        fire.SubclassDlgItem(IDC_FIRE, this);
        fire.SetIcon(IDC_FIRE, 0);
        fire.SetTooltipText(static_cast<int>(IDS_FIRE));
        step.SubclassDlgItem(IDC_STEP, this);
        step.SetIcon(IDC_STEP, 0);
        step.SetTooltipText(static_cast<int>(IDS_STEP));
        return TRUE;
    }
    afx_msg void OnFire() { ++fireClicks; }
    afx_msg void OnStep() { ++stepClicks; }

protected:
    DECLARE_MESSAGE_MAP()
};

struct Fixture {
    AutomationSession session;
    ButtonResources resources;
    ButtonsDialog dialog;
    HWND hwnd = nullptr;

    Fixture()
    {
        if (!dialog.Create(IDD_BUTTONS)) throw std::runtime_error("the test dialog could not be made");
        hwnd = dialog.m_hWnd;
    }
    HWND control(int id) const { return session->Find(hwnd, id); }
};

} // namespace widgets_test
