#include "sim/SimSession.h"

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/framework/MessageBoxWindow.h"
#include "platform/framework/gdi/PngFile.h"
#include "platform/instrument/VEXPropertyTable.h"

namespace {

// The line between two entries of a status log.
const std::string kLogSeparator(44, '-');

// Line breaks and runs of blanks as single blanks, ends trimmed.
std::string OneLine(const std::string& text)
{
    std::string out;
    bool blank = false;
    for (char c : text) {
        if (c == '\r' || c == '\n' || c == ' ' || c == '\t') {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

} // namespace

SimSession::Fresh::Fresh()
{
    VEXPropertyTable::Instance().Reset();
}

SimSession::SimSession(const SimOptions& options, const std::string& scenario, std::ostream* echo)
    : m_options(options),
      m_scenario(scenario),
      m_transcript(echo),
      m_instrument(m_client, m_transcript),
      m_host(m_instrument, m_monitor, m_transcript),
      m_operator(m_transcript, m_instrument.Source())
{
    m_operator.onBoxShot = [this](const MessageBoxRecord& box, const std::string& label) { Screenshot(box, label); };
}

SimSession::~SimSession()
{
    m_operator.StopFollowing();
    m_watchers.clear();
}

void SimSession::Wait(unsigned ms)
{
    for (unsigned done = 0; done < ms; done += kStepMs) step();
}

bool SimSession::WaitUntil(const std::function<bool()>& condition, unsigned timeoutMs)
{
    for (unsigned done = 0; done < timeoutMs; done += kStepMs) {
        if (condition()) return true;
        step();
    }
    return condition();
}

void SimSession::step()
{
    Ui().Advance(kStepMs);
    if (m_options.pace == SimOptions::Pace::Realtime) std::this_thread::sleep_for(std::chrono::milliseconds(kStepMs));
    m_operator.Observe();
    for (Watcher& watcher : m_watchers) {
        std::string now = watcher.describe();
        if (watcher.reported && now == watcher.last) continue;
        if (!watcher.reported && now.empty()) continue;
        watcher.reported = true;
        watcher.last = now;
        m_transcript.Add(watcher.tag, now.empty() ? "(window closed)" : now);
    }
    pollLog();
}

void SimSession::Watch(const std::string& tag, std::function<std::string()> describe)
{
    m_watchers.push_back(Watcher{tag, std::move(describe), std::string(), false});
}

void SimSession::WatchLog(HWND window, int logId)
{
    m_logWindow = window;
    m_logId = logId;
    m_logEntries = 0;
}

void SimSession::StopWatching()
{
    m_watchers.clear();
    m_logWindow = nullptr;
}

void SimSession::pollLog()
{
    if (!m_logWindow || !::IsWindow(m_logWindow)) return;
    HWND log = Ui().TryFind(m_logWindow, m_logId);
    if (!log) return;
    std::string text = Ui().Text(log).ToUtf8();
    std::vector<std::string> entries;
    size_t at = text.find(kLogSeparator);
    while (at != std::string::npos) {
        size_t next = text.find(kLogSeparator, at + kLogSeparator.size());
        entries.push_back(OneLine(text.substr(at + kLogSeparator.size(),
                                              next == std::string::npos ? std::string::npos : next - at - kLogSeparator.size())));
        at = next;
    }
    // A new run clears the log.
    if (entries.size() < m_logEntries) m_logEntries = 0;
    for (size_t i = m_logEntries; i < entries.size(); ++i) m_transcript.Add("log", entries[i]);
    m_logEntries = entries.size();
}

std::string SimSession::shotPath(const std::string& label)
{
    std::filesystem::create_directories(m_options.outDir);
    char number[8];
    std::snprintf(number, sizeof number, "%02zu", m_screenshots.size() + 1);
    std::string path = (std::filesystem::path(m_options.outDir) / (m_scenario + "-" + number + "-" + label + ".png")).string();
    m_screenshots.push_back(path);
    m_transcript.Add("shot", path);
    return path;
}

std::string SimSession::Screenshot(HWND window, const std::string& label)
{
    if (!window || !::IsWindow(window)) return std::string();
    std::string path = shotPath(label);
    Ui().Screenshot(window, CString(path.c_str()));
    return path;
}

std::string SimSession::Screenshot(const MessageBoxRecord& box, const std::string& label)
{
    std::string path = shotPath(label);
    std::string error;
    if (!PngFile::Write(MessageBoxWindow::Render(box), path, &error)) {
        throw AutomationError("picture of message box \"" + box.text.str() + "\" to \"" + path + "\": " + error);
    }
    return path;
}
