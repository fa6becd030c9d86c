#include "jump/ItemSelectionNavigation.h"
#include "platform/RemoteMemory.h"
#include "platform/WinEditorAutomation.h"
#include "platform/WineEditorPanes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <cstddef>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace zelkova {
namespace {

PointerWidth OwnWidth() { return sizeof(void*) == 8 ? PointerWidth::Bits64 : PointerWidth::Bits32; }

// An editor laid out as Wine's: a top window, a container, and real tree and list controls in
// it. Everything runs in this process, so its "remote" memory is our own.
class InProcessEditor {
public:
    explicit InProcessEditor(bool panesOneLevelDown = true) {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        top_ = CreateWindowExA(0, "Static", "editor", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, nullptr, nullptr, nullptr,
                               nullptr);
        HWND parent = top_;
        if (panesOneLevelDown)
            parent = CreateWindowExA(0, "Static", "child", WS_CHILD | WS_VISIBLE, 0, 0, 600, 400, top_, nullptr,
                                     nullptr, nullptr);
        tree_ = CreateWindowExA(0, WC_TREEVIEWA, "", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, 0, 0, 250, 400, parent,
                                nullptr, nullptr, nullptr);
        list_ = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 250, 0, 350, 400, parent,
                                nullptr, nullptr, nullptr);
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 200;
        column.pszText = const_cast<char*>("Name");
        SendMessageA(list_, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    }
    ~InProcessEditor() {
        if (IsWindow(top_)) DestroyWindow(top_);
    }
    InProcessEditor(const InProcessEditor&) = delete;
    InProcessEditor& operator=(const InProcessEditor&) = delete;

    HTREEITEM Add(HTREEITEM parent, const std::string& name) {
        TVINSERTSTRUCTA insert{};
        insert.hParent = parent ? parent : TVI_ROOT;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT;
        insert.item.pszText = const_cast<char*>(name.c_str());
        return reinterpret_cast<HTREEITEM>(SendMessageA(tree_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    }
    void AddValue(const std::string& name) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0));
        item.pszText = const_cast<char*>(name.c_str());
        SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    std::string Text(HTREEITEM item) const {
        char buffer[512] = {};
        TVITEMA request{};
        request.mask = TVIF_TEXT;
        request.hItem = item;
        request.pszText = buffer;
        request.cchTextMax = sizeof buffer;
        SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&request));
        return buffer;
    }
    HTREEITEM Selected() const {
        return reinterpret_cast<HTREEITEM>(SendMessageA(tree_, TVM_GETNEXTITEM, TVGN_CARET, 0));
    }
    bool Expanded(HTREEITEM item) const {
        return (SendMessageA(tree_, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) &
                TVIS_EXPANDED) != 0;
    }
    int ListNext(int flags) const { return static_cast<int>(SendMessageA(list_, LVM_GETNEXTITEM, -1, flags)); }

    HWND Top() const { return top_; }
    HWND TreePane() const { return tree_; }
    HWND ListPane() const { return list_; }

private:
    HWND top_ = nullptr, tree_ = nullptr, list_ = nullptr;
};

TreeItemRef Ref(HTREEITEM item) { return reinterpret_cast<TreeItemRef>(item); }

TEST(WineEditorPanes, ReadyOnlyOnceTheTopHoldsTheRootKeysAndUnusableOnceGone) {
    InProcessEditor editor;
    WineEditorPanes panes(editor.Top());
    EXPECT_EQ(panes.CheckPanes(), PanesState::Waiting);
    HTREEITEM top = editor.Add(nullptr, "My Computer");
    EXPECT_EQ(panes.CheckPanes(), PanesState::Waiting);
    editor.Add(top, "HKEY_CLASSES_ROOT");
    EXPECT_EQ(panes.CheckPanes(), PanesState::Ready);
    EXPECT_EQ(panes.TopItem(), Ref(top));

    DestroyWindow(editor.Top());
    EXPECT_EQ(panes.CheckPanes(), PanesState::Unusable);
}

