#include "platform/framework/AutomationScript.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/framework/Automation.h"
#include "platform/framework/CWnd.h"

namespace {

using Action = AutomationStep::Action;

struct ActionName {
    Action action;
    const char* name;
};
constexpr ActionName kActions[] = {
    {Action::Click, "click"}, {Action::Hold, "hold"},     {Action::Release, "release"}, {Action::Type, "type"},
    {Action::Key, "key"},     {Action::Answer, "answer"}, {Action::File, "file"},       {Action::Close, "close"},
    {Action::Minimize, "minimize"}, {Action::Restore, "restore"},
    {Action::Choose, "choose"}, {Action::Item, "item"},   {Action::DoubleItem, "dblitem"}, {Action::Slider, "slider"},
    {Action::Page, "page"},
};

constexpr struct {
    int id;
    const char* name;
} kAnswers[] = {{IDOK, "IDOK"},       {IDCANCEL, "IDCANCEL"}, {IDABORT, "IDABORT"}, {IDRETRY, "IDRETRY"},
                {IDIGNORE, "IDIGNORE"}, {IDYES, "IDYES"},       {IDNO, "IDNO"}};

constexpr struct {
    UINT vk;
    const char* name;
} kKeys[] = {{VK_BACK, "Back"},   {VK_TAB, "Tab"},     {VK_RETURN, "Enter"},   {VK_ESCAPE, "Escape"},
             {VK_SPACE, "Space"}, {VK_PRIOR, "PageUp"}, {VK_NEXT, "PageDown"}, {VK_END, "End"},
             {VK_HOME, "Home"},   {VK_LEFT, "Left"},   {VK_UP, "Up"},          {VK_RIGHT, "Right"},
             {VK_DOWN, "Down"},   {VK_INSERT, "Insert"}, {VK_DELETE, "Delete"}, {VK_F1, "F1"}, {VK_F4, "F4"}};

bool hasWindowAndId(Action a)
{
    return a == Action::Click || a == Action::Hold || a == Action::Release || a == Action::Choose || a == Action::Item ||
           a == Action::DoubleItem || a == Action::Slider;
}

std::string quote(const CString& text)
{
    std::string out = "\"";
    for (const char* p = text.GetString(); *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

// Reads the words of a line: bare words, or quoted texts (unescaped).
class Words {
public:
    explicit Words(const std::string& line) : m_line(line) {}
    bool Next(std::string& word, bool& quoted)
    {
        while (m_at < m_line.size() && (m_line[m_at] == ' ' || m_line[m_at] == '\t')) ++m_at;
        if (m_at >= m_line.size()) return false;
        word.clear();
        quoted = m_line[m_at] == '"';
        if (!quoted) {
            while (m_at < m_line.size() && m_line[m_at] != ' ' && m_line[m_at] != '\t') word += m_line[m_at++];
            return true;
        }
        for (++m_at; m_at < m_line.size(); ++m_at) {
            char c = m_line[m_at];
            if (c == '"') {
                ++m_at;
                return true;
            }
            if (c == '\\' && m_at + 1 < m_line.size()) {
                char e = m_line[++m_at];
                if (e == 'x' && m_at + 2 < m_line.size()) {
                    word += static_cast<char>(std::stoi(m_line.substr(m_at + 1, 2), nullptr, 16));
                    m_at += 2;
                } else {
                    word += e;
                }
            } else {
                word += c;
            }
        }
        throw std::invalid_argument("a quoted text has no closing quote");
    }

private:
    const std::string& m_line;
    size_t m_at = 0;
};

ULONGLONG parseTime(const std::string& word)
{
    unsigned minutes = 0, seconds = 0, ms = 0;
    char tail = 0;
    if (std::sscanf(word.c_str(), "%u:%u.%3u%c", &minutes, &seconds, &ms, &tail) == 3 && seconds < 60) {
        return (minutes * 60ULL + seconds) * 1000ULL + ms;
    }
    size_t used = 0;
    unsigned long long plain = std::stoull(word, &used);
    if (used != word.size()) throw std::invalid_argument("bad time \"" + word + "\"");
    return plain;
}

int parseNumber(const std::string& word)
{
    size_t used = 0;
    int n = std::stoi(word, &used, 0);
    if (used != word.size()) throw std::invalid_argument("bad number \"" + word + "\"");
    return n;
}

} // namespace

std::string AutomationScript::KeyName(UINT vk)
{
    for (const auto& k : kKeys)
        if (k.vk == vk) return k.name;
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return std::string(1, static_cast<char>(vk));
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", vk);
    return hex;
}

UINT AutomationScript::KeyFromName(const std::string& name)
{
    for (const auto& k : kKeys)
        if (name == k.name) return k.vk;
    if (name.size() == 1 && ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9'))) {
        return static_cast<UINT>(name[0]);
    }
    if (name.rfind("0x", 0) == 0 && name.size() > 2) {
        try {
            size_t used = 0;
            unsigned long vk = std::stoul(name, &used, 16);
            if (used == name.size() && vk > 0 && vk < 256) return static_cast<UINT>(vk);
        } catch (const std::exception&) {
        }
    }
    return 0;
}

std::string AutomationScript::FormatStep(const AutomationStep& step)
{
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%02llu:%02llu.%03llu", static_cast<unsigned long long>(step.time / 60000),
                  static_cast<unsigned long long>(step.time / 1000 % 60), static_cast<unsigned long long>(step.time % 1000));
    std::string name;
    for (const auto& a : kActions)
        if (a.action == step.action) name = a.name;
    name.resize(std::max<size_t>(name.size(), 8), ' ');
    std::string line = std::string(stamp) + "  " + name + " " + quote(step.window);
    if (hasWindowAndId(step.action)) line += " " + std::to_string(step.id);
    switch (step.action) {
    case Action::Choose:
    case Action::Item:
    case Action::DoubleItem:
    case Action::Slider:
    case Action::Page: line += " " + std::to_string(step.value); break;
    case Action::Type: line += " " + quote(step.text); break;
    case Action::Key: {
        line += " " + KeyName(static_cast<UINT>(step.value));
        if (step.modifiers & Automation::Shift) line += "+Shift";
        if (step.modifiers & Automation::Control) line += "+Control";
        if (step.modifiers & Automation::Alt) line += "+Alt";
        break;
    }
    case Action::Answer: {
        std::string answer = std::to_string(step.value);
        for (const auto& a : kAnswers)
            if (a.id == step.value) answer = a.name;
        line += " " + answer;
        break;
    }
    case Action::File: line += " " + (step.value ? quote(step.text) : std::string("cancel")); break;
    default: break;
    }
    return line;
}

std::string AutomationScript::Write() const
{
    std::string out = "# operator session: virtual time, action, window caption, control id, arguments\n";
    for (const AutomationStep& step : steps) out += FormatStep(step) + "\n";
    return out;
}

AutomationScript AutomationScript::Parse(const std::string& text)
{
    AutomationScript script;
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        try {
            Words words(line);
            std::vector<std::pair<std::string, bool>> w;
            std::string word;
            bool quoted = false;
            while (words.Next(word, quoted)) w.emplace_back(word, quoted);
            if (w.size() < 3) throw std::invalid_argument("a step needs a time, an action and a window");
            AutomationStep step;
            step.time = parseTime(w[0].first);
            bool known = false;
            for (const auto& a : kActions)
                if (w[1].first == a.name) step.action = a.action, known = true;
            if (!known) throw std::invalid_argument("unknown action \"" + w[1].first + "\"");
            if (!w[2].second) throw std::invalid_argument("the window's caption must be quoted");
            step.window = CString(w[2].first.c_str());
            size_t at = 3;
            auto next = [&](const char* what) -> const std::pair<std::string, bool>& {
                if (at >= w.size()) throw std::invalid_argument(std::string("missing ") + what);
                return w[at++];
            };
            if (hasWindowAndId(step.action)) step.id = parseNumber(next("control id").first);
            switch (step.action) {
            case Action::Choose:
            case Action::Item:
            case Action::DoubleItem:
            case Action::Slider:
            case Action::Page: step.value = parseNumber(next("value").first); break;
            case Action::Type: step.text = CString(next("text").first.c_str()); break;
            case Action::Key: {
                std::string key = next("key").first;
                std::string base = key.substr(0, key.find('+'));
                step.value = static_cast<int>(KeyFromName(base));
                if (!step.value) throw std::invalid_argument("unknown key \"" + base + "\"");
                for (size_t plus = key.find('+'); plus != std::string::npos; plus = key.find('+', plus + 1)) {
                    std::string mod = key.substr(plus + 1, key.find('+', plus + 1) - plus - 1);
                    if (mod == "Shift") step.modifiers |= Automation::Shift;
                    else if (mod == "Control") step.modifiers |= Automation::Control;
                    else if (mod == "Alt") step.modifiers |= Automation::Alt;
                    else throw std::invalid_argument("unknown modifier \"" + mod + "\"");
                }
                break;
            }
            case Action::Answer: {
                std::string answer = next("answer").first;
                step.value = 0;
                for (const auto& a : kAnswers)
                    if (answer == a.name) step.value = a.id;
                if (!step.value) throw std::invalid_argument("unknown answer \"" + answer + "\"");
                break;
            }
            case Action::File: {
                const auto& choice = next("file or cancel");
                if (!choice.second && choice.first != "cancel") throw std::invalid_argument("a file is quoted, or cancel");
                step.value = choice.second ? 1 : 0;
                if (choice.second) step.text = CString(choice.first.c_str());
                break;
            }
            default: break;
            }
            if (at != w.size()) throw std::invalid_argument("unexpected \"" + w[at].first + "\" at the end");
            if (!script.steps.empty() && step.time < script.steps.back().time) {
                throw std::invalid_argument("the step goes back in time");
            }
            script.steps.push_back(step);
        } catch (const std::exception& e) {
            throw AutomationError("script line " + std::to_string(number) + ": " + e.what() + ": " + line);
        }
    }
    return script;
}

