#include "framework/window.h"

#include "framework/application.h"

#include <algorithm>

namespace {

// The window property that holds the bound object, for every window, ours or subclassed.
const char* const BoundObjectProperty = "Quorvel.TWindow";

// A window being created by this thread that has not yet received its first message.
thread_local TWindow* PendingWindow = nullptr;

} // namespace

TWindow::TWindow(TWindow* parent, const char* title, HINSTANCE module)
    : Parent(nullptr), Title(title), Module(module) {
    SetParentObject(parent);
}

TWindow::~TWindow() {
    if (HWindow) {
        HWND window = HWindow;
        bool ownWindow = !Subclassed;
        Unbind();
        if (ownWindow)
            ::DestroyWindow(window);
    }
    while (!Children.empty())
        delete Children.back();
    SetParentObject(nullptr);
}

void TWindow::SetParentObject(TWindow* parent) {
    if (Parent) {
        auto& siblings = Parent->Children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    Parent = parent;
    if (Parent)
        Parent->Children.push_back(this);
}

HINSTANCE TWindow::GetModule() const {
    return Module ? Module : TApplication::CurrentModule();
}

void TWindow::GetWindowClass(WNDCLASSEXA& wc) {
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModule();
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = GetClassName();
}

bool TWindow::RegisterClassOnce() {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (::GetClassInfoExA(GetModule(), GetClassName(), &existing))
        return true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    GetWindowClass(wc);
    return ::RegisterClassExA(&wc) != 0;
}

bool TWindow::Create() {
    if (HWindow)
        return true;
    if (!RegisterClassOnce())
        return false;
    HWND parent = Parent ? Parent->GetHandle() : nullptr;
    HMENU id =
        (Attr.Style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(Attr.Id)) : nullptr;
    BindNextCreated(::DefWindowProcA);
    ::CreateWindowExA(Attr.ExStyle, GetClassName(), Title ? Title : "", Attr.Style, Attr.X, Attr.Y,
                      Attr.W, Attr.H, parent, id, GetModule(), nullptr);
    PendingWindow = nullptr;
    return HWindow != nullptr;
}

void TWindow::BindNextCreated(WNDPROC defaultProc) {
    DefaultProc = defaultProc;
    PendingWindow = this;
}

void TWindow::Bind(HWND window) {
    HWindow = window;
    ::SetPropA(window, BoundObjectProperty, this);
}

void TWindow::Subclass(HWND window) {
    Bind(window);
    Subclassed = true;
    DefaultProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc)));
}

void TWindow::Unbind() {
    if (Subclassed)
        ::SetWindowLongPtrA(HWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefaultProc));
    ::RemovePropA(HWindow, BoundObjectProperty);
    HWindow = nullptr;
}

LRESULT CALLBACK TWindow::WindowProc(HWND window, UINT msg, WPARAM w, LPARAM l) {
    auto* object = static_cast<TWindow*>(::GetPropA(window, BoundObjectProperty));
    if (!object && PendingWindow) {
        object = PendingWindow;
        PendingWindow = nullptr;
        object->Bind(window);
    }
    if (!object)
        return ::DefWindowProcA(window, msg, w, l);
    return object->HandleMessage(msg, w, l);
}

LRESULT TWindow::HandleMessage(UINT msg, WPARAM w, LPARAM l) {
    TMessage m{msg, w, l};
    if (!Respond(m))
        m.Result = DefaultProcessing(m);
    if (msg == WM_NCDESTROY && HWindow)
        Unbind();
    return m.Result;
}

LRESULT TWindow::DefaultProcessing(const TMessage& m) {
    return ::CallWindowProcA(DefaultProc, HWindow, m.Msg, m.WParam, m.LParam);
}

bool TWindow::Respond(TMessage& m) {
    using Table = TResponseTable<TWindow>;
    static const Table table{
        Table::Message(WM_CREATE, &TWindow::EvCreate),
        Table::Message(WM_PAINT, &TWindow::EvPaint),
        Table::Message(WM_ERASEBKGND, &TWindow::EvEraseBkgnd),
        Table::Message(WM_DESTROY, &TWindow::EvDestroy),
    };
    return table.Dispatch(*this, m);
}

void TWindow::SetupWindow() {}

void TWindow::Paint(TDC&, bool, const RECT&) {}

void TWindow::EvCreate(TMessage& m) {
    m.Result = DefaultProcessing(m);
    if (m.Result != -1)
        SetupWindow();
}

void TWindow::EvPaint(TMessage&) {
    TPaintDC dc(HWindow);
    Paint(dc, dc.Info().fErase != FALSE, dc.Info().rcPaint);
}

void TWindow::EvEraseBkgnd(TMessage& m) {
    if (BkgndColor == TColorNone) {
        m.Result = DefaultProcessing(m);
        return;
    }
    m.Result = TRUE;
    if (BkgndColor == TColorTransparent)
        return;
    TDC dc(reinterpret_cast<HDC>(m.WParam));
    TBrush brush(BkgndColor);
    RECT client;
    ::GetClientRect(HWindow, &client);
    TSelectObject select(dc, brush);
    dc.PatBlt(client, PATCOPY);
    dc.SetBkColor(BkgndColor);
}

void TWindow::EvDestroy(TMessage& m) {
    CleanupWindow();
    if (Parent)
        Parent->ChildDestroyed(this);
    TApplication* app = TApplication::Current();
    if (app && app->GetMainWindow() == this)
        ::PostQuitMessage(0);
    m.Result = DefaultProcessing(m);
}
