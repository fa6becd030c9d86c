// A window-message timer: its ticks arrive through the message loop, between other messages.
// A destroyed timer never ticks again, even if a tick was already queued.
#pragma once

#include <cstdint>

#include "gui/Component.h"
#include "gui/Events.h"

namespace zelkova {

class Timer : public Component {
public:
    explicit Timer(Component* owner);
    ~Timer() override;

    std::string_view ClassName() const override { return "TTimer"; }

    // Milliseconds; 0 (or less) gives no ticks.
    void SetInterval(int interval);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // Runs on every tick.
    NotifyEvent OnTimer;
    void SetOnTimer(NotifyEvent handler);

private:
    void Restart();
    void Stop();
    static void Tick(std::uintptr_t id);
    friend void TimerTick(std::uintptr_t id);

    int interval_ = 1000;
    bool enabled_ = true;
    std::uintptr_t id_ = 0;
};

}  // namespace zelkova
