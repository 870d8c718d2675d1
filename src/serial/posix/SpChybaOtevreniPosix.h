// What an errno of open() means for the port, as a plain function beside the backend (the
// Win32 backend has its own for the system's error codes): a device that does not exist, or
// one that exists and cannot be had.
#pragma once

#include "serial/SpBackend.h"

TSpOpenError SpChybaOtevreniPosix(int chyba);
