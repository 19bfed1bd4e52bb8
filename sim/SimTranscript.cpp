#include "sim/SimTranscript.h"

#include <cstdio>
#include <ostream>

#include "platform/framework/Automation.h"

std::string SimTranscript::FormatTime(unsigned long long ms)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02llu:%02llu.%03llu", ms / 60000, (ms / 1000) % 60, ms % 1000);
    return buffer;
}

std::string SimTranscript::Line::Format() const
{
    std::string tagColumn = tag;
    if (tagColumn.size() < 8) tagColumn.resize(8, ' ');
    return FormatTime(time) + "  " + tagColumn + "  " + text;
}

void SimTranscript::Add(const std::string& tag, const std::string& text)
{
    AddAt(Automation::Get().Now(), tag, text);
}

void SimTranscript::AddAt(unsigned long long time, const std::string& tag, const std::string& text)
{
    m_lines.push_back(Line{time, tag, text});
    if (m_echo) *m_echo << m_lines.back().Format() << '\n' << std::flush;
}

bool SimTranscript::Contains(const std::string& text, const std::string& tag) const
{
    return Find(text, tag) >= 0;
}

int SimTranscript::Count(const std::string& text, const std::string& tag) const
{
    int count = 0;
    for (const Line& line : m_lines) {
        if ((tag.empty() || line.tag == tag) && line.text.find(text) != std::string::npos) ++count;
    }
    return count;
}

int SimTranscript::Find(const std::string& text, const std::string& tag, int from) const
{
    for (size_t i = from < 0 ? 0 : static_cast<size_t>(from); i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if ((tag.empty() || line.tag == tag) && line.text.find(text) != std::string::npos) return static_cast<int>(i);
    }
    return -1;
}

std::string SimTranscript::Text() const
{
    std::string text;
    for (const Line& line : m_lines) text += line.Format() + '\n';
    return text;
}
