// Drives a running Quorvel.exe from a second process, as a user would: it starts the program,
// puts up windows of colour patches (Wine's desktop DC reads only Wine's own windows), moves the
// pointer, presses keys and reads the program's fields and the clipboard.
#ifndef QUORVEL_TESTS_E2E_QUORVEL_DRIVER_H
#define QUORVEL_TESTS_E2E_QUORVEL_DRIVER_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Pumps this thread's messages until `done` holds or `timeoutMs` passes; returns `done()`.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
// Pumps this thread's messages for `ms`, giving the other program time to act (or to fail to).
inline void PumpFor(DWORD ms) {
    WaitUntil([] { return false; }, ms);
}

class QuorvelProcess {
public:
    // Starts the program from `exePath` (working directory: the program's folder).
    explicit QuorvelProcess(const std::string& exePath);
    ~QuorvelProcess();
    QuorvelProcess(const QuorvelProcess&) = delete;
    QuorvelProcess& operator=(const QuorvelProcess&) = delete;

    bool Started() const { return Frame != nullptr; }
    HANDLE GetProcess() const { return Process.hProcess; }
    DWORD GetProcessId() const { return Process.dwProcessId; }
    HWND GetFrame() const { return Frame; }
    HWND GetDetector() const { return Detector; }
    HWND Control(int id) const { return ::GetDlgItem(Detector, id); }
    std::string Field(int id) const;

    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr);
    // Gives the program the keyboard focus and types one key (press and release).
    void PressKey(WORD key, bool shift = false);

private:
    PROCESS_INFORMATION Process{};
    HWND Frame = nullptr;
    HWND Detector = nullptr;
};

// Presses and releases `key` (with Shift held if asked) for whichever window has the focus.
void TypeKey(WORD key, bool shift = false);
// Gives `window` the focus, then types `key`.
void PressKeyIn(HWND window, WORD key, bool shift = false);

using WindowTest = std::function<bool(HWND window, DWORD pid, const std::string& caption)>;
// The first visible top-level window that passes `matches`, or null.
HWND FindVisibleWindow(const WindowTest& matches);
// The first visible top-level window of process `pid` with exactly `caption`, or null.
HWND FindVisibleWindow(DWORD pid, const std::string& caption);
// Waits for such a window and returns it, or null after `timeoutMs`.
HWND WaitForWindow(DWORD pid, const std::string& caption, DWORD timeoutMs = 5000);
// The message box that process `pid` shows: a "#32770" window captioned "Quorvel" (the main
// window shares the caption); null if none is up.
HWND FindMessageBox(DWORD pid);
// Waits for that message box and returns it, or null after `timeoutMs`.
HWND WaitForMessageBox(DWORD pid, DWORD timeoutMs = 5000);
// Waits until `window` is destroyed.
bool WaitUntilGone(HWND window);
// Presses a dialog's OK button (posted, so the pointer stays) and waits until the dialog is gone.
bool CloseWithOk(HWND dialog);
POINT CentreOf(HWND window);
// Moves the pointer to `at` and clicks the left button there.
void ClickAt(POINT at);

// Clicks the program's About button and waits for the About box; null if none came.
HWND OpenAbout(const QuorvelProcess& program);
// The points of the About body, on a grid, over which the pointer turns into the link hand, from
// the top line down.
std::vector<POINT> FindLinkPoints(HWND about);

// A borderless topmost window of this process showing a row of coloured patches.
class PatchWindow {
public:
    PatchWindow(int x, int y, int patchSize, std::vector<COLORREF> colors);
    ~PatchWindow();
    PatchWindow(const PatchWindow&) = delete;
    PatchWindow& operator=(const PatchWindow&) = delete;

    // The screen point at the centre of patch `index`.
    POINT Centre(size_t index) const;
    void SetColor(size_t index, COLORREF color);

private:
    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM w, LPARAM l);
    void Paint(HDC dc) const;

    HWND Window = nullptr;
    int X, Y, PatchSize;
    std::vector<COLORREF> Colors;
};

// Moves the pointer and waits until the program's hex field changes from `before`, or times out.
bool MovePointerAndWait(const QuorvelProcess& program, POINT to, const std::string& before,
                        DWORD timeoutMs = 3000);

// Moves the pointer to a spot away from every patch and waits until the readout shows it there,
// so that the next move onto a patch is a move, whatever the previous test left behind.
bool ParkPointer(const QuorvelProcess& program);

std::string HexOf(COLORREF color);

// The clipboard's CF_TEXT, or "<none>" when it holds no text.
std::string ClipboardText();
void SetClipboardText(const std::string& text);

#endif
