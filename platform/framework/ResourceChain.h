#pragma once
// The ordered chain of resource modules that every resource lookup searches: the first module
// holding the id wins. Modules are registered and unregistered by their owners (ResourceRegistrar
// does both around a scope); the chain never owns them.
//
// Behind every registered module sits the framework's own module, always searched last: the data
// exchange prompts (FrameworkStrings.h) and the standard icons (IDI_...). A host that registers a
// string with one of those ids replaces the framework's text.
//
// Registration order: the library registers its module when it is loaded (a static registrar),
// the host registers its own afterwards, so the library's resources come first and the host's
// supply what the library lacks. Placement::Front puts a module ahead of all others.

#include <vector>

#include "platform/framework/ResourceModule.h"

class ResourceChain {
public:
    enum class Placement { Front, Back };

    static ResourceChain& Get();

    // Registering a module that is already in the chain moves it.
    void Register(ResourceModule& module, Placement placement = Placement::Back);
    void Unregister(ResourceModule& module);
    bool IsRegistered(const ResourceModule& module) const;
    // The registered modules in search order (without the framework's module).
    const std::vector<ResourceModule*>& Modules() const { return m_modules; }
    ResourceModule& FrameworkModule() { return m_framework; }

    // Each returns null when no module holds the id; `from` receives the module that held it.
    const DialogTemplate* FindDialog(const ResourceId& id, ResourceModule** from = nullptr);
    const CString* FindString(UINT id, ResourceModule** from = nullptr);
    HICON FindIcon(const ResourceId& id, ResourceModule** from = nullptr);

private:
    ResourceChain();
    std::vector<ResourceModule*> searchOrder();

    std::vector<ResourceModule*> m_modules;
    ResourceModule m_framework;
};
