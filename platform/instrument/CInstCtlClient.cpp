#include "platform/instrument/CInstCtlClient.h"

#include <cstdio>

namespace {

std::string formatValue(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.10g", value);
    return buffer;
}

} // namespace

std::string CInstCtlClient::WriteRecord::Text() const
{
    switch (kind) {
    case WriteKind::Setting:
        return "Setting " + symbol + " = " + formatValue(value);
    case WriteKind::Command:
        return "Command " + symbol;
    case WriteKind::MaldiControl:
        return "MaldiControl " + std::to_string(control) + " = " + formatValue(value);
    }
    return {};
}

void CInstCtlClient::VexSettingPropertyWriteRemote(VEXPropertyTag* handle, double value)
{
    if (!handle) return;
    WriteRecord record;
    record.kind = WriteKind::Setting;
    record.symbol = handle->symbol;
    record.value = value;
    Record(std::move(record));
}

void CInstCtlClient::VexCommandPropertyWriteRemote(VEXPropertyTag* handle)
{
    if (!handle) return;
    WriteRecord record;
    record.kind = WriteKind::Command;
    record.symbol = handle->symbol;
    Record(std::move(record));
}

short CInstCtlClient::SetMaldiControl(int control, int value)
{
    WriteRecord record;
    record.kind = WriteKind::MaldiControl;
    record.control = control;
    record.value = value;
    Record(std::move(record));
    return 0;
}

std::string CInstCtlClient::WriteLog() const
{
    std::string text;
    for (const WriteRecord& record : m_writes) text += record.Text() + "\n";
    return text;
}

void CInstCtlClient::Record(WriteRecord record)
{
    record.order = static_cast<int>(m_writes.size()) + 1;
    m_writes.push_back(record);
    // Copies on both sides: the hook may write again (growing the log) or replace itself.
    if (m_hook) {
        WriteHook hook = m_hook;
        hook(record);
    }
}
