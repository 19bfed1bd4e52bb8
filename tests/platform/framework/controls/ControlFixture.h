#pragma once
// A modeless dialog holding the controls under test, a spy on the notifications its controls send
// (WM_COMMAND and WM_NOTIFY codes), and the automation session that drives them.

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/framework/AutomationSession.h"
#include "platform/framework/CommCtrl.h"
#include "platform/framework/Framework.h"
#include "platform/framework/WindowManager.h"

namespace controls_test {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kDialogStyle = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;

struct Event {
    int id;
    UINT code;
    std::string kind; // "command", "notify"
};

class SpyDialog : public CDialog {
public:
    std::vector<Event> events;
    // Called on each notification, after it is recorded (to react as a Part's handler would).
    std::function<void(const Event&)> onEvent;

    int count(int id, UINT code, const char* kind = nullptr) const
    {
        int n = 0;
        for (const Event& e : events) {
            if (e.id == id && e.code == code && (!kind || e.kind == kind)) ++n;
        }
        return n;
    }
    std::vector<UINT> codes(int id, const char* kind) const
    {
        std::vector<UINT> out;
        for (const Event& e : events) {
            if (e.id == id && e.kind == kind) out.push_back(e.code);
        }
        return out;
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        return FALSE;
    }
    void OnOK() override {}
    void OnCancel() override {}

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (lParam) record(Event{LOWORD(wParam), HIWORD(wParam), "command"});
        return CDialog::OnCommand(wParam, lParam);
    }
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override
    {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        record(Event{static_cast<int>(hdr->idFrom), hdr->code, "notify"});
        if (result) *result = 0;
        return TRUE;
    }

private:
    void record(const Event& e)
    {
        events.push_back(e);
        if (onEvent) onEvent(e);
    }
};

// A dialog made from the items given, on the dialog font.
struct Fixture {
    AutomationSession session;
    Automation& a = *session;
    SpyDialog dialog;

    explicit Fixture(std::vector<DialogItem> items, short cx = 300, short cy = 200)
    {
        DialogTemplate t{700, "Controls", kDialogStyle, 0, 10, 10, cx, cy, "MS Sans Serif", 8, std::move(items)};
        if (!dialog.CreateIndirect(t, nullptr)) throw std::runtime_error("the test dialog could not be made");
        a.Pump();
    }
    HWND item(int id) const { return a.Find(dialog.m_hWnd, id); }
};

} // namespace controls_test
