// Takes the pictures of the README: starts Quorvel.exe, lets it read a named colour, saves the
// detector's window, opens the About box from its button and saves that too, as 24-bit BMP
// files in the folder given as the argument (scripts/screenshots turns them into PNG).
#include "tests/e2e/e2e_paths.h"
#include "tests/e2e/quorvel_driver.h"

#include "res/resource_ids.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Copies the screen under `window`'s outer rectangle into a BMP file.
bool SaveWindowPicture(HWND window, const std::string& path) {
    RECT r;
    ::GetWindowRect(window, &r);
    int w = r.right - r.left, h = r.bottom - r.top;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = w;
    info.biHeight = h; // bottom-up rows, as BMP files store them
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&info),
                                        DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    ::GdiFlush();
    DWORD rowSize = (static_cast<DWORD>(w) * 3 + 3) & ~3u;
    DWORD imageSize = rowSize * static_cast<DWORD>(h);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + imageSize;
    bool written = false;
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                  std::fwrite(&info, sizeof info, 1, out) == 1 &&
                  std::fwrite(bits, imageSize, 1, out) == 1;
        written = std::fclose(out) == 0 && written;
    }
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return written;
}

void Settle() {
    PumpFor(600);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorvel_screenshots OUTPUT-FOLDER\n");
        return 2;
    }
    std::string folder = argv[1];
    QuorvelProcess program(QuorvelExe());
    if (!program.Started()) {
        std::fprintf(stderr, "Quorvel.exe did not start\n");
        return 1;
    }
    // A named colour, so that the name field reads something other than "not found".
    PatchWindow patch(900, 700, 120, {RGB(0x1E, 0x90, 0xFF)});
    if (!MovePointerAndWait(program, patch.Centre(0), program.Field(IDC_HEX))) {
        std::fprintf(stderr, "the readout did not follow the pointer\n");
        return 1;
    }
    Settle();
    if (!SaveWindowPicture(program.GetFrame(), folder + "\\detector.bmp"))
        return 1;

    ::PostMessageA(program.Control(CM_ABOUT), BM_CLICK, 0, 0);
    HWND about = WaitForWindow(program.GetProcessId(), "About");
    if (!about) {
        std::fprintf(stderr, "the About box did not open\n");
        return 1;
    }
    Settle();
    if (!SaveWindowPicture(about, folder + "\\about.bmp"))
        return 1;
    CloseWithOk(about);
    ::PostMessageA(program.GetDetector(), WM_COMMAND, IDOK, 0);
    program.WaitForExit(5000);
    return 0;
}
