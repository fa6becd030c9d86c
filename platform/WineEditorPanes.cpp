#include "platform/WineEditorPanes.h"

#include "platform/ForeignFocus.h"

#include <commctrl.h>

#include <algorithm>

namespace zelkova {
namespace {

// Room in the editor for one batch of records and their texts.
constexpr std::size_t kScratchBytes = std::size_t{64} * 1024;
// Value names run to 16,383 characters, key names to 255.
constexpr std::size_t kLongestName = 16383;
// The first batch is small, since the name looked for is often among the first few; later
// batches grow, since each round trip costs more than the items in it.
constexpr std::size_t kFirstBatch = 8;
constexpr std::size_t kLargestBatch = 128;
// More items than any key holds: a tree whose items link in a circle must not hold us forever.
constexpr std::size_t kMostItems = std::size_t{1} << 22;

struct DescendantSearch {
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchDescendant(HWND child, LPARAM data) noexcept {
    auto* search = reinterpret_cast<DescendantSearch*>(data);
    char name[64] = {};
    ::GetClassNameA(child, name, sizeof name);
    if (::lstrcmpiA(name, search->className) != 0) return TRUE;
    search->found = child;
    return FALSE;
}

HWND FindDescendant(HWND parent, const char* className) {
    DescendantSearch search{className, nullptr};
    ::EnumChildWindows(parent, MatchDescendant, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::size_t AlignTo8(std::size_t size) { return (size + 7) & ~std::size_t{7}; }

std::size_t TextCapacity(std::size_t nameLength) { return std::min(nameLength, kLongestName) + 1; }

// Item handles and addresses in the editor fit our pointers: they came from it or from us.
LPARAM Param(std::uint64_t value) {
    return static_cast<LPARAM>(static_cast<std::uintptr_t>(value));
}

}  // namespace

// One message that goes unanswered in time ends every later one at once: an editor that has
// stopped answering costs the jump one reply limit, however many messages were still to come.
LRESULT WineEditorPanes::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (stopped_) return 0;
    if (!::SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                               kEditorReplyLimitMs, &result)) {
        stopped_ = true;
        return 0;
    }
    return static_cast<LRESULT>(result);
}

// Wine's panes show their selection only while they have the focus: the pane brought forward
// takes it, so the key or value landed on is seen.
void WineEditorPanes::BringForward(HWND pane) {
    if (stopped_) return;
    ::SetForegroundWindow(pane);
    if (!FocusOtherThreadsWindow(pane, kEditorReplyLimitMs)) stopped_ = true;
}

PanesState WineEditorPanes::CheckPanes() {
    if (stopped_ || !::IsWindow(editor_)) return PanesState::Unusable;
    if (!tree_) tree_ = FindDescendant(editor_, WC_TREEVIEWA);
    if (!list_) list_ = FindDescendant(editor_, WC_LISTVIEWA);
    if (!tree_ || !list_) return PanesState::Waiting;
    // The editor adds the top item and then the root keys under it.
    const TreeItemRef top = TopItem();
    const bool filled = top && Tree(TVM_GETNEXTITEM, TVGN_CHILD, Param(top));
    if (stopped_) return PanesState::Unusable;
    if (!filled) return PanesState::Waiting;

    if (!scratch_) {
        process_ = OwnedProcess::OfWindow(tree_);
        if (!process_) return PanesState::Unusable;
        width_ = process_.Width();
        scratch_ = RemoteAllocation::Allocate(process_, kScratchBytes);
        if (!scratch_) return PanesState::Unusable;
    }
    return PanesState::Ready;
}

void WineEditorPanes::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

void WineEditorPanes::FocusTree() { BringForward(tree_); }
void WineEditorPanes::FocusList() { BringForward(list_); }

LRESULT WineEditorPanes::Tree(UINT message, WPARAM wParam, LPARAM lParam) {
    return Send(tree_, message, wParam, lParam);
}
LRESULT WineEditorPanes::List(UINT message, WPARAM wParam, LPARAM lParam) {
    return Send(list_, message, wParam, lParam);
}

TreeItemRef WineEditorPanes::TopItem() {
    return static_cast<TreeItemRef>(Tree(TVM_GETNEXTITEM, TVGN_ROOT, 0));
}

TreeItemRef WineEditorPanes::SelectedItem() {
    return static_cast<TreeItemRef>(Tree(TVM_GETNEXTITEM, TVGN_CARET, 0));
}

TreeItemRef WineEditorPanes::ParentItem(TreeItemRef item) {
    return static_cast<TreeItemRef>(Tree(TVM_GETNEXTITEM, TVGN_PARENT, Param(item)));
}

void WineEditorPanes::Expand(TreeItemRef item) { Tree(TVM_EXPAND, TVE_EXPAND, Param(item)); }
void WineEditorPanes::Collapse(TreeItemRef item) { Tree(TVM_EXPAND, TVE_COLLAPSE, Param(item)); }

void WineEditorPanes::SelectItem(TreeItemRef item) {
    Tree(TVM_SELECTITEM, TVGN_CARET, Param(item));
    Tree(TVM_ENSUREVISIBLE, 0, Param(item));
}

std::size_t WineEditorPanes::BatchLimit(std::size_t recordSize, std::size_t capacity) const {
    return std::clamp<std::size_t>(scratch_.Size() / (recordSize + capacity), 1, kLargestBatch);
}

void WineEditorPanes::VisitChildren(TreeItemRef parent, std::size_t nameLength,
                                    const ChildVisitor& visit) {
    if (!scratch_) return;
    const std::size_t capacity = TextCapacity(nameLength);
    const std::size_t recordSize = AlignTo8(TreeItemRecordSize(width_));
    const std::size_t limit = BatchLimit(recordSize, capacity);
    std::vector<TreeItemRef> items;
    auto next = static_cast<TreeItemRef>(Tree(TVM_GETNEXTITEM, TVGN_CHILD, Param(parent)));
    for (std::size_t batch = std::min(kFirstBatch, limit), seen = 0; next && seen < kMostItems;
         seen += items.size(), batch = std::min(batch * 2, limit)) {
        items.clear();
        for (; next && items.size() < batch;
             next = static_cast<TreeItemRef>(Tree(TVM_GETNEXTITEM, TVGN_NEXT, Param(next))))
            items.push_back(next);
        const std::vector<std::string> names = ReadTexts({
            .count = items.size(),
            .recordSize = recordSize,
            .capacity = capacity,
            .record =
                [&](std::size_t i, std::uint64_t text) {
                    return TreeItemTextRequest(width_, items[i], text,
                                               static_cast<std::int32_t>(capacity));
                },
            .ask = [&](std::size_t, std::uint64_t record) { Tree(TVM_GETITEMA, 0, Param(record)); },
            .textPointer = TreeItemTextPointer,
        });
        for (std::size_t i = 0; i < items.size(); ++i)
            if (!visit(items[i], names[i])) return;
    }
}

void WineEditorPanes::VisitValues(std::size_t nameLength, const ValueVisitor& visit) {
    if (!scratch_) return;
    const LRESULT counted = List(LVM_GETITEMCOUNT, 0, 0);
    const std::size_t count =
        counted > 0 ? std::min(static_cast<std::size_t>(counted), kMostItems) : 0;
    const std::size_t capacity = TextCapacity(nameLength);
    const std::size_t recordSize = AlignTo8(ListItemRecordSize(width_));
    const std::size_t limit = BatchLimit(recordSize, capacity);
    for (std::size_t first = 0, batch = std::min(kFirstBatch, limit); first < count;
         first += batch, batch = std::min(batch * 2, limit)) {
        const std::size_t size = std::min(batch, count - first);
        const std::vector<std::string> names = ReadTexts({
            .count = size,
            .recordSize = recordSize,
            .capacity = capacity,
            .record =
                [&](std::size_t, std::uint64_t text) {
                    return ListItemTextRequest(width_, text, static_cast<std::int32_t>(capacity));
                },
            .ask = [&](std::size_t i,
                       std::uint64_t record) { List(LVM_GETITEMTEXTA, first + i, Param(record)); },
            .textPointer = ListItemTextPointer,
        });
        for (const std::string& name : names)
            if (!visit(name)) return;
    }
}

void WineEditorPanes::ClearValueSelection() {
    if (!scratch_ || !scratch_.Write(0, ListItemStateRequest(width_, 0, LVIS_SELECTED))) return;
    List(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), Param(scratch_.Address()));
}

void WineEditorPanes::SelectValue(std::size_t index) {
    if (!scratch_) return;
    ClearValueSelection();
    const RecordBytes select =
        ListItemStateRequest(width_, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (!scratch_.Write(0, select)) return;
    List(LVM_SETITEMSTATE, index, Param(scratch_.Address()));
    List(LVM_ENSUREVISIBLE, index, FALSE);
}

// One batch is one write of every record with empty text buffers behind them, one message
// per item, and one read of the whole block.
std::vector<std::string> WineEditorPanes::ReadTexts(const TextBatch& batch) {
    std::vector<std::string> texts(batch.count);
    const std::size_t textsOffset = batch.count * batch.recordSize;
    std::vector<std::uint8_t> block(textsOffset + batch.count * batch.capacity, 0);
    if (block.size() > scratch_.Size()) return texts;
    const std::uint64_t base = scratch_.Address();
    for (std::size_t i = 0; i < batch.count; ++i) {
        const RecordBytes record = batch.record(i, base + textsOffset + i * batch.capacity);
        std::copy_n(record.begin(), std::min(record.size(), batch.recordSize),
                    block.begin() + static_cast<std::ptrdiff_t>(i * batch.recordSize));
    }
    if (!scratch_.Write(0, block)) return texts;
    for (std::size_t i = 0; i < batch.count; ++i) batch.ask(i, base + i * batch.recordSize);
    if (!scratch_.Read(0, block)) return texts;

    for (std::size_t i = 0; i < batch.count; ++i) {
        const std::span<const std::uint8_t> record(block.data() + i * batch.recordSize,
                                                   batch.recordSize);
        const std::span<const std::uint8_t> buffer(block.data() + textsOffset + i * batch.capacity,
                                                   batch.capacity);
        const std::optional<std::uint64_t> pointer = batch.textPointer(record, width_);
        const std::uint64_t ours = base + textsOffset + i * batch.capacity;
        texts[i] = !pointer || *pointer == ours ? TextInBuffer(buffer)
                                                : ReadMovedText(*pointer, batch.capacity);
    }
    return texts;
}

// Text the control keeps itself may sit near the end of its memory: read no further than the
// page it starts in when the whole length cannot be read.
std::string WineEditorPanes::ReadMovedText(std::uint64_t address, std::size_t capacity) {
    constexpr std::uint64_t kPage = 4096;
    std::vector<std::uint8_t> text(capacity, 0);
    if (ReadProcessBytes(process_, address, text)) return TextInBuffer(text);
    const auto toPageEnd = static_cast<std::size_t>(kPage - address % kPage);
    if (toPageEnd >= capacity) return {};
    text.resize(toPageEnd);
    return ReadProcessBytes(process_, address, text) ? TextInBuffer(text) : std::string();
}

}  // namespace zelkova
