#include "controls/enhanced_dialog.h"

#include "controls/window_utils.h"

TEnhancedDialog::TEnhancedDialog(TWindow* parent, int resourceId, UINT32 flags, INT32 helpContext,
                                 const char* helpFile)
    : TDialog(parent, resourceId), Flags(flags), HelpContext(helpContext), HelpFile(helpFile) {}

void TEnhancedDialog::SetupWindow() {
    TDialog::SetupWindow();
    if (Flags & edCenterOnScreen)
        CenterWindowOnScreen(GetHandle());
}

bool TEnhancedDialog::Respond(TMessage& m) {
    using Table = TResponseTable<TEnhancedDialog>;
    static const Table table{
        Table::Command(IDOK, &TEnhancedDialog::OnOk),
        Table::Command(IDCANCEL, &TEnhancedDialog::OnCancel),
        Table::Command(IDHELP, &TEnhancedDialog::OnHelp),
    };
    return table.Dispatch(*this, m) || TDialog::Respond(m);
}

void TEnhancedDialog::OnOk() {
    CloseWindow(IDOK);
}

void TEnhancedDialog::OnCancel() {
    Destroy(IDCANCEL);
}

void TEnhancedDialog::OnHelp() {
    if (Flags & edHelp)
        ::WinHelpA(GetHandle(), HelpFile, HELP_CONTEXT, static_cast<ULONG_PTR>(HelpContext));
}
