#include "fuzz/session/UiSessionPlayer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "fuzz/session/UiWindowFactories.h"
#include "platform/framework/CPropertySheet.h"
#include "platform/framework/CommCtrl.h"
#include "platform/instrument/VEXPropertyTable.h"
#include "platform/platemodel/TargetPlate.h"

namespace {

constexpr std::size_t kRecentActions = 12;
constexpr int kMaxNestedActions = 24;
constexpr int kMaxDepth = 3;

const UINT kKeys[] = {VK_RETURN, VK_ESCAPE, VK_TAB, VK_SPACE, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_END,
                      VK_PRIOR, VK_NEXT, VK_DELETE, VK_BACK, VK_INSERT, VK_F1, VK_F4, 'A', 'C', 'V', 'X', 'Z', '0', '5'};

std::string Extension(const FileDialogRecord& dialog)
{
    return dialog.defaultExtension.IsEmpty() ? std::string() : "." + dialog.defaultExtension.str();
}

std::string MakeFolder()
{
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/maldi-ui-session-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a folder for the session's files");
    return pattern;
}

} // namespace

UiSessionPlayer::UiSessionPlayer(UiSessionWorld& world, UiSessionInput& input, Options options)
    : m_world(world), m_input(input), m_options(options), m_ui(Automation::Get()), m_folder(MakeFolder())
{
    if (!m_owner.CreateEx(0, "Static", "Host", WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 0, 800, 600, nullptr, 0))
        throw std::runtime_error("cannot make the host's window");
    m_ui.SetMessageBoxResponder([this](const MessageBoxRecord& box) { return answerBox(box); });
    m_ui.SetFileDialogResponder([this](FileDialogRecord& dialog) { return answerFile(dialog); });
    m_ui.SetModalResponder([this](CWnd& dialog, Automation&) { return playNestedModal(dialog); });
}

