// The detector: the main frame's client, showing the colour under the pointer. It owns the
// readout's update cycle, the live (unfrozen) flag, the colour-name table and the lifetime of
// the keyboard hook.
#ifndef QUORVEL_APP_DETECTOR_DLG_H
#define QUORVEL_APP_DETECTOR_DLG_H

#include "app/browser_base_dlg.h"

class TQuorvelDlg : public TQuorvelBrowserBaseDlg {
public:
    explicit TQuorvelDlg(TWindow* parent);

    // One refresh of the readout; does nothing unless the pointer moved since the last one.
    void UpdateColorInfo();

    TEdit* NameEdit;
    TGroupBox* LocationGroup;
    TStatic* XLabel;
    TStatic* YLabel;
    TEdit* XEdit;
    TEdit* YEdit;
    bool Live = false;

    void CloseWindow(int result) override;

protected:
    void SetupWindow() override;
    bool Respond(TMessage& m) override;

private:
    void EvNcMouseMove(TMessage& m);
    void CmHelp();
    void CmAbout();
    void CmOptions();
    void CmColorBrowser();
    void ShowColor(COLORREF color);
};

#endif
