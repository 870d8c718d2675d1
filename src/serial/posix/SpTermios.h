// The line settings of a DCB record as termios flags and back. Pure functions: a pseudo-
// terminal accepts and ignores most of these settings, so the translation is tested here, on
// its own, rather than through a device.
#pragma once

#include "serial/SpDcb.h"

#include <termios.h>

// Puts the settings of the record into t, which holds the device's current settings: raw bytes
// both ways (no echo, no line editing, no character translation), reads that return at once,
// the receiver on and the modem lines not required. False, leaving t unchanged, when the
// system cannot do what the record asks (a baud rate without a termios speed, 4 data bits,
// mark or space parity without CMSPAR, one and a half stop bits with more than 5 data bits).
bool SpDcbNaTermios(const TSpDCB& dcb, termios& t);

// The settings that t holds, written over a copy of base (fields termios has no place for,
// such as the thresholds, keep the values of base).
TSpDCB SpTermiosNaDcb(const termios& t, const TSpDCB& base);

// The flags that frame a character: its size and parity.
tcflag_t SpBityZnaku();

// The termios speed of a baud rate, B0 when there is none.
speed_t SpRychlostTermios(uint32_t baudRate);
