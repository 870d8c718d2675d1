// The device namespace name, which also reaches COM10 and above.
#include "serial/SpDevices.h"

std::string SpVychoziSlozkaZarizeni() {
    return "\\\\.";
}

std::string SpDefaultDevicePath(int number) {
    return number > 0 ? SpSlozkaZarizeni() + "\\COM" + std::to_string(number) : std::string();
}
