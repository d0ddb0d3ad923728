#include "Timer.h"

#include <map>

#include "Application.h"

namespace {
// Thread timers carry no object: find the timer by its id.
std::map<UINT_PTR, TTimer*>& Timers() {
    static std::map<UINT_PTR, TTimer*> timers;
    return timers;
}
}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
    FEnabled = false;
    Update();
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == FEnabled) return;
    FEnabled = enabled;
    Update();
}

void TTimer::SetInterval(unsigned milliseconds) {
    if (milliseconds == FInterval) return;
    FInterval = milliseconds;
    Update();
}

void TTimer::Update() {
    if (FId) {
        KillTimer(nullptr, FId);
        Timers().erase(FId);
        FId = 0;
    }
    if (FEnabled && FInterval > 0 && OnTimer) {
        FId = SetTimer(nullptr, 0, FInterval, &TTimer::Tick);
        if (FId) Timers()[FId] = this;
    }
}

void CALLBACK TTimer::Tick(HWND, UINT, UINT_PTR id, DWORD) {
    auto it = Timers().find(id);
    if (it == Timers().end()) return;
    TTimer* timer = it->second;
    try {
        if (timer->OnTimer) timer->OnTimer(timer);
    } catch (...) {
        if (Application) Application->HandleException(timer);
    }
}