AutomationScript AutomationScript::Load(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw AutomationError("cannot read the script \"" + path + "\"");
    std::ostringstream text;
    text << in.rdbuf();
    return Parse(text.str());
}

void AutomationScript::Save(const std::string& path) const
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << Write();
    out.flush();
    if (!out) throw AutomationError("cannot write the script \"" + path + "\"");
}

// --- playing ------------------------------------------------------------------------------------------

AutomationPlayer::AutomationPlayer(Automation& automation, const AutomationScript& script, AdvanceTo advanceTo)
    : m_ui(automation), m_script(script), m_advanceTo(std::move(advanceTo))
{
    if (!m_advanceTo) {
        m_advanceTo = [this](ULONGLONG time) {
            if (time > m_ui.Now()) m_ui.Advance(time - m_ui.Now());
        };
    }
}

void AutomationPlayer::fail(const AutomationStep& step, const std::string& why) const
{
    throw AutomationError("replaying \"" + AutomationScript::FormatStep(step) + "\": " + why);
}

const AutomationStep& AutomationPlayer::take(const char* what, AutomationStep::Action expected)
{
    if (m_next >= m_script.steps.size()) {
        throw AutomationError(std::string("the script ended while ") + what + " waited for the operator");
    }
    const AutomationStep& step = m_script.steps[m_next];
    if (step.action != expected) fail(step, std::string("the script does not say what to do in the open ") + what);
    ++m_next;
    m_advanceTo(step.time);
    if (onStep) onStep(step);
    return step;
}

