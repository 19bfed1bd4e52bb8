#pragma once
// Menus: item lists behind HMENU handles. What the windows use is the system menu (GetSystemMenu),
// whose Close item (SC_CLOSE) can be greyed to disable the caption's close box.
//
// ModifyMenu keeps an item's id when the new id is 0 and its text when the new text is null, so
// that ModifyMenu(SC_CLOSE, MF_BYCOMMAND | MF_GRAYED) greys the Close item and nothing else.

#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/framework/CString.h"
#include "platform/framework/WinUser.h"

class MenuManager {
public:
    struct Item {
        UINT_PTR id = 0;
        UINT flags = 0; // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_SEPARATOR, MF_POPUP
        CString text;
    };

    static MenuManager& Get();
    void Reset();

    HMENU Create(bool popup);
    // A new system menu: Restore, Move, Size, Minimize, Maximize, a separator, Close.
    HMENU CreateSystemMenu();
    BOOL Destroy(HMENU menu);
    bool IsMenu(HMENU menu) const;

    BOOL Append(HMENU menu, UINT flags, UINT_PTR id, LPCTSTR text);
    BOOL Modify(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCTSTR text);
    BOOL Remove(HMENU menu, UINT position, UINT flags);
    // Previous state (MF_GRAYED / MF_DISABLED bits), or 0xFFFFFFFF when there is no such item.
    UINT Enable(HMENU menu, UINT id, UINT flags);
    UINT State(HMENU menu, UINT id, UINT flags) const;
    int Count(HMENU menu) const;
    const Item* FindItem(HMENU menu, UINT position, UINT flags) const;
    const std::vector<Item>* Items(HMENU menu) const;

private:
    MenuManager() = default;
    Item* findItem(HMENU menu, UINT position, UINT flags);

    ULONG_PTR m_next = 0;
    std::unordered_map<HMENU, std::vector<Item>> m_menus;
};
