#include "serial/posix/SpChybaOtevreniPosix.h"

#include <cerrno>

TSpOpenError SpChybaOtevreniPosix(int chyba) {
    switch (chyba) {
    case 0:
        return TSpOpenError::oeNone;
    case ENOENT:  // no such file
    case ENODEV:  // a device file without a driver behind it
    case ENXIO:   // a USB adapter that was pulled, a serial port the machine lacks
    case ENOTDIR: // a path through something that is no folder
    case EIO:     // a device that is going away
        return TSpOpenError::oeNotFound;
    case EISDIR: // a folder where a device was expected
        return TSpOpenError::oeNotDevice;
    case EACCES: // the device file's permissions: typically not in the group that owns it
    case EPERM:
        return TSpOpenError::oeNoAccess;
    default: // EBUSY, and whatever else keeps the device from us
        return TSpOpenError::oeBusy;
    }
}