TEST(WineEditorPanes, ReadsChildNamesInOrderAcrossBatches) {
    InProcessEditor editor;
    HTREEITEM top = editor.Add(nullptr, "My Computer");
    std::vector<std::string> names;
    for (int i = 0; i < 300; ++i) names.push_back("Key " + std::to_string(i) + (i % 7 == 0 ? ".x-y_Z" : ""));
    names.push_back("\xE9t\xE9");
    names.push_back(std::string(255, 'k'));
    for (const std::string& name : names) editor.Add(top, name);
    WineEditorPanes panes(editor.Top());
    ASSERT_EQ(panes.CheckPanes(), PanesState::Ready);

    std::vector<std::string> read;
    std::vector<TreeItemRef> items;
    panes.VisitChildren(Ref(top), 255, [&](TreeItemRef item, std::string_view name) {
        items.push_back(item);
        read.emplace_back(name);
        return true;
    });
    EXPECT_EQ(read, names);
    ASSERT_EQ(items.size(), names.size());
    EXPECT_EQ(editor.Text(reinterpret_cast<HTREEITEM>(items[123])), names[123]);

    // Names come no longer than asked for (plus the room for a NUL), and visiting stops on request.
    std::vector<std::string> cut;
    panes.VisitChildren(Ref(top), 3, [&](TreeItemRef, std::string_view name) {
        cut.emplace_back(name);
        return cut.size() < 12;
    });
    ASSERT_EQ(cut.size(), 12u);
    EXPECT_EQ(cut[0].substr(0, 3), "Key");
    for (const std::string& name : cut) EXPECT_LE(name.size(), 4u);
}

TEST(WineEditorPanes, SelectsExpandsAndClosesTreeItems) {
    InProcessEditor editor;
    HTREEITEM top = editor.Add(nullptr, "My Computer");
    HTREEITEM user = editor.Add(top, "HKEY_CURRENT_USER");
    HTREEITEM software = editor.Add(user, "Software");
    editor.Add(software, "Wine");
    WineEditorPanes panes(editor.Top());
    ASSERT_EQ(panes.CheckPanes(), PanesState::Ready);

    panes.Expand(Ref(top));
    panes.Expand(Ref(user));
    EXPECT_TRUE(editor.Expanded(user));
    panes.SelectItem(Ref(software));
    EXPECT_EQ(editor.Selected(), software);
    EXPECT_EQ(panes.SelectedItem(), Ref(software));
    EXPECT_EQ(panes.ParentItem(Ref(software)), Ref(user));
    EXPECT_EQ(panes.ParentItem(Ref(top)), 0u);
    panes.Collapse(Ref(user));
    EXPECT_FALSE(editor.Expanded(user));
}

TEST(WineEditorPanes, ReadsAndSelectsValues) {
    InProcessEditor editor;
    editor.Add(editor.Add(nullptr, "My Computer"), "HKEY_CURRENT_USER");
    const std::vector<std::string> values = {"(Default)", "Version", "Value with blanks", std::string(300, 'v')};
    for (const std::string& value : values) editor.AddValue(value);
    WineEditorPanes panes(editor.Top());
    ASSERT_EQ(panes.CheckPanes(), PanesState::Ready);

    std::vector<std::string> read;
    panes.VisitValues(16383, [&](std::string_view name) {
        read.emplace_back(name);
        return true;
    });
    EXPECT_EQ(read, values);

    panes.SelectValue(1);
    panes.SelectValue(2);  // the earlier selection is cleared, not added to
    EXPECT_EQ(editor.ListNext(LVNI_SELECTED), 2);
    EXPECT_EQ(editor.ListNext(LVNI_FOCUSED), 2);
    EXPECT_EQ(SendMessageA(FindWindowExA(GetWindow(editor.Top(), GW_CHILD), nullptr, WC_LISTVIEWA, nullptr),
                           LVM_GETSELECTEDCOUNT, 0, 0),
              1);
}

