#include "tests/controls/test_support.h"

#include "framework/application.h"

#include <cstring>

namespace {

class TestApplication : public TApplication {
public:
    TestApplication() : TApplication("Quorvel", ::GetModuleHandleA(nullptr), nullptr, "", 0) {}

protected:
    void InitMainWindow() override {}
};

TestApplication Application;

} // namespace

void PumpFor(DWORD ms) {
    DWORD start = ::GetTickCount();
    do {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(5);
    } while (::GetTickCount() - start < ms);
}

namespace {
// A thread timer's message reaches its procedure from inside the dialog's modal loop.
TDialog* ModalDialog = nullptr;
const std::function<void(HWND)>* ModalAction = nullptr;

void CALLBACK RunModalAction(HWND, UINT, UINT_PTR timer, DWORD) {
    if (!ModalDialog->GetHandle())
        return;
    ::KillTimer(nullptr, timer);
    (*ModalAction)(ModalDialog->GetHandle());
}
} // namespace

int RunModal(TDialog& dialog, const std::function<void(HWND)>& whileOpen) {
    ModalDialog = &dialog;
    ModalAction = &whileOpen;
    ::SetTimer(nullptr, 0, 20, RunModalAction);
    return dialog.Execute();
}

MessageBoxWatcher::MessageBoxWatcher() : Watcher([this] { Watch(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
    Stop = true;
    Watcher.join();
}

std::vector<MessageBoxWatcher::Box> MessageBoxWatcher::Boxes() const {
    std::lock_guard<std::mutex> guard(Lock);
    return Seen;
}

void MessageBoxWatcher::Watch() {
    while (!Stop) {
        ::EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(this));
        ::Sleep(10);
    }
}

BOOL CALLBACK MessageBoxWatcher::CheckWindow(HWND window, LPARAM self) {
    auto* watcher = reinterpret_cast<MessageBoxWatcher*>(self);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (pid != ::GetCurrentProcessId() || std::string(className) != "#32770" ||
        !::IsWindowVisible(window) || ::GetPropA(window, "QuorvelTestSeen"))
        return TRUE;
    ::SetPropA(window, "QuorvelTestSeen", window);
    Box box{{}, {}, ::GetWindow(window, GW_OWNER)};
    char text[512] = {};
    ::GetWindowTextA(window, text, sizeof text);
    box.Caption = text;
    // The message is the one static with text; the icon static has none.
    for (HWND child = ::GetWindow(window, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        ::GetClassNameA(child, className, sizeof className);
        text[0] = '\0';
        ::GetWindowTextA(child, text, sizeof text);
        if (_stricmp(className, "Static") == 0 && text[0])
            box.Text = text;
    }
    {
        std::lock_guard<std::mutex> guard(watcher->Lock);
        watcher->Seen.push_back(box);
    }
    ::PostMessageA(window, WM_COMMAND, IDOK, 0);
    return TRUE;
}

FakeHelpViewer::FakeHelpViewer() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "MS_WINHELP";
    ::RegisterClassA(&wc);
    Window = ::CreateWindowA("MS_WINHELP", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance,
                             nullptr);
    ::SetWindowLongPtrA(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

FakeHelpViewer::~FakeHelpViewer() {
    ::DestroyWindow(Window);
}

// WinHelp's request: a WINHELP block (size, command, data, reserved, file name offset, data
// offset) followed by the file name, sent as WM_COPYDATA with the owner window as wParam.
LRESULT CALLBACK FakeHelpViewer::Proc(HWND window, UINT msg, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<FakeHelpViewer*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (msg != WM_COPYDATA || !self)
        return ::DefWindowProcA(window, msg, w, l);
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(l);
    const auto* block = static_cast<const unsigned char*>(data->lpData);
    WORD command, fileOffset;
    LONG value;
    std::memcpy(&command, block + 2, sizeof command);
    std::memcpy(&value, block + 4, sizeof value);
    std::memcpy(&fileOffset, block + 12, sizeof fileOffset);
    Request request{reinterpret_cast<HWND>(w), command, value, fileOffset != 0, {}};
    if (fileOffset != 0 && fileOffset < data->cbData)
        request.File.assign(
            reinterpret_cast<const char*>(block + fileOffset),
            strnlen(reinterpret_cast<const char*>(block + fileOffset), data->cbData - fileOffset));
    self->Requests.push_back(request);
    return TRUE;
}
