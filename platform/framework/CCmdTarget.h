#pragma once
// Objects that receive commands: the root of the message map chain. OnCmdMsg finds the entry for a
// command or notification in the class's map and its bases' and calls it.
//
// nCode carries the notification code in its low word and, in its high word, the kind of entry
// sought: 0 for WM_COMMAND, WM_NOTIFY, or WM_REFLECT_BASE + either for reflected notifications.
// pExtra is an AFX_NOTIFY for notify entries.

#include "platform/framework/CObject.h"
#include "platform/framework/MessageMap.h"

struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget = nullptr;
    const AFX_MSGMAP_ENTRY* pEntry = nullptr;
};

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    // With pHandlerInfo, only reports whether (and where) a handler exists.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // The first entry of this object's map chain for a plain message, or null.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message) const;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
