#pragma once
// A menu handle's wrapper. A menu made (CreateMenu) or attached through a CMenu is destroyed with
// it; GetSystemMenu and FromHandle hand out temporary objects that only wrap the handle.

#include "platform/framework/CObject.h"
#include "platform/framework/CString.h"
#include "platform/framework/WinUser.h"

class CMenu : public CObject {
    DECLARE_DYNAMIC(CMenu)
public:
    CMenu() = default;
    ~CMenu() override;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;
    operator HMENU() const { return m_hMenu; }
    HMENU GetSafeHmenu() const { return m_hMenu; }
    static CMenu* FromHandle(HMENU menu);
    // Forgets the temporary objects of menus that no longer exist.
    static void DeleteTempMap();

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL DestroyMenu();
    BOOL Attach(HMENU menu);
    HMENU Detach();

    BOOL AppendMenu(UINT flags, UINT_PTR idNewItem = 0, LPCTSTR text = nullptr);
    BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR idNewItem = 0, LPCTSTR text = nullptr);
    BOOL DeleteMenu(UINT position, UINT flags);
    BOOL RemoveMenu(UINT position, UINT flags);
    UINT EnableMenuItem(UINT idEnableItem, UINT enable);
    UINT GetMenuState(UINT id, UINT flags) const;
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int position) const;
    int GetMenuString(UINT id, CString& text, UINT flags) const;

private:
    bool m_temporary = false;
};
