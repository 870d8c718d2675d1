// The line-setting enumerations of the serial port component, as the link driver, the
// settings file and the settings dialog use them, with the DCB value of each member. The
// ordinal is the value stored in the settings file, so the order never changes.
#pragma once

#include "serial/SpSet.h"

#include <cstdint>

enum TSpBaudrate : uint8_t {
    br110,
    br300,
    br600,
    br1200,
    br2400,
    br4800,
    br9600,
    br14400,
    br19200,
    br38400,
    br56000,
    br57600,
    br115200,
    br128000,
    br256000,
    brUser // the component's UserBaudRate
};

enum TSpParity : uint8_t { paNone, paOdd, paEven, paMark, paSpace };
enum TSpDatabits : uint8_t { db4, db5, db6, db7, db8 };
enum TSpStopbits : uint8_t { sbOne, sbOneAndHalf, sbTwo };
enum TSpFlowControl : uint8_t { fwNone, fwXOnXOff, fwRtsCts, fwDtrDsr };
enum TSpComOption : uint8_t {
    coParityCheck,
    coDsrSensitivity,
    coIgnoreXOff,
    coErrorChar,
    coStripNull
};

using TSpComOptions = TSpSet<TSpComOption>;

// DCB values. SpBaudrateHodnota(brUser) is 0: the component puts UserBaudRate there.
uint32_t SpBaudrateHodnota(TSpBaudrate baudRate);
uint8_t SpDatabitsHodnota(TSpDatabits databits); // ByteSize 4..8
uint8_t SpParityHodnota(TSpParity parity);       // 0..4
uint8_t SpStopbitsHodnota(TSpStopbits stopbits); // 0..2
uint32_t SpFlowControlBity(TSpFlowControl flow); // DCB flag bits
uint32_t SpComOptionBit(TSpComOption option);    // DCB flag bit
