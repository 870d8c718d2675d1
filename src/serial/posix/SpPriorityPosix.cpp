// Ordinary threads on Linux share one static priority; changing it needs privileges and a
// real-time policy that a serial link does not justify, so priorities are stored only.
#include "serial/SpBackend.h"

bool SpApplyThreadPriority(std::thread&, TSpThreadPriority) {
    return false;
}
