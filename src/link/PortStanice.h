// The port component as the link driver needs it: the plain component plus a bounded wait
// until what was written has left for the line, so that closing right after the last bytes of
// a conversation (which purges the output) does not cut them off.
#pragma once

#include "serial/SpComPort.h"

#include <chrono>

class TPortStanice final : public TSpComPort {
public:
    using TSpComPort::TSpComPort;

    // Waits until the output buffer is back to `prazdno` free bytes (its free space when
    // empty) and the device holds nothing more to send, at most `limit`. False on time-out.
    bool CekejNaOdeslani(int32_t prazdno, std::chrono::milliseconds limit);
};
