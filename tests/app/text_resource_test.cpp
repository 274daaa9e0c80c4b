#include "app/color_table.h"
#include "app/color_table_loader.h"
#include "app/exception.h"
#include "app/text_resource.h"
#include "res/resource_ids.h"
#include "tests/app/app_test_resources.h"

#include <gtest/gtest.h>

namespace {

// This test program carries the shipped colour table and a few test texts as resources.
HINSTANCE TestModule() {
    return GetModuleHandleA(nullptr);
}

// A module without any colour-table resource.
HINSTANCE ModuleWithoutTable() {
    return GetModuleHandleA("kernel32.dll");
}

std::string ExceptionMessageOfLoading(HINSTANCE module, int id) {
    try {
        LoadTextResource(module, id);
    } catch (const Exception& exception) {
        return exception.Message;
    }
    return "no exception";
}

TEST(LoadTextResource, ReadsTheWholeShippedTable) {
    std::string text = LoadTextResource(TestModule(), IDR_COLOR_TABLE);
    EXPECT_EQ(text.size(), 2734u);
    EXPECT_EQ(text.substr(0, 15), "000000, Black\r\n");
    EXPECT_EQ(text.substr(text.size() - 17), "FFFFFF, White\r\n\r\n");
}

TEST(LoadTextResource, EndsAtTheFirstNul) {
    EXPECT_EQ(LoadTextResource(TestModule(), IDR_TEXT_WITH_NUL), "AB");
}

TEST(LoadTextResource, ThrowsWhenTheResourceIsMissing) {
    EXPECT_EQ(ExceptionMessageOfLoading(TestModule(), IDR_MISSING),
              "The resource could not be found/loaded.");
    EXPECT_EQ(ExceptionMessageOfLoading(ModuleWithoutTable(), IDR_COLOR_TABLE),
              "The resource could not be found/loaded.");
}

TEST(LoadColorTable, GivesThe140NamedColoursOfTheModule) {
    ColorDataTable table;
    LoadColorTable(TestModule(), table);
    ASSERT_EQ(table.size(), 140u);
    EXPECT_STREQ(table.back()->ColorName, "White");
    EXPECT_STREQ(FindColorName(table, RGB(0x00, 0xFF, 0xFF)), "Cyan");
    EXPECT_STREQ(FindColorName(table, RGB(0xDC, 0x14, 0x3C)), "Brimson");
    EXPECT_STREQ(FindColorName(table, RGB(0x01, 0x00, 0x00)), "not found");
}

TEST(LoadColorTable, ThrowsAndLeavesTheTableEmptyWithoutTheResource) {
    ColorDataTable table;
    EXPECT_THROW(LoadColorTable(ModuleWithoutTable(), table), Exception);
    EXPECT_TRUE(table.empty());
}

} // namespace
