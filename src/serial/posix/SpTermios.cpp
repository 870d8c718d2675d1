#include "serial/posix/SpTermios.h"

namespace {

struct TRychlost {
    uint32_t baud;
    speed_t speed;
};

const TRychlost rychlosti[] = {
    {50, B50},       {75, B75},         {110, B110},       {134, B134},       {150, B150},
    {200, B200},     {300, B300},       {600, B600},       {1200, B1200},     {1800, B1800},
    {2400, B2400},   {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},
    {57600, B57600}, {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600},
};

// Mark and space parity need the "stick parity" flag, which not every system has.
constexpr tcflag_t stickParity =
#ifdef CMSPAR
    CMSPAR;
#else
    0;
#endif

} // namespace

tcflag_t SpBityZnaku() {
    return CSIZE | PARENB | PARODD | stickParity;
}

speed_t SpRychlostTermios(uint32_t baudRate) {
    for (const TRychlost& r : rychlosti)
        if (r.baud == baudRate)
            return r.speed;
    return B0;
}

bool SpDcbNaTermios(const TSpDCB& dcb, termios& t) {
    termios n = t;
    const speed_t speed = SpRychlostTermios(dcb.BaudRate);
    if (speed == B0)
        return false;

    n.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL |
                                        IXON | IXOFF | IXANY | INPCK | IGNPAR);
    n.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    n.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ECHOE | ECHOK | ICANON | ISIG | IEXTEN);
    n.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS | stickParity);
    n.c_cflag |= CREAD | CLOCAL;
    n.c_cc[VMIN] = 0;
    n.c_cc[VTIME] = 0;

    switch (dcb.ByteSize) {
    case 5:
        n.c_cflag |= CS5;
        break;
    case 6:
        n.c_cflag |= CS6;
        break;
    case 7:
        n.c_cflag |= CS7;
        break;
    case 8:
        n.c_cflag |= CS8;
        break;
    default:
        return false;
    }

    switch (dcb.Parity) {
    case 0:
        break;
    case 1:
        n.c_cflag |= PARENB | PARODD;
        break;
    case 2:
        n.c_cflag |= PARENB;
        break;
    case 3:
    case 4:
        if (stickParity == 0)
            return false;
        n.c_cflag |= PARENB | stickParity | (dcb.Parity == 3 ? PARODD : 0);
        break;
    default:
        return false;
    }
    if (dcb.Flags & SpDcbFlag::fParity)
        n.c_iflag |= INPCK;

    switch (dcb.StopBits) {
    case 0:
        break;
    case 1: // one and a half: what CSTOPB gives with 5 data bits
        if (dcb.ByteSize != 5)
            return false;
        n.c_cflag |= CSTOPB;
        break;
    case 2:
        n.c_cflag |= CSTOPB;
        break;
    default:
        return false;
    }

    if (dcb.Flags & SpDcbFlag::fOutX)
        n.c_iflag |= IXON;
    if (dcb.Flags & SpDcbFlag::fInX)
        n.c_iflag |= IXOFF;
    n.c_cc[VSTART] = static_cast<cc_t>(dcb.XonChar);
    n.c_cc[VSTOP] = static_cast<cc_t>(dcb.XoffChar);
    if ((dcb.Flags & SpDcbFlag::fOutxCtsFlow) ||
        (dcb.Flags & SpDcbFlag::fRtsControlMask) == SpDcbFlag::RtsControlHandshake)
        n.c_cflag |= CRTSCTS;
    // DSR/DTR handshake has no termios flag: the lines stay as the DCB's DTR control sets them.

    if (cfsetispeed(&n, speed) != 0 || cfsetospeed(&n, speed) != 0)
        return false;
    t = n;
    return true;
}

TSpDCB SpTermiosNaDcb(const termios& t, const TSpDCB& base) {
    TSpDCB dcb = base;
    const speed_t speed = cfgetospeed(&t);
    for (const TRychlost& r : rychlosti)
        if (r.speed == speed)
            dcb.BaudRate = r.baud;
    switch (t.c_cflag & CSIZE) {
    case CS5:
        dcb.ByteSize = 5;
        break;
    case CS6:
        dcb.ByteSize = 6;
        break;
    case CS7:
        dcb.ByteSize = 7;
        break;
    default:
        dcb.ByteSize = 8;
        break;
    }
    if (!(t.c_cflag & PARENB))
        dcb.Parity = 0;
    else if (stickParity != 0 && (t.c_cflag & stickParity))
        dcb.Parity = (t.c_cflag & PARODD) ? 3 : 4;
    else
        dcb.Parity = (t.c_cflag & PARODD) ? 1 : 2;
    if (!(t.c_cflag & CSTOPB))
        dcb.StopBits = 0;
    else
        dcb.StopBits = dcb.ByteSize == 5 ? 1 : 2;

    dcb.Flags |= SpDcbFlag::fBinary;
    dcb.Flags &= ~(SpDcbFlag::fOutX | SpDcbFlag::fInX | SpDcbFlag::fParity);
    if (t.c_iflag & IXON)
        dcb.Flags |= SpDcbFlag::fOutX;
    if (t.c_iflag & IXOFF)
        dcb.Flags |= SpDcbFlag::fInX;
    if (t.c_iflag & INPCK)
        dcb.Flags |= SpDcbFlag::fParity;
    if (t.c_cflag & CRTSCTS) {
        dcb.Flags |= SpDcbFlag::fOutxCtsFlow;
        dcb.Flags = (dcb.Flags & ~SpDcbFlag::fRtsControlMask) | SpDcbFlag::RtsControlHandshake;
    } else {
        dcb.Flags &= ~SpDcbFlag::fOutxCtsFlow;
        if ((dcb.Flags & SpDcbFlag::fRtsControlMask) == SpDcbFlag::RtsControlHandshake)
            dcb.Flags &= ~SpDcbFlag::fRtsControlMask;
    }
    dcb.XonChar = static_cast<char>(t.c_cc[VSTART]);
    dcb.XoffChar = static_cast<char>(t.c_cc[VSTOP]);
    return dcb;
}
