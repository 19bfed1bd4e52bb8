#include "platform/framework/ResourceChain.h"

#include <algorithm>

#include "platform/framework/FrameworkStrings.h"
#include "platform/framework/StandardIcons.h"
#include "platform/framework/WinUser.h"

ResourceChain& ResourceChain::Get()
{
    // Never destroyed: static registrars of libraries unregister at exit, in any order.
    static ResourceChain* chain = new ResourceChain;
    return *chain;
}

ResourceChain::ResourceChain() : m_framework("framework")
{
    m_framework.AddString(AFX_IDP_PARSE_INT, "Please enter an integer.");
    m_framework.AddString(AFX_IDP_PARSE_REAL, "Please enter a number.");
    m_framework.AddString(AFX_IDP_PARSE_INT_RANGE, "Please enter an integer between %1 and %2.");
    m_framework.AddString(AFX_IDP_PARSE_REAL_RANGE, "Please enter a number between %1 and %2.");
    m_framework.AddString(AFX_IDP_PARSE_STRING_SIZE, "Please enter no more than %1 characters.");
    m_framework.AddString(AFX_IDP_PARSE_BYTE, "Please enter an integer between 0 and 255.");
    m_framework.AddString(AFX_IDP_PARSE_UINT, "Please enter a positive integer.");
    for (LPCSTR id : {IDI_APPLICATION, IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK})
        m_framework.AddIcon(id, [id] { return StandardIcon(id); });
}

void ResourceChain::Register(ResourceModule& module, Placement placement)
{
    Unregister(module);
    if (placement == Placement::Front) {
        m_modules.insert(m_modules.begin(), &module);
    } else {
        m_modules.push_back(&module);
    }
}

void ResourceChain::Unregister(ResourceModule& module)
{
    m_modules.erase(std::remove(m_modules.begin(), m_modules.end(), &module), m_modules.end());
}

bool ResourceChain::IsRegistered(const ResourceModule& module) const
{
    return std::find(m_modules.begin(), m_modules.end(), &module) != m_modules.end();
}

std::vector<ResourceModule*> ResourceChain::searchOrder()
{
    std::vector<ResourceModule*> order = m_modules;
    order.push_back(&m_framework);
    return order;
}

const DialogTemplate* ResourceChain::FindDialog(const ResourceId& id, ResourceModule** from)
{
    for (ResourceModule* m : searchOrder()) {
        if (const DialogTemplate* t = m->FindDialog(id)) {
            if (from) *from = m;
            return t;
        }
    }
    return nullptr;
}

const CString* ResourceChain::FindString(UINT id, ResourceModule** from)
{
    for (ResourceModule* m : searchOrder()) {
        if (const CString* s = m->FindString(id)) {
            if (from) *from = m;
            return s;
        }
    }
    return nullptr;
}

HICON ResourceChain::FindIcon(const ResourceId& id, ResourceModule** from)
{
    for (ResourceModule* m : searchOrder()) {
        if (HICON icon = m->FindIcon(id)) {
            if (from) *from = m;
            return icon;
        }
    }
    return nullptr;
}
