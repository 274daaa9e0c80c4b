#include "tests/e2e/quorvel_driver.h"

#include "res/resource_ids.h"

#include <cstdio>
#include <cstring>

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > timeoutMs)
            return done();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(5);
    }
    return true;
}

namespace {

// Under Wine on a loaded machine, starting a process now and then fails before the program runs a
// line of its own; that is the machine's doing, so a start is tried a few times, each failure told.
bool StartProgram(const std::string& exePath, PROCESS_INFORMATION& process) {
    const std::string folder = exePath.substr(0, exePath.find_last_of("\\/"));
    for (int attempt = 1;; ++attempt) {
        std::string command = "\"" + exePath + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (::CreateProcessA(exePath.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             folder.c_str(), &startup, &process))
            return true;
        std::fprintf(stderr, "starting %s failed (error %lu), attempt %d\n", exePath.c_str(),
                     ::GetLastError(), attempt);
        if (attempt == 3)
            return false;
        ::Sleep(500);
    }
}

} // namespace

QuorvelProcess::QuorvelProcess(const std::string& exePath) {
    if (!StartProgram(exePath, Process))
        return;
    ::WaitForInputIdle(Process.hProcess, 10000);
    WaitUntil(
        [this] {
            HWND frame = ::FindWindowA("QuorvelFrame", "Quorvel");
            if (!frame)
                return false;
            DWORD pid = 0;
            ::GetWindowThreadProcessId(frame, &pid);
            if (pid != Process.dwProcessId)
                return false;
            Frame = frame;
            Detector = ::GetWindow(frame, GW_CHILD);
            return Detector != nullptr;
        },
        15000);
}

