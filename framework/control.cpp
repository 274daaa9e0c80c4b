#include "framework/control.h"

TControl::TControl(TWindow* parent, int resourceId, HINSTANCE module)
    : TWindow(parent, nullptr, module) {
    Attr.Id = resourceId;
}

void TControl::AttachToParentItem() {
    if (GetHandle() || !GetParent())
        return;
    HWND item = ::GetDlgItem(GetParent()->GetHandle(), Attr.Id);
    if (!item)
        return;
    Subclass(item);
    SetupWindow();
}

bool TControl::Respond(TMessage& m) {
    using Table = TResponseTable<TControl>;
    static const Table table{Table::Message(WM_PAINT, &TControl::EvPaintByClass)};
    return table.Dispatch(*this, m) || TWindow::Respond(m);
}

void TControl::EvPaintByClass(TMessage& m) {
    m.Result = DefaultProcessing(m);
}

void TEdit::SetupWindow() {
    TTextControl::SetupWindow();
    if (GetTextLimit() > 0)
        SendMessage(EM_LIMITTEXT, GetTextLimit() - 1);
}
