#include "platform/framework/ResourceModule.h"

#include <set>

namespace {

std::set<ResourceModule*>& liveModules()
{
    static auto* modules = new std::set<ResourceModule*>; // never destroyed: modules may be static
    return *modules;
}

} // namespace

ResourceModule::ResourceModule(CString name) : m_name(std::move(name))
{
    m_handle.module = this;
    liveModules().insert(this);
}

ResourceModule::ResourceModule(CString name, std::vector<DialogTemplate> dialogs,
                               std::vector<StringResource> strings, std::vector<IconResource> icons)
    : ResourceModule(std::move(name))
{
    for (auto& d : dialogs) AddDialog(std::move(d));
    for (auto& s : strings) AddString(s.id, std::move(s.text));
    for (auto& i : icons) {
        if (i.draw)
            AddIcon(i.id, std::move(i.draw));
        else
            AddIcon(i.id, std::move(i.image));
    }
}

ResourceModule::~ResourceModule()
{
    liveModules().erase(this);
}

ResourceModule* ResourceModule::FromHandle(HINSTANCE handle)
{
    if (!handle) return nullptr;
    for (ResourceModule* m : liveModules()) {
        if (&m->m_handle == handle) return m;
    }
    return nullptr;
}

void ResourceModule::AddDialog(DialogTemplate dialogTemplate)
{
    ResourceId id = dialogTemplate.id;
    m_dialogs.insert_or_assign(id, std::move(dialogTemplate));
}

void ResourceModule::AddString(UINT id, CString text)
{
    m_strings.insert_or_assign(id, std::move(text));
}

HICON ResourceModule::AddIcon(const ResourceId& id, IconImage image)
{
    m_undrawn.erase(id);
    auto it = m_icons.find(id);
    if (it != m_icons.end()) {
        static_cast<IconImage&>(*it->second) = std::move(image);
        return it->second.get();
    }
    auto icon = std::make_unique<HICON__>(std::move(image));
    HICON h = icon.get();
    m_icons.emplace(id, std::move(icon));
    return h;
}

void ResourceModule::AddIcon(const ResourceId& id, std::function<IconImage()> draw)
{
    if (!draw)
        return;
    if (m_icons.count(id))
        AddIcon(id, draw());
    else
        m_undrawn.insert_or_assign(id, std::move(draw));
}

const DialogTemplate* ResourceModule::FindDialog(const ResourceId& id) const
{
    auto it = m_dialogs.find(id);
    return it == m_dialogs.end() ? nullptr : &it->second;
}

const CString* ResourceModule::FindString(UINT id) const
{
    auto it = m_strings.find(id);
    return it == m_strings.end() ? nullptr : &it->second;
}

HICON ResourceModule::FindIcon(const ResourceId& id) const
{
    if (auto it = m_icons.find(id); it != m_icons.end())
        return it->second.get();
    auto undrawn = m_undrawn.find(id);
    if (undrawn == m_undrawn.end())
        return nullptr;
    auto icon = std::make_unique<HICON__>(undrawn->second());
    HICON h = icon.get();
    m_icons.emplace(id, std::move(icon));
    m_undrawn.erase(undrawn);
    return h;
}
