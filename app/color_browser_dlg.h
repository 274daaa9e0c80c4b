// The Colour Browser: the detector's colour fields plus a name list and scroll bars for the
// red, green and blue and the hue, luminosity and saturation. Nothing reacts to them: the
// dialog shows its controls and closes.
#ifndef QUORVEL_APP_COLOR_BROWSER_DLG_H
#define QUORVEL_APP_COLOR_BROWSER_DLG_H

#include "app/browser_base_dlg.h"
#include "framework/combo_box.h"
#include "framework/scroll_bar.h"

class TColorBrowserDlg : public TQuorvelBrowserBaseDlg {
public:
    explicit TColorBrowserDlg(TWindow* parent);

    TComboBox* NameCombo;
    TScrollBar* RedBar;
    TScrollBar* GreenBar;
    TScrollBar* BlueBar;
    TScrollBar* HueBar;
    TScrollBar* LuminosityBar;
    TScrollBar* SaturationBar;
};

#endif
