#include "sim/SimOperator.h"

#include <cstring>


namespace {

// Control ids of the source swap window the operator looks at and presses.
constexpr int kSwapThermometer = 14178;
constexpr int kSwapPrevStep = 14169;
constexpr int kSwapNextStep = 14101;
constexpr int kSwapIndicator = 14195;

std::string AnswerName(int answer)
{
    switch (answer) {
    case IDOK: return "OK";
    case IDCANCEL: return "Cancel";
    case IDYES: return "Yes";
    case IDNO: return "No";
    default: return std::to_string(answer);
    }
}

const char* CoverName(int cover)
{
    return cover == SimSourceHardware::kCoverApiCone ? "the API cone" : "the MALDI cover cap";
}

bool Has(const CString& text, const char* part)
{
    return std::strstr(text.GetString(), part) != nullptr;
}

} // namespace

SimOperator::SimOperator(SimTranscript& transcript, SimSourceHardware& source)
    : m_transcript(transcript), m_source(source)
{
    Automation::Get().SetMessageBoxResponder([this](const MessageBoxRecord& box) { return answer(box); });
    Automation::Get().SetFileDialogResponder([this](FileDialogRecord& dialog) { return fileDialog(dialog); });
}

SimOperator::~SimOperator()
{
    Automation::Get().SetMessageBoxResponder(nullptr);
    Automation::Get().SetFileDialogResponder(nullptr);
}

void SimOperator::AnswerOnce(const std::string& textPart, int answer, const std::string& shot)
{
    m_rules.push_back(Rule{textPart, answer, true, shot});
}

void SimOperator::AnswerAlways(const std::string& textPart, int answer)
{
    m_rules.push_back(Rule{textPart, answer, false, std::string()});
}

int SimOperator::answer(const MessageBoxRecord& box)
{
    std::string text = box.text.ToUtf8();
    std::string shown = "\"" + text + "\" [" + box.caption.ToUtf8() + ", " +
                        Automation::DescribeFlags(box.flags).ToUtf8() + "]";
    for (Rule& rule : m_rules) {
        if (rule.used || text.find(rule.textPart) == std::string::npos) continue;
        if (rule.once) rule.used = true;
        m_transcript.Add("box", shown + " -> " + AnswerName(rule.answer));
        m_answered.push_back(text + " -> " + AnswerName(rule.answer));
        if (!rule.shot.empty() && onBoxShot) onBoxShot(box, rule.shot);
        return rule.answer;
    }
    m_transcript.Add("box", shown + " -> (the operator has no answer)");
    return 0;
}

bool SimOperator::Click(HWND root, int id, const std::string& what)
{
    m_transcript.Add("oper", "clicks " + what);
    bool done = Automation::Get().Click(root, id);
    if (!done) m_transcript.Add("oper", "... nothing happens: the button is not available");
    return done;
}

bool SimOperator::Hold(HWND root, int id, const std::string& what)
{
    m_transcript.Add("oper", "holds " + what + " down");
    bool done = Automation::Get().Hold(root, id);
    if (!done) m_transcript.Add("oper", "... nothing happens: the button is not available");
    return done;
}

bool SimOperator::Release(HWND root, int id, const std::string& what)
{
    m_transcript.Add("oper", "releases " + what);
    return Automation::Get().Release(root, id);
}

bool SimOperator::DragSlider(HWND root, int id, int position, const std::string& what)
{
    m_transcript.Add("oper", "drags " + what);
    bool done = Automation::Get().DragSlider(Automation::Get().Find(root, id), position);
    if (!done) m_transcript.Add("oper", "... nothing happens: the slider is not available");
    return done;
}

void SimOperator::FollowSourceSwap(HWND swapWindow, SwapPlan plan)
{
    m_swap = swapWindow;
    m_plan = plan;
    m_title = CString();
    m_titleSince = Automation::Get().Now();
    m_acted = false;
    m_wrongCoverDone = plan.wrongCoverFirst == SimSourceHardware::kCoverNone;
}

void SimOperator::Observe()
{
    if (m_swap) actOnSwap();
}

