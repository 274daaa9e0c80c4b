// A dialog built from a template. Created with Create it is modeless: a frame's client becomes a
// borderless child that fills the frame; run with Execute it is modal. The control objects a
// dialog creates with `new` in its constructor are attached to the template's controls with the
// same identifiers when its window exists, and deleted with the dialog.
//
// Dialogs have a window class of their own (from the class hooks), so they receive every message
// through their response tables, with DefDlgProc as the default processing.
#ifndef QUORVEL_FRAMEWORK_DIALOG_H
#define QUORVEL_FRAMEWORK_DIALOG_H

#include "framework/window.h"

class TDialog : public TWindow {
public:
    TDialog(TWindow* parent, int resourceId, HINSTANCE module = nullptr);

    bool Create() override;
    // Runs the dialog modally; returns the code it ended with, or -1 when it could not run.
    int Execute();

    // The close hook: ends the dialog with `result` (destroys a modeless one).
    virtual void CloseWindow(int result);
    // Ends the dialog with `result` without the close hook.
    void Destroy(int result);

    bool IsModal() const { return Modal; }

protected:
    const char* GetClassName() override { return "QuorvelDialog"; }
    void GetWindowClass(WNDCLASSEXA& wc) override;
    void SetupWindow() override;
    void CleanupWindow() override;
    bool Respond(TMessage& m) override;

    void CmOk();
    void CmCancel();

private:
    void EvInitDialog(TMessage& m);
    void EvClose(TMessage& m);
    bool PrepareTemplate(class TDialogTemplate& dialogTemplate);

    int ResourceId;
    bool Modal = false;
};

#endif
