#include "Timer.h"

#include <map>

#include "ErrorBoundary.h"
#include "Exceptions.h"

namespace {
// Thread timers carry no object: find the timer by its id.
std::map<UINT_PTR, TTimer*>& Timers() {
    static std::map<UINT_PTR, TTimer*> timers;
    return timers;
}
}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) { Update(); }

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
    // Armed without a handler too: OnTimer is a plain field, so a handler given later could not
    // arm it; each tick looks for the handler.
    if (FEnabled && FInterval > 0) {
        FId = SetTimer(nullptr, 0, FInterval, &TTimer::Tick);
        if (!FId) {
            FEnabled = false;
            throw EOutOfResources("Not enough timers available");
        }
        Timers()[FId] = this;
    }
}

void CALLBACK TTimer::Tick(HWND, UINT, UINT_PTR id, DWORD) {
    auto it = Timers().find(id);
    if (it == Timers().end()) return;
    TTimer* timer = it->second;
    Guarded(timer, [timer] {
        if (timer->OnTimer) timer->OnTimer(timer);
    });
}
