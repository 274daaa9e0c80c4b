// What the controls' tests share: an application named "Quorvel" (the controls' messages go
// through its message box), message pumping, running a dialog modally with something done while
// it runs, a watcher that reads and closes message boxes, and a stand-in help viewer.
#ifndef QUORVEL_TESTS_CONTROLS_TEST_SUPPORT_H
#define QUORVEL_TESTS_CONTROLS_TEST_SUPPORT_H

#include "framework/dialog.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Dispatches this thread's messages for `ms` milliseconds.
void PumpFor(DWORD ms);

// Runs `dialog` modally; once its window exists, `whileOpen` runs inside the modal loop with the
// dialog's window. Returns Execute's result.
int RunModal(TDialog& dialog, const std::function<void(HWND)>& whileOpen);

// Watches this process's message boxes from a second thread, records each and presses its OK.
class MessageBoxWatcher {
public:
    struct Box {
        std::string Caption;
        std::string Text;
        HWND Owner;
    };

    MessageBoxWatcher();
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    std::vector<Box> Boxes() const;

private:
    void Watch();
    static BOOL CALLBACK CheckWindow(HWND window, LPARAM self);

    mutable std::mutex Lock;
    std::vector<Box> Seen;
    std::atomic<bool> Stop{false};
    std::thread Watcher;
};

// A window of the help viewer's class: WinHelp finds it instead of starting the viewer and hands
// it each request.
class FakeHelpViewer {
public:
    struct Request {
        HWND Owner;
        unsigned Command;
        long Data;
        bool HasFile;
        std::string File;
    };

    FakeHelpViewer();
    ~FakeHelpViewer();
    FakeHelpViewer(const FakeHelpViewer&) = delete;
    FakeHelpViewer& operator=(const FakeHelpViewer&) = delete;

    std::vector<Request> Requests;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM w, LPARAM l);
    HWND Window;
};

#endif
