// Faults from outside the program, met as a user would meet them: the user's guide missing
// beside the program, and a program whose colour table is missing from its resources. (Another
// program holding the clipboard during F6 is in freeze_copy_e2e_test.)
#include "tests/e2e/e2e_paths.h"
#include "tests/e2e/quorvel_driver.h"

#include "res/resource_ids.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr COLORREF Teal = RGB(0x00, 0x80, 0x80);
constexpr COLORREF Gold = RGB(0xFF, 0xD7, 0x00);

// A copy of Quorvel.exe alone in a fresh temporary folder, with no Quorvel.txt beside it.
class LoneCopy {
public:
    LoneCopy() {
        char temp[MAX_PATH] = {};
        ::GetTempPathA(sizeof temp, temp);
        Folder = std::string(temp) + "quorvel-lone-" + std::to_string(::GetCurrentProcessId());
        ::CreateDirectoryA(Folder.c_str(), nullptr);
        Copied = ::CopyFileA(QuorvelExe().c_str(), Path().c_str(), FALSE) != FALSE;
    }
    ~LoneCopy() {
        ::DeleteFileA(Path().c_str());
        ::RemoveDirectoryA(Folder.c_str());
    }
    LoneCopy(const LoneCopy&) = delete;
    LoneCopy& operator=(const LoneCopy&) = delete;

    bool Ready() const { return Copied; }
    std::string Path() const { return Folder + "\\Quorvel.exe"; }

private:
    std::string Folder;
    bool Copied = false;
};

BOOL CALLBACK CountVisible(HWND window, LPARAM count) {
    if (::IsWindowVisible(window))
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int VisibleTopLevelWindows() {
    int count = 0;
    ::EnumWindows(CountVisible, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Moves onto patch `index` and waits until the hex field shows `color`.
bool ReadsOut(const QuorvelProcess& program, const PatchWindow& patches, size_t index,
              COLORREF color) {
    POINT at = patches.Centre(index);
    ::SetCursorPos(at.x, at.y);
    return WaitUntil([&] { return program.Field(IDC_HEX) == HexOf(color); });
}

TEST(FaultsTest, HelpWithoutTheGuideShowsNothingAndTheProgramGoesOn) {
    LoneCopy copy; // outlives the program, which holds the file open
    ASSERT_TRUE(copy.Ready());
    PatchWindow patches(900, 850, 60, {Teal, Gold});
    QuorvelProcess program(copy.Path());
    ASSERT_TRUE(program.Started()) << copy.Path();
    ASSERT_TRUE(ParkPointer(program));

    const int windowsBefore = VisibleTopLevelWindows();
    ClickAt(CentreOf(program.Control(IDHELP)));
    PumpFor(2000);
    EXPECT_EQ(windowsBefore, VisibleTopLevelWindows()) << "neither a viewer nor an error box";
    EXPECT_TRUE(::IsWindowEnabled(program.GetFrame()));
    EXPECT_TRUE(ReadsOut(program, patches, 1, Gold));
    EXPECT_TRUE(ReadsOut(program, patches, 0, Teal));
}

TEST(FaultsTest, WithoutTheColourTableEveryColourReadsNotFoundAndAllElseWorks) {
    PatchWindow patches(900, 850, 60, {Teal, Gold});
    QuorvelProcess program(WindowsPath(QUORVEL_WITHOUT_TABLE_EXE));
    ASSERT_TRUE(program.Started()) << QUORVEL_WITHOUT_TABLE_EXE;
    ASSERT_TRUE(ParkPointer(program));

    const COLORREF colors[] = {Teal, Gold};
    for (size_t i : {0, 1}) {
        ASSERT_TRUE(ReadsOut(program, patches, i, colors[i])) << "patch " << i;
        EXPECT_EQ("not found", program.Field(IDC_NAME)) << "patch " << i;
        EXPECT_EQ(std::to_string(GetRValue(colors[i])), program.Field(IDC_RED));
    }

    SetClipboardText("before");
    program.PressKey(VK_F6);
    EXPECT_TRUE(WaitUntil([] { return ClipboardText() == HexOf(Gold); }))
        << "clipboard: " << ClipboardText();

    ClickAt(CentreOf(program.Control(CM_ABOUT)));
    HWND about = WaitForWindow(program.GetProcessId(), "About");
    ASSERT_TRUE(about);
    ::PostMessageA(::GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([about] { return !::IsWindow(about); }));
    EXPECT_TRUE(ReadsOut(program, patches, 0, Teal));
}

} // namespace
