#pragma once
#include "platform/framework/Automation.h"

// Resets the automation (and with it the whole window system) when made and when it goes out of
// scope, so that each test starts and ends clean.
class AutomationSession {
public:
    AutomationSession() { Automation::Get().Reset(); }
    ~AutomationSession() { Automation::Get().Reset(); }
    AutomationSession(const AutomationSession&) = delete;
    AutomationSession& operator=(const AutomationSession&) = delete;
    Automation& operator*() const { return Automation::Get(); }
    Automation* operator->() const { return &Automation::Get(); }
};
