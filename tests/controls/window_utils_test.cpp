// The window utilities' arithmetic on windows of exact pixel sizes: borderless popups, whose
// window and client rectangles coincide, so every expected position is plain arithmetic.
#include "controls/window_utils.h"
#include "tests/controls/controls_test_ids.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int ItemId = 42;

HWND MakePopup(int w, int h) {
    return ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, w, h, nullptr, nullptr,
                             ::GetModuleHandleA(nullptr), nullptr);
}

HWND MakeChild(HWND parent, int x, int y, int w, int h, const char* text = "") {
    return ::CreateWindowExA(0, "STATIC", text, WS_CHILD, x, y, w, h, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(ItemId)),
                             ::GetModuleHandleA(nullptr), nullptr);
}

RECT PlaceInParent(HWND child) {
    RECT r;
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

struct CenterItemCase {
    int DialogWidth, ItemWidth, ItemTop, ItemHeight;
    int X, Y;
};

TEST(CenterDialogItem, HalvesTheWidthDifferenceTowardZeroAndLiftsByTheItemsHeight) {
    const CenterItemCase cases[] = {
        {100, 103, 20, 10, -1, 10}, // -3 / 2 rounds toward zero, not down to -2
        {100, 95, 20, 10, 2, 10},   // 5 / 2
        {100, 100, 30, 12, 0, 18},
        {200, 50, 5, 20, 75, -15}, // an item higher than its distance from the top goes above it
    };
    for (const CenterItemCase& c : cases) {
        HWND dialog = MakePopup(c.DialogWidth, 80);
        HWND item = MakeChild(dialog, 7, c.ItemTop, c.ItemWidth, c.ItemHeight);
        CenterDialogItem(dialog, ItemId);
        RECT r = PlaceInParent(item);
        EXPECT_EQ(c.X, r.left) << c.DialogWidth << " - " << c.ItemWidth;
        EXPECT_EQ(c.Y, r.top) << c.DialogWidth << " - " << c.ItemWidth;
        EXPECT_EQ(c.ItemWidth, r.right - r.left);
        EXPECT_EQ(c.ItemHeight, r.bottom - r.top);
        ::DestroyWindow(dialog);
    }
}

TEST(CenterWindowOnScreen, CentresAndGoesNegativeForWindowsLargerThanTheScreen) {
    const int screenW = ::GetSystemMetrics(SM_CXSCREEN);
    const int screenH = ::GetSystemMetrics(SM_CYSCREEN);
    struct {
        int W, H, X, Y;
    } cases[] = {
        {200, 100, (screenW - 200) / 2, (screenH - 100) / 2},
        {screenW + 320, screenH + 176, -160, -88},
        {screenW + 1, screenH + 3, 0, -1}, // -1 / 2 is 0 and -3 / 2 is -1: toward zero
    };
    for (const auto& c : cases) {
        HWND window = MakePopup(c.W, c.H);
        CenterWindowOnScreen(window);
        RECT r;
        ::GetWindowRect(window, &r);
        EXPECT_EQ(c.X, r.left) << c.W << " x " << c.H;
        EXPECT_EQ(c.Y, r.top) << c.W << " x " << c.H;
        EXPECT_EQ(c.W, r.right - r.left);
        EXPECT_EQ(c.H, r.bottom - r.top);
        ::DestroyWindow(window);
    }
}

class SetDlgItemTextFromResourceTest : public ::testing::Test {
protected:
    void SetUp() override { Item = MakeChild(Dialog, 0, 0, 50, 20, "template text"); }
    void TearDown() override { ::DestroyWindow(Dialog); }

    std::string ItemText() const {
        char text[1024] = {};
        ::GetWindowTextA(Item, text, sizeof text);
        return text;
    }

    HWND Dialog = MakePopup(100, 100);
    HWND Item = nullptr;
};

TEST_F(SetDlgItemTextFromResourceTest, LongStringArrivesCutTo255Characters) {
    EXPECT_NE(0, SetDlgItemTextFromResource(Dialog, ::GetModuleHandleA(nullptr), IDS_LONG, ItemId));
    std::string text = ItemText();
    ASSERT_EQ(255u, text.size());
    EXPECT_EQ("ABCDEFGHIJ", text.substr(0, 10));
    EXPECT_EQ('A' + 254 % 26, text.back());
}

TEST_F(SetDlgItemTextFromResourceTest, MissingStringLeavesTheTemplateText) {
    EXPECT_EQ(0,
              SetDlgItemTextFromResource(Dialog, ::GetModuleHandleA(nullptr), IDS_MISSING, ItemId));
    EXPECT_EQ("template text", ItemText());
}

} // namespace
