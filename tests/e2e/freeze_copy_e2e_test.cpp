// Colour names, F5 and F6 as a user meets them, with Quorvel running as its own program.
#include "tests/e2e/quorvel_fixture.h"

namespace {

constexpr COLORREF Cyan = RGB(0x00, 0xFF, 0xFF);
constexpr COLORREF Magenta = RGB(0xFF, 0x00, 0xFF);
constexpr COLORREF Crimson = RGB(0xDC, 0x14, 0x3C);
constexpr COLORREF Cornsilk = RGB(0xFF, 0xF8, 0xDC);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF White = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF NearlyBlack = RGB(0x01, 0x00, 0x00);

class FreezeCopyTest : public QuorvelFixture {
protected:
    FreezeCopyTest()
        : QuorvelFixture(600, 600, 50,
                         {Cyan, Magenta, Crimson, Cornsilk, Black, White, NearlyBlack}) {}

    // Moves and gives a live readout ample time to follow, for checks that it did not.
    void MoveAndSettle(POINT to) {
        ::SetCursorPos(to.x, to.y);
        PumpFor(400);
    }
};

TEST_F(FreezeCopyTest, NamesComeFromTheTableFirstMatchWinning) {
    const char* names[] = {"Cyan", "Magenta", "Brimson", "Bornsilk", "Black", "White", "not found"};
    for (size_t i = 0; i < 7; ++i) {
        // Black follows Cornsilk, but an unchanged hex field would still pass; go via White.
        if (i == 4)
            MoveOnto(5);
        MoveOnto(i);
        EXPECT_EQ(names[i], Program.Field(IDC_NAME)) << "patch " << i;
    }
}

TEST_F(FreezeCopyTest, F5FreezesAndUnfreezesWithoutAJumpUntilThePointerMoves) {
    MoveOnto(0);
    Program.PressKey(VK_F5);
    MoveAndSettle(Patches.Centre(1));
    EXPECT_EQ(HexOf(Cyan), Program.Field(IDC_HEX));

    // Back where the last live update was, the patch changed meanwhile: unfreezing shows
    // nothing new until the pointer moves.
    Patches.SetColor(0, White);
    MoveAndSettle(Patches.Centre(0));
    Program.PressKey(VK_F5);
    PumpFor(400);
    EXPECT_EQ(HexOf(Cyan), Program.Field(IDC_HEX));

    POINT at = Patches.Centre(0);
    EXPECT_TRUE(MovePointerAndWait(Program, {at.x + 1, at.y}, HexOf(Cyan)));
    EXPECT_EQ(HexOf(White), Program.Field(IDC_HEX));
}

TEST_F(FreezeCopyTest, ShiftF5TogglesLikeF5) {
    MoveOnto(0);
    Program.PressKey(VK_F5, true);
    MoveAndSettle(Patches.Centre(1));
    EXPECT_EQ(HexOf(Cyan), Program.Field(IDC_HEX));
    Program.PressKey(VK_F5, true);
    EXPECT_TRUE(MovePointerAndWait(Program, Patches.Centre(2), HexOf(Cyan)));
}

TEST_F(FreezeCopyTest, F6CopiesTheSixCharactersShownAlsoWhileFrozen) {
    MoveOnto(2);
    Program.PressKey(VK_F6);
    EXPECT_EQ("DC143C", ClipboardText());

    Program.PressKey(VK_F5);
    MoveAndSettle(Patches.Centre(3));
    Program.PressKey(VK_F6);
    EXPECT_EQ("DC143C", ClipboardText());
}

TEST_F(FreezeCopyTest, F6WhileTheClipboardIsHeldCopiesNothingAndTheProgramGoesOn) {
    MoveOnto(2);
    SetClipboardText("before");
    ASSERT_TRUE(::OpenClipboard(nullptr));
    Program.PressKey(VK_F6);
    ::CloseClipboard();
    EXPECT_EQ("before", ClipboardText());
    EXPECT_EQ(nullptr, ::FindWindowA("#32770", nullptr)) << "a message box appeared";
    MoveOnto(3);
}

TEST_F(FreezeCopyTest, KeyReleasesNeverReachTheWindowsButPressesDo) {
    HWND exitButton = Program.Control(IDOK);
    ::PostMessageA(Program.GetDetector(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(exitButton),
                   TRUE);
    Program.PressKey(VK_SPACE); // a button acts on the release of Space: it must not exit
    EXPECT_FALSE(Program.WaitForExit(500));

    Program.PressKey(VK_ESCAPE);
    EXPECT_TRUE(Program.WaitForExit(5000));
}

TEST_F(FreezeCopyTest, KeysPressedInAnotherProgramChangeNothingHere) {
    MoveOnto(0);
    SetClipboardText("mine");
    HWND other = ::CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 700, 200,
                                   80, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ::SetForegroundWindow(other);
    ASSERT_TRUE(WaitUntil([other] { return ::GetForegroundWindow() == other; }));
    for (WORD key : {VK_F5, VK_F6}) {
        TypeKey(key);
        PumpFor(200);
    }
    EXPECT_EQ("mine", ClipboardText());
    EXPECT_TRUE(MovePointerAndWait(Program, Patches.Centre(1), HexOf(Cyan))) << "froze";
    ::DestroyWindow(other);
}

} // namespace
