#include "app/color_sample.h"

void TColorSample::SetColor(TColor color) {
    SetBkgndColor(color);
    ::InvalidateRect(GetHandle(), nullptr, TRUE);
    ::UpdateWindow(GetHandle());
}

bool TColorSample::Respond(TMessage& m) {
    using Table = TResponseTable<TColorSample>;
    static const Table table{Table::Message(WM_PAINT, &TColorSample::EvPaint)};
    return table.Dispatch(*this, m) || TControl::Respond(m);
}
