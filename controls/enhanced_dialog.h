// The base of our modal template dialogs: it can centre itself on the screen when set up and
// carry a help topic, and it turns OK, Cancel and Help into virtual operations, so a subclass
// takes over a button by overriding one function instead of writing a response table.
#ifndef QUORVEL_CONTROLS_ENHANCED_DIALOG_H
#define QUORVEL_CONTROLS_ENHANCED_DIALOG_H

#include "framework/dialog.h"

// Option bits of TEnhancedDialog::Flags.
enum : UINT32 {
    edCenterOnScreen = 1, // centre the dialog on the screen at set-up
    edHelp = 2,           // Help opens the dialog's help topic
};

class TEnhancedDialog : public TDialog {
public:
    // `helpFile` is kept as given: it must outlive the dialog.
    TEnhancedDialog(TWindow* parent, int resourceId, UINT32 flags, INT32 helpContext,
                    const char* helpFile);

    virtual void OnOk();
    virtual void OnCancel();
    // With edHelp: the help topic HelpContext of HelpFile through WinHelp; otherwise nothing.
    virtual void OnHelp();

    UINT32 GetFlags() const { return Flags; }

protected:
    void SetupWindow() override;
    bool Respond(TMessage& m) override;

    const UINT32 Flags;
    const INT32 HelpContext;
    const char* const HelpFile;
};

#endif
