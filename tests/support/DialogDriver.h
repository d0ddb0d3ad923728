#pragma once
// Drives the real modal windows of the program under test: message boxes, the message dialog, the
// open and save dialogs. Answers are queued before the code that shows the dialog runs; a thread
// timer, which fires inside whatever modal loop is running, hands each new modal window to the
// next answer. A modal window that nobody answers fails the test and is closed after a few seconds.
#include <windows.h>

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

// A top-level window as the user sees it.
class WindowView {
public:
    explicit WindowView(HWND window) : FWindow(window) {}
    HWND Handle() const { return FWindow; }

    std::string Caption() const;
    std::string ClassName() const;
    // The texts of its static controls that are not pictures, joined by "\n".
    std::string Text() const;
    // "stop", "question", "exclamation", "information", "" for none, "other" for another picture.
    std::string IconName() const;
    // Captions of its visible push buttons, in window order.
    std::vector<std::string> Buttons() const;
    // Caption of the push button drawn as the default one, or "".
    std::string DefaultButton() const;
    HWND Item(int id) const { return GetDlgItem(FWindow, id); }
    HWND FindChild(const std::string& className, const std::string& text = std::string()) const;

    // Clicks the visible push button with this caption (posted, so the modal loop handles it).
    void Press(const std::string& caption) const;
    // A key pressed while the dialog has the focus (Enter, Esc, ...).
    void PressKey(UINT virtualKey) const;
    void Close() const;

    // The file dialogs: types a full path into the file name box and presses OK.
    void TypeFileNameAndOk(const std::string& path) const;
    // The file dialogs: chooses an entry of the file type list, counted from 1.
    void ChooseFilter(int index) const;
    void CancelFileDialog() const;

private:
    HWND FWindow;
};

// What a dialog showed, for assertions after it closed.
struct DialogSeen {
    bool Shown = false;
    std::string Caption;
    std::string Text;
    std::string Icon;
    std::vector<std::string> Buttons;
    std::string DefaultButton;
};

class DialogDriver {
public:
    using Answer = std::function<void(WindowView&)>;

    DialogDriver();
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // Queues an answer for the next modal window that appears.
    DialogDriver& Then(Answer answer);
    // Records what the next modal window shows, then presses one of its buttons.
    DialogDriver& Record(DialogSeen& seen, const std::string& button);
    DialogDriver& SaveAs(const std::string& path);
    DialogDriver& Cancel();

    int Answered() const { return FAnswered; }
    size_t Pending() const { return FAnswers.size(); }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    static LRESULT CALLBACK WatchShowing(int code, WPARAM wParam, LPARAM lParam);
    void OnTick();

    UINT_PTR FTimer = 0;
    HHOOK FHook = nullptr;
    std::deque<Answer> FAnswers;
    std::set<HWND> FHandled;
    HWND FCandidate = nullptr;
    int FCandidateTicks = 0;
    int FAnswered = 0;
};

// Handles messages until `done` is true or the time is up; false on timeout.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);
// Handles messages until everything posted before the call (keys, clicks) has been handled: for
// checking that something did not happen.
bool PumpPosted();
// Handles messages until none is waiting: what was posted, what handling it posted in turn (the
// characters of a key), and the painting it caused; false when that takes longer than the time.
bool PumpUntilQuiet(int timeoutMs = 5000);
