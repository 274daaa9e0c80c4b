#include "app/clipboard.h"

#include <cstring>

namespace {

// n bytes of text, NUL-padded, and a NUL, in shareable global memory as the clipboard wants it.
HGLOBAL MakeTextBlock(const char* text, std::size_t n) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, n + 1);
    if (!block) {
        return nullptr;
    }
    char* bytes = static_cast<char*>(GlobalLock(block));
    if (!bytes) {
        GlobalFree(block);
        return nullptr;
    }
    std::strncpy(bytes, text, n);
    bytes[n] = '\0';
    GlobalUnlock(block);
    return block;
}

} // namespace

void CopyToClipboard(HWND window, const char* text, int n) {
    HGLOBAL block = MakeTextBlock(text, n > 0 ? static_cast<std::size_t>(n) : 0);
    if (block) {
        HandTextToClipboard(window, block);
    }
}

void HandTextToClipboard(HWND window, HGLOBAL block) {
    if (!OpenClipboard(window)) {
        GlobalFree(block);
        return;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_TEXT, block)) {
        GlobalFree(block);
    }
    CloseClipboard();
}
