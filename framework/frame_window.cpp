#include "framework/frame_window.h"

TFrameWindow::TFrameWindow(TWindow* parent, const char* title, TWindow* client, bool shrinkToClient,
                           HINSTANCE module)
    : TWindow(parent, title, module), Client(client), ShrinkToClientSize(shrinkToClient) {
    Attr.Style = WS_OVERLAPPEDWINDOW;
    if (Client)
        Client->SetParentObject(this);
}

void TFrameWindow::SetIcon(HINSTANCE module, int resourceId) {
    IconModule = module;
    IconId = resourceId;
}

void TFrameWindow::GetWindowClass(WNDCLASSEXA& wc) {
    TWindow::GetWindowClass(wc);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
}

void TFrameWindow::SetupWindow() {
    TWindow::SetupWindow();
    if (Client && Client->Create()) {
        if (ShrinkToClientSize)
            ShrinkToClient();
        FillWithClient();
    }
    if (IconId) {
        HICON icon = ::LoadIconA(IconModule, MAKEINTRESOURCEA(IconId));
        ::SetClassLongPtrA(GetHandle(), GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
    }
}

void TFrameWindow::ShrinkToClient() {
    RECT client;
    ::GetWindowRect(Client->GetHandle(), &client);
    int w = client.right - client.left;
    int h = client.bottom - client.top;
    RECT frame{0, 0, w, h};
    DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(GetHandle(), GWL_STYLE));
    DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrA(GetHandle(), GWL_EXSTYLE));
    ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    ::SetWindowPos(GetHandle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFrameWindow::FillWithClient() {
    if (!Client || !Client->GetHandle())
        return;
    RECT area;
    ::GetClientRect(GetHandle(), &area);
    ::MoveWindow(Client->GetHandle(), 0, 0, area.right, area.bottom, TRUE);
}

void TFrameWindow::ChildDestroyed(TWindow* child) {
    if (child == Client && GetHandle())
        ::PostMessageA(GetHandle(), WM_CLOSE, 0, 0);
}

bool TFrameWindow::Respond(TMessage& m) {
    using Table = TResponseTable<TFrameWindow>;
    static const Table table{Table::Message(WM_SETFOCUS, &TFrameWindow::EvSetFocus),
                             Table::Message(WM_SIZE, &TFrameWindow::EvSize)};
    return table.Dispatch(*this, m) || TWindow::Respond(m);
}

void TFrameWindow::EvSetFocus(TMessage& m) {
    if (Client && Client->GetHandle())
        ::SetFocus(Client->GetHandle());
    else
        m.Result = DefaultProcessing(m);
}

void TFrameWindow::EvSize(TMessage& m) {
    m.Result = DefaultProcessing(m);
    FillWithClient();
}