TEST(WineEditorPanes, JumpLandsOnKeyAndValue) {
    InProcessEditor editor;
    HTREEITEM top = editor.Add(nullptr, "My Computer");
    editor.Add(top, "HKEY_CLASSES_ROOT");
    HTREEITEM user = editor.Add(top, "HKEY_CURRENT_USER");
    HTREEITEM software = editor.Add(user, "Software");
    HTREEITEM alpha = editor.Add(software, "Alpha");
    editor.Add(software, "Alphabet");
    HTREEITEM spaced = editor.Add(alpha, "Key With Blanks 2.0");
    for (const char* value : {"(Default)", "Value", "Value Two"}) editor.AddValue(value);
    WineEditorPanes panes(editor.Top());

    SelectKeyAndValue({"HKEY_CURRENT_USER", "software\\Alpha\\key with blanks 2.0", "value two"}, panes);
    EXPECT_EQ(editor.Selected(), spaced);
    EXPECT_TRUE(editor.Expanded(alpha));
    EXPECT_EQ(editor.ListNext(LVNI_SELECTED), 2);
    EXPECT_EQ(GetFocus(), editor.ListPane());

    SelectKeyAndValue({"HKEY_CURRENT_USER", "Software", ""}, panes);
    EXPECT_EQ(editor.Selected(), software);
    EXPECT_EQ(GetFocus(), editor.TreePane());
}

// Items named "#<n>" are handed back with the control's text pointer replaced by the n-th of
// these, as a control does that keeps its texts itself.
struct OwnTexts {
    std::vector<const char*> pointers;
};

const char* OwnTextFor(const OwnTexts& own, const char* name, std::size_t index) {
    if (name && name[0] == '#') index = static_cast<std::size_t>(name[1] - '0');
    return index < own.pointers.size() ? own.pointers[index] : nullptr;
}

LRESULT CALLBACK HandBackOwnText(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    const auto& own = *reinterpret_cast<const OwnTexts*>(data);
    if (message == TVM_GETITEMA) {
        auto* item = reinterpret_cast<TVITEMA*>(lParam);
        if (const char* text = OwnTextFor(own, item->pszText, SIZE_MAX)) item->pszText = const_cast<char*>(text);
    } else if (message == LVM_GETITEMTEXTA) {
        if (const char* text = OwnTextFor(own, nullptr, wParam))
            reinterpret_cast<LVITEMA*>(lParam)->pszText = const_cast<char*>(text);
    }
    return result;
}

// One committed page with a reserved, unreadable page behind it.
class PageBeforeAHole {
public:
    PageBeforeAHole() : base_(static_cast<char*>(VirtualAlloc(nullptr, 2 * kPage, MEM_RESERVE, PAGE_NOACCESS))) {
        VirtualAlloc(base_, kPage, MEM_COMMIT, PAGE_READWRITE);
    }
    ~PageBeforeAHole() { VirtualFree(base_, 0, MEM_RELEASE); }
    PageBeforeAHole(const PageBeforeAHole&) = delete;
    PageBeforeAHole& operator=(const PageBeforeAHole&) = delete;
    // Text whose NUL is the page's last byte.
    const char* AtTheEnd(const char* text) {
        char* at = base_ + kPage - std::strlen(text) - 1;
        std::strcpy(at, text);
        return at;
    }
    const char* Hole() const { return base_ + kPage; }

private:
    static constexpr std::size_t kPage = 4096;
    char* base_;
};

TEST(WineEditorPanes, TextTheControlKeepsItselfIsReadWhereItPoints) {
    InProcessEditor editor;
    PageBeforeAHole page;
    const std::string elsewhere = "Kept elsewhere";
    OwnTexts own{{elsewhere.c_str(), page.AtTheEnd("At the edge"), page.Hole()}};
    SetWindowSubclass(editor.TreePane(), HandBackOwnText, 1, reinterpret_cast<DWORD_PTR>(&own));
    SetWindowSubclass(editor.ListPane(), HandBackOwnText, 1, reinterpret_cast<DWORD_PTR>(&own));
    HTREEITEM top = editor.Add(nullptr, "My Computer");
    for (const char* name : {"Plain", "#0", "#1", "#2"}) editor.Add(top, name);
    for (const char* value : {"a", "b", "c", "d"}) editor.AddValue(value);
    WineEditorPanes panes(editor.Top());
    ASSERT_EQ(panes.CheckPanes(), PanesState::Ready);

    // Texts a long name's capacity cannot read whole are read up to their page's end, and text
    // in unreadable memory reads as empty.
    std::vector<std::string> keys, values;
    panes.VisitChildren(Ref(top), 255, [&](TreeItemRef, std::string_view name) {
        keys.emplace_back(name);
        return true;
    });
    panes.VisitValues(255, [&](std::string_view name) {
        values.emplace_back(name);
        return true;
    });
    EXPECT_EQ(keys, (std::vector<std::string>{"Plain", "Kept elsewhere", "At the edge", ""}));
    EXPECT_EQ(values, (std::vector<std::string>{"Kept elsewhere", "At the edge", "", "d"}));
    RemoveWindowSubclass(editor.TreePane(), HandBackOwnText, 1);
    RemoveWindowSubclass(editor.ListPane(), HandBackOwnText, 1);
}

