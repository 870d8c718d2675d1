// What the Win32 backend hands to and takes from the communication functions, as plain
// functions without a device: the line settings as a DCB, and what an error code of the system
// means for the port. Kept apart so that they can be checked where no port can show them (a
// pseudo-terminal has no framing, parity or modem lines).
#pragma once

#include "serial/SpBackend.h"

#include <windows.h>

DCB SpDcbNaWin32(const TSpDCB& dcb);
TSpDCB SpDcbZWin32(const DCB& dcb);

// The open failure a CreateFileA error code stands for: a port that does not exist, or one that
// exists and cannot be had.
TSpOpenError SpChybaOtevreniWin32(DWORD error);
// The line went away (the other end closed, the adapter was pulled): nothing on it will work
// again until it is opened anew.
bool SpJeZaveseniWin32(DWORD error);
// The driver has no such function (modem lines on a line without them, a wait for modem events):
// the answer "not here", not a fault of the port.
bool SpNepodporovanoWin32(DWORD error);
