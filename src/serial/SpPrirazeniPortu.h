// Which device each port number stands for, decided from what the settings file says and which
// adapters are present, without touching either: the rule as a plain function.
//
// A key COMn of section Devices always wins. A number without a key takes the system's own
// device for it where there is one (Linux: COM1-COM4 the built-in ports; Windows: every
// number). The numbers left over go, lowest first, to the adapters present that no key names;
// an adapter with a stable link (Linux: /dev/serial/by-id/...) is opened by that link and
// remembered under its number, so it keeps the number when another adapter is plugged in or
// the program starts again.
#pragma once

#include <functional>
#include <string>
#include <vector>

// An adapter the system reports present.
struct TSpAdapter {
    std::string Zarizeni; // its device path (/dev/ttyUSB0, \\.\COM14)
    std::string Odkaz;    // a link that names it whatever its device is; empty when none
    std::string Nazev;    // what the system calls it; empty when unknown
};

// What port COMn stands for.
struct TSpPopisPortu {
    int Cislo = 0;
    std::string Zarizeni; // the path that is opened; empty: the number stands for nothing
    std::string Skutecne; // the device behind it (an adapter's own device path), for showing
    std::string Nazev;    // the adapter's name where the system knows it
    bool operator==(const TSpPopisPortu&) const = default;
};

struct TSpPrirazeni {
    std::vector<TSpPopisPortu> Porty; // COM1 .. COM<count>
    // Keys to add to section Devices: number and the adapter's link.
    std::vector<std::pair<int, std::string>> Zapamatovat;
};

// `klic(n)`: the path key COMn names (empty without a key); `vlastni(n)`: the system's own
// device for n (empty without one). `adaptery` in the order in which free numbers go to them.
TSpPrirazeni SpPriradPorty(int count, const std::function<std::string(int)>& klic,
                           const std::function<std::string(int)>& vlastni,
                           const std::vector<TSpAdapter>& adaptery);
