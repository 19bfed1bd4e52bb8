#pragma once
// The host application object, as far as the library sees it: its name (the caption of framework
// message boxes), its main window, and resource loading through the chain. AfxGetApp returns the
// most recently constructed application object still alive, or a built-in one named
// "Application" when the host made none.

#include "platform/framework/CCmdTarget.h"
#include "platform/framework/CString.h"
#include "platform/framework/ResourceId.h"

class CWnd;

class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCTSTR appName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    CString m_strAppName;
    LPCTSTR m_pszAppName = nullptr;
    CWnd* m_pMainWnd = nullptr;

    // Icons from the resource chain (null when no module holds the id).
    HICON LoadIcon(UINT id) const;
    HICON LoadIcon(LPCTSTR name) const;
    HICON LoadStandardIcon(LPCTSTR name) const;

private:
    CWinApp* m_previous = nullptr;
};
