#include "framework/dialog.h"

#include "framework/application.h"
#include "framework/dialog_template.h"

namespace {
// Our dialog classes do everything in their window procedure; the dialog procedure that the
// system asks for only declines.
INT_PTR CALLBACK DeclineDialogMessages(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}
} // namespace

TDialog::TDialog(TWindow* parent, int resourceId, HINSTANCE module)
    : TWindow(parent, nullptr, module), ResourceId(resourceId) {}

void TDialog::GetWindowClass(WNDCLASSEXA& wc) {
    TWindow::GetWindowClass(wc);
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
}

bool TDialog::PrepareTemplate(TDialogTemplate& dialogTemplate) {
    if (!dialogTemplate.IsValid() || !RegisterClassOnce())
        return false;
    dialogTemplate.SetClassName(GetClassName());
    BindNextCreated(::DefDlgProcA);
    return true;
}

bool TDialog::Create() {
    if (GetHandle())
        return true;
    TDialogTemplate dialogTemplate(GetModule(), MAKEINTRESOURCEA(ResourceId));
    bool frameClient = GetParent() && GetParent()->GetClientWindow() == this;
    if (frameClient)
        dialogTemplate.MakeChild();
    if (!PrepareTemplate(dialogTemplate))
        return false;
    HWND parent = GetParent() ? GetParent()->GetHandle() : nullptr;
    Modal = false;
    ::CreateDialogIndirectParamA(GetModule(), dialogTemplate.Get(), parent, DeclineDialogMessages,
                                 0);
    if (!GetHandle())
        return false;
    if (TApplication* app = TApplication::Current())
        app->AddModelessDialog(GetHandle());
    return true;
}

int TDialog::Execute() {
    TDialogTemplate dialogTemplate(GetModule(), MAKEINTRESOURCEA(ResourceId));
    if (!PrepareTemplate(dialogTemplate))
        return -1;
    HWND parent = GetParent() ? GetParent()->GetHandle() : nullptr;
    Modal = true;
    return static_cast<int>(::DialogBoxIndirectParamA(GetModule(), dialogTemplate.Get(), parent,
                                                      DeclineDialogMessages, 0));
}

void TDialog::SetupWindow() {
    TWindow::SetupWindow();
    // Copy: a control's set-up may not add children, but the list must not move under us.
    std::vector<TWindow*> controls = Children;
    for (TWindow* control : controls)
        control->AttachToParentItem();
}

void TDialog::CloseWindow(int result) {
    Destroy(result);
}

void TDialog::Destroy(int result) {
    if (Modal)
        ::EndDialog(GetHandle(), result);
    else
        ::DestroyWindow(GetHandle());
}

bool TDialog::Respond(TMessage& m) {
    using Table = TResponseTable<TDialog>;
    static const Table table{
        Table::Message(WM_INITDIALOG, &TDialog::EvInitDialog),
        Table::Message(WM_CLOSE, &TDialog::EvClose),
        Table::Command(IDOK, &TDialog::CmOk),
        Table::Command(IDCANCEL, &TDialog::CmCancel),
    };
    return table.Dispatch(*this, m) || TWindow::Respond(m);
}

void TDialog::EvInitDialog(TMessage& m) {
    SetupWindow();
    m.Result = TRUE; // let the system focus the first tab stop
}

void TDialog::CmOk() {
    CloseWindow(IDOK);
}

void TDialog::CmCancel() {
    Destroy(IDCANCEL);
}

void TDialog::EvClose(TMessage&) {
    Destroy(IDCANCEL);
}

void TDialog::CleanupWindow() {
    if (TApplication* app = TApplication::Current())
        app->RemoveModelessDialog(GetHandle());
    TWindow::CleanupWindow();
}
