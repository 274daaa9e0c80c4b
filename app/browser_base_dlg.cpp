#include "app/browser_base_dlg.h"

#include "res/resource_ids.h"

TQuorvelBrowserBaseDlg::TQuorvelBrowserBaseDlg(TWindow* parent, int resourceId)
    : TDialog(parent, resourceId) {
    ColorGroup = new TGroupBox(this, IDC_COLOR_GROUP);
    Sample = new TColorSample(this, IDC_SAMPLE);
    NameLabel = new TStatic(this, IDC_NAME_LABEL, 0);
    HexLabel = new TStatic(this, IDC_HEX_LABEL, 0);
    HexEdit = new TEdit(this, IDC_HEX, 7);
    RgbGroup = new TGroupBox(this, IDC_RGB_GROUP);
    RedLabel = new TStatic(this, IDC_RED_LABEL, 0);
    RedEdit = new TEdit(this, IDC_RED, 4);
    GreenLabel = new TStatic(this, IDC_GREEN_LABEL, 0);
    GreenEdit = new TEdit(this, IDC_GREEN, 4);
    BlueLabel = new TStatic(this, IDC_BLUE_LABEL, 0);
    BlueEdit = new TEdit(this, IDC_BLUE, 4);
}

void TQuorvelBrowserBaseDlg::GetWindowClass(WNDCLASSEXA& wc) {
    TDialog::GetWindowClass(wc);
    wc.hIcon = ::LoadIconA(GetModule(), MAKEINTRESOURCEA(IDI_QUORVEL));
}
