// The Options dialog: its template's controls and nothing more. No setting is read, applied or
// stored; OK and Cancel both just close it.
#ifndef QUORVEL_APP_OPTIONS_DLG_H
#define QUORVEL_APP_OPTIONS_DLG_H

#include "framework/dialog.h"
#include "res/resource_ids.h"

class TOptionsDlg : public TDialog {
public:
    explicit TOptionsDlg(TWindow* parent) : TDialog(parent, IDD_OPTIONS) {}
};

#endif
