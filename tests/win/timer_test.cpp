// Timers: a destroyed timer never ticks.
#include <gtest/gtest.h>

#include "gui/Timer.h"
#include "support/GuiTesting_win.h"

namespace zelkova {
namespace {

using namespace std::chrono_literals;
using gui_testing::PumpFor;
using gui_testing::TestForm;

TEST(Timers, ADestroyedTimerNeverTicksEvenWithATickQueued) {
    TestForm form;
    int ticks = 0;
    auto* timer = new Timer(&form);
    timer->SetInterval(10);
    timer->SetOnTimer([&](Component*) { ++ticks; });
    Sleep(50);  // let ticks queue up without being dispatched
    delete timer;
    PumpFor(100ms);
    EXPECT_EQ(ticks, 0);
}

}  // namespace
}  // namespace zelkova