void SimOperator::actOnSwap()
{
    Automation& ui = Automation::Get();
    if (!::IsWindow(m_swap) || !ui.IsVisible(m_swap)) return;
    CString title = ui.Text(m_swap, kSwapIndicator);
    ULONGLONG now = ui.Now();
    if (title != m_title) {
        m_title = title;
        m_titleSince = now;
        m_acted = false;
    }
    if (m_acted) return;
    ULONGLONG waited = now - m_titleSince;
    auto after = [&](unsigned ms) { return waited >= kReadMs + ms; };

    if (Has(title, "Temperature!")) {
        if (m_plan.overrideAfterMs >= 0 && waited >= static_cast<ULONGLONG>(m_plan.overrideAfterMs)) {
            m_acted = true;
            Click(m_swap, kSwapThermometer, "the thermometer button to override the interlock");
        }
    } else if (Has(title, "Open Source") && after(kOpenSourceMs)) {
        m_acted = true;
        if (m_source.FrontClosed()) {
            m_transcript.Add("oper", "removes the source front and plumbing, opens the side window");
            m_source.OpenFront();
        }
    } else if ((Has(title, "Remove Cover") || Has(title, "Remove Cone")) && after(kRemoveCoverMs)) {
        m_acted = true;
        m_transcript.Add("oper", std::string("takes off ") + CoverName(m_source.FittedCover()));
        m_source.RemoveCover();
    } else if (Has(title, "Fit Sample Cover") && after(kFitCoverMs)) {
        m_acted = true;
        int cover = m_wrongCoverDone ? m_plan.coverToFit : m_plan.wrongCoverFirst;
        m_transcript.Add("oper", std::string("fits ") + CoverName(cover));
        m_source.FitCover(cover);
    } else if (Has(title, "Confirm API") || Has(title, "Confirm MALDI")) {
        if (!after(0)) return;
        m_acted = true;
        bool wanted = Has(title, m_plan.coverToFit == SimSourceHardware::kCoverApiCone ? "Confirm API" : "Confirm MALDI");
        if (wanted) {
            Click(m_swap, kSwapNextStep, "\"Next Step\" to confirm");
        } else {
            m_wrongCoverDone = true;
            Click(m_swap, kSwapPrevStep, "\"Prev Step\": the wrong cover is fitted");
        }
    } else if (Has(title, "Close Source") && after(kCloseSourceMs)) {
        m_acted = true;
        m_transcript.Add("oper", "replaces the source front and plumbing, closes the side window");
        m_source.CloseFront();
    } else if ((Has(title, "API Ready") || Has(title, "MALDI Ready")) && after(0)) {
        m_acted = true;
        Click(m_swap, kSwapNextStep, "\"Next Step\" to set the software mode");
    }
}

bool SimOperator::Type(HWND root, int id, const std::string& text, const std::string& what)
{
    m_transcript.Add("oper", "types \"" + text + "\" into " + what);
    bool done = Automation::Get().ReplaceText(root, id, CString(text.c_str()));
    if (!done) m_transcript.Add("oper", "... nothing happens: the field is not available");
    return done;
}

bool SimOperator::Choose(HWND root, int id, const std::string& item, const std::string& what)
{
    m_transcript.Add("oper", "chooses \"" + item + "\" in " + what);
    Automation& ui = Automation::Get();
    bool done = ui.ChooseComboItem(ui.Find(root, id), CString(item.c_str()));
    if (!done) m_transcript.Add("oper", "... nothing happens: the list is not available");
    return done;
}

bool SimOperator::SelectPage(HWND sheet, int index)
{
    Automation& ui = Automation::Get();
    std::vector<CString> tabs = ui.SheetTabs(sheet);
    std::string name = index >= 0 && static_cast<size_t>(index) < tabs.size() ? tabs[index].ToUtf8() : "?";
    m_transcript.Add("oper", "opens the \"" + name + "\" page");
    bool done = ui.SelectSheetPage(sheet, index);
    if (!done) m_transcript.Add("oper", "... the sheet stays on its page");
    return done;
}

void SimOperator::ChooseFile(const std::string& path)
{
    m_files.emplace_back(true, path);
}

void SimOperator::CancelFileDialog()
{
    m_files.emplace_back(false, std::string());
}

bool SimOperator::fileDialog(FileDialogRecord& dialog)
{
    std::string shown = std::string(dialog.open ? "Open" : "Save As") + " \"" + dialog.filter.ToUtf8() + "\" in \"" +
                        dialog.initialFolder.ToUtf8() + "\"";
    if (!dialog.initialName.IsEmpty()) shown += ", name \"" + dialog.initialName.ToUtf8() + "\"";
    if (m_files.empty()) {
        m_transcript.Add("file", shown + " -> (the operator has no file to choose)");
        return false;
    }
    auto [ok, path] = m_files.front();
    m_files.erase(m_files.begin());
    m_transcript.Add("file", shown + " -> " + (ok ? path : std::string("Cancel")));
    dialog.ok = ok;
    dialog.path = CString(path.c_str());
    return true;
}
