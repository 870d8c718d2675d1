#include "link/PortStanice.h"

#include <thread>

bool TPortStanice::CekejNaOdeslani(int32_t prazdno, std::chrono::milliseconds limit) {
    const auto konec = std::chrono::steady_clock::now() + limit;
    while (Active()) {
        if (OutputFree() >= prazdno && Core().QueryStatus().OutQueue == 0)
            return true;
        if (std::chrono::steady_clock::now() >= konec)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return false;
}
