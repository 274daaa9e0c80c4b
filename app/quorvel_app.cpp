#include "app/quorvel_app.h"

#include "app/detector_dlg.h"
#include "framework/frame_window.h"
#include "res/resource_ids.h"

HINSTANCE AppInstance = nullptr;
TWindow* DetectorWindow = nullptr;

void TQuorvelApp::InitMainWindow() {
    auto* detector = new TQuorvelDlg(nullptr);
    auto* frame = new TFrameWindow(nullptr, "Quorvel", detector, true);
    DetectorWindow = frame->GetClientWindow();
    frame->Attr.Style &= ~(WS_THICKFRAME | WS_MAXIMIZEBOX);
    frame->Attr.ExStyle |= WS_EX_TOPMOST;
    frame->SetIcon(AppInstance, IDI_QUORVEL);
    SetMainWindow(frame);
}

bool TQuorvelApp::IdleAction(unsigned) {
    if (DetectorWindow && DetectorWindow->GetHandle() && !::IsIconic(GetMainWindow()->GetHandle()))
        ::SendMessageA(DetectorWindow->GetHandle(), WM_NCMOUSEMOVE, 0, 0);
    return true;
}
