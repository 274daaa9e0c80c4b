#include "app/clipboard.h"

#include <gtest/gtest.h>

#include <cstring>
#include <future>
#include <string>
#include <thread>

namespace {

// The bytes of the clipboard's CF_TEXT block, all GlobalSize of them (which may round up).
std::string ClipboardTextBlock() {
    std::string bytes;
    if (!OpenClipboard(nullptr)) {
        return "clipboard not opened";
    }
    HANDLE block = GetClipboardData(CF_TEXT);
    const char* text = block ? static_cast<const char*>(GlobalLock(block)) : nullptr;
    if (text) {
        bytes.assign(text, GlobalSize(block));
        GlobalUnlock(block);
    }
    CloseClipboard();
    return bytes;
}

// Keeps the clipboard open from another thread while it lives, as another program would.
class ClipboardHolder {
public:
    ClipboardHolder() {
        std::promise<bool> opened;
        std::future<bool> isOpen = opened.get_future();
        std::future<void> released = Release.get_future();
        Holder = std::thread([&opened, released = std::move(released)]() mutable {
            bool open = OpenClipboard(nullptr);
            opened.set_value(open);
            released.wait();
            if (open) {
                CloseClipboard();
            }
        });
        Held = isOpen.get();
    }
    ~ClipboardHolder() {
        Release.set_value();
        Holder.join();
    }

    bool Held = false;

private:
    std::promise<void> Release;
    std::thread Holder;
};

class Clipboard : public testing::Test {
protected:
    void SetUp() override {
        Window = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(Window, nullptr);
    }
    void TearDown() override { DestroyWindow(Window); }

    HWND Window = nullptr;
};

struct CopyCase {
    const char* Text;
    std::string Expected; // the first 7 bytes of the clipboard block
};

TEST_F(Clipboard, HoldsSixCharactersPaddedWithNulsAndANul) {
    const CopyCase cases[] = {
        {"00FFFF", std::string("00FFFF\0", 7)},
        {"00FFFF+more", std::string("00FFFF\0", 7)},
        {"AB", std::string("AB\0\0\0\0\0", 7)},
        {"", std::string(7, '\0')}, // F6 before the first readout
    };
    for (const CopyCase& copy : cases) {
        CopyToClipboard(Window, copy.Text, 6);
        std::string block = ClipboardTextBlock();
        ASSERT_GE(block.size(), 7u) << copy.Text;
        EXPECT_EQ(block.substr(0, 7), copy.Expected) << copy.Text;
        EXPECT_EQ(std::strlen(block.c_str()), std::strlen(copy.Expected.c_str())) << copy.Text;
    }
}

TEST_F(Clipboard, CopiesNothingWhileAnotherWindowHoldsIt) {
    CopyToClipboard(Window, "123456", 6);
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.Held);
        CopyToClipboard(Window, "ABCDEF", 6);
    }
    EXPECT_EQ(ClipboardTextBlock().substr(0, 7), std::string("123456\0", 7));
}

TEST_F(Clipboard, FreesTheBlockItCannotHandOver) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, 7);
    ASSERT_NE(block, nullptr);
    ASSERT_NE(GlobalFlags(block), static_cast<UINT>(GMEM_INVALID_HANDLE));
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.Held);
        HandTextToClipboard(Window, block);
    }
    EXPECT_EQ(GlobalFlags(block), static_cast<UINT>(GMEM_INVALID_HANDLE));
}

} // namespace
