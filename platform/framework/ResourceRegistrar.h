#pragma once
// Keeps a resource module registered in the chain for the registrar's lifetime. A library declares
// one as a static object next to its module so that loading the library registers it.

#include "platform/framework/ResourceChain.h"

class ResourceRegistrar {
public:
    explicit ResourceRegistrar(ResourceModule& module,
                               ResourceChain::Placement placement = ResourceChain::Placement::Back)
        : m_module(module)
    {
        ResourceChain::Get().Register(m_module, placement);
    }
    ~ResourceRegistrar() { ResourceChain::Get().Unregister(m_module); }
    ResourceRegistrar(const ResourceRegistrar&) = delete;
    ResourceRegistrar& operator=(const ResourceRegistrar&) = delete;

private:
    ResourceModule& m_module;
};
