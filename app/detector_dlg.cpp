#include "app/detector_dlg.h"

#include "app/color_browser_dlg.h"
#include "app/color_table.h"
#include "app/color_table_loader.h"
#include "app/exception.h"
#include "app/keyboard_hook.h"
#include "app/options_dlg.h"
#include "app/quorvel_app.h"
#include "controls/about_dlg.h"
#include "res/resource_ids.h"

#include <shellapi.h>

#include <cstdio>
#include <memory>

TQuorvelDlg::TQuorvelDlg(TWindow* parent) : TQuorvelBrowserBaseDlg(parent, IDD_DETECTOR) {
    NameEdit = new TEdit(this, IDC_NAME, 32);
    LocationGroup = new TGroupBox(this, IDC_LOCATION_GROUP);
    XLabel = new TStatic(this, IDC_X_LABEL, 0);
    XEdit = new TEdit(this, IDC_X, 5);
    YLabel = new TStatic(this, IDC_Y_LABEL, 0);
    YEdit = new TEdit(this, IDC_Y, 5);
}

void TQuorvelDlg::SetupWindow() {
    TQuorvelBrowserBaseDlg::SetupWindow();
    Live = true;
    HookDialog = this;
    try {
        LoadColorTable(AppInstance, ColorTable);
    } catch (const Exception&) {
        // A missing table only means that every colour reads "not found".
    }
    KeyboardHookHandle =
        ::SetWindowsHookExA(WH_KEYBOARD, KeyboardHook, GetModule(), ::GetCurrentThreadId());
}

void TQuorvelDlg::CloseWindow(int result) {
    ::UnhookWindowsHookEx(KeyboardHookHandle);
    Live = false;
    TQuorvelBrowserBaseDlg::CloseWindow(result);
}

bool TQuorvelDlg::Respond(TMessage& m) {
    using Table = TResponseTable<TQuorvelDlg>;
    static const Table table{
        Table::Message(WM_NCMOUSEMOVE, &TQuorvelDlg::EvNcMouseMove),
        Table::Command(CM_COLOR_BROWSER, &TQuorvelDlg::CmColorBrowser),
        Table::Command(CM_OPTIONS, &TQuorvelDlg::CmOptions),
        Table::Command(IDHELP, &TQuorvelDlg::CmHelp),
        Table::Command(CM_ABOUT, &TQuorvelDlg::CmAbout),
    };
    return table.Dispatch(*this, m) || TQuorvelBrowserBaseDlg::Respond(m);
}

void TQuorvelDlg::EvNcMouseMove(TMessage&) {
    if (Live)
        UpdateColorInfo();
}

// Polled on every idle pass, so it returns at once unless the pointer moved: a still pointer
// over a changing pixel keeps the old readout.
void TQuorvelDlg::UpdateColorInfo() {
    static POINT LastCursorPos = {-1, -1};
    POINT pos;
    ::GetCursorPos(&pos);
    if (pos.x == LastCursorPos.x && pos.y == LastCursorPos.y)
        return;
    LastCursorPos = pos;
    TDesktopDC screen;
    COLORREF color = screen.GetPixel(pos.x, pos.y);
    ::SetDlgItemInt(GetHandle(), IDC_X, static_cast<UINT>(pos.x), TRUE);
    ::SetDlgItemInt(GetHandle(), IDC_Y, static_cast<UINT>(pos.y), TRUE);
    Sample->SetColor(color);
    ShowColor(color);
}

void TQuorvelDlg::ShowColor(COLORREF color) {
    unsigned red = GetRValue(color), green = GetGValue(color), blue = GetBValue(color);
    ::SetDlgItemInt(GetHandle(), IDC_RED, red, FALSE);
    ::SetDlgItemInt(GetHandle(), IDC_GREEN, green, FALSE);
    ::SetDlgItemInt(GetHandle(), IDC_BLUE, blue, FALSE);
    char hex[7];
    std::snprintf(hex, sizeof hex, "%.2X%.2X%.2X", red, green, blue);
    ::SetWindowTextA(HexEdit->GetHandle(), hex);
    ::SetWindowTextA(NameEdit->GetHandle(), FindColorName(ColorTable, color));
}

void TQuorvelDlg::CmHelp() {
    ::ShellExecuteA(GetHandle(), "open", "Quorvel.txt", nullptr, nullptr, SW_SHOW);
}

// The dialogs below run modally and are released when they close, which also takes them out of
// this dialog's children. While one runs, the idle hook does not, so the readout stands still.
void TQuorvelDlg::CmAbout() {
    std::make_unique<TAboutDlg>(this, edCenterOnScreen, 0, nullptr, IDS_ABOUT_TITLE, AppInstance,
                                IDI_QUORVEL, 1)
        ->Execute();
}

void TQuorvelDlg::CmOptions() {
    std::make_unique<TOptionsDlg>(this)->Execute();
}

void TQuorvelDlg::CmColorBrowser() {
    std::make_unique<TColorBrowserDlg>(this)->Execute();
}
