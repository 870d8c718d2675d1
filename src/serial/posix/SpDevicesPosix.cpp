// The device names serial adapters have on Linux: built-in ports, then USB adapters.
#include "serial/SpDevices.h"

std::string SpVychoziSlozkaZarizeni() {
    return "/dev";
}

std::string SpDefaultDevicePath(int number) {
    if (number >= 1 && number <= 4)
        return SpSlozkaZarizeni() + "/ttyS" + std::to_string(number - 1);
    if (number >= 5 && number <= 10)
        return SpSlozkaZarizeni() + "/ttyUSB" + std::to_string(number - 5);
    return {};
}
