#pragma once
// What a session's windows are made with and live in: the host, the instrument's control and
// monitor clients, the current target plate, the application icon and the passing of virtual time.
// The fuzzer plays against a recording host and a bare property table (UiFuzzWorld); maldi-sim
// --monkey against the simulated instrument and host.
//
// The world is made (window system reset, property table reset) before the player starts and
// outlives the session's windows.

#include <string>

#include "platform/framework/WinTypes.h"

class CInstCtlClient;
class CInstMonClient;
class CMaldiAppInterface;
class CMaldiPlate;

class UiSessionWorld {
public:
    virtual ~UiSessionWorld() = default;
    virtual CMaldiAppInterface* Host() = 0;
    virtual CInstCtlClient* Control() = 0;
    virtual CInstMonClient* Monitor() = 0;
    // The plate the host names as current while a plate is present.
    virtual CMaldiPlate* Plate() = 0;
    virtual HICON Icon() = 0;
    // Lets ms of virtual time pass (the simulated instrument moves on with it).
    virtual void Advance(unsigned ms) = 0;
    // A line of the session's transcript.
    virtual void Say(const std::string& tag, const std::string& text) = 0;
};
