// COMn stands for a device file of its own here (section Devices or the system's rule); the
// port list shows which, so that a user can tell the adapter behind a number.
#include "serial/SpDevices.h"
#include "serial/SpPortStates.h"

std::string SpPortHint(int number) {
    try {
        return SpDevicePath(number);
    } catch (...) {
        return {}; // an unreadable settings file: no hint rather than no list
    }
}
