// A combo box of a dialog template. The text limit counts the terminating NUL, as for edits.
#ifndef QUORVEL_FRAMEWORK_COMBO_BOX_H
#define QUORVEL_FRAMEWORK_COMBO_BOX_H

#include "framework/control.h"

class TComboBox : public TTextControl {
public:
    TComboBox(TWindow* parent, int resourceId, unsigned textLimit = 0, HINSTANCE module = nullptr)
        : TTextControl(parent, resourceId, textLimit, module) {}

protected:
    void SetupWindow() override {
        TTextControl::SetupWindow();
        if (GetTextLimit() > 0)
            SendMessage(CB_LIMITTEXT, GetTextLimit() - 1);
    }
};

#endif
