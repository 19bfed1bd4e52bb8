#include "platform/framework/CWinApp.h"

#include "platform/framework/Afx.h"
#include "platform/framework/ResourceChain.h"

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

namespace {

CWinApp*& current()
{
    static CWinApp* app = nullptr;
    return app;
}

} // namespace

CWinApp::CWinApp(LPCTSTR appName) : m_strAppName(appName ? appName : "Application")
{
    m_pszAppName = m_strAppName;
    m_previous = current();
    current() = this;
}

CWinApp::~CWinApp()
{
    if (current() == this) current() = m_previous;
}

HICON CWinApp::LoadIcon(UINT id) const
{
    return ResourceChain::Get().FindIcon(id);
}

HICON CWinApp::LoadIcon(LPCTSTR name) const
{
    return ResourceChain::Get().FindIcon(ResourceId(name));
}

HICON CWinApp::LoadStandardIcon(LPCTSTR name) const
{
    return ::LoadIcon(nullptr, name);
}

CWinApp* AfxGetApp()
{
    if (current()) return current();
    static CWinApp builtIn("Application");
    return current() ? current() : &builtIn;
}
