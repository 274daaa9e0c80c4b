// Faults from outside the program, met as a user would meet them: the user's guide missing
// beside the program, no mail program for the About box's mail link, and a program whose colour
// table is missing from its resources. (Another program holding the clipboard during F6 is in
// freeze_copy_e2e_test.)
#include "tests/e2e/e2e_paths.h"
#include "tests/e2e/quorvel_driver.h"

#include "res/resource_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// Points the shell's "mailto:" command at a program that does not exist, for as long as it lives,
// then puts back what was there. Wine looks the command up under HKEY_CLASSES_ROOT only.
class MissingMailProgram {
public:
    MissingMailProgram() {
        Opened = ::RegCreateKeyExA(HKEY_CLASSES_ROOT, "mailto\\shell\\open\\command", 0, nullptr, 0,
                                   KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &Key,
                                   nullptr) == ERROR_SUCCESS;
        if (!Opened)
            return;
        char old[1024] = {};
        DWORD size = sizeof old - 1;
        Saved = ::RegQueryValueExA(Key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(old),
                                   &size) == ERROR_SUCCESS;
        Previous = old;
        Opened = Set("\"Z:\\quorvel-test\\no mail program.exe\" \"%1\"");
    }
    ~MissingMailProgram() {
        if (Key && Saved)
            Set(Previous);
        else if (Key)
            ::RegDeleteValueA(Key, nullptr);
        if (Key)
            ::RegCloseKey(Key);
    }
    MissingMailProgram(const MissingMailProgram&) = delete;
    MissingMailProgram& operator=(const MissingMailProgram&) = delete;

    bool Ready() const { return Opened; }

private:
    bool Set(const std::string& command) {
        return ::RegSetValueExA(Key, nullptr, 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(command.c_str()),
                                static_cast<DWORD>(command.size() + 1)) == ERROR_SUCCESS;
    }

    HKEY Key = nullptr;
    bool Opened = false;
    bool Saved = false;
    std::string Previous;
};

std::string TextOf(HWND window) {
    char text[256] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

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

TEST(FaultsTest, MailLinkWithoutAMailProgramSaysSoAndTheProgramGoesOn) {
    MissingMailProgram noMailer;
    ASSERT_TRUE(noMailer.Ready());
    PatchWindow patches(900, 850, 60, {Teal, Gold});
    QuorvelProcess program(QuorvelExe());
    ASSERT_TRUE(program.Started());
    ASSERT_TRUE(ParkPointer(program));

    HWND about = OpenAbout(program);
    ASSERT_TRUE(about);
    const std::vector<POINT> links = FindLinkPoints(about);
    ASSERT_FALSE(links.empty());
    ClickAt(links.back()); // the mail link is the lower of the two

    HWND box = WaitForMessageBox(program.GetProcessId());
    ASSERT_TRUE(box);
    EXPECT_EQ("Could not get on to the internet.", TextOf(::GetDlgItem(box, 0xFFFF)));
    EXPECT_EQ(about, ::GetWindow(box, GW_OWNER));
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntilGone(box));

    EXPECT_TRUE(WaitUntil([about] { return ::IsWindowEnabled(about) != FALSE; }));
    EXPECT_TRUE(CloseWithOk(about));
    EXPECT_TRUE(ReadsOut(program, patches, 1, Gold));
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

    HWND about = OpenAbout(program);
    ASSERT_TRUE(about);
    EXPECT_TRUE(CloseWithOk(about));
    EXPECT_TRUE(ReadsOut(program, patches, 0, Teal));
}

} // namespace
