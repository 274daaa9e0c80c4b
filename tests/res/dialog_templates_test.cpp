// The four dialog templates as the dialog manager builds them: every control in template order
// with its id, class, text, style and the rectangle its dialog units map to. The test program
// carries the program's resources, so the templates are the shipped ones.
#include "res/resource_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kUnnamed = 65535;

// Every control is a visible child unless its row says otherwise.
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

// Which parts of a control's rectangle the template decides.
enum class Fit {
    Exact,
    DropDown, // a combo box's template height is its dropped-down list; the window is shorter
    Image,    // icon and bitmap statics take the size of their picture
};

struct ExpectedControl {
    int Id;
    const char* ClassName;
    const char* Text; // nullptr where the template names a picture instead
    DWORD Style;
    RECT Units; // x, y, width, height
    Fit Fit = Fit::Exact;
};

struct ExpectedDialog {
    int Id;
    DWORD Style;
    RECT Units; // x, y, width, height
    const char* Caption;
    std::vector<ExpectedControl> Controls;
};

constexpr DWORD kDialogStyle =
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CONTEXTHELP | DS_3DLOOK;
constexpr DWORD kGroupBox = kChild | BS_GROUPBOX | WS_GROUP;
constexpr DWORD kLabel = kChild | SS_LEFT;
constexpr DWORD kSwatch = kChild | SS_GRAYRECT | SS_SUNKEN;
constexpr DWORD kEdit = kChild | WS_BORDER | WS_TABSTOP;
constexpr DWORD kReadOnlyEdit = kEdit | ES_READONLY;
constexpr DWORD kButton = kChild | BS_PUSHBUTTON | BS_CENTER | WS_TABSTOP;
constexpr DWORD kScrollBar = kChild | SBS_HORZ;

const ExpectedDialog kDetector = {
    IDD_DETECTOR,
    kDialogStyle | DS_SETFONT,
    {48, 10, 275, 152},
    "Quorvel",
    {
        {IDC_COLOR_GROUP, "Button", "Color", kGroupBox, {8, 4, 192, 52}},
        {IDC_SAMPLE, "Static", "", kSwatch, {16, 16, 56, 32}},
        {IDC_NAME_LABEL, "Static", "Name:", kLabel, {80, 20, 20, 8}},
        {IDC_NAME, "Edit", "", kReadOnlyEdit, {120, 17, 72, 13}},
        {IDC_HEX_LABEL, "Static", "HEX Code:", kLabel, {80, 40, 36, 8}},
        {IDC_HEX, "Edit", "", kReadOnlyEdit, {120, 36, 36, 13}},
        {IDC_RGB_GROUP, "Button", "RGB", kGroupBox, {8, 60, 60, 64}},
        {IDC_RED_LABEL, "Static", "Red:", kLabel, {16, 75, 24, 8}},
        {IDC_RED, "Edit", "", kReadOnlyEdit, {40, 72, 20, 12}},
        {IDC_GREEN_LABEL, "Static", "Green:", kLabel, {16, 91, 24, 8}},
        {IDC_GREEN, "Edit", "", kReadOnlyEdit, {40, 88, 20, 12}},
        {IDC_BLUE_LABEL, "Static", "Blue:", kLabel, {16, 107, 24, 8}},
        {IDC_BLUE, "Edit", "", kReadOnlyEdit, {40, 104, 20, 12}},
        {IDC_LOCATION_GROUP, "Button", "Location", kGroupBox, {208, 4, 60, 52}},
        {IDC_X_LABEL, "Static", "X:", kLabel, {216, 19, 8, 8}},
        {IDC_X, "Edit", "", kReadOnlyEdit, {228, 16, 28, 13}},
        {IDC_Y_LABEL, "Static", "Y:", kLabel, {216, 37, 8, 8}},
        {IDC_Y, "Edit", "", kReadOnlyEdit, {228, 35, 28, 13}},
        // Hidden: the Options command has no visible button.
        {CM_OPTIONS, "Button", "Options...", kButton & ~WS_VISIBLE, {156, 132, 52, 15}},
        // Plain push buttons, none the default: Enter reaches the dialog as IDOK.
        {IDOK, "Button", "E&xit", kButton, {216, 132, 52, 15}},
        {IDHELP, "Button", "Help...", kButton, {8, 132, 52, 15}},
        {CM_ABOUT, "Button", "About...", kButton, {68, 132, 52, 15}},
        {kUnnamed, "Button", "Tips", kGroupBox, {72, 60, 196, 64}},
        {kUnnamed,
         "Static",
         "Press  F5  to freeze / unfreeze the current color stats.\n\n"
         "Press  F6  to copy the current hex color value to the clipboard.",
         kLabel,
         {80, 72, 180, 44}},
    },
};

