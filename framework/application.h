// TApplication runs the program: it builds the main window through the main-window hook, shows
// it, and runs the message loop, calling the idle hook between messages. Derived applications
// override InitMainWindow and IdleAction.
#ifndef QUORVEL_FRAMEWORK_APPLICATION_H
#define QUORVEL_FRAMEWORK_APPLICATION_H

#include "framework/idle_pacer.h"

#include <windows.h>

#include <algorithm>
#include <vector>

class TWindow;

class TApplication {
public:
    TApplication(const char* name, HINSTANCE instance, HINSTANCE prevInstance, const char* cmdLine,
                 int cmdShow);
    virtual ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // The one application of this process, or null.
    static TApplication* Current();
    // The running application's module, or the program's own module where none runs.
    static HINSTANCE CurrentModule();
    // The running application's message box (see MessageBox); where none runs, a box with an
    // empty caption unless one is given.
    static int ShowMessage(HWND owner, const char* text, const char* caption = nullptr);

    const char* GetName() const { return Name; }
    HINSTANCE GetInstance() const { return Instance; }
    TWindow* GetMainWindow() const { return MainWindow; }

    // Initialises the instance, creates and shows the main window and runs the message loop
    // until the main window is gone. Returns the loop's exit status.
    int Run();

    // The application's message box: OK and no icon unless `type` says otherwise, captioned with
    // the application's name unless a caption is given.
    int MessageBox(HWND owner, const char* text, const char* caption = nullptr, UINT type = MB_OK);

    // Modeless dialogs get Tab, Enter and Escape through IsDialogMessage.
    void AddModelessDialog(HWND dialog) { ModelessDialogs.push_back(dialog); }
    void RemoveModelessDialog(HWND dialog) {
        ModelessDialogs.erase(std::remove(ModelessDialogs.begin(), ModelessDialogs.end(), dialog),
                              ModelessDialogs.end());
    }

protected:
    // The main-window hook: builds the main window (not yet created) and installs it.
    virtual void InitMainWindow() = 0;
    // Called between messages; returns true to be called again before the loop waits.
    virtual bool IdleAction(unsigned idleCount);
    // Takes ownership of the main window.
    void SetMainWindow(TWindow* window) { MainWindow = window; }

private:
    int MessageLoop();
    bool PreTranslate(MSG& msg);

    const char* Name;
    HINSTANCE Instance;
    int CmdShow;
    TWindow* MainWindow = nullptr;
    std::vector<HWND> ModelessDialogs;
    TIdlePacer Pacer;
};

#endif
