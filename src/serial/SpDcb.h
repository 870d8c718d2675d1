// The line settings of a port as one plain record, laid out and named as the Win32 DCB, and
// the numeric vocabulary of the port layer (line events, error word, purge flags, line
// functions). Both backends and the component speak these values, so the settings file, the
// component and the device agree on what a number means.
#pragma once

#include <cstdint>

struct TSpDCB {
    uint32_t DCBlength = 28;
    uint32_t BaudRate = 0;
    uint32_t Flags = 0; // the DCB bit fields as one word, see the SpDcbFlag constants
    uint16_t wReserved = 0;
    uint16_t XonLim = 0;
    uint16_t XoffLim = 0;
    uint8_t ByteSize = 0;
    uint8_t Parity = 0;   // 0 none, 1 odd, 2 even, 3 mark, 4 space
    uint8_t StopBits = 0; // 0 one, 1 one and a half, 2 two
    char XonChar = 0;
    char XoffChar = 0;
    char ErrorChar = 0;
    char EofChar = 0;
    char EvtChar = 0;
    uint16_t wReserved1 = 0;

    bool operator==(const TSpDCB&) const = default;
};

// Bits of TSpDCB::Flags (the order of the Win32 bit fields).
namespace SpDcbFlag {
inline constexpr uint32_t fBinary = 0x1;
inline constexpr uint32_t fParity = 0x2;
inline constexpr uint32_t fOutxCtsFlow = 0x4;
inline constexpr uint32_t fOutxDsrFlow = 0x8;
inline constexpr uint32_t fDtrControlMask = 0x30;
inline constexpr uint32_t DtrControlEnable = 0x10;
inline constexpr uint32_t DtrControlHandshake = 0x20;
inline constexpr uint32_t fDsrSensitivity = 0x40;
inline constexpr uint32_t fTXContinueOnXoff = 0x80;
inline constexpr uint32_t fOutX = 0x100;
inline constexpr uint32_t fInX = 0x200;
inline constexpr uint32_t fErrorChar = 0x400;
inline constexpr uint32_t fNull = 0x800;
inline constexpr uint32_t fRtsControlMask = 0x3000;
inline constexpr uint32_t RtsControlEnable = 0x1000;
inline constexpr uint32_t RtsControlHandshake = 0x2000;
inline constexpr uint32_t RtsControlToggle = 0x3000;
inline constexpr uint32_t fAbortOnError = 0x4000;
} // namespace SpDcbFlag

// Line events a wait can return.
namespace SpLineEvent {
inline constexpr uint32_t RxChar = 0x1;
inline constexpr uint32_t RxFlag = 0x2;
inline constexpr uint32_t TxEmpty = 0x4;
inline constexpr uint32_t Cts = 0x8;
inline constexpr uint32_t Dsr = 0x10;
inline constexpr uint32_t Rlsd = 0x20;
inline constexpr uint32_t Break = 0x40;
inline constexpr uint32_t Err = 0x80;
inline constexpr uint32_t Ring = 0x100;
// What the core waits for: receive, the modem lines, errors and ring (441).
inline constexpr uint32_t CoreMask = RxChar | Cts | Dsr | Rlsd | Err | Ring;
} // namespace SpLineEvent

// Bits of the error word of a status query.
namespace SpLineError {
inline constexpr uint32_t RxOver = 0x1;
inline constexpr uint32_t Overrun = 0x2;
inline constexpr uint32_t RxParity = 0x4;
inline constexpr uint32_t Frame = 0x8;
inline constexpr uint32_t Break = 0x10;
inline constexpr uint32_t TxFull = 0x100;
inline constexpr uint32_t IoError = 0x400; // the device went away (a hang-up)
} // namespace SpLineError

namespace SpPurge {
inline constexpr uint32_t TxAbort = 0x1;
inline constexpr uint32_t RxAbort = 0x2;
inline constexpr uint32_t TxClear = 0x4;
inline constexpr uint32_t RxClear = 0x8;
inline constexpr uint32_t All = TxAbort | RxAbort | TxClear | RxClear;
} // namespace SpPurge

// Codes of the line functions (EscapeLine).
namespace SpEscape {
inline constexpr uint32_t SetRts = 3;
inline constexpr uint32_t ClrRts = 4;
inline constexpr uint32_t SetDtr = 5;
inline constexpr uint32_t ClrDtr = 6;
} // namespace SpEscape

// The status record of a device status query.
struct TSpComStat {
    uint32_t Flags = 0;
    uint32_t InQueue = 0;  // bytes received and not yet read
    uint32_t OutQueue = 0; // bytes handed to the device and not yet sent
};
