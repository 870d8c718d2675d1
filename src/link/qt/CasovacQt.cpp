#include "link/qt/CasovacQt.h"

TCasovacQt::TCasovacQt(std::chrono::milliseconds interval) {
    timer_.setInterval(interval);
    // A restart or stop removes an expiry not yet delivered, so nothing stale fires.
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (OnTimer)
            OnTimer();
    });
}

void TCasovacQt::SetInterval(std::chrono::milliseconds interval) {
    timer_.setInterval(interval);
}

void TCasovacQt::Start() {
    timer_.start();
}

void TCasovacQt::Stop() {
    timer_.stop();
}

bool TCasovacQt::Enabled() const {
    return timer_.isActive();
}
