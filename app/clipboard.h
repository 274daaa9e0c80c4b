#ifndef QUORVEL_APP_CLIPBOARD_H
#define QUORVEL_APP_CLIPBOARD_H

#include <windows.h>

// Puts the first n characters of text on the clipboard as CF_TEXT, opened by window: n bytes,
// padded with NULs when text is shorter, and a NUL. Copies nothing, silently, when the memory or
// the clipboard cannot be had.
void CopyToClipboard(HWND window, const char* text, int n);

// Hands block (global memory holding CF_TEXT) to the clipboard, opened by window. The clipboard
// owns the block afterwards; when it cannot be opened or refuses the block, the block is freed.
void HandTextToClipboard(HWND window, HGLOBAL block);

#endif
