// Response tables: a class's own table answers first, then its base's, and only what no table
// answers reaches the window's default processing.
#include "framework/window.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT AskBoth = WM_APP + 1;
constexpr UINT AskBase = WM_APP + 2;
constexpr UINT AskNobody = WM_APP + 3;
constexpr UINT SharedCommand = 40001;

class BaseWindow : public TWindow {
public:
    BaseWindow() : TWindow(nullptr, "title") { Attr.Style = WS_POPUP; }
    int Commands = 0;

protected:
    bool Respond(TMessage& m) override {
        using Table = TResponseTable<BaseWindow>;
        static const Table table{Table::Message(AskBoth, &BaseWindow::AnswerBase),
                                 Table::Message(AskBase, &BaseWindow::AnswerBase),
                                 Table::Command(SharedCommand, &BaseWindow::CountCommand)};
        return table.Dispatch(*this, m) || TWindow::Respond(m);
    }
    void AnswerBase(TMessage& m) { m.Result = 1; }
    void CountCommand() { Commands += 1; }
};

class DerivedWindow : public BaseWindow {
protected:
    bool Respond(TMessage& m) override {
        using Table = TResponseTable<DerivedWindow>;
        static const Table table{Table::Message(AskBoth, &DerivedWindow::AnswerDerived),
                                 Table::Command(SharedCommand, &DerivedWindow::CountTwice)};
        return table.Dispatch(*this, m) || BaseWindow::Respond(m);
    }
    void AnswerDerived(TMessage& m) { m.Result = 2; }
    void CountTwice() { Commands += 2; }
};

TEST(ResponseTable, OwnTableFirstThenBaseThenDefaultProcessing) {
    BaseWindow base;
    DerivedWindow derived;
    ASSERT_TRUE(base.Create());
    ASSERT_TRUE(derived.Create());

    EXPECT_EQ(1, base.SendMessage(AskBoth));
    EXPECT_EQ(2, derived.SendMessage(AskBoth)); // the derived table wins
    EXPECT_EQ(1, derived.SendMessage(AskBase)); // found in the base table
    // No table answers: DefWindowProc's answers come back.
    EXPECT_EQ(0, derived.SendMessage(AskNobody));
    EXPECT_EQ(5, derived.SendMessage(WM_GETTEXTLENGTH));
}

TEST(ResponseTable, CommandsMatchByIdentifier) {
    DerivedWindow derived;
    ASSERT_TRUE(derived.Create());
    derived.SendMessage(WM_COMMAND, MAKEWPARAM(SharedCommand, BN_CLICKED));
    derived.SendMessage(WM_COMMAND, MAKEWPARAM(SharedCommand + 1, BN_CLICKED));
    EXPECT_EQ(2, derived.Commands);
}

TEST(Window, DestroyedWindowLeavesTheObjectUnbound) {
    BaseWindow window;
    ASSERT_TRUE(window.Create());
    HWND handle = window.GetHandle();
    ::DestroyWindow(handle);
    EXPECT_EQ(nullptr, window.GetHandle());
    EXPECT_FALSE(::IsWindow(handle));
}

} // namespace
