// A control of a dialog template, bound to the template's control with the same identifier when
// the dialog's window exists. It paints the way its predefined window class does.
#ifndef QUORVEL_FRAMEWORK_CONTROL_H
#define QUORVEL_FRAMEWORK_CONTROL_H

#include "framework/window.h"

class TControl : public TWindow {
public:
    TControl(TWindow* parent, int resourceId, HINSTANCE module = nullptr);

    void AttachToParentItem() override;

protected:
    bool Respond(TMessage& m) override;

private:
    void EvPaintByClass(TMessage& m);
};

// A control with a text limit. The limit counts the terminating NUL, so typing is limited to one
// character less; text the program sets itself is not limited.
class TTextControl : public TControl {
public:
    TTextControl(TWindow* parent, int resourceId, unsigned textLimit, HINSTANCE module)
        : TControl(parent, resourceId, module), TextLimit(textLimit) {}
    unsigned GetTextLimit() const { return TextLimit; }

private:
    unsigned TextLimit;
};

class TStatic : public TTextControl {
public:
    TStatic(TWindow* parent, int resourceId, unsigned textLimit = 0, HINSTANCE module = nullptr)
        : TTextControl(parent, resourceId, textLimit, module) {}

protected:
    const char* GetClassName() override { return "STATIC"; }
};

class TEdit : public TTextControl {
public:
    TEdit(TWindow* parent, int resourceId, unsigned textLimit = 0, HINSTANCE module = nullptr)
        : TTextControl(parent, resourceId, textLimit, module) {}

protected:
    void SetupWindow() override;
};

class TGroupBox : public TControl {
public:
    TGroupBox(TWindow* parent, int resourceId, HINSTANCE module = nullptr)
        : TControl(parent, resourceId, module) {}
};

#endif
