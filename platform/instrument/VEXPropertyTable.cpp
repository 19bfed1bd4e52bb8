#include "platform/instrument/VEXPropertyTable.h"

namespace {

struct DefaultProperty {
    const char* symbol;
    VEXPropertyKind kind;
    double value;
};

// Keep in step with the table in the header.
constexpr DefaultProperty kDefaults[] = {
    {"ELECTROSPRAY_THROTTLE_POSITION_SETTING", VEXPropertyKind::Setting, 2000.0},
    {"SOURCE_TEMPERATURE_SETTING", VEXPropertyKind::Setting, 30.0},
    {"SOURCE_TEMPERATURE_RB", VEXPropertyKind::Readback, 30.0},
    {"PROBE_COVER_STATE_STATUS", VEXPropertyKind::Status, 2.0},
    {"SOURCE_PRESENT_STATE_STATUS", VEXPropertyKind::Status, 1.0},
    {"PROBE_STATE_STATUS", VEXPropertyKind::Status, 0x30},
    {"PROBE_PREVIOUS_STATE", VEXPropertyKind::Status, 1.0},
    {"UNLOAD_PROBE_COMMAND", VEXPropertyKind::Command, 0.0},
    {"LOAD_PROBE_COMMAND", VEXPropertyKind::Command, 0.0},
    {"ES_PROBE_MODE_COMMAND", VEXPropertyKind::Command, 0.0},
};

} // namespace

VEXPropertyTable& VEXPropertyTable::Instance()
{
    static VEXPropertyTable table;
    return table;
}

VEXPropertyTable::VEXPropertyTable()
{
    Reset();
}

VEXPropertyTag* VEXPropertyTable::Find(std::string_view symbol)
{
    auto it = m_tags.find(symbol);
    if (it == m_tags.end() || !it->second->known) return nullptr;
    return it->second.get();
}

VEXPropertyTag* VEXPropertyTable::Find(const char* symbol)
{
    return symbol ? Find(std::string_view(symbol)) : nullptr;
}

VEXPropertyTag* VEXPropertyTable::Add(std::string_view symbol, VEXPropertyKind kind, double value)
{
    if (symbol.empty()) return nullptr;
    auto it = m_tags.find(symbol);
    if (it == m_tags.end()) {
        auto tag = std::make_unique<VEXPropertyTag>();
        tag->symbol = std::string(symbol);
        it = m_tags.emplace(tag->symbol, std::move(tag)).first;
    }
    VEXPropertyTag& tag = *it->second;
    tag.kind = kind;
    tag.lastTransferValue = value;
    tag.known = true;
    return &tag;
}

bool VEXPropertyTable::Remove(std::string_view symbol)
{
    VEXPropertyTag* tag = Find(symbol);
    if (!tag) return false;
    tag->known = false;
    return true;
}

std::vector<std::string> VEXPropertyTable::Symbols() const
{
    std::vector<std::string> symbols;
    for (const auto& [symbol, tag] : m_tags) {
        if (tag->known) symbols.push_back(symbol);
    }
    return symbols;
}

void VEXPropertyTable::Reset()
{
    for (auto& entry : m_tags) entry.second->known = false;
    for (const DefaultProperty& d : kDefaults) Add(d.symbol, d.kind, d.value);
    m_maldiEsi = true;
}
