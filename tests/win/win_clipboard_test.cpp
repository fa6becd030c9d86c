#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "favourites/FavouriteCommands.h"
#include "platform/WinClipboard.h"

namespace zelkova {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A hidden window to own the clipboard, destroyed with the object.
class HiddenWindow {
public:
    HiddenWindow()
        : window_(CreateWindowExA(0, "STATIC", "clipboard owner", 0, 0, 0, 10, 10, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr)) {}
    ~HiddenWindow() {
        if (window_ != nullptr) DestroyWindow(window_);
    }
    HiddenWindow(const HiddenWindow&) = delete;
    HiddenWindow& operator=(const HiddenWindow&) = delete;
    HWND Handle() const { return window_; }

private:
    HWND window_;
};

// Another thread with a window of its own that holds the clipboard open until released.
class ClipboardHolder {
public:
    ClipboardHolder()
        : opened_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
          release_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
          thread_([this] {
              HiddenWindow window;
              holding_ = OpenClipboard(window.Handle()) != FALSE;
              SetEvent(opened_);
              WaitForSingleObject(release_, 10000);
              if (holding_) CloseClipboard();
          }) {
        WaitForSingleObject(opened_, 10000);
    }
    ~ClipboardHolder() {
        SetEvent(release_);
        thread_.join();
        CloseHandle(opened_);
        CloseHandle(release_);
    }
    bool Holding() const { return holding_; }

private:
    HANDLE opened_;
    HANDLE release_;
    bool holding_ = false;
    std::thread thread_;
};

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "(no error)";
}

class WinClipboardTest : public ::testing::Test {
protected:
    HiddenWindow owner;
    WinClipboard clipboard{owner.Handle()};
};

TEST_F(WinClipboardTest, SetTextThenGetTextRoundTrips) {
    ASSERT_NE(owner.Handle(), nullptr);
    clipboard.SetText("HKEY_CURRENT_USER\\Software\\Microsoft");
    EXPECT_TRUE(clipboard.HasText());
    EXPECT_EQ(clipboard.GetText(), "HKEY_CURRENT_USER\\Software\\Microsoft");

    const std::string latin = "HKEY_USERS\\Gr\xFC\xDF" "e \xA0\xE9";
    clipboard.SetText(latin);
    EXPECT_EQ(clipboard.GetText(), latin) << "8-bit text passes unchanged";

    clipboard.SetText("");
    EXPECT_EQ(clipboard.GetText(), "");
}

TEST_F(WinClipboardTest, HasNoTextAfterTheClipboardWasEmptied) {
    clipboard.SetText("x");
    ASSERT_TRUE(OpenClipboard(owner.Handle()));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_FALSE(clipboard.HasText());
    EXPECT_EQ(clipboard.GetText(), "");
}

TEST_F(WinClipboardTest, ReadsTextThatIsNotZeroTerminatedOnlyUpToItsSize) {
    // Another program may hand over bytes without the zero; the read must stop at the block.
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 4096);
    ASSERT_NE(memory, nullptr);
    const size_t blockSize = GlobalSize(memory);
    char* bytes = static_cast<char*>(GlobalLock(memory));
    std::fill(bytes, bytes + blockSize, 'k');
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(owner.Handle()));
    EmptyClipboard();
    ASSERT_NE(SetClipboardData(CF_TEXT, memory), nullptr);
    CloseClipboard();

    const std::string text = clipboard.GetText();
    // Wine zero-terminates the last byte of the block itself; Windows hands it over as it is.
    EXPECT_GE(text.size(), 4095u);
    EXPECT_LE(text.size(), blockSize);
    EXPECT_EQ(text.find_first_not_of('k'), std::string::npos);
}

TEST_F(WinClipboardTest, ClipboardHeldByAnotherWindowRaisesAndKeepsItsText) {
    clipboard.SetText("kept");
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.Holding());
        EXPECT_TRUE(clipboard.HasText()) << "asking for the format needs no opening";
        EXPECT_EQ(ErrorOf([&] { clipboard.GetText(); }), "Cannot open clipboard");
        EXPECT_EQ(ErrorOf([&] { clipboard.SetText("lost"); }), "Cannot open clipboard");
    }
    EXPECT_EQ(clipboard.GetText(), "kept");
}

TEST_F(WinClipboardTest, CarriesTheListsCopyAndJump) {
    struct NoDialog : KeyEntryDialog {
        std::optional<FavouriteEntry> Ask(const FavouriteEntry&) override { return {}; }
    } dialog;
    FavouritesList list;
    list.Append({"HKEY_LOCAL_MACHINE\\SOFTWARE", "comment stays behind"});
    list.Select(0);
    std::vector<std::string> jumps;
    FavouriteCommands commands(list, dialog, clipboard,
                               [&](const std::string& text) { jumps.push_back(text); });

    commands.CopyToClipboard();
    EXPECT_EQ(clipboard.GetText(), "HKEY_LOCAL_MACHINE\\SOFTWARE");

    clipboard.SetText("  HKLM\\Software\r\n");
    commands.JumpFromClipboard();
    clipboard.SetText("no key here");
    commands.JumpFromClipboard();
    EXPECT_THAT(jumps, ElementsAre("HKLM\\Software"));

    ClipboardHolder holder;
    EXPECT_EQ(ErrorOf([&] { commands.CopyToClipboard(); }), "Cannot open clipboard");
    EXPECT_EQ(ErrorOf([&] { commands.JumpFromClipboard(); }), "Cannot open clipboard");
    EXPECT_EQ(jumps.size(), 1u);
}

}  // namespace
}  // namespace zelkova
