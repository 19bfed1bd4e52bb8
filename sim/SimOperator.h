#pragma once
// The operator policy: plays the operator's part in a scenario, at a human pace.
//
// Message boxes: the policy answers each box by the first rule whose text is part of the box's
// text (rules given once answer one box, standing rules every box); a box that no rule covers is
// left unanswered, which the window system turns into an error naming the box, so a scenario never
// answers what it did not expect.
//
// Source swap: while it follows a swap window, the operator reads the step title on the window's
// probe position indicator and, after the time a person takes (kReadMs plus the job's own), does
// what it says: overrides the temperature interlock with the thermometer button (if the policy
// says so, after watching a hot source for a while), opens the source, takes the fitted cover off,
// fits the cover of the wanted source, confirms the detected cover with "Next Step" (or goes back
// with "Prev Step" when the wrong one was detected), closes the source and confirms the new mode.
//
// File dialogs: the operator picks the files queued with ChooseFile / CancelFileDialog, in order; a
// dialog with none queued is left unanswered (an error naming the dialog, as for boxes).
//
// Everything the operator does is written to the transcript under "oper" (boxes under "box", file
// dialogs under "file").

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/framework/Automation.h"
#include "sim/SimSourceHardware.h"
#include "sim/SimTranscript.h"

class SimOperator {
public:
    static constexpr unsigned kReadMs = 1500;       // reading a new instruction
    static constexpr unsigned kOpenSourceMs = 4000; // source front and plumbing off
    static constexpr unsigned kCloseSourceMs = 4000;
    static constexpr unsigned kRemoveCoverMs = 2500;
    static constexpr unsigned kFitCoverMs = 4000;

    SimOperator(SimTranscript& transcript, SimSourceHardware& source);
    ~SimOperator();
    SimOperator(const SimOperator&) = delete;
    SimOperator& operator=(const SimOperator&) = delete;

    // --- message boxes ---
    // The answer to boxes whose text holds `textPart`. With a `shot` label the box answered is
    // also pictured, through `onBoxShot`.
    void AnswerOnce(const std::string& textPart, int answer, const std::string& shot = std::string());
    void AnswerAlways(const std::string& textPart, int answer);
    std::function<void(const MessageBoxRecord& box, const std::string& shot)> onBoxShot;

    // --- the source swap ---
    struct SwapPlan {
        int coverToFit = SimSourceHardware::kCoverApiCone;
        // With a hot source: press the thermometer button after watching it this long; negative
        // waits for the source to cool.
        int overrideAfterMs = 5000;
        // The cover fitted first by mistake (0: none), taken off again after the wrong detection.
        int wrongCoverFirst = SimSourceHardware::kCoverNone;
    };
    void FollowSourceSwap(HWND swapWindow, SwapPlan plan);
    void StopFollowing() { m_swap = nullptr; }

    // Looks at the windows and acts; the session calls it after every step of time.
    void Observe();

    // --- hands on the controls, with a transcript line ---
    bool Click(HWND root, int id, const std::string& what);
    bool Hold(HWND root, int id, const std::string& what);
    bool Release(HWND root, int id, const std::string& what);
    bool DragSlider(HWND root, int id, int position, const std::string& what);
    // Replaces the text of an edit (or a drop-down's edit field), as typed.
    bool Type(HWND root, int id, const std::string& text, const std::string& what);
    // Opens a list and clicks the item with this text.
    bool Choose(HWND root, int id, const std::string& item, const std::string& what);
    // Presses a property sheet's tab.
    bool SelectPage(HWND sheet, int index);
    // What the operator picks in the next file dialog: a full path, or Cancel.
    void ChooseFile(const std::string& path);
    void CancelFileDialog();

    // Boxes answered so far, "text -> answer".
    const std::vector<std::string>& Answers() const { return m_answered; }

private:
    struct Rule {
        std::string textPart;
        int answer;
        bool once;
        std::string shot;
        bool used = false;
    };
    int answer(const MessageBoxRecord& box);
    bool fileDialog(FileDialogRecord& dialog);
    void actOnSwap();

    SimTranscript& m_transcript;
    SimSourceHardware& m_source;
    std::vector<Rule> m_rules;
    std::vector<std::string> m_answered;
    std::vector<std::pair<bool, std::string>> m_files; // ok, path

    HWND m_swap = nullptr;
    SwapPlan m_plan;
    CString m_title;
    ULONGLONG m_titleSince = 0;
    bool m_acted = false;
    bool m_wrongCoverDone = false;
};
