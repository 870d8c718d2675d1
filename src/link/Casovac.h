// A one-shot-per-interval timer on the user-interface thread (the driver's response timer).
// The program uses a QTimer; merivox-cli and the tests a timer served by their plain loop.
#pragma once

#include <chrono>
#include <functional>

class TCasovac {
public:
    virtual ~TCasovac() = default;
    virtual void SetInterval(std::chrono::milliseconds interval) = 0;
    // Start restarts a running timer with a fresh interval. OnTimer fires on the
    // user-interface thread each time the interval passes while the timer is enabled.
    virtual void Start() = 0;
    virtual void Stop() = 0;
    virtual bool Enabled() const = 0;

    std::function<void()> OnTimer;
};
