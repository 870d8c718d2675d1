// The port component as the link driver needs it: the plain component plus a bounded wait
// until what was written has left for the line. Closing the port purges its output, so the
// last bytes of a conversation, written just before the close, would otherwise be cut off.
#pragma once

#include "serial/SpComPort.h"

#include <chrono>

class TPortStanice final : public TSpComPort {
public:
    using TSpComPort::TSpComPort;

    // Waits until the output buffer is back to `prazdno` free bytes (its free space when
    // empty) and the device reports nothing left to send, then for the wire time of `bajtu`
    // bytes (a device that keeps no count of its output, such as a pseudo-terminal, still
    // passes them on in that time). At most `limit` in all; false on time-out.
    bool CekejNaOdeslani(int32_t prazdno, int32_t bajtu, std::chrono::milliseconds limit);
};
