// The About box: the program's title string between two animated icons, and a body of hypertext
// with live links, on dialog template 10002. Run modally by its creator, who owns the object.
#ifndef QUORVEL_CONTROLS_ABOUT_DLG_H
#define QUORVEL_CONTROLS_ABOUT_DLG_H

#include "controls/enhanced_dialog.h"
#include "controls/hyper_static.h"
#include "controls/icon_animation.h"

class TAboutDlg : public TEnhancedDialog {
public:
    // The icons are frames firstIconId, firstIconId + 1, ... of the application's module; the
    // title is string `stringId` of `stringModule`.
    TAboutDlg(TWindow* parent, UINT32 flags, INT32 helpContext, const char* helpFile,
              INT32 stringId, HINSTANCE stringModule, UINT16 firstIconId, UINT32 frameCount);

    TIconAnimation* LeftIcon;
    TIconAnimation* RightIcon;
    THyperStatic* InfoText;

protected:
    void SetupWindow() override;

private:
    INT32 StringId;
    HINSTANCE StringModule;
};

#endif
