// The detector as a user meets it: started as a program of its own, watched from this process.
#include "tests/e2e/quorvel_fixture.h"

namespace {

constexpr COLORREF Teal = RGB(0x00, 0x80, 0x80);
constexpr COLORREF Odd = RGB(0x12, 0x34, 0x56);
constexpr COLORREF Orange = RGB(0xFF, 0xA5, 0x00);

class DetectorTest : public QuorvelFixture {
protected:
    DetectorTest() : QuorvelFixture(700, 600, 60, {Teal, Odd, Orange}) {}
};

TEST_F(DetectorTest, FrameIsFixedSizeTopmostAndFitsTheDetector) {
    char caption[64] = {};
    ::GetWindowTextA(Program.GetFrame(), caption, sizeof caption);
    EXPECT_STREQ("Quorvel", caption);
    LONG_PTR style = ::GetWindowLongPtrA(Program.GetFrame(), GWL_STYLE);
    LONG_PTR exStyle = ::GetWindowLongPtrA(Program.GetFrame(), GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);

    RECT client, detector;
    ::GetClientRect(Program.GetFrame(), &client);
    ::GetWindowRect(Program.GetDetector(), &detector);
    EXPECT_EQ(client.right, detector.right - detector.left);
    EXPECT_EQ(client.bottom, detector.bottom - detector.top);
    EXPECT_FALSE(::GetWindowLongPtrA(Program.GetDetector(), GWL_STYLE) & WS_CAPTION);
}

TEST_F(DetectorTest, ReadoutShowsPositionComponentsHexAndSwatch) {
    const COLORREF colors[] = {Teal, Odd, Orange};
    for (size_t i = 0; i < 3; ++i) {
        MoveOnto(i);
        POINT at = Patches.Centre(i);
        EXPECT_EQ(std::to_string(at.x), Program.Field(IDC_X));
        EXPECT_EQ(std::to_string(at.y), Program.Field(IDC_Y));
        EXPECT_EQ(std::to_string(GetRValue(colors[i])), Program.Field(IDC_RED));
        EXPECT_EQ(std::to_string(GetGValue(colors[i])), Program.Field(IDC_GREEN));
        EXPECT_EQ(std::to_string(GetBValue(colors[i])), Program.Field(IDC_BLUE));
        EXPECT_EQ(HexOf(colors[i]), Program.Field(IDC_HEX));

        RECT swatch;
        ::GetWindowRect(Program.Control(IDC_SAMPLE), &swatch);
        HDC screen = ::GetDC(nullptr);
        COLORREF shown =
            ::GetPixel(screen, (swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2);
        ::ReleaseDC(nullptr, screen);
        EXPECT_EQ(HexOf(colors[i]), HexOf(shown)) << "swatch of patch " << i;
    }
}

TEST_F(DetectorTest, StillPointerKeepsTheReadoutUntilItMoves) {
    MoveOnto(0);
    Patches.SetColor(0, Orange);
    PumpFor(300);
    EXPECT_EQ(HexOf(Teal), Program.Field(IDC_HEX));

    POINT at = Patches.Centre(0);
    ASSERT_TRUE(MovePointerAndWait(Program, {at.x + 1, at.y}, HexOf(Teal)));
    EXPECT_EQ(HexOf(Orange), Program.Field(IDC_HEX));
}

TEST_F(DetectorTest, MinimisedNothingUpdatesRestoredItResumes) {
    MoveOnto(0);
    ::ShowWindow(Program.GetFrame(), SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return ::IsIconic(Program.GetFrame()) != FALSE; }));
    EXPECT_FALSE(MovePointerAndWait(Program, Patches.Centre(1), HexOf(Teal), 500));

    ::ShowWindow(Program.GetFrame(), SW_RESTORE);
    EXPECT_TRUE(WaitUntil([&] { return Program.Field(IDC_HEX) == HexOf(Odd); }));
}

TEST_F(DetectorTest, EnterEndsTheProgram) {
    Program.PressKey(VK_RETURN);
    DWORD status = 1;
    ASSERT_TRUE(Program.WaitForExit(5000, &status));
    EXPECT_EQ(0u, status);
}

TEST_F(DetectorTest, EscapeEndsTheProgram) {
    Program.PressKey(VK_ESCAPE);
    DWORD status = 1;
    ASSERT_TRUE(Program.WaitForExit(5000, &status));
    EXPECT_EQ(0u, status);
}

} // namespace
