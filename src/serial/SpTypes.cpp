#include "serial/SpTypes.h"

#include "serial/SpDcb.h"
#include "serial/SpSlovnikLinky.h"

uint32_t SpBaudrateHodnota(TSpBaudrate baudRate) {
    return SpCisloRychlosti(baudRate);
}

uint8_t SpDatabitsHodnota(TSpDatabits databits) {
    return static_cast<uint8_t>(SpCisloDatovychBitu(databits));
}
uint8_t SpParityHodnota(TSpParity parity) {
    return static_cast<uint8_t>(parity);
}
uint8_t SpStopbitsHodnota(TSpStopbits stopbits) {
    return static_cast<uint8_t>(stopbits);
}

uint32_t SpFlowControlBity(TSpFlowControl flow) {
    using namespace SpDcbFlag;
    switch (flow) {
    case fwXOnXOff:
        return fOutX | fInX;
    case fwRtsCts:
        return fOutxCtsFlow | RtsControlHandshake;
    case fwDtrDsr:
        return fOutxDsrFlow | DtrControlHandshake;
    case fwNone:
        break;
    }
    return 0;
}

uint32_t SpComOptionBit(TSpComOption option) {
    using namespace SpDcbFlag;
    switch (option) {
    case coParityCheck:
        return fParity;
    case coDsrSensitivity:
        return fDsrSensitivity;
    case coIgnoreXOff:
        return fTXContinueOnXoff;
    case coErrorChar:
        return fErrorChar;
    case coStripNull:
        return fNull;
    }
    return 0;
}
