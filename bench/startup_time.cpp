#include "bench/startup_time.h"

#include "res/resource_ids.h"

#include <windows.h>

#include <cstdio>
#include <functional>

namespace {

constexpr DWORD GiveUpMs = 20000;

// The top-level window of class `className` that belongs to process `pid`, or null.
HWND FindProcessWindow(const char* className, DWORD pid) {
    for (HWND window = ::FindWindowExA(nullptr, nullptr, className, nullptr); window;
         window = ::FindWindowExA(nullptr, window, className, nullptr)) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == pid)
            return window;
    }
    return nullptr;
}

bool HasFirstReadout(DWORD pid) {
    HWND frame = FindProcessWindow("QuorvelFrame", pid);
    HWND hex = frame ? ::GetDlgItem(::GetWindow(frame, GW_CHILD), IDC_HEX) : nullptr;
    char text[16] = {};
    DWORD_PTR copied = 0;
    return hex &&
           ::SendMessageTimeoutA(hex, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                                 SMTO_NORMAL, 100, &copied) &&
           copied > 0;
}

bool HasShownWindow(DWORD pid) {
    HWND window = FindProcessWindow("QuorvelMinimalWindow", pid);
    return window && ::IsWindowVisible(window);
}

// Milliseconds from CreateProcess until `ready` holds for the new process, or -1.
double TimeUntil(const std::string& exePath, const std::function<bool(DWORD pid)>& ready) {
    const std::string folder = exePath.substr(0, exePath.find_last_of("\\/"));
    std::string command = "\"" + exePath + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER frequency, start, now;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessA(exePath.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &process))
        return -1;
    double ms = -1;
    for (;;) {
        ::QueryPerformanceCounter(&now);
        const double elapsed = 1000.0 * double(now.QuadPart - start.QuadPart) / frequency.QuadPart;
        if (ready(process.dwProcessId)) {
            ms = elapsed;
            break;
        }
        if (elapsed > GiveUpMs)
            break;
        ::Sleep(1);
    }
    ::TerminateProcess(process.hProcess, 0);
    ::WaitForSingleObject(process.hProcess, 5000);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return ms;
}

} // namespace

int MeasureStartup(const std::string& quorvelExe, const std::string& minimalExe, int runs) {
    for (int run = 0; run < runs; ++run) {
        std::printf("startup quorvel %.1f\n", TimeUntil(quorvelExe, HasFirstReadout));
        std::printf("startup minimal %.1f\n", TimeUntil(minimalExe, HasShownWindow));
        std::fflush(stdout);
    }
    return 0;
}
