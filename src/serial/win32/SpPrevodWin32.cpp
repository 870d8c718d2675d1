#include "serial/win32/SpPrevodWin32.h"

// The port layer's numbers are the system's own: the settings file, the component and the
// driver mean the same by each.
static_assert(sizeof(DCB) == 28, "the DCB record has 28 bytes");
static_assert(SpLineEvent::RxChar == EV_RXCHAR && SpLineEvent::Cts == EV_CTS &&
              SpLineEvent::Dsr == EV_DSR && SpLineEvent::Rlsd == EV_RLSD &&
              SpLineEvent::Err == EV_ERR && SpLineEvent::Ring == EV_RING &&
              SpLineEvent::Break == EV_BREAK && SpLineEvent::TxEmpty == EV_TXEMPTY &&
              SpLineEvent::RxFlag == EV_RXFLAG);
static_assert(SpLineError::RxOver == CE_RXOVER && SpLineError::Overrun == CE_OVERRUN &&
              SpLineError::RxParity == CE_RXPARITY && SpLineError::Frame == CE_FRAME &&
              SpLineError::Break == CE_BREAK && SpLineError::TxFull == CE_TXFULL &&
              SpLineError::IoError == CE_IOE);
static_assert(SpPurge::TxAbort == PURGE_TXABORT && SpPurge::RxAbort == PURGE_RXABORT &&
              SpPurge::TxClear == PURGE_TXCLEAR && SpPurge::RxClear == PURGE_RXCLEAR);
static_assert(SpEscape::SetRts == SETRTS && SpEscape::ClrRts == CLRRTS &&
              SpEscape::SetDtr == SETDTR && SpEscape::ClrDtr == CLRDTR);

DCB SpDcbNaWin32(const TSpDCB& s) {
    DCB d{};
    d.DCBlength = sizeof(DCB);
    d.BaudRate = s.BaudRate;
    const uint32_t f = s.Flags;
    d.fBinary = f & 1;
    d.fParity = (f >> 1) & 1;
    d.fOutxCtsFlow = (f >> 2) & 1;
    d.fOutxDsrFlow = (f >> 3) & 1;
    d.fDtrControl = (f >> 4) & 3;
    d.fDsrSensitivity = (f >> 6) & 1;
    d.fTXContinueOnXoff = (f >> 7) & 1;
    d.fOutX = (f >> 8) & 1;
    d.fInX = (f >> 9) & 1;
    d.fErrorChar = (f >> 10) & 1;
    d.fNull = (f >> 11) & 1;
    d.fRtsControl = (f >> 12) & 3;
    d.fAbortOnError = (f >> 14) & 1;
    d.XonLim = s.XonLim;
    d.XoffLim = s.XoffLim;
    d.ByteSize = s.ByteSize;
    d.Parity = s.Parity;
    d.StopBits = s.StopBits;
    d.XonChar = s.XonChar;
    d.XoffChar = s.XoffChar;
    d.ErrorChar = s.ErrorChar;
    d.EofChar = s.EofChar;
    d.EvtChar = s.EvtChar;
    return d;
}

TSpDCB SpDcbZWin32(const DCB& d) {
    TSpDCB s;
    s.DCBlength = d.DCBlength;
    s.BaudRate = d.BaudRate;
    s.Flags = d.fBinary | (d.fParity << 1) | (d.fOutxCtsFlow << 2) | (d.fOutxDsrFlow << 3) |
              (d.fDtrControl << 4) | (d.fDsrSensitivity << 6) | (d.fTXContinueOnXoff << 7) |
              (d.fOutX << 8) | (d.fInX << 9) | (d.fErrorChar << 10) | (d.fNull << 11) |
              (d.fRtsControl << 12) | (d.fAbortOnError << 14);
    s.XonLim = d.XonLim;
    s.XoffLim = d.XoffLim;
    s.ByteSize = d.ByteSize;
    s.Parity = d.Parity;
    s.StopBits = d.StopBits;
    s.XonChar = d.XonChar;
    s.XoffChar = d.XoffChar;
    s.ErrorChar = d.ErrorChar;
    s.EofChar = d.EofChar;
    s.EvtChar = d.EvtChar;
    return s;
}

TSpOpenError SpChybaOtevreniWin32(DWORD error) {
    switch (error) {
    case ERROR_SUCCESS:
        return TSpOpenError::oeNone;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_UNIT:
        return TSpOpenError::oeNotFound;
    default: // ERROR_ACCESS_DENIED (held by another program), ERROR_SHARING_VIOLATION, ...
        return TSpOpenError::oeBusy;
    }
}

bool SpJeZaveseniWin32(DWORD error) {
    return error == ERROR_BROKEN_PIPE || error == ERROR_NOT_READY || error == ERROR_DEVICE_REMOVED;
}

bool SpNepodporovanoWin32(DWORD error) {
    return error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION;
}
