// What the port list knows about each port, without any window: whether the port exists and
// is free, how an item looks in a given state, its caption and the text naming its device.
#pragma once

#include "serial/SpBackend.h"
#include "serial/SpPrirazeniPortu.h"
#include "serial/SpSet.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The state of port COMn as the port list stores it in its item (the numbers are the items'
// object values).
enum class TSpPortState : uint8_t {
    psInUse = 0,     // exists, but cannot be opened (another program holds it)
    psFree = 1,      // opened and closed again
    psMissing = 2,   // the system reported no such device
    psNoAccess = 3,  // exists, but the user may not open it (device file permissions)
    psNotDevice = 4, // exists, but is no serial device (a folder mapped by mistake)
};

enum TSpPortCtlOption : uint8_t {
    pcCheckExist,   // missing ports are disabled
    pcDisableOpen,  // ports in use by another program are disabled
    pcHighlightOpen // ports in use are shown grey (unless disabled)
};

using TSpPortCtlOptions = TSpSet<TSpPortCtlOption>;

// Tells the state of port COMn (n >= 1). Never raises.
using TSpPortProbe = std::function<TSpPortState(int number)>;

// Opens the device of COMn for exclusive use and closes it again at once; a probe never keeps
// the port. A port that cannot be probed counts as in use.
TSpPortState SpProbePort(int number, TSpBackendFactory backendFactory = &SpCreateBackend);
// The same for a device path (empty: missing).
TSpPortState SpProbePath(const std::string& path,
                         TSpBackendFactory backendFactory = &SpCreateBackend);

// The states of COM1 .. COM<count>, in order.
std::vector<TSpPortState> SpProbePorts(int count, const TSpPortProbe& probe);

struct TSpPortItemLook {
    bool Enabled = true;
    bool Grey = false; // caption in the grey text colour instead of the normal one
    bool operator==(const TSpPortItemLook&) const = default;
};
TSpPortItemLook SpPortItemLook(TSpPortState state, TSpPortCtlOptions options);

// "COM &1" .. "COM &9" (the digit is the keyboard accelerator), "COM 10" and above without.
std::string SpPortCaption(int number);

// The state in a word (cp1250): "volný", "obsazený", "chybí", "bez oprávnění", "není zařízení".
std::string SpTextStavu(TSpPortState state);

// What follows the caption in the list (cp1250): the device (without the device folder), the
// state unless the port is free, and the adapter's name where known,
// "ttyUSB0 – FTDI FT232R USB UART", "ttyS0 (chybí)", "ttyACM0 (bez oprávnění) – ...".
std::string SpPopisekPortu(const TSpPopisPortu& port, TSpPortState state);

// The item's hint: the path that is opened, and the device behind it where that differs.
std::string SpPortHint(const TSpPopisPortu& port);
