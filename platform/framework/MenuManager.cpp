#include "platform/framework/MenuManager.h"

#include "platform/framework/WindowManager.h"

MenuManager& MenuManager::Get()
{
    static MenuManager* manager = new MenuManager; // never destroyed, see WindowManager::Get
    return *manager;
}

void MenuManager::Reset()
{
    m_menus.clear();
}

HMENU MenuManager::Create(bool)
{
    ++m_next;
    HMENU h = reinterpret_cast<HMENU>(static_cast<ULONG_PTR>(0x20000 + m_next * 16));
    m_menus[h];
    return h;
}

HMENU MenuManager::CreateSystemMenu()
{
    HMENU h = Create(true);
    Append(h, MF_STRING, SC_RESTORE, "&Restore");
    Append(h, MF_STRING, SC_MOVE, "&Move");
    Append(h, MF_STRING, SC_SIZE, "&Size");
    Append(h, MF_STRING, SC_MINIMIZE, "Mi&nimize");
    Append(h, MF_STRING, SC_MAXIMIZE, "Ma&ximize");
    Append(h, MF_SEPARATOR, 0, nullptr);
    Append(h, MF_STRING, SC_CLOSE, "&Close\tAlt+F4");
    return h;
}

BOOL MenuManager::Destroy(HMENU menu)
{
    if (!m_menus.erase(menu)) {
        WindowManager::Get().SetLastError(ERROR_INVALID_MENU_HANDLE);
        return FALSE;
    }
    return TRUE;
}

bool MenuManager::IsMenu(HMENU menu) const
{
    return m_menus.count(menu) != 0;
}

BOOL MenuManager::Append(HMENU menu, UINT flags, UINT_PTR id, LPCTSTR text)
{
    auto it = m_menus.find(menu);
    if (it == m_menus.end()) return FALSE;
    Item item;
    item.id = (flags & MF_SEPARATOR) ? 0 : id;
    item.flags = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR | MF_POPUP);
    item.text = text ? text : "";
    it->second.push_back(item);
    return TRUE;
}

MenuManager::Item* MenuManager::findItem(HMENU menu, UINT position, UINT flags)
{
    auto it = m_menus.find(menu);
    if (it == m_menus.end()) return nullptr;
    auto& items = it->second;
    if (flags & MF_BYPOSITION) return position < items.size() ? &items[position] : nullptr;
    for (auto& item : items) {
        if (!(item.flags & MF_SEPARATOR) && item.id == position) return &item;
    }
    return nullptr;
}

const MenuManager::Item* MenuManager::FindItem(HMENU menu, UINT position, UINT flags) const
{
    return const_cast<MenuManager*>(this)->findItem(menu, position, flags);
}

BOOL MenuManager::Modify(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCTSTR text)
{
    Item* item = findItem(menu, position, flags);
    if (!item) return FALSE;
    if (id != 0) item->id = id;
    if (text) item->text = text;
    item->flags = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR | MF_POPUP);
    return TRUE;
}

BOOL MenuManager::Remove(HMENU menu, UINT position, UINT flags)
{
    Item* item = findItem(menu, position, flags);
    if (!item) return FALSE;
    auto& items = m_menus[menu];
    items.erase(items.begin() + (item - items.data()));
    return TRUE;
}

UINT MenuManager::Enable(HMENU menu, UINT id, UINT flags)
{
    Item* item = findItem(menu, id, flags);
    if (!item) return 0xFFFFFFFF;
    UINT old = item->flags & (MF_GRAYED | MF_DISABLED);
    item->flags = (item->flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return old;
}

UINT MenuManager::State(HMENU menu, UINT id, UINT flags) const
{
    const Item* item = FindItem(menu, id, flags);
    return item ? item->flags : 0xFFFFFFFF;
}

int MenuManager::Count(HMENU menu) const
{
    auto it = m_menus.find(menu);
    return it == m_menus.end() ? -1 : static_cast<int>(it->second.size());
}

const std::vector<MenuManager::Item>* MenuManager::Items(HMENU menu) const
{
    auto it = m_menus.find(menu);
    return it == m_menus.end() ? nullptr : &it->second;
}
