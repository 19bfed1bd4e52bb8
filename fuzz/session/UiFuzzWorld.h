#pragma once
// The world of a fuzzed session: a clean window system and property table, a recording host, bare
// control and monitor clients, the host's resources and icon, a default plate. One per session.

#include "fuzz/session/UiSessionWorld.h"
#include "platform/framework/AutomationSession.h"
#include "platform/framework/ResourceModule.h"
#include "platform/instrument/CInstCtlClient.h"
#include "platform/instrument/CInstMonClient.h"
#include "platform/platemodel/CMaldiPlate.h"
#include "tests/support/HostResources.h"
#include "tests/support/RecordingAppInterface.h"

class UiFuzzWorld : public UiSessionWorld {
public:
    UiFuzzWorld();
    ~UiFuzzWorld() override;

    CMaldiAppInterface* Host() override { return &m_host; }
    CInstCtlClient* Control() override { return &m_control; }
    CInstMonClient* Monitor() override { return &m_monitor; }
    CMaldiPlate* Plate() override { return &m_plate; }
    HICON Icon() override { return m_icon; }
    void Advance(unsigned ms) override { m_session->Advance(ms); }
    void Say(const std::string&, const std::string&) override {}

private:
    struct Fresh {
        Fresh();
    };
    AutomationSession m_session;
    Fresh m_fresh;
    HostResources m_resources;
    HICON m_icon = nullptr;
    RecordingAppInterface m_host;
    CInstCtlClient m_control;
    CInstMonClient m_monitor;
    CMaldiPlate m_plate;
};
