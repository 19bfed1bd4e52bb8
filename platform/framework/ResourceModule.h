#pragma once
// A module's resources: dialog templates, a string table and icons. The library and the host each
// hold one (or more) and register them in the ResourceChain, which searches them in order.
//
// A module owns its icons: a HICON it hands out stays valid while the module lives. Adding a
// resource under an id that is already there replaces it (an icon keeps its handle).

#include <map>
#include <memory>
#include <vector>

#include "platform/framework/CString.h"
#include "platform/framework/DialogTemplate.h"
#include "platform/framework/IconImage.h"
#include "platform/framework/ResourceId.h"

class ResourceModule;

// The object behind a module's HINSTANCE.
struct HINSTANCE__ {
    ResourceModule* module = nullptr;
};

struct StringResource {
    UINT id = 0;
    CString text;
};

struct IconResource {
    ResourceId id;
    IconImage image;
};

class ResourceModule {
public:
    explicit ResourceModule(CString name);
    ResourceModule(CString name, std::vector<DialogTemplate> dialogs, std::vector<StringResource> strings,
                   std::vector<IconResource> icons);
    ~ResourceModule();
    ResourceModule(const ResourceModule&) = delete;
    ResourceModule& operator=(const ResourceModule&) = delete;

    const CString& Name() const { return m_name; }
    HINSTANCE Handle() { return &m_handle; }
    // The module behind a handle, or null when no such module exists (any more).
    static ResourceModule* FromHandle(HINSTANCE handle);

    void AddDialog(DialogTemplate dialogTemplate);
    void AddString(UINT id, CString text);
    HICON AddIcon(const ResourceId& id, IconImage image);

    const DialogTemplate* FindDialog(const ResourceId& id) const;
    const CString* FindString(UINT id) const;
    HICON FindIcon(const ResourceId& id) const;

    size_t DialogCount() const { return m_dialogs.size(); }
    size_t StringCount() const { return m_strings.size(); }
    size_t IconCount() const { return m_icons.size(); }

private:
    CString m_name;
    HINSTANCE__ m_handle;
    std::map<ResourceId, DialogTemplate> m_dialogs;
    std::map<UINT, CString> m_strings;
    std::map<ResourceId, std::unique_ptr<HICON__>> m_icons;
};
