#pragma once
// A module's resources: dialog templates, a string table and icons. The library and the host each
// hold one (or more) and register them in the ResourceChain, which searches them in order.
//
// A module owns its icons: a HICON it hands out stays valid while the module lives. Adding a
// resource under an id that is already there replaces it (an icon keeps its handle).
//
// An icon can also be given as the code that draws it: it is drawn the first time it is found,
// once, so loading a module that draws its icons costs nothing for the icons it never shows.
// If the drawing throws, the exception reaches the caller of FindIcon and the icon stays to be
// drawn at the next attempt. Like every resource call, this runs on the user-interface thread.

#include <functional>
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
    IconResource(ResourceId id, IconImage image) : id(std::move(id)), image(std::move(image)) {}
    // Drawn on first use.
    IconResource(ResourceId id, std::function<IconImage()> draw) : id(std::move(id)), draw(std::move(draw)) {}

    ResourceId id;
    IconImage image;
    std::function<IconImage()> draw;
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
    // An icon already drawn is drawn again now (its handle stays); otherwise on first use.
    void AddIcon(const ResourceId& id, std::function<IconImage()> draw);

    const DialogTemplate* FindDialog(const ResourceId& id) const;
    const CString* FindString(UINT id) const;
    HICON FindIcon(const ResourceId& id) const;

    size_t DialogCount() const { return m_dialogs.size(); }
    size_t StringCount() const { return m_strings.size(); }
    size_t IconCount() const { return m_icons.size() + m_undrawn.size(); }

private:
    CString m_name;
    HINSTANCE__ m_handle;
    std::map<ResourceId, DialogTemplate> m_dialogs;
    std::map<UINT, CString> m_strings;
    // Found icons are drawn when first asked for, which is not a change a caller can see.
    mutable std::map<ResourceId, std::unique_ptr<HICON__>> m_icons;
    mutable std::map<ResourceId, std::function<IconImage()>> m_undrawn;
};