QuorvelProcess::~QuorvelProcess() {
    if (!Process.hProcess)
        return;
    if (::WaitForSingleObject(Process.hProcess, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(Process.hProcess, 99);
        ::WaitForSingleObject(Process.hProcess, 5000);
    }
    ::CloseHandle(Process.hThread);
    ::CloseHandle(Process.hProcess);
}

std::string QuorvelProcess::Field(int id) const {
    char text[256] = {};
    ::SendMessageA(Control(id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

bool QuorvelProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
    if (::WaitForSingleObject(Process.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    if (exitCode)
        ::GetExitCodeProcess(Process.hProcess, exitCode);
    return true;
}

void QuorvelProcess::PressKey(WORD key, bool shift) {
    PressKeyIn(Frame, key, shift);
    PumpFor(150); // let the program take the keys
}

void TypeKey(WORD key, bool shift) {
    std::vector<INPUT> inputs;
    auto add = [&inputs](WORD vk, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = flags;
        inputs.push_back(input);
    };
    if (shift)
        add(VK_SHIFT, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (shift)
        add(VK_SHIFT, KEYEVENTF_KEYUP);
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void PressKeyIn(HWND window, WORD key, bool shift) {
    ::SetForegroundWindow(window);
    WaitUntil([window] { return ::GetForegroundWindow() == window; }, 2000);
    TypeKey(key, shift);
}

namespace {

struct WindowSearch {
    const WindowTest& Matches;
    HWND Found;
};

BOOL CALLBACK CheckWindow(HWND window, LPARAM search) {
    auto* s = reinterpret_cast<WindowSearch*>(search);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    char caption[256] = {};
    ::GetWindowTextA(window, caption, sizeof caption);
    if (!::IsWindowVisible(window) || !s->Matches(window, pid, caption))
        return TRUE;
    s->Found = window;
    return FALSE;
}

} // namespace

HWND FindVisibleWindow(const WindowTest& matches) {
    WindowSearch search{matches, nullptr};
    ::EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

HWND FindVisibleWindow(DWORD pid, const std::string& caption) {
    return FindVisibleWindow([&](HWND, DWORD owner, const std::string& text) {
        return owner == pid && text == caption;
    });
}

HWND WaitForWindow(DWORD pid, const std::string& caption, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindVisibleWindow(pid, caption)) != nullptr; }, timeoutMs);
    return found;
}

HWND FindMessageBox(DWORD pid) {
    return FindVisibleWindow([pid](HWND window, DWORD owner, const std::string& caption) {
        char className[16] = {};
        ::GetClassNameA(window, className, sizeof className);
        return owner == pid && caption == "Quorvel" && std::string(className) == "#32770";
    });
}

HWND WaitForMessageBox(DWORD pid, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindMessageBox(pid)) != nullptr; }, timeoutMs);
    return found;
}

bool WaitUntilGone(HWND window) {
    return WaitUntil([window] { return !::IsWindow(window); });
}

bool CloseWithOk(HWND dialog) {
    ::PostMessageA(::GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    return WaitUntilGone(dialog);
}

POINT CentreOf(HWND window) {
    RECT r;
    ::GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void ClickAt(POINT at) {
    ::SetCursorPos(at.x, at.y);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, inputs, sizeof(INPUT));
}

HWND OpenAbout(const QuorvelProcess& program) {
    ClickAt(CentreOf(program.Control(CM_ABOUT)));
    return WaitForWindow(program.GetProcessId(), "About");
}

namespace {

HCURSOR CurrentCursor() {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    ::GetCursorInfo(&info);
    return info.hCursor;
}

} // namespace

// The control chooses the cursor from where the previous move left the pointer (the system asks
// for the cursor before it reports the move), so the cursor seen after a move tells about the point
// before it. The scan therefore credits each look to the previous point, and ends with one more
// move, back to the corner, to learn about its last point.
std::vector<POINT> FindLinkPoints(HWND about) {
    RECT body;
    ::GetWindowRect(::GetDlgItem(about, IDC_ABOUT_BODY), &body);
    const POINT corner{body.left + 1, body.top + 1};
    ::SetCursorPos(corner.x, corner.y);
    PumpFor(50);
    ::SetCursorPos(corner.x + 1, corner.y);
    PumpFor(50);
    const HCURSOR plain = CurrentCursor();

    std::vector<POINT> grid;
    for (LONG y = body.top + 3; y < body.bottom; y += 6) {
        for (LONG x = body.left + 4; x < body.right; x += 8)
            grid.push_back({x, y});
    }
    grid.push_back(corner);

    std::vector<POINT> links;
    for (size_t i = 0; i < grid.size(); ++i) {
        ::SetCursorPos(grid[i].x, grid[i].y);
        PumpFor(10);
        if (i > 0 && CurrentCursor() != plain)
            links.push_back(grid[i - 1]);
    }
    return links;
}

PatchWindow::PatchWindow(int x, int y, int patchSize, std::vector<COLORREF> colors)
    : X(x), Y(y), PatchSize(patchSize), Colors(std::move(colors)) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "QuorvelTestPatches";
    ::RegisterClassA(&wc);
    Window =
        ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, wc.lpszClassName, "",
                          WS_POPUP | WS_VISIBLE, X, Y, PatchSize * static_cast<int>(Colors.size()),
                          PatchSize, nullptr, nullptr, wc.hInstance, this);
    ::SetWindowLongPtrA(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::InvalidateRect(Window, nullptr, TRUE);
    ::UpdateWindow(Window);
    PumpFor(100);
}

PatchWindow::~PatchWindow() {
    ::DestroyWindow(Window);
}

POINT PatchWindow::Centre(size_t index) const {
    return {X + static_cast<int>(index) * PatchSize + PatchSize / 2, Y + PatchSize / 2};
}

void PatchWindow::SetColor(size_t index, COLORREF color) {
    Colors[index] = color;
    ::InvalidateRect(Window, nullptr, FALSE);
    ::UpdateWindow(Window);
    PumpFor(50);
}

void PatchWindow::Paint(HDC dc) const {
    for (size_t i = 0; i < Colors.size(); ++i) {
        HBRUSH brush = ::CreateSolidBrush(Colors[i]);
        RECT r{static_cast<int>(i) * PatchSize, 0, static_cast<int>(i + 1) * PatchSize, PatchSize};
        ::FillRect(dc, &r, brush);
        ::DeleteObject(brush);
    }
}

LRESULT CALLBACK PatchWindow::Proc(HWND window, UINT msg, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<PatchWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (msg == WM_PAINT && self) {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(window, &ps);
        self->Paint(dc);
        ::EndPaint(window, &ps);
        return 0;
    }
    if (msg == WM_ERASEBKGND)
        return 1;
    return ::DefWindowProcA(window, msg, w, l);
}

bool MovePointerAndWait(const QuorvelProcess& program, POINT to, const std::string& before,
                        DWORD timeoutMs) {
    ::SetCursorPos(to.x, to.y);
    return WaitUntil([&] { return program.Field(IDC_HEX) != before; }, timeoutMs);
}

bool ParkPointer(const QuorvelProcess& program) {
    const POINT parking{1200, 40};
    ::SetCursorPos(parking.x, parking.y);
    return WaitUntil([&] { return program.Field(IDC_X) == std::to_string(parking.x); });
}

std::string HexOf(COLORREF color) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "%02X%02X%02X", GetRValue(color), GetGValue(color),
                  GetBValue(color));
    return hex;
}

std::string ClipboardText() {
    std::string text = "<none>";
    if (!::OpenClipboard(nullptr))
        return text;
    if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
        if (const char* chars = static_cast<const char*>(::GlobalLock(data))) {
            text.assign(chars, strnlen(chars, ::GlobalSize(data)));
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

void SetClipboardText(const std::string& text) {
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(::GlobalLock(block), text.c_str(), text.size() + 1);
    ::GlobalUnlock(block);
    if (::OpenClipboard(nullptr)) {
        ::EmptyClipboard();
        if (::SetClipboardData(CF_TEXT, block))
            block = nullptr;
        ::CloseClipboard();
    }
    if (block)
        ::GlobalFree(block);
}
