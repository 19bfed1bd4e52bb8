#include "platform/framework/CMenu.h"

#include <map>
#include <memory>
#include <vector>

IMPLEMENT_DYNAMIC(CMenu, CObject)

namespace {

std::map<HMENU, std::unique_ptr<CMenu>>& temporaries()
{
    static auto* map = new std::map<HMENU, std::unique_ptr<CMenu>>; // never destroyed, like the menus
    return *map;
}

} // namespace

CMenu::~CMenu()
{
    // A menu made or attached through this object is its own; a temporary only wraps the handle.
    if (m_hMenu && !m_temporary) ::DestroyMenu(m_hMenu);
}

CMenu* CMenu::FromHandle(HMENU menu)
{
    if (!menu || !::IsMenu(menu)) return nullptr;
    auto& map = temporaries();
    auto it = map.find(menu);
    if (it == map.end()) {
        auto temp = std::make_unique<CMenu>();
        temp->m_hMenu = menu;
        temp->m_temporary = true;
        it = map.emplace(menu, std::move(temp)).first;
    }
    return it->second.get();
}

void CMenu::DeleteTempMap()
{
    auto& map = temporaries();
    for (auto it = map.begin(); it != map.end();) {
        if (!::IsMenu(it->first)) {
            it = map.erase(it);
        } else {
            ++it;
        }
    }
}

BOOL CMenu::CreateMenu()
{
    if (m_hMenu) return FALSE;
    m_hMenu = ::CreateMenu();
    return m_hMenu ? TRUE : FALSE;
}

BOOL CMenu::CreatePopupMenu()
{
    if (m_hMenu) return FALSE;
    m_hMenu = ::CreatePopupMenu();
    return m_hMenu ? TRUE : FALSE;
}

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu) return FALSE;
    BOOL ok = ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    return ok;
}

BOOL CMenu::Attach(HMENU menu)
{
    if (m_hMenu || !::IsMenu(menu)) return FALSE;
    m_hMenu = menu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU h = m_hMenu;
    m_hMenu = nullptr;
    return h;
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idNewItem, LPCTSTR text)
{
    return ::AppendMenu(m_hMenu, flags, idNewItem, text);
}

BOOL CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR idNewItem, LPCTSTR text)
{
    return ::ModifyMenu(m_hMenu, position, flags, idNewItem, text);
}

BOOL CMenu::DeleteMenu(UINT position, UINT flags)
{
    return ::DeleteMenu(m_hMenu, position, flags);
}

BOOL CMenu::RemoveMenu(UINT position, UINT flags)
{
    return ::RemoveMenu(m_hMenu, position, flags);
}

UINT CMenu::EnableMenuItem(UINT idEnableItem, UINT enable)
{
    return ::EnableMenuItem(m_hMenu, idEnableItem, enable);
}

UINT CMenu::GetMenuState(UINT id, UINT flags) const
{
    return ::GetMenuState(m_hMenu, id, flags);
}

int CMenu::GetMenuItemCount() const
{
    return ::GetMenuItemCount(m_hMenu);
}

UINT CMenu::GetMenuItemID(int position) const
{
    return ::GetMenuItemID(m_hMenu, position);
}

int CMenu::GetMenuString(UINT id, CString& text, UINT flags) const
{
    int n = ::GetMenuString(m_hMenu, id, nullptr, 0, flags);
    std::vector<char> buffer(static_cast<size_t>(n) + 1);
    n = ::GetMenuString(m_hMenu, id, buffer.data(), n + 1, flags);
    text = CString(buffer.data(), n);
    return n;
}
