#pragma once
// The host application's own resource module, as a host registers it after loading the library:
// the strings and templates the library asks for but does not hold. Tests make one (next to their
// automation session) where a window reads such a resource; the simulator's host uses it too.
//
// Registered behind every module already in the chain while the object lives, so the library's
// own resources still come first. Tests can add or replace entries through Module().

#include "platform/framework/ResourceModule.h"
#include "platform/framework/ResourceRegistrar.h"

class HostResources {
public:
    // The host's default scan-function settings.
    static constexpr UINT IDS_DEFAULT_ION_MODE = 23023;     // "LDI+"
    static constexpr UINT IDS_DEFAULT_DATA_FORMAT = 23028;  // "Centroid"

    HostResources();
    HostResources(const HostResources&) = delete;
    HostResources& operator=(const HostResources&) = delete;

    ResourceModule& Module() { return m_module; }

private:
    ResourceModule m_module;
    ResourceRegistrar m_registrar;
};
