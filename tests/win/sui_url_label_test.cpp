// The hyperlink label: its colours under the mouse, its cursor and its shell call, through a
// fake shell.
#include <gtest/gtest.h>

#include "skin/win/SUIURLLabel_win.h"
#include "support/GuiTesting_win.h"

namespace zelkova {
namespace {

using gui_testing::PointData;
using gui_testing::PostAndPump;
using gui_testing::TestForm;

struct ShellCall {
    HWND owner;
    std::string verb;
    std::string file;
    int show;
};

class FakeShell : public UrlShell {
public:
    std::vector<ShellCall> calls;
    std::vector<std::string>* journal = nullptr;
    void Execute(HWND owner, const char* verb, const std::string& file, int show) override {
        calls.push_back(ShellCall{owner, verb, file, show});
        if (journal != nullptr) journal->push_back("shell");
    }
};

class UrlLabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        label = &Make<TsuiURLLabel>(form);
        label->SetParent(&form);
        label->SetLeft(20);
        label->SetTop(20);
        label->SetCaption("Check for updates...");
        label->SetShell(&shell);
    }
    void MoveMouseTo(int x, int y) { PostAndPump(form.Handle(), WM_MOUSEMOVE, 0, PointData(x, y)); }
    void MoveOnto() { MoveMouseTo(label->Left() + 2, label->Top() + 2); }
    void MoveOff() { MoveMouseTo(label->Left() + label->Width() + 30, label->Top() + 2); }

    TestForm form;
    FakeShell shell;
    TsuiURLLabel* label = nullptr;
};

TEST_F(UrlLabelTest, ANewLabelIsAnUnderlinedBlueHandPointerLinkThatSizesItself) {
    TsuiURLLabel fresh(&form);
    EXPECT_TRUE(fresh.GetFont().Underline());
    EXPECT_FALSE(fresh.GetFont().Bold());
    EXPECT_EQ(fresh.GetFont().Color(), 0xFF0000);
    EXPECT_EQ(fresh.Cursor(), kCursorHandPoint);
    EXPECT_EQ(fresh.SavedCursor(), kCursorHandPoint);
    EXPECT_TRUE(fresh.AutoSize());
    EXPECT_EQ(fresh.FontHoverColor(), 0x0000FF);
    EXPECT_EQ(fresh.FontLinkColor(), 0xFF0000);
    EXPECT_FALSE(HasPublishedProperty(fresh, "UIStyle"));  // no theme for the link

    const int shortWidth = label->Width();
    label->SetCaption("Check for updates... and more");
    EXPECT_GT(label->Width(), shortWidth);
    // The cursor property reads back the one recorded at construction.
    SetPublishedProperty(*label, "Cursor", std::int64_t{kCursorArrow});
    EXPECT_EQ(label->Cursor(), kCursorArrow);
    EXPECT_EQ(label->SavedCursor(), kCursorHandPoint);
}

TEST_F(UrlLabelTest, TheMouseTurnsItTheHoverColourAndLeavingTheLinkColour) {
    label->SetFontLinkColor(0xFFFFFF);  // the main window's white link
    label->SetFontHoverColor(0x0000FF);
    form.Show();
    EXPECT_EQ(label->GetFont().Color(), 0xFFFFFF);
    MoveOnto();
    EXPECT_EQ(label->GetFont().Color(), 0x0000FF);
    MoveOff();
    EXPECT_EQ(label->GetFont().Color(), 0xFFFFFF);

    // Leaving the form altogether counts as leaving the label.
    MoveOnto();
    PostAndPump(form.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(label->GetFont().Color(), 0xFFFFFF);
}

TEST_F(UrlLabelTest, TheLinkColourShowsAtOnceAndTheHoverColourOnlyAtTheNextEnter) {
    form.Show();
    MoveOnto();
    EXPECT_EQ(label->GetFont().Color(), 0x0000FF);
    label->SetFontLinkColor(0x00FF00);
    EXPECT_EQ(label->GetFont().Color(), 0x00FF00);  // even with the mouse over it
    label->SetFontHoverColor(0x123456);
    EXPECT_EQ(label->GetFont().Color(), 0x00FF00);
    MoveOff();
    MoveOnto();
    EXPECT_EQ(label->GetFont().Color(), 0x123456);
}

TEST_F(UrlLabelTest, AtDesignTimeTheMouseShowsBlueNotTheHoverColour) {
    label->SetFontHoverColor(0x00FF00);
    label->SetDesigning(true);
    form.Show();
    MoveOnto();
    EXPECT_EQ(label->GetFont().Color(), 0xFF0000);
}

TEST_F(UrlLabelTest, AClickOpensTheStoredAddressThenRunsTheClickHandler) {
    std::vector<std::string> journal;
    shell.journal = &journal;
    label->OnClick = [&](Component*) { journal.push_back("click"); };
    label->SetURL("http://example.invalid/update ");
    form.Show();
    const int x = label->Left() + 2, y = label->Top() + 2;
    PostAndPump(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointData(x, y));
    PostAndPump(form.Handle(), WM_LBUTTONUP, 0, PointData(x, y));
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].owner, nullptr);
    EXPECT_EQ(shell.calls[0].verb, "open");
    EXPECT_EQ(shell.calls[0].file, "http://example.invalid/update ");  // untrimmed
    EXPECT_EQ(shell.calls[0].show, SW_SHOW);
    EXPECT_EQ(journal, (std::vector<std::string>{"shell", "click"}));
}

TEST_F(UrlLabelTest, ABlankAddressMakesTheClickAnOrdinaryOne) {
    int clicks = 0;
    label->OnClick = [&](Component*) { ++clicks; };
    label->SetURL(" \t ");
    label->Click();
    label->SetURL("");
    label->Click();
    EXPECT_TRUE(shell.calls.empty());
    EXPECT_EQ(clicks, 2);
}

TEST_F(UrlLabelTest, TheSystemShellAnswersAFailureWithNothing) {
    SystemUrlShell system;
    label->SetShell(&system);
    int clicks = 0;
    label->OnClick = [&](Component*) { ++clicks; };
    label->SetURL("zelkova-no-such-scheme:nothing");
    label->Click();  // no handler for the address: ignored, and the click still runs
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace zelkova
