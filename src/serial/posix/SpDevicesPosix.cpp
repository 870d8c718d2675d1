// The device names serial adapters have on Linux: built-in ports, then USB adapters.
#include "serial/SpDevices.h"

std::string SpDefaultDevicePath(int number) {
    if (number >= 1 && number <= 4)
        return "/dev/ttyS" + std::to_string(number - 1);
    if (number >= 5 && number <= 10)
        return "/dev/ttyUSB" + std::to_string(number - 5);
    return {};
}
