// The response timer of the program: a QTimer on the user-interface thread.
#pragma once

#include "link/Casovac.h"

#include <QTimer>

class TCasovacQt final : public TCasovac {
public:
    explicit TCasovacQt(std::chrono::milliseconds interval = std::chrono::milliseconds(1000));

    void SetInterval(std::chrono::milliseconds interval) override;
    void Start() override;
    void Stop() override;
    bool Enabled() const override;

private:
    QTimer timer_;
};
