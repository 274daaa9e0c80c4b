// A long session squeezed into a few minutes, driven as a user would: pointer sweeps across
// patches, F5 and F6 a thousand times each, the About box opened and closed a hundred times with
// its links hovered and clicked. Afterwards the program must still answer, read out right, and
// hold no more handles, window-manager and GDI objects or private memory than after its first
// round of the same (which loads what is loaded once: fonts, the About box's pictures, the shell).
//
// Wine 8 reports 0 for another process's handle count, GDI and USER objects and PrivateUsage; it
// does report the commit charge (PagefileUsage, the process's private bytes), which is what is
// compared there. The object counts are compared where the platform reports them (Windows).
#include "tests/e2e/quorvel_fixture.h"

#include <psapi.h>

#include <cstdio>
#include <vector>

namespace {

constexpr COLORREF Colors[] = {RGB(0xDC, 0x14, 0x3C), RGB(0x41, 0x69, 0xE1), RGB(0xFF, 0xD7, 0x00),
                               RGB(0x2E, 0x8B, 0x57)};
// As the colour table names them.
constexpr const char* Names[] = {"Brimson", "Royal Blue", "Gold", "Sea Green"};

// What may stay behind after the session: a few handles and objects that Wine or the shell keep
// for their own reasons, and some heap that the allocator keeps for reuse.
constexpr DWORD HandleTolerance = 10;
constexpr DWORD ObjectTolerance = 4;
constexpr SIZE_T PrivateBytesTolerance = 2 << 20;

struct Resources {
    DWORD Handles = 0;
    DWORD GdiObjects = 0;
    DWORD UserObjects = 0;
    SIZE_T PrivateBytes = 0;
};

Resources CountResources(HANDLE process) {
    Resources r;
    ::GetProcessHandleCount(process, &r.Handles);
    r.GdiObjects = ::GetGuiResources(process, GR_GDIOBJECTS);
    r.UserObjects = ::GetGuiResources(process, GR_USEROBJECTS);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    ::GetProcessMemoryInfo(process, &memory, sizeof memory);
    r.PrivateBytes = memory.PagefileUsage;
    return r;
}

class SoakTest : public QuorvelFixture {
protected:
    // Patches clear of the About box, which opens in the middle of the screen.
    SoakTest() : QuorvelFixture(900, 850, 60, {Colors[0], Colors[1], Colors[2], Colors[3]}) {}

    void SweepPatches(int moves) {
        for (int i = 0; i < moves; ++i)
            MoveOnto(i % 4);
    }

    void TypeF5AndF6(int times) {
        PressKeyIn(Program.GetFrame(), VK_F6);
        for (int i = 0; i < times; ++i) {
            TypeKey(VK_F5);
            TypeKey(VK_F6);
            PumpFor(1);
        }
        PumpFor(500);
    }

    // A link's shell request may fail under Wine; the program then says so, and is answered.
    void ClickLinkAndDismissFailure(POINT link) {
        ClickAt(link);
        if (HWND box = WaitForMessageBox(Program.GetProcessId(), 2000)) {
            ::PostMessageA(box, WM_COMMAND, IDOK, 0);
            EXPECT_TRUE(WaitUntilGone(box));
        }
    }

    // One About box: opened from its button, every link hovered, one clicked if `click`.
    void AboutRound(const std::vector<POINT>& links, size_t click, bool clickIt) {
        HWND about = OpenAbout(Program);
        ASSERT_TRUE(about);
        for (POINT link : links) {
            ::SetCursorPos(link.x, link.y);
            PumpFor(2);
        }
        if (clickIt)
            ClickLinkAndDismissFailure(links[click % links.size()]);
        ASSERT_TRUE(CloseWithOk(about));
    }

    void ExpectReadoutRight() {
        for (size_t i = 0; i < 4; ++i) {
            MoveOnto(i);
            EXPECT_EQ(HexOf(Colors[i]), Program.Field(IDC_HEX));
            EXPECT_EQ(Names[i], Program.Field(IDC_NAME));
        }
    }
};

TEST_F(SoakTest, ALongSessionLeavesTheProgramAnsweringRightAndHoldingNoMore) {
    // The first round of everything, before the count is taken.
    HWND about = OpenAbout(Program);
    ASSERT_TRUE(about);
    const std::vector<POINT> links = FindLinkPoints(about);
    ASSERT_TRUE(CloseWithOk(about));
    ASSERT_FALSE(links.empty()) << "no point of the About body shows the link hand";
    AboutRound(links, 0, true);
    AboutRound(links, 1, true);
    SweepPatches(8);
    TypeF5AndF6(2);
    ExpectReadoutRight();
    const Resources before = CountResources(Program.GetProcess());

    SweepPatches(200);
    TypeF5AndF6(1000);
    MoveOnto(2);
    EXPECT_EQ(HexOf(Colors[2]), Program.Field(IDC_HEX)) << "F5 pressed an even number of times";
    for (int round = 0; round < 100; ++round)
        AboutRound(links, round / 10, round % 10 == 0);

    DWORD_PTR answer = 0;
    EXPECT_TRUE(
        ::SendMessageTimeoutA(Program.GetFrame(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer))
        << "the program does not answer";
    ExpectReadoutRight();
    PressKeyIn(Program.GetFrame(), VK_F6);
    EXPECT_TRUE(WaitUntil([] { return ClipboardText() == HexOf(Colors[3]); }));

    const Resources after = CountResources(Program.GetProcess());
    std::printf("handles %lu -> %lu, GDI objects %lu -> %lu, USER objects %lu -> %lu, private "
                "bytes %llu -> %llu\n",
                before.Handles, after.Handles, before.GdiObjects, after.GdiObjects,
                before.UserObjects, after.UserObjects,
                static_cast<unsigned long long>(before.PrivateBytes),
                static_cast<unsigned long long>(after.PrivateBytes));
    EXPECT_LE(after.Handles, before.Handles + HandleTolerance);
    EXPECT_LE(after.GdiObjects, before.GdiObjects + ObjectTolerance);
    EXPECT_LE(after.UserObjects, before.UserObjects + ObjectTolerance);
    EXPECT_GT(before.PrivateBytes, 0u);
    EXPECT_LE(after.PrivateBytes, before.PrivateBytes + PrivateBytesTolerance);
}

} // namespace
