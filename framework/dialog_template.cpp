#include "framework/dialog_template.h"

#include <cstring>

namespace {

constexpr size_t AlignToDword(size_t offset) {
    return (offset + 3) & ~size_t{3};
}

// Offsets of the fixed header fields (DLGTEMPLATE, and DLGTEMPLATEEX after its signature).
constexpr size_t PlainStyle = 0, PlainExStyle = 4, PlainX = 10, PlainMenu = 18;
constexpr size_t ExExStyle = 8, ExStyle = 12, ExX = 18, ExMenu = 26;

} // namespace

TDialogTemplate::TDialogTemplate(HINSTANCE module, LPCSTR resourceId) {
    HRSRC info = ::FindResourceA(module, resourceId, MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    HGLOBAL loaded = info ? ::LoadResource(module, info) : nullptr;
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data)
        return;
    const auto* begin = static_cast<const BYTE*>(data);
    Bytes.assign(begin, begin + ::SizeofResource(module, info));
    TLayout layout;
    if (!ReadLayout(layout))
        Bytes.clear();
}

DWORD TDialogTemplate::ReadDword(size_t offset) const {
    DWORD value;
    std::memcpy(&value, Bytes.data() + offset, sizeof value);
    return value;
}

void TDialogTemplate::WriteDword(size_t offset, DWORD value) {
    std::memcpy(Bytes.data() + offset, &value, sizeof value);
}

// A menu or class field: none (0x0000), an ordinal (0xFFFF and a WORD) or a UTF-16 string.
bool TDialogTemplate::SkipSizedString(size_t& offset) const {
    if (offset + 2 > Bytes.size())
        return false;
    WORD first;
    std::memcpy(&first, Bytes.data() + offset, sizeof first);
    if (first == 0x0000) {
        offset += 2;
        return true;
    }
    if (first == 0xFFFF) {
        offset += 4;
        return offset <= Bytes.size();
    }
    return SkipString(offset);
}

bool TDialogTemplate::SkipString(size_t& offset) const {
    for (; offset + 2 <= Bytes.size(); offset += 2) {
        if (Bytes[offset] == 0 && Bytes[offset + 1] == 0) {
            offset += 2;
            return true;
        }
    }
    return false;
}

bool TDialogTemplate::ReadLayout(TLayout& layout) const {
    if (Bytes.size() < ExMenu + 2)
        return false;
    bool extended = Bytes[2] == 0xFF && Bytes[3] == 0xFF;
    layout.StyleOffset = extended ? ExStyle : PlainStyle;
    layout.ExStyleOffset = extended ? ExExStyle : PlainExStyle;
    layout.XOffset = extended ? ExX : PlainX;
    size_t offset = extended ? ExMenu : PlainMenu;
    if (!SkipSizedString(offset))
        return false;
    layout.ClassOffset = offset;
    if (!SkipSizedString(offset))
        return false;
    layout.ClassEnd = offset;
    if (!SkipString(offset))
        return false;
    if (ReadDword(layout.StyleOffset) & DS_SETFONT) {
        offset += extended ? 6 : 2; // point size (and weight, italic, charset)
        if (!SkipString(offset))
            return false;
    }
    layout.HeaderEnd = offset;
    return true;
}

DWORD TDialogTemplate::GetStyle() const {
    TLayout layout;
    return ReadLayout(layout) ? ReadDword(layout.StyleOffset) : 0;
}

// Items must stay on DWORD boundaries, so the header is rebuilt up to its end and the items are
// appended from their aligned start.
void TDialogTemplate::SetClassName(const char* className) {
    TLayout layout;
    if (!ReadLayout(layout))
        return;
    std::vector<BYTE> rebuilt(Bytes.begin(), Bytes.begin() + layout.ClassOffset);
    for (const char* c = className;; ++c) {
        rebuilt.push_back(static_cast<BYTE>(*c));
        rebuilt.push_back(0);
        if (!*c)
            break;
    }
    rebuilt.insert(rebuilt.end(), Bytes.begin() + layout.ClassEnd,
                   Bytes.begin() + layout.HeaderEnd);
    rebuilt.resize(AlignToDword(rebuilt.size()), 0);
    size_t items = AlignToDword(layout.HeaderEnd);
    if (items < Bytes.size())
        rebuilt.insert(rebuilt.end(), Bytes.begin() + items, Bytes.end());
    Bytes.swap(rebuilt);
}

void TDialogTemplate::MakeChild() {
    TLayout layout;
    if (!ReadLayout(layout))
        return;
    const DWORD topLevelStyles = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                                 WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_MODALFRAME | DS_CONTEXTHELP |
                                 DS_ABSALIGN | DS_SYSMODAL | DS_CENTER;
    const DWORD topLevelExStyles = WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP | WS_EX_WINDOWEDGE |
                                   WS_EX_TOPMOST | WS_EX_APPWINDOW;
    WriteDword(layout.StyleOffset, (ReadDword(layout.StyleOffset) & ~topLevelStyles) | WS_CHILD);
    WriteDword(layout.ExStyleOffset, ReadDword(layout.ExStyleOffset) & ~topLevelExStyles);
    std::memset(Bytes.data() + layout.XOffset, 0, 4); // x and y
}
