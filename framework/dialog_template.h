// A dialog template copied out of the module's resources so that the class library can create
// the dialog with its own window class (the template then names that class) and, for a frame's
// client, as a borderless child. Handles both DIALOG and DIALOGEX layouts; a template that is
// missing or malformed leaves the copy empty.
#ifndef QUORVEL_FRAMEWORK_DIALOG_TEMPLATE_H
#define QUORVEL_FRAMEWORK_DIALOG_TEMPLATE_H

#include <windows.h>

#include <cstddef>
#include <vector>

class TDialogTemplate {
public:
    TDialogTemplate(HINSTANCE module, LPCSTR resourceId);

    bool IsValid() const { return !Bytes.empty(); }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(Bytes.data()); }

    DWORD GetStyle() const;
    // Names a registered window class for the dialog.
    void SetClassName(const char* className);
    // No caption, frame or popup style: a child at the parent's client origin.
    void MakeChild();

private:
    struct TLayout {
        size_t StyleOffset, ExStyleOffset, XOffset, ClassOffset, ClassEnd, HeaderEnd;
    };
    bool ReadLayout(TLayout& layout) const;
    bool SkipSizedString(size_t& offset) const;
    bool SkipString(size_t& offset) const;
    DWORD ReadDword(size_t offset) const;
    void WriteDword(size_t offset, DWORD value);

    std::vector<BYTE> Bytes;
};

#endif