UiSessionPlayer::~UiSessionPlayer()
{
    m_ui.SetMessageBoxResponder(nullptr);
    m_ui.SetFileDialogResponder(nullptr);
    m_ui.SetModalResponder(nullptr);
    if (m_absent.plate) SetTargetPlate(m_world.Plate());
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

CMaldiAppInterface* UiSessionPlayer::Host() const { return m_absent.host ? nullptr : m_world.Host(); }
CInstCtlClient* UiSessionPlayer::Control() const { return m_absent.control ? nullptr : m_world.Control(); }
CInstMonClient* UiSessionPlayer::Monitor() const { return m_absent.monitor ? nullptr : m_world.Monitor(); }

void UiSessionPlayer::Play()
{
    // Sixteen slots, so that adding a window leaves the sessions of the others choosing theirs.
    const auto& windows = UiWindowFactories::All();
    std::size_t slot = m_input.Byte() % 16u;
    Play(windows[slot < windows.size() ? slot : slot % windows.size()]);
}

void UiSessionPlayer::Play(const UiWindowFactory& window)
{
    // Mostly everything present; one in four sessions without some of it.
    std::uint8_t absent = m_input.Byte();
    if (absent >= 0xC0) m_absent = Absent{(absent & 1) != 0, (absent & 2) != 0, (absent & 4) != 0, (absent & 8) != 0};
    SetTargetPlate(m_absent.plate ? nullptr : m_world.Plate());
    Say(std::string("window ") + window.className + (m_absent.host ? ", no host" : "") +
        (m_absent.control ? ", no control client" : "") + (m_absent.monitor ? ", no monitor client" : "") +
        (m_absent.plate ? ", no plate" : ""));
    try {
        window.play(*this);
    } catch (const UiSessionFinding&) {
        throw;
    } catch (const AutomationError& e) {
        // A refusal while the host made or took down the window: the session simply ends.
        Say(std::string("refused: ") + e.what());
    } catch (const std::exception& e) {
        fail(std::string("exception while the host ran ") + window.className + ": " + e.what());
    }
}

bool UiSessionPlayer::sessionOver() const
{
    return m_actions >= m_options.maxActions || m_input.Exhausted();
}

void UiSessionPlayer::Say(const std::string& text)
{
    if (m_options.transcript) m_world.Say("monkey", text);
}

void UiSessionPlayer::record(const std::string& action)
{
    m_recent.push_back(action);
    if (m_recent.size() > kRecentActions) m_recent.pop_front();
    Say(action);
}

void UiSessionPlayer::fail(const std::string& what)
{
    std::string message = what + " (after " + std::to_string(m_actions) + " actions; the last:";
    for (const std::string& a : m_recent) message += "\n  " + a;
    throw UiSessionFinding(message + ")");
}

// --- the session's loop -----------------------------------------------------------------------------

void UiSessionPlayer::OperateToolWindow(CWnd& window, const HostOperations& operations)
{
    operate(window, operations, 0);
}

INT_PTR UiSessionPlayer::RunModal(CWnd& dialog, const HostOperations& operations)
{
    m_ui.OnNextModal([this, &operations](CWnd& shown, Automation&) {
        operate(shown, operations, 0);
        closeDialog(shown, 0);
    });
    INT_PTR result = 0;
    if (auto* sheet = dynamic_cast<CPropertySheet*>(&dialog)) result = sheet->DoModal();
    else if (auto* box = dynamic_cast<CDialog*>(&dialog)) result = box->DoModal();
    record("DoModal returned " + std::to_string(result));
    return result;
}

bool UiSessionPlayer::open(CWnd& dialog) const
{
    return ::IsWindow(dialog.m_hWnd) && dialog.ContinueModal();
}

void UiSessionPlayer::operate(CWnd& window, const HostOperations& operations, int depth)
{
    HWND root = window.m_hWnd;
    int budget = depth == 0 ? -1 : static_cast<int>(m_input.Range(0, kMaxNestedActions));
    bool modal = depth > 0 || m_ui.ModalDepth() > 0;
    if (depth == 0 && m_options.onShown) m_options.onShown(root);
    while (!sessionOver() && budget != 0 && ::IsWindow(root) && (!modal || window.ContinueModal())) {
        if (budget > 0) --budget;
        ++m_actions;
        auto start = std::chrono::steady_clock::now();
        auto nestedBefore = m_nested;
        try {
            act(root, operations, depth);
        } catch (const UiSessionFinding&) {
            throw;
        } catch (const AutomationError& e) {
            record(std::string("refused: ") + e.what());
        } catch (const std::exception& e) {
            fail(std::string("exception: ") + e.what());
        }
        auto spent = std::chrono::steady_clock::now() - start - (m_nested - nestedBefore);
        double seconds = std::chrono::duration<double>(spent).count();
        if (seconds > m_options.hangSeconds) {
            char text[96];
            std::snprintf(text, sizeof text, "one action took %.2f s of wall-clock time", seconds);
            fail(text);
        }
    }
}

void UiSessionPlayer::act(HWND root, const HostOperations& operations, int depth)
{
    std::uint8_t kind = m_input.Byte() % 24;
    if (kind < 18) {
        operatorAction(root, kind);
    } else if (kind < 20) {
        // Time: mostly short steps, sometimes a long wait.
        unsigned ms = m_input.Flag() ? static_cast<unsigned>(m_input.Range(0, 1000))
                                     : static_cast<unsigned>(m_input.Range(0, 30)) * 1000u;
        record("waits " + std::to_string(ms) + " ms");
        m_world.Advance(ms);
    } else if (kind < 23 && !operations.empty()) {
        const HostOperation& op = operations[m_input.Index(operations.size())];
        record(std::string("host: ") + op.name);
        op.call(m_input);
        m_ui.Pump();
    } else if (depth == 0) {
        instrumentAction();
    }
}

// --- the operator -----------------------------------------------------------------------------------

std::vector<HWND> UiSessionPlayer::onScreen(HWND root, const char* className) const
{
    std::vector<HWND> found;
    std::vector<HWND> pending = m_ui.Children(root);
    while (!pending.empty()) {
        HWND w = pending.back();
        pending.pop_back();
        if (!m_ui.IsOnScreen(w)) continue;
        for (HWND child : m_ui.Children(w)) pending.push_back(child);
        if (className == nullptr || m_ui.ClassName(w) == CString(className)) found.push_back(w);
    }
    // Children come in z-order; keep the choice independent of the walk.
    std::sort(found.begin(), found.end(), [this](HWND a, HWND b) { return m_ui.Id(a) != m_ui.Id(b) ? m_ui.Id(a) < m_ui.Id(b) : a < b; });
    return found;
}

HWND UiSessionPlayer::pick(HWND root, const char* className)
{
    std::vector<HWND> candidates = onScreen(root, className);
    return candidates.empty() ? nullptr : candidates[m_input.Index(candidates.size())];
}

std::string UiSessionPlayer::describe(HWND control) const
{
    if (!m_options.transcript) return std::string();
    std::string text = m_ui.Text(control).ToUtf8();
    if (text.find(m_folder) != std::string::npos) text = "<a path in the session folder>";
    if (text.size() > 24) text = text.substr(0, 24) + "...";
    return std::to_string(m_ui.Id(control)) + " (" + m_ui.ClassName(control).str() + (text.empty() ? "" : " \"" + text + "\"") + ")";
}

void UiSessionPlayer::operatorAction(HWND root, std::uint8_t kind)
{
    auto outcome = [](bool done) { return done ? std::string() : std::string(": nothing happens"); };
    switch (kind) {
    case 0: case 1: case 2: case 3: case 4: {
        HWND target = pick(root, nullptr);
        if (!target) return;
        std::string what = describe(target);
        record("clicks " + what + outcome(m_ui.Click(target)));
        return;
    }
    case 5: {
        HWND button = pick(root, "Button");
        if (!button) return;
        std::string what = describe(button);
        bool done = m_ui.Hold(button);
        if (done) m_held = button;
        record("holds " + what + outcome(done));
        return;
    }
    case 6: {
        if (!m_held || !::IsWindow(m_held)) return;
        HWND button = m_held;
        m_held = nullptr;
        record("releases " + describe(button) + outcome(m_ui.Release(button)));
        return;
    }
    case 7: case 8: {
        HWND edit = pick(root, "Edit");
        if (!edit) return;
        std::string text = m_input.Text(kind == 7 ? 12 : 40);
        std::string what = describe(edit);
        bool done = kind == 7 ? m_ui.Type(edit, text.c_str()) : m_ui.ReplaceText(edit, text.c_str());
        record(std::string(kind == 7 ? "types into " : "replaces the text of ") + what + " with " +
               std::to_string(text.size()) + " bytes" + outcome(done));
        return;
    }
    case 9: {
        HWND combo = pick(root, "ComboBox");
        if (!combo) return;
        std::size_t items = m_ui.ComboItems(combo).size();
        if (items == 0) return;
        int index = static_cast<int>(m_input.Index(items));
        std::string what = describe(combo);
        record("chooses item " + std::to_string(index) + " of " + what + outcome(m_ui.ChooseComboItem(combo, index)));
        return;
    }
    case 10: case 11: {
        HWND list = pick(root, WC_LISTVIEW);
        if (!list) return;
        std::size_t rows = m_ui.ListRows(list).size();
        std::size_t columns = std::max<std::size_t>(1, m_ui.ListColumns(list).size());
        if (rows == 0) return;
        int row = static_cast<int>(m_input.Index(rows));
        int column = static_cast<int>(m_input.Index(columns));
        std::string what = describe(list);
        if (kind == 10) {
            UINT modifiers = m_input.Byte() & (Automation::Shift | Automation::Control);
            record("clicks row " + std::to_string(row) + " of " + what + outcome(m_ui.ClickListItem(list, row, modifiers, column)));
        } else {
            record("double-clicks row " + std::to_string(row) + " of " + what + outcome(m_ui.DoubleClickListItem(list, row, column)));
        }
        return;
    }
    case 12: {
        HWND slider = pick(root, TRACKBAR_CLASS);
        if (!slider) return;
        auto [lo, hi] = m_ui.SliderRange(slider);
        int position = static_cast<int>(m_input.Range(static_cast<long long>(lo) - 2, static_cast<long long>(hi) + 2));
        bool release = m_input.Byte() < 200;
        std::string what = describe(slider);
        record("drags " + what + " to " + std::to_string(position) + (release ? "" : " and holds it") +
               outcome(m_ui.DragSlider(slider, position, release)));
        return;
    }
    case 13: {
        if (!dynamic_cast<CPropertySheet*>(CWnd::FromHandlePermanent(root))) {
            HWND slider = pick(root, TRACKBAR_CLASS);
            if (slider) record("lets the slider go" + outcome(m_ui.ReleaseSlider(slider)));
            return;
        }
        std::size_t tabs = m_ui.SheetTabs(root).size();
        if (tabs == 0) return;
        int page = static_cast<int>(m_input.Index(tabs));
        record("selects page " + std::to_string(page) + outcome(m_ui.SelectSheetPage(root, page)));
        return;
    }
    case 14: case 15: {
        UINT key = kKeys[m_input.Index(sizeof kKeys / sizeof kKeys[0])];
        UINT modifiers = m_input.Byte() & 7;
        record("presses key " + std::to_string(key) + " with modifiers " + std::to_string(modifiers) +
               outcome(m_ui.PressKey(key, modifiers)));
        return;
    }
    case 16: {
        HWND box = pick(root, "Button");
        if (!box) return;
        bool checked = m_input.Flag();
        std::string what = describe(box);
        record(std::string(checked ? "checks " : "clears ") + what + outcome(m_ui.SetChecked(box, checked)));
        return;
    }
    default:
        record("presses the close box" + outcome(m_ui.PressCloseBox(root)));
        return;
    }
}

// --- the instrument ---------------------------------------------------------------------------------

void UiSessionPlayer::instrumentAction()
{
    VEXPropertyTable& table = VEXPropertyTable::Instance();
    std::vector<std::string> symbols = table.Symbols();
    if (symbols.empty()) return;
    const std::string& symbol = symbols[m_input.Index(symbols.size())];
    VEXPropertyTag* tag = table.Find(symbol);
    std::uint8_t what = m_input.Byte();
    if (what < 8 && tag) {
        record("instrument: " + symbol + " becomes unknown");
        table.Remove(symbol);
    } else if (what < 16 && !tag) {
        record("instrument: " + symbol + " known again");
        table.Add(symbol, VEXPropertyKind::Setting, m_input.Number());
    } else if (tag) {
        double value = what < 128 ? static_cast<double>(m_input.Integer()) : m_input.Number();
        record("instrument: " + symbol + " = " + std::to_string(value));
        tag->lastTransferValue = value;
    }
}

// --- boxes, file dialogs, nested modal runs ---------------------------------------------------------

int UiSessionPlayer::answerBox(const MessageBoxRecord& box)
{
    std::vector<int> buttons = MessageBoxButtons(box.flags);
    int answer = buttons[m_input.Index(buttons.size())];
    if (m_closing != Closing::No) {
        // Leaving: the answer that lets the dialog go (No to saving first, then Yes to leaving).
        int preferred = m_closing == Closing::PreferNo ? IDNO : IDYES;
        answer = std::find(buttons.begin(), buttons.end(), preferred) != buttons.end() ? preferred
                 : std::find(buttons.begin(), buttons.end(), IDOK) != buttons.end()  ? IDOK
                                                                                     : buttons.back();
    }
    record("box \"" + box.text.ToUtf8().substr(0, 60) + "\" -> " + std::to_string(answer));
    return answer;
}

std::string UiSessionPlayer::SomeFile(const std::string& extension)
{
    std::vector<std::string> written;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder, ignored))
        if (entry.is_regular_file(ignored)) written.push_back(entry.path().string());
    std::sort(written.begin(), written.end());
    if (!written.empty() && m_input.Flag()) return written[m_input.Index(written.size())];
    return m_folder + "/file-" + std::to_string(++m_files) + extension;
}

