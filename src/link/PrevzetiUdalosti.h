// A window or a command-line command that talks to the station through the one driver takes
// over the driver's events for as long as it needs them, and the owner before it (the main
// window) gets them back afterwards, whichever way the taker ends.
#pragma once

#include "link/Komunikace.h"

class TPrevzetiUdalosti {
public:
    // Keeps the driver's handlers as they are now; the taker then sets its own.
    explicit TPrevzetiUdalosti(TComDriver& driver);
    // Puts the kept handlers back.
    ~TPrevzetiUdalosti();
    TPrevzetiUdalosti(const TPrevzetiUdalosti&) = delete;
    TPrevzetiUdalosti& operator=(const TPrevzetiUdalosti&) = delete;

private:
    TComDriver& driver_;
    TKomunikaceEvent ok_;
    TKomunikaceEvent err_;
    TPrubehZapisuEvent prubehZapisu_;
    TComDriverNotifyEvent chybaOtevreni_;
    TPrubehNacteniEvent prubehNacteni_;
};
