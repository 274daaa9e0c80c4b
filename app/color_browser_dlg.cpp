#include "app/color_browser_dlg.h"

#include "res/resource_ids.h"

TColorBrowserDlg::TColorBrowserDlg(TWindow* parent)
    : TQuorvelBrowserBaseDlg(parent, IDD_COLOR_BROWSER) {
    NameCombo = new TComboBox(this, IDC_NAME, 0);
    RedBar = new TScrollBar(this, IDC_RED_BAR);
    GreenBar = new TScrollBar(this, IDC_GREEN_BAR);
    BlueBar = new TScrollBar(this, IDC_BLUE_BAR);
    HueBar = new TScrollBar(this, IDC_HUE_BAR);
    LuminosityBar = new TScrollBar(this, IDC_LUMINOSITY_BAR);
    SaturationBar = new TScrollBar(this, IDC_SATURATION_BAR);
}