// An editor on a thread of its own that, inside the first `stallOn` message its tree gets,
// stays busy for longer than the reply limit and then goes on. Whatever is sent to it meanwhile
// reaches it once it goes on, so it can count what came after the message that timed out.
class EditorThatStalls {
public:
    explicit EditorThatStalls(UINT stallOn) : stallOn_(stallOn) {
        thread_ = std::thread([this] {
            InProcessEditor editor;
            HTREEITEM top = editor.Add(nullptr, "My Computer");
            editor.Add(editor.Add(top, "HKEY_CURRENT_USER"), "Software");
            SetWindowSubclass(editor.TreePane(), Watch, 1, reinterpret_cast<DWORD_PTR>(this));
            SetWindowSubclass(editor.ListPane(), Watch, 1, reinterpret_cast<DWORD_PTR>(this));
            threadId_ = GetCurrentThreadId();
            top_ = editor.Top();
            MSG message;
            while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
            RemoveWindowSubclass(editor.TreePane(), Watch, 1);
            RemoveWindowSubclass(editor.ListPane(), Watch, 1);
        });
        while (!top_) Sleep(1);
    }
    ~EditorThatStalls() {
        PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
        thread_.join();
    }
    EditorThatStalls(const EditorThatStalls&) = delete;
    EditorThatStalls& operator=(const EditorThatStalls&) = delete;

    HWND Top() const { return top_; }
    bool Stalled() const { return stalled_; }
    // Returns once the editor is past its stall and has handled every message sent before.
    int MessagesAfterTheStall() const {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(top_, WM_NULL, 0, 0, SMTO_NORMAL, 4 * kEditorReplyLimitMs, &result);
        return after_;
    }

private:
    static LRESULT CALLBACK Watch(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
        auto* self = reinterpret_cast<EditorThatStalls*>(data);
        const bool paneMessage = message == WM_NULL || (message >= LVM_FIRST && message < TV_FIRST + 0x100);
        if (paneMessage && self->stalled_) ++self->after_;
        if (message == self->stallOn_ && !self->stalled_) {
            self->stalled_ = true;
            Sleep(kEditorReplyLimitMs + 1000);
        }
        return DefSubclassProc(window, message, wParam, lParam);
    }

    const UINT stallOn_;
    std::atomic<HWND> top_ = nullptr;
    DWORD threadId_ = 0;
    std::atomic<bool> stalled_ = false;
    std::atomic<int> after_ = 0;
    std::thread thread_;
};

// A message, or the focus change that SetFocus waits for, left unanswered in time.
TEST(WineEditorPanes, NothingIsSentAfterAMessageTheEditorLeftUnanswered) {
    for (const UINT stallOn : {UINT{TVM_EXPAND}, UINT{WM_SETFOCUS}}) {
        EditorThatStalls editor(stallOn);
        WineEditorPanes panes(editor.Top());
        SelectKeyAndValue({"HKEY_CURRENT_USER", "Software", "value"}, panes);
        EXPECT_TRUE(editor.Stalled()) << std::hex << stallOn;
        EXPECT_EQ(panes.CheckPanes(), PanesState::Unusable) << std::hex << stallOn;
        EXPECT_EQ(editor.MessagesAfterTheStall(), 0) << std::hex << stallOn;
    }
}