void AutomationPlayer::Play()
{
    // Our responders for the length of the replay; the previous ones come back afterwards.
    m_ui.SetMessageBoxResponder([this](const MessageBoxRecord& box) {
        const AutomationStep& step = take("message box", AutomationStep::Action::Answer);
        if (step.window != box.caption) fail(step, "the open box is captioned \"" + box.caption.str() + "\"");
        return step.value;
    });
    m_ui.SetFileDialogResponder([this](FileDialogRecord& dialog) {
        const AutomationStep& step = take("file dialog", AutomationStep::Action::File);
        dialog.ok = step.value != 0;
        dialog.path = step.text;
        return true;
    });
    m_ui.SetModalResponder([this](CWnd& dialog, Automation&) {
        playUntil([&dialog] { return !dialog.ContinueModal(); });
        return !dialog.ContinueModal();
    });
    struct Restore {
        Automation& ui;
        ~Restore()
        {
            ui.SetMessageBoxResponder(nullptr);
            ui.SetFileDialogResponder(nullptr);
            ui.SetModalResponder(nullptr);
        }
    } restore{m_ui};
    playUntil([] { return false; });
}

void AutomationPlayer::playUntil(const std::function<bool()>& done)
{
    while (m_next < m_script.steps.size() && !done()) {
        const AutomationStep& step = m_script.steps[m_next];
        if (step.action == AutomationStep::Action::Answer || step.action == AutomationStep::Action::File) {
            fail(step, "no message box or file dialog is open here");
        }
        ++m_next;
        m_advanceTo(step.time);
        if (onStep) onStep(step);
        perform(step);
    }
}

HWND AutomationPlayer::window(const AutomationStep& step) const
{
    HWND hwnd = m_ui.FindTopLevel(step.window);
    if (!hwnd) fail(step, "no window is captioned \"" + step.window.str() + "\"");
    return hwnd;
}

void AutomationPlayer::perform(const AutomationStep& step)
{
    using A = AutomationStep::Action;
    HWND root = window(step);
    HWND control = hasWindowAndId(step.action) ? m_ui.TryFind(root, step.id) : nullptr;
    if (hasWindowAndId(step.action) && !control) fail(step, "the window has no control " + std::to_string(step.id));
    auto focusIn = [&] {
        if (m_ui.ActiveWindow() != root) fail(step, "the window is not the active one");
    };
    switch (step.action) {
    case A::Click: m_ui.Click(control); break;
    case A::Hold: m_ui.Hold(control); break;
    case A::Release: m_ui.Release(control); break;
    case A::Type: focusIn(); m_ui.TypeKeys(step.text); break;
    case A::Key: focusIn(); m_ui.PressKey(static_cast<UINT>(step.value), step.modifiers); break;
    case A::Close: m_ui.PressCloseBox(root); break;
    case A::Minimize: m_ui.PressMinimizeBox(root); break;
    case A::Restore: m_ui.ClickIcon(root); break;
    case A::Choose: m_ui.ChooseComboItem(control, step.value); break;
    case A::Item: m_ui.ClickListItem(control, step.value); break;
    case A::DoubleItem: m_ui.DoubleClickListItem(control, step.value); break;
    case A::Slider: m_ui.DragSlider(control, step.value); break;
    case A::Page: m_ui.SelectSheetPage(root, step.value); break;
    case A::Answer:
    case A::File: break;
    }
}