const ExpectedDialog kColorBrowser = {
    IDD_COLOR_BROWSER,
    kDialogStyle | DS_SETFONT,
    {55, 24, 295, 142},
    "Color Browser",
    {
        {IDC_COLOR_GROUP, "Button", "Color", kGroupBox, {4, 4, 284, 48}},
        {IDC_SAMPLE, "Static", "", kSwatch, {12, 16, 144, 28}},
        {IDC_NAME_LABEL, "Static", "Name", kLabel, {164, 20, 24, 8}},
        {IDC_NAME,
         "ComboBox",
         "",
         kChild | CBS_DROPDOWNLIST | CBS_SORT | WS_TABSTOP,
         {204, 16, 76, 34},
         Fit::DropDown},
        {IDC_HEX_LABEL, "Static", "HEX Code", kLabel, {164, 36, 36, 8}},
        {IDC_HEX, "Edit", "", kEdit, {204, 32, 32, 12}},
        {IDC_RGB_GROUP, "Button", "RGB", kGroupBox, {4, 56, 132, 60}},
        {IDC_RED_LABEL, "Static", "Red", kLabel, {12, 72, 16, 8}},
        {IDC_RED, "Edit", "", kEdit, {36, 68, 20, 12}},
        {IDC_RED_BAR, "ScrollBar", "", kScrollBar, {60, 68, 68, 9}},
        {IDC_GREEN_LABEL, "Static", "Green", kLabel, {12, 87, 20, 8}},
        {IDC_GREEN, "Edit", " ", kEdit, {36, 83, 20, 12}},
        {IDC_GREEN_BAR, "ScrollBar", "", kScrollBar, {60, 84, 68, 9}},
        {IDC_BLUE_LABEL, "Static", "Blue", kLabel, {12, 100, 16, 8}},
        {IDC_BLUE, "Edit", " ", kEdit, {36, 99, 20, 12}},
        {IDC_BLUE_BAR, "ScrollBar", "", kScrollBar, {60, 100, 68, 9}},
        {IDC_HLS_GROUP, "Button", "HLS", kGroupBox, {144, 56, 144, 60}},
        {IDC_HUE_LABEL, "Static", "Hue", kLabel, {152, 72, 16, 8}},
        {IDC_HUE, "Edit", "", kEdit, {188, 69, 20, 12}},
        {IDC_HUE_BAR, "ScrollBar", "", kScrollBar, {212, 68, 68, 9}},
        {IDC_LUMINOSITY_LABEL, "Static", "Luminosity", kLabel, {152, 88, 36, 8}},
        {IDC_LUMINOSITY, "Edit", " ", kEdit, {188, 84, 20, 12}},
        {IDC_LUMINOSITY_BAR, "ScrollBar", "", kScrollBar, {212, 84, 68, 9}},
        {IDC_SATURATION_LABEL, "Static", "Saturation", kLabel, {152, 104, 32, 8}},
        {IDC_SATURATION, "Edit", " ", kEdit, {188, 100, 20, 12}},
        {IDC_SATURATION_BAR, "ScrollBar", "", kScrollBar, {212, 100, 68, 9}},
        {IDOK, "Button", "Close", kButton, {184, 124, 50, 14}},
        {IDHELP, "Button", "Help", kButton, {240, 124, 50, 14}},
    },
};

const ExpectedDialog kOptions = {
    IDD_OPTIONS,
    kDialogStyle | DS_SETFONT,
    {50, 20, 386, 59},
    "Options",
    {
        {IDC_OPTIONS_GROUP, "Button", "Quorvel", kGroupBox, {5, 4, 180, 28}},
        {IDC_ALWAYS_ON_TOP,
         "Button",
         "Always on top of every window on the desktop",
         kChild | BS_AUTOCHECKBOX | WS_TABSTOP,
         {13, 16, 164, 12}},
        // The "Start with" choice is hidden.
        {IDC_START_GROUP, "Button", "Start with", kGroupBox & ~WS_VISIBLE, {200, 4, 180, 28}},
        {IDC_START_DETECTOR,
         "Button",
         "Quorvel",
         WS_CHILD | BS_AUTORADIOBUTTON | WS_TABSTOP,
         {208, 16, 60, 12}},
        {IDC_START_BROWSER,
         "Button",
         "Color Browser",
         WS_CHILD | BS_AUTORADIOBUTTON | WS_TABSTOP,
         {284, 16, 60, 12}},
        {IDOK, "Button", "OK", kButton, {24, 40, 50, 14}},
        {IDCANCEL, "Button", "Cancel", kButton, {80, 40, 50, 14}},
        {IDHELP, "Button", "Help", kButton, {136, 40, 50, 14}},
    },
};

