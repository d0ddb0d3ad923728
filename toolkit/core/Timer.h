#pragma once
// TTimer: calls OnTimer every Interval milliseconds while Enabled, from the message loop. It runs
// while Enabled (and Interval is not 0) whatever order Interval, OnTimer and Enabled are set in; a
// timer the platform refuses raises EOutOfResources.
#include <windows.h>

#include "Component.h"

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned milliseconds);
    TNotifyEvent OnTimer;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
    void Update();

    bool FEnabled = true;
    unsigned FInterval = 1000;
    UINT_PTR FId = 0;
};