TEST(WineEditorPanes, OnlyAnEditorWithPanesOneLevelDownIsOfferedUnderWine) {
    WinEditorAutomation automation;
    InProcessEditor wineLike;
    InProcessEditor windowsLike(false);
    const auto offered = [&](HWND editor) {
        return automation.OpenItemSelection(reinterpret_cast<WindowRef>(editor)) != nullptr;
    };
    // These tests run under Wine; on Windows nothing is ever offered.
    const bool underWine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    EXPECT_EQ(offered(wineLike.Top()), underWine);
    EXPECT_FALSE(offered(windowsLike.Top()));
}

TEST(RemoteMemory, RecordsMatchTheControlsOwnLayout) {
    char text[8] = {};
    TVITEMA tree{};
    tree.mask = TVIF_TEXT;
    tree.hItem = reinterpret_cast<HTREEITEM>(std::uintptr_t{0x12345678});
    tree.pszText = text;
    tree.cchTextMax = 8;
    const RecordBytes encodedTree =
        TreeItemTextRequest(OwnWidth(), 0x12345678, reinterpret_cast<std::uintptr_t>(text), 8);
    ASSERT_EQ(encodedTree.size(), sizeof tree);
    EXPECT_EQ(std::memcmp(encodedTree.data(), &tree, sizeof tree), 0);

    LVITEMA list{};
    list.mask = LVIF_TEXT;
    list.pszText = text;
    list.cchTextMax = 8;
    const RecordBytes encodedList = ListItemTextRequest(OwnWidth(), reinterpret_cast<std::uintptr_t>(text), 8);
    ASSERT_EQ(encodedList.size(), sizeof list);
    EXPECT_EQ(std::memcmp(encodedList.data(), &list, sizeof list), 0);

    LVITEMA state{};
    state.mask = LVIF_STATE;
    state.state = LVIS_SELECTED;
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    const RecordBytes encodedState = ListItemStateRequest(OwnWidth(), LVIS_SELECTED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(std::memcmp(encodedState.data(), &state, sizeof state), 0);
}

TEST(RemoteMemory, AllocationRefusesRangesOutsideItAndFreesOnce) {
    HWND window = CreateWindowExA(0, "Static", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    OwnedProcess process = OwnedProcess::OfWindow(window);
    ASSERT_TRUE(process);
    EXPECT_EQ(process.Width(), OwnWidth());
    RemoteAllocation memory = RemoteAllocation::Allocate(process, 64);
    ASSERT_TRUE(memory);

    const std::uint8_t bytes[] = {1, 2, 3, 4};
    EXPECT_TRUE(memory.Write(60, bytes));
    std::uint8_t back[4] = {};
    EXPECT_TRUE(memory.Read(60, back));
    EXPECT_EQ(std::memcmp(back, bytes, 4), 0);
    EXPECT_FALSE(memory.Write(61, bytes));
    EXPECT_FALSE(memory.Read(65, std::span<std::uint8_t>(back, 0)));
    EXPECT_FALSE(memory.Read(SIZE_MAX - 1, back));

    std::uint8_t direct[4] = {};
    EXPECT_TRUE(ReadProcessBytes(process, memory.Address() + 60, direct));
    EXPECT_EQ(direct[3], 4);
    EXPECT_FALSE(ReadProcessBytes(process, 0, direct));
    EXPECT_FALSE(ReadProcessBytes(process, UINT64_MAX - 1, direct));

    RemoteAllocation moved = std::move(memory);
    EXPECT_FALSE(memory);  // NOLINT(bugprone-use-after-move): a moved-from allocation is empty
    EXPECT_TRUE(moved.Read(60, back));
    const std::uint64_t address = moved.Address();
    moved = RemoteAllocation();
    MEMORY_BASIC_INFORMATION info{};
    VirtualQuery(reinterpret_cast<void*>(static_cast<std::uintptr_t>(address)), &info, sizeof info);
    EXPECT_EQ(info.State, static_cast<DWORD>(MEM_FREE));
    DestroyWindow(window);
}

}  // namespace
}  // namespace zelkova