// The About box's body: markup that the hypertext control parses, kept here piece by piece.
const char kAboutBody[] =
    "Visit our "
    "<FONT SIZE=+2 REM=hack_for_bug></FONT>"
    "website at: "
    "<FONT SIZE=+2><A HREF=\"http://www.quorvel.example\">www.quorvel.example</A></FONT>"
    ", where you will find newer releases, more information and downloads.  "
    "<BR><BR>"
    "Email us at: "
    "<FONT SIZE=+2><A HREF=\"mailto:hello@quorvel.example\">hello@quorvel.example</A></FONT>"
    " with your questions, suggestions and comments on Quorvel.    ";

const ExpectedDialog kAbout = {
    IDD_ABOUT,
    0x80C800C5, // WS_POPUP, WS_CAPTION, WS_SYSMENU, DS_MODALFRAME, DS_SETFONT, DS_3DLOOK,
                // DS_ABSALIGN
    {100, 45, 237, 143},
    "About",
    {
        {kUnnamed, "Static", "", kChild | SS_ETCHEDFRAME, {28, 4, 204, 40}},
        {IDC_ABOUT_TITLE,
         "Static",
         "** Place copyright info here **",
         kChild | SS_CENTER | WS_GROUP,
         {68, 12, 124, 24}},
        {IDOK,
         "Button",
         "OK",
         kChild | BS_DEFPUSHBUTTON | BS_CENTER | WS_TABSTOP,
         {120, 124, 50, 14}},
        {IDHELP, "Button", "Help", kButton, {180, 124, 50, 14}},
        {IDC_ABOUT_BODY, "Static", kAboutBody, kChild | SS_LEFT, {32, 52, 196, 61}},
        {kUnnamed, "Static", "", kChild | SS_ETCHEDFRAME, {28, 48, 204, 68}},
        {IDC_ABOUT_LEFT_ICON, "Static", nullptr, kChild | SS_ICON, {39, 15, 21, 20}, Fit::Image},
        {IDC_ABOUT_RIGHT_ICON, "Static", nullptr, kChild | SS_ICON, {199, 15, 21, 20}, Fit::Image},
        {kUnnamed, "Static", nullptr, kChild | SS_BITMAP | SS_SUNKEN, {4, 4, 19, 112}, Fit::Image},
    },
};

INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// A dialog window built from one of the program's templates, destroyed with the object.
class LiveDialog {
public:
    explicit LiveDialog(int id)
        : Handle(CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), nullptr,
                                    IgnoreMessages, 0)) {}
    ~LiveDialog() {
        if (Handle)
            DestroyWindow(Handle);
    }
    LiveDialog(const LiveDialog&) = delete;
    LiveDialog& operator=(const LiveDialog&) = delete;

    const HWND Handle;
};

std::string WindowText(HWND window) {
    std::string text(GetWindowTextLengthA(window) + 1, '\0');
    text.resize(GetWindowTextA(window, text.data(), static_cast<int>(text.size())));
    return text;
}

std::string ClassName(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Dialog units to pixels the way the dialog manager places controls: each of x, y, width and
// height is converted on its own.
RECT Pixels(HWND dialog, RECT units) {
    MapDialogRect(dialog, &units);
    return units;
}

RECT PlacementInDialog(HWND dialog, HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

const DLGTEMPLATE* TemplateResource(int id) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5)); // RT_DIALOG
    return resource ? static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(module, resource)))
                    : nullptr;
}

// The dialog manager may turn WS_BORDER on an edit of a 3-D dialog into a client edge, so the
// border counts as present either way.
void ExpectStyle(HWND control, DWORD expected) {
    DWORD style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
    DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_EXSTYLE));
    if ((expected & WS_BORDER) && (exStyle & WS_EX_CLIENTEDGE))
        style |= WS_BORDER;
    EXPECT_EQ(style, expected) << std::hex << "style 0x" << style << ", expected 0x" << expected;
}

void ExpectPlacement(HWND dialog, HWND control, const ExpectedControl& expected) {
    RECT want = Pixels(dialog, expected.Units);
    RECT got = PlacementInDialog(dialog, control);
    EXPECT_EQ(got.left, want.left);
    EXPECT_EQ(got.top, want.top);
    if (expected.Fit != Fit::Image) {
        EXPECT_EQ(got.right, want.right) << "width";
    }
    if (expected.Fit == Fit::Exact) {
        EXPECT_EQ(got.bottom, want.bottom) << "height";
    }
}

