#include "jump/ItemSelectionNavigation.h"
#include "platform/RemoteMemory.h"
#include "platform/WinEditorAutomation.h"
#include "platform/WineEditorPanes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <cstring>
#include <string>
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
