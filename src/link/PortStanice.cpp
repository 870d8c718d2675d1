#include "link/PortStanice.h"

#include <algorithm>
#include <thread>

bool TPortStanice::CekejNaOdeslani(int32_t prazdno, int32_t bajtu,
                                   std::chrono::milliseconds limit) {
    using namespace std::chrono;
    const auto zacatek = steady_clock::now();
    const auto konec = zacatek + limit;
    while (Active()) {
        if (OutputFree() >= prazdno && Core().QueryStatus().OutQueue == 0) {
            // Ten bits a byte, and a few milliseconds for the system to hand them on.
            const uint32_t baud = std::max<uint32_t>(DCB().BaudRate, 110);
            const auto dratu = microseconds(int64_t{bajtu} * 10'000'000 / baud) + milliseconds(5);
            std::this_thread::sleep_until(std::min(konec, steady_clock::now() + dratu));
            return true;
        }
        if (steady_clock::now() >= konec)
            return false;
        std::this_thread::sleep_for(microseconds(200));
    }
    return false;
}
