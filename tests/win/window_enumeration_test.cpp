// Walking the windows of a thread or of a parent, and what an error in the visitor does.
#include <gtest/gtest.h>

#include <new>

#include "gui/Edit.h"
#include "gui/Panel.h"
#include "gui/WindowEnumeration.h"
#include "support/GuiTesting_win.h"

namespace zelkova {
namespace {

using gui_testing::TestForm;

// The system's enumeration calls back through its own frames: an error in the visitor must stop
// it and come out of the call, not unwind through those frames.
TEST(WindowEnumeration, AFailingVisitorStopsTheEnumerationAndItsErrorComesOutOfTheCall) {
    TestForm first;
    TestForm second;
    first.Handle();
    second.Handle();
    int visited = 0;
    const WindowVisitor failing = [&](HWND) -> bool {
        ++visited;
        throw std::bad_alloc();
    };
    EXPECT_THROW(ForEachThreadWindow(GetCurrentThreadId(), failing), std::bad_alloc);
    EXPECT_EQ(visited, 1);

    auto& panel = Make<Panel>(first);
    panel.SetParent(&first);
    auto& edit = Make<Edit>(first);
    edit.SetParent(&first);
    visited = 0;
    EXPECT_THROW(ForEachChildWindow(first.Handle(), failing), std::bad_alloc);
    EXPECT_EQ(visited, 1);
}

}  // namespace
}  // namespace zelkova
