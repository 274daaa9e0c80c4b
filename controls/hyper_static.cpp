#include "controls/hyper_static.h"

#include "controls/trigger_functions.h"
#include "framework/application.h"
#include "res/resource_ids.h"

#include <shellapi.h>
#include <windowsx.h>

#include <vector>

THyperStatic::THyperStatic(TWindow* parent, int resourceId, unsigned textLimit, HINSTANCE module)
    : TStatic(parent, resourceId, textLimit, module), Renderer(std::make_unique<WinHyperText>("")),
      LinkCursor(std::make_unique<TCursor>(TApplication::CurrentModule(), IDC_LINK_HAND)) {}

// SS_NOTIFY: a plain static lets mouse messages through to the dialog beneath it.
void THyperStatic::SetupWindow() {
    HWND window = GetHandle();
    LONG_PTR style = ::GetWindowLongPtrA(window, GWL_STYLE);
    ::SetWindowLongPtrA(window, GWL_STYLE, style | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | SS_NOTIFY);
    TStatic::SetupWindow();

    int length = ::GetWindowTextLengthA(window);
    std::vector<char> markup(static_cast<size_t>(length) + 1);
    ::GetWindowTextA(window, markup.data(), length + 1);
    Renderer->SetText(markup.data());

    RECT client;
    ::GetClientRect(window, &client);
    Renderer->AreaWidth = client.right - client.left;
    Renderer->AreaHeight = client.bottom - client.top;
}

// Every paint lays out the whole document from the client origin and rebuilds the link areas.
void THyperStatic::Paint(TDC& dc, bool, const RECT&) {
    Renderer->Draw(dc, POINT{0, 0});
}

// WM_PAINT goes to the generic painting: the system static would draw the raw markup.
bool THyperStatic::Respond(TMessage& m) {
    using Table = TResponseTable<THyperStatic>;
    static const Table table{
        Table::Message(WM_PAINT, &THyperStatic::EvPaint),
        Table::Message(WM_SETCURSOR, &THyperStatic::EvSetCursor),
        Table::Message(WM_MOUSEMOVE, &THyperStatic::EvMouseMove),
        Table::Message(WM_LBUTTONDOWN, &THyperStatic::EvLButtonDown),
        Table::Message(WM_SIZE, &THyperStatic::EvSize),
    };
    return table.Dispatch(*this, m) || TStatic::Respond(m);
}

void THyperStatic::EvSetCursor(TMessage& m) {
    ::SetCursor(OverLink ? LinkCursor->GetHandle() : ::LoadCursorA(nullptr, IDC_ARROW));
    m.Result = TRUE;
}

void THyperStatic::EvMouseMove(TMessage& m) {
    m.Result = DefaultProcessing(m);
    OverLink = LinkAt(m.LParam) != nullptr;
}

void THyperStatic::EvLButtonDown(TMessage& m) {
    m.Result = DefaultProcessing(m);
    if (const LinkData* link = LinkAt(m.LParam))
        Follow(link->Tag->Href); // a copy: a repaint while a message shows rebuilds the areas
}

void THyperStatic::EvSize(TMessage& m) {
    Renderer->AreaWidth = LOWORD(m.LParam);
    Renderer->AreaHeight = HIWORD(m.LParam);
}

// Left and top edges are inside an area, right and bottom edges outside; the first area wins.
const LinkData* THyperStatic::LinkAt(LPARAM point) const {
    int x = GET_X_LPARAM(point), y = GET_Y_LPARAM(point);
    for (const LinkData& link : Renderer->Links) {
        const auto& a = link.Area;
        if (a.left <= x && x < a.right && a.top <= y && y < a.bottom)
            return &link;
    }
    return nullptr;
}

// "!name" calls the trigger function registered as "name"; anything else goes to the shell.
void THyperStatic::Follow(const std::string& target) {
    if (!target.empty() && target[0] == '!') {
        std::string name = target.substr(1);
        auto entry = TriggerFunctions.find(name.c_str());
        if (entry != TriggerFunctions.end() && entry->second)
            entry->second();
        else
            TApplication::ShowMessage(GetHandle(), "Could not find trigger function.");
        return;
    }
    auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32)
        TApplication::ShowMessage(GetHandle(), "Could not get on to the internet.");
}
