// What the detector and the colour browser share: the colour group, the swatch, the hex code,
// the red, green and blue fields, and the colour-name table.
#ifndef QUORVEL_APP_BROWSER_BASE_DLG_H
#define QUORVEL_APP_BROWSER_BASE_DLG_H

#include "app/color_data_entry.h"
#include "app/color_sample.h"
#include "framework/control.h"
#include "framework/dialog.h"

class TQuorvelBrowserBaseDlg : public TDialog {
public:
    TQuorvelBrowserBaseDlg(TWindow* parent, int resourceId);

    TGroupBox* ColorGroup;
    TGroupBox* RgbGroup;
    TColorSample* Sample;
    TStatic* NameLabel;
    TStatic* HexLabel;
    TStatic* RedLabel;
    TStatic* GreenLabel;
    TStatic* BlueLabel;
    TEdit* HexEdit;
    TEdit* RedEdit;
    TEdit* GreenEdit;
    TEdit* BlueEdit;
    ColorDataTable ColorTable;

protected:
    const char* GetClassName() override { return "QuorvelColorDialog"; }
    void GetWindowClass(WNDCLASSEXA& wc) override;
};

#endif