void ExpectControl(HWND dialog, HWND control, const ExpectedControl& expected) {
    EXPECT_EQ(static_cast<WORD>(GetDlgCtrlID(control)), expected.Id);
    EXPECT_EQ(ClassName(control), expected.ClassName);
    if (expected.Text) {
        EXPECT_EQ(WindowText(control), expected.Text);
    }
    ExpectStyle(control, expected.Style);
    ExpectPlacement(dialog, control, expected);
}

void ExpectDialog(const ExpectedDialog& expected) {
    const DLGTEMPLATE* resource = TemplateResource(expected.Id);
    ASSERT_NE(resource, nullptr);
    EXPECT_EQ(resource->style, expected.Style)
        << std::hex << "template style 0x" << resource->style;
    EXPECT_EQ(resource->x, expected.Units.left);
    EXPECT_EQ(resource->y, expected.Units.top);
    EXPECT_EQ(resource->cx, expected.Units.right);
    EXPECT_EQ(resource->cy, expected.Units.bottom);
    EXPECT_EQ(resource->cdit, expected.Controls.size());

    LiveDialog dialog(expected.Id);
    ASSERT_NE(dialog.Handle, nullptr);
    EXPECT_EQ(WindowText(dialog.Handle), expected.Caption);
    HWND control = GetWindow(dialog.Handle, GW_CHILD);
    for (size_t i = 0; i < expected.Controls.size(); ++i) {
        SCOPED_TRACE("control " + std::to_string(i + 1) + ", id " +
                     std::to_string(expected.Controls[i].Id));
        ASSERT_NE(control, nullptr);
        ExpectControl(dialog.Handle, control, expected.Controls[i]);
        control = GetWindow(control, GW_HWNDNEXT);
    }
    EXPECT_EQ(control, nullptr) << "more controls than expected";
}

TEST(DialogTemplates, DetectorMatchesItsLayout) {
    ExpectDialog(kDetector);
}

TEST(DialogTemplates, ColorBrowserMatchesItsLayout) {
    ExpectDialog(kColorBrowser);
}

TEST(DialogTemplates, OptionsMatchesItsLayout) {
    ExpectDialog(kOptions);
}

TEST(DialogTemplates, AboutMatchesItsLayout) {
    ExpectDialog(kAbout);
}

TEST(DialogTemplates, DialogsUseMsSansSerifEightPoint) {
    for (int id : {IDD_DETECTOR, IDD_COLOR_BROWSER, IDD_OPTIONS, IDD_ABOUT}) {
        SCOPED_TRACE(id);
        LiveDialog dialog(id);
        ASSERT_NE(dialog.Handle, nullptr);
        LOGFONTA font = {};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog.Handle, WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        HDC screen = GetDC(nullptr);
        int height = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
        ReleaseDC(nullptr, screen);
        EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
        EXPECT_EQ(font.lfHeight, height);
    }
}

TEST(DialogTemplates, AboutPicturesComeFromTheProgramsResources) {
    LiveDialog dialog(IDD_ABOUT);
    ASSERT_NE(dialog.Handle, nullptr);
    for (int id : {IDC_ABOUT_LEFT_ICON, IDC_ABOUT_RIGHT_ICON})
        EXPECT_NE(SendDlgItemMessageA(dialog.Handle, id, STM_GETICON, 0, 0), 0) << id;
    HWND banner = GetWindow(GetDlgItem(dialog.Handle, IDC_ABOUT_RIGHT_ICON), GW_HWNDNEXT);
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(SendMessageA(banner, STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP info = {};
    ASSERT_NE(GetObjectA(bitmap, sizeof info, &info), 0);
    EXPECT_EQ(info.bmWidth, 27);
    EXPECT_EQ(info.bmHeight, 180);
}

// The title string replaces the template's placeholder at set-up; it must fit the centred static.
TEST(DialogTemplates, AboutTitleStringFitsItsStatic) {
    LiveDialog dialog(IDD_ABOUT);
    ASSERT_NE(dialog.Handle, nullptr);
    HWND title = GetDlgItem(dialog.Handle, IDC_ABOUT_TITLE);
    char text[256] = {};
    ASSERT_GT(LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUT_TITLE, text, sizeof text), 0);

    RECT area;
    GetClientRect(title, &area);
    RECT needed = area;
    HDC dc = GetDC(title);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(title, WM_GETFONT, 0, 0)));
    DrawTextA(dc, text, -1, &needed, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
    SelectObject(dc, previous);
    ReleaseDC(title, dc);
    EXPECT_LE(needed.right - needed.left, area.right - area.left);
    EXPECT_LE(needed.bottom - needed.top, area.bottom - area.top);
}

} // namespace
