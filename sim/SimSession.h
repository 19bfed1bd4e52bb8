#pragma once
// One scenario's world: a clean window system and property table, the simulated instrument, the
// simulated host, the operator and the transcript, made in that order and taken down in reverse
// (the host destroys its windows before the window system is reset).
//
// Time moves only through Wait / WaitUntil, in steps of kStepMs: after each step the operator
// looks at the windows and the watched windows report what changed on them. At realtime pace
// each step also waits kStepMs of wall-clock time.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/framework/AutomationSession.h"
#include "platform/instrument/CInstCtlClient.h"
#include "platform/instrument/CInstMonClient.h"
#include "sim/SimHost.h"
#include "sim/SimInstrument.h"
#include "sim/SimOperator.h"
#include "sim/SimOptions.h"
#include "sim/SimTranscript.h"

class SimSession {
public:
    static constexpr unsigned kStepMs = 50;

    // `echo` receives the transcript as it is written (null: kept only in memory).
    SimSession(const SimOptions& options, const std::string& scenario, std::ostream* echo);
    ~SimSession();
    SimSession(const SimSession&) = delete;
    SimSession& operator=(const SimSession&) = delete;

    Automation& Ui() { return *m_automation; }
    SimTranscript& Transcript() { return m_transcript; }
    CInstCtlClient& Client() { return m_client; }
    SimInstrument& Instrument() { return m_instrument; }
    SimHost& Host() { return m_host; }
    SimOperator& Operator() { return m_operator; }
    const SimOptions& Options() const { return m_options; }

    // A scenario's own line.
    void Say(const std::string& text) { m_transcript.Add("sim", text); }

    void Wait(unsigned ms);
    // Waits until the condition holds (checked after each step) or the time is up; false then.
    bool WaitUntil(const std::function<bool()>& condition, unsigned timeoutMs);

    // Reports under `tag` what `describe` says of a window whenever it changes (an empty text:
    // the window is gone).
    void Watch(const std::string& tag, std::function<std::string()> describe);
    // New entries of a status log edit box, under "log".
    void WatchLog(HWND window, int logId);
    void StopWatching();

    // A PNG of the window in the output folder: <scenario>-<nn>-<label>.png. Returns the path,
    // empty when the window does not exist.
    std::string Screenshot(HWND window, const std::string& label);
    // The same of a message box as the window system draws it (MessageBoxWindow).
    std::string Screenshot(const MessageBoxRecord& box, const std::string& label);
    const std::vector<std::string>& Screenshots() const { return m_screenshots; }

private:
    struct Watcher {
        std::string tag;
        std::function<std::string()> describe;
        std::string last;
        bool reported = false;
    };
    struct Fresh {
        Fresh();
    };
    void step();
    void pollLog();
    std::string shotPath(const std::string& label);

    SimOptions m_options;
    std::string m_scenario;
    AutomationSession m_automation;
    Fresh m_fresh;
    SimTranscript m_transcript;
    CInstCtlClient m_client;
    CInstMonClient m_monitor;
    SimInstrument m_instrument;
    SimHost m_host;
    SimOperator m_operator;
    std::vector<Watcher> m_watchers;
    HWND m_logWindow = nullptr;
    int m_logId = 0;
    size_t m_logEntries = 0;
    std::vector<std::string> m_screenshots;
};
