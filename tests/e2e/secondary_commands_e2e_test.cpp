// The detector's secondary commands as a user meets them: About from its button, Help through
// the shell, and the Options and Colour Browser dialogs that only a posted command opens.
#include "tests/e2e/quorvel_fixture.h"

#include <string>

namespace {

constexpr COLORREF Teal = RGB(0x00, 0x80, 0x80);
constexpr COLORREF Odd = RGB(0x12, 0x34, 0x56);

class SecondaryCommandsTest : public QuorvelFixture {
protected:
    // Patches clear of the About box, which opens in the middle of the screen.
    SecondaryCommandsTest() : QuorvelFixture(900, 850, 60, {Teal, Odd}) {}

    // Waits for the program's window with `caption` and returns it.
    HWND WaitForWindow(const std::string& caption) {
        return ::WaitForWindow(Program.GetProcessId(), caption);
    }

    // The readout follows the pointer again: the program's loop is back.
    void ExpectReadoutFollows() {
        const COLORREF colors[] = {Teal, Odd};
        for (size_t i : {0, 1}) {
            POINT at = Patches.Centre(i);
            ::SetCursorPos(at.x, at.y);
            EXPECT_TRUE(WaitUntil([&] { return Program.Field(IDC_HEX) == HexOf(colors[i]); }))
                << "patch " << i << " shows " << Program.Field(IDC_HEX);
        }
    }
};

TEST_F(SecondaryCommandsTest, AboutOpensCentredFromItsButtonAndOkClosesIt) {
    HWND about = OpenAbout(Program);
    ASSERT_TRUE(about);
    RECT r;
    ::GetWindowRect(about, &r);
    EXPECT_EQ((::GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2, r.left);
    EXPECT_EQ((::GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2, r.top);
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(about, IDHELP)));
    EXPECT_FALSE(::IsWindowEnabled(Program.GetFrame())) << "About is modal";

    char title[256] = {};
    ::GetDlgItemTextA(about, IDC_ABOUT_TITLE, title, sizeof title);
    HMODULE program = ::LoadLibraryExA(QuorvelExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    char expected[256] = {};
    ::LoadStringA(program, IDS_ABOUT_TITLE, expected, sizeof expected);
    ::FreeLibrary(program);
    EXPECT_STRNE("", expected);
    EXPECT_STREQ(expected, title);

    ClickAt(CentreOf(::GetDlgItem(about, IDOK)));
    ASSERT_TRUE(WaitUntilGone(about));
    ExpectReadoutFollows();
}

TEST_F(SecondaryCommandsTest, EscapeClosesAbout) {
    HWND about = OpenAbout(Program);
    ASSERT_TRUE(about);
    PressKeyIn(about, VK_ESCAPE);
    ASSERT_TRUE(WaitUntilGone(about));
    EXPECT_TRUE(::IsWindowEnabled(Program.GetFrame()));
    ExpectReadoutFollows();
}

TEST_F(SecondaryCommandsTest, WhileAboutIsOpenTheReadoutStandsStillAndF6CopiesIt) {
    MoveOnto(0);
    HWND about = OpenAbout(Program);
    ASSERT_TRUE(about);
    EXPECT_FALSE(MovePointerAndWait(Program, Patches.Centre(1), HexOf(Teal), 800));
    EXPECT_EQ(HexOf(Teal), Program.Field(IDC_HEX));

    SetClipboardText("before");
    PressKeyIn(about, VK_F6);
    EXPECT_TRUE(WaitUntil([] { return ClipboardText() == HexOf(Teal); }))
        << "clipboard: " << ClipboardText();
    EXPECT_TRUE(::IsWindow(about)) << "F6 is the hook's, not the About box's";

    ASSERT_TRUE(CloseWithOk(about));
    EXPECT_TRUE(WaitUntil([&] { return Program.Field(IDC_HEX) == HexOf(Odd); }))
        << "the readout resumes where the pointer is now";
}

// Neither command has a visible control; another program can still post them.
TEST_F(SecondaryCommandsTest, PostedCommandsOpenColourBrowserAndOptionsThatChangeNothing) {
    struct {
        UINT Command;
        const char* Caption;
        int CloseButton;
    } cases[] = {
        {CM_COLOR_BROWSER, "Color Browser", IDOK}, // its Close button
        {CM_OPTIONS, "Options", IDOK},
        {CM_OPTIONS, "Options", IDCANCEL},
    };
    for (const auto& c : cases) {
        MoveOnto(0);
        ::PostMessageA(Program.GetDetector(), WM_COMMAND, c.Command, 0);
        HWND dialog = WaitForWindow(c.Caption);
        ASSERT_TRUE(dialog) << c.Caption;
        EXPECT_FALSE(::IsWindowEnabled(Program.GetFrame())) << c.Caption << " is modal";
        // Help has no handler: the dialog stays.
        ::PostMessageA(::GetDlgItem(dialog, IDHELP), BM_CLICK, 0, 0);
        PumpFor(200);
        EXPECT_TRUE(::IsWindow(dialog)) << c.Caption;

        ::PostMessageA(::GetDlgItem(dialog, c.CloseButton), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitUntilGone(dialog)) << c.Caption;
        EXPECT_EQ(HexOf(Teal), Program.Field(IDC_HEX));
        EXPECT_TRUE(::IsWindowEnabled(Program.GetFrame()));
        ExpectReadoutFollows();
    }
}

TEST_F(SecondaryCommandsTest, HelpOpensTheGuideAndTheReadoutGoesOn) {
    ClickAt(CentreOf(Program.Control(IDHELP)));
    HWND viewer = nullptr;
    auto showsGuide = [](HWND, DWORD, const std::string& caption) {
        return caption.find("Quorvel.txt") != std::string::npos;
    };
    EXPECT_TRUE(
        WaitUntil([&] { return (viewer = FindVisibleWindow(showsGuide)) != nullptr; }, 15000))
        << "no window shows Quorvel.txt";
    EXPECT_TRUE(::IsWindowEnabled(Program.GetFrame()));
    ExpectReadoutFollows();
    if (viewer) {
        DWORD viewerPid = 0;
        ::GetWindowThreadProcessId(viewer, &viewerPid);
        EXPECT_NE(Program.GetProcessId(), viewerPid);
        ::PostMessageA(viewer, WM_CLOSE, 0, 0);
        EXPECT_TRUE(WaitUntilGone(viewer));
    }
}

} // namespace
