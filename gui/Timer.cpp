#include "gui/Timer.h"

#include <windows.h>

#include <unordered_map>

#include "gui/Application.h"
#include "gui/SystemError.h"

namespace zelkova {

void TimerTick(std::uintptr_t id);

namespace {
// Live timers by their system id. A tick is delivered only to a timer still listed here, so
// one that was queued just before its timer was destroyed finds nothing.
std::unordered_map<std::uintptr_t, Timer*>& LiveTimers() {
    static std::unordered_map<std::uintptr_t, Timer*> timers;
    return timers;
}

void CALLBACK TimerProcedure(HWND, UINT, UINT_PTR id, DWORD) noexcept {
    try {
        TimerTick(id);
    } catch (...) {
        HandleException();  // a tick is dispatched like a message: nothing may escape it
    }
}
}  // namespace

void TimerTick(std::uintptr_t id) { Timer::Tick(id); }

Timer::Timer(Component* owner) : Component(owner) {}

Timer::~Timer() { Stop(); }

void Timer::SetInterval(int interval) {
    if (interval == interval_) return;
    interval_ = interval;
    Restart();
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Restart();
}

void Timer::SetOnTimer(NotifyEvent handler) {
    OnTimer = std::move(handler);
    Restart();
}

void Timer::Stop() {
    if (id_ == 0) return;
    KillTimer(nullptr, id_);
    LiveTimers().erase(id_);
    id_ = 0;
}

void Timer::Restart() {
    Stop();
    if (!enabled_ || interval_ <= 0 || !OnTimer) return;
    id_ = SetTimer(nullptr, 0, static_cast<UINT>(interval_), TimerProcedure);
    if (id_ == 0)
        throw std::runtime_error(WithSystemError("Not enough timers available", GetLastError()));
    LiveTimers()[id_] = this;
}

void Timer::Tick(std::uintptr_t id) {
    const auto found = LiveTimers().find(id);
    if (found == LiveTimers().end()) return;
    Timer* timer = found->second;
    if (timer->OnTimer) timer->OnTimer(timer);
}

}  // namespace zelkova