std::string UiSessionPlayer::SomeFolder()
{
    // Named like a file, so that nothing adds an extension and writes beside the session's folder.
    std::string folder = m_folder + "/folder.d";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

bool UiSessionPlayer::answerFile(FileDialogRecord& dialog)
{
    std::string extension = Extension(dialog);
    std::uint8_t choice = m_closing != Closing::No ? 0 : m_input.Byte() % 6;
    std::string path;
    switch (choice) {
    case 0: break; // Cancel
    case 1: case 2: path = SomeFile(extension); break;
    case 3: {
        path = m_folder + "/garbage-" + std::to_string(++m_files) + extension;
        std::ofstream garbage(path, std::ios::binary);
        garbage << m_input.Text(512);
        break;
    }
    case 4: path = SomeFolder(); break;
    default: path = m_folder + "/missing/none" + extension; break;
    }
    dialog.ok = !path.empty();
    dialog.path = CString(path.c_str());
    // The folder's name differs from run to run; the transcript of a seed must not.
    std::string shown = path.empty() ? "Cancel" : "<session folder>" + path.substr(m_folder.size());
    record(std::string(dialog.open ? "open" : "save as") + " dialog -> " + shown);
    return true;
}

bool UiSessionPlayer::playNestedModal(CWnd& dialog)
{
    auto start = std::chrono::steady_clock::now();
    auto nestedBefore = m_nested;
    CString caption;
    if (::IsWindow(dialog.m_hWnd)) dialog.GetWindowText(caption);
    record("modal \"" + caption.ToUtf8() + "\" opens");
    if (m_closing == Closing::No && m_depth < kMaxDepth) {
        ++m_depth;
        try {
            operate(dialog, {}, m_depth);
        } catch (...) {
            --m_depth;
            throw;
        }
        --m_depth;
    }
    closeDialog(dialog, m_depth + 1);
    // Time in this run is its own actions' (checked there), not the opening action's.
    m_nested = nestedBefore + (std::chrono::steady_clock::now() - start);
    return true;
}

void UiSessionPlayer::closeDialog(CWnd& dialog, int depth)
{
    if (m_held && ::IsWindow(m_held)) m_ui.Release(m_held);
    m_held = nullptr;
    Closing before = m_closing;
    for (int round = 0; round < 4 && open(dialog); ++round) {
        m_closing = round % 2 == 0 ? Closing::PreferNo : Closing::PreferYes;
        try {
            if (HWND cancel = m_ui.TryFind(dialog.m_hWnd, IDCANCEL); cancel && m_ui.Click(cancel) && !open(dialog)) break;
            if (m_ui.PressKeyTo(dialog.m_hWnd, VK_ESCAPE) && !open(dialog)) break;
            if (open(dialog)) m_ui.PressCloseBox(dialog.m_hWnd);
        } catch (const AutomationError& e) {
            record(std::string("refused while closing: ") + e.what());
        }
    }
    m_closing = before;
    if (open(dialog)) {
        CString caption;
        dialog.GetWindowText(caption);
        fail("Cancel, Escape and the close box all leave the dialog \"" + caption.ToUtf8() + "\" open (depth " +
             std::to_string(depth) + ")");
    }
}
