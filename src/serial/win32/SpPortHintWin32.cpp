// COMn is the device's own name on Windows: nothing to add.
#include "serial/SpPortStates.h"

std::string SpPortHint(int) {
    return {};
}
