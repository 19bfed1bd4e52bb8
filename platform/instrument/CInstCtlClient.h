#pragma once
// Control client of the hardware-link library: sends settings, commands and MALDI controls to the
// instrument. Nothing is sent over a wire here; every write is logged in order, and a hook lets a
// simulated instrument react to it (for example change a status property some ticks after a
// command). A write never changes a property's last-transfer value by itself: the instrument
// answers later, so a read straight after a write still sees the old value.
//
// A write through a null handle is dropped without a log entry, as there is nothing to address.

#include <functional>
#include <string>
#include <vector>

#include "platform/instrument/VEXPropertyTag.h"

class CInstCtlClient {
public:
    enum class WriteKind { Setting, Command, MaldiControl };

    struct WriteRecord {
        WriteKind kind = WriteKind::Setting;
        std::string symbol; // empty for a MALDI control
        double value = 0.0; // the setting's value or the control's value; 0 for a command
        int control = 0;    // MALDI control number; 0 for settings and commands
        int order = 0;      // 1 for this client's first write, then counting up

        // "Setting SOURCE_TEMPERATURE_SETTING = 30", "Command LOAD_PROBE_COMMAND",
        // "MaldiControl 6 = 20".
        std::string Text() const;
    };

    // Called after each write has been logged. It may write through this client again.
    using WriteHook = std::function<void(const WriteRecord&)>;

    CInstCtlClient() = default;
    CInstCtlClient(const CInstCtlClient&) = delete;
    CInstCtlClient& operator=(const CInstCtlClient&) = delete;
    virtual ~CInstCtlClient() = default;

    void VexSettingPropertyWriteRemote(VEXPropertyTag* handle, double value);
    void VexCommandPropertyWriteRemote(VEXPropertyTag* handle);
    // Control 6 carries the laser frequency. Always answers 0; callers ignore the answer.
    short SetMaldiControl(int control, int value);

    void SetWriteHook(WriteHook hook) { m_hook = std::move(hook); }

    const std::vector<WriteRecord>& Writes() const { return m_writes; }
    // The log as text, one write a line.
    std::string WriteLog() const;
    // Empties the log; the order count starts again at 1.
    void ClearWrites() { m_writes.clear(); }

private:
    void Record(WriteRecord record);

    std::vector<WriteRecord> m_writes;
    WriteHook m_hook;
};
