// What the port tests need from "the other end of the cable": a device the port can open and a
// peer that sends and receives on it. On POSIX a pseudo-terminal with the simulated station
// behind it; another system supplies its own (TestLinka<system>.cpp), and the tests that use
// only this interface run unchanged there.
#pragma once

#include <chrono>
#include <memory>
#include <string>

// What a test may need that not every device can show.
enum class TSchopnostLinky {
    slVyhradniPouziti,    // a device held by one port cannot be opened by another
    slOdmitnutiRychlosti, // a rate the device does not have is refused
    slStavPripojeni,      // Pripojeno tells whether a port holds the device
};

class TTestLinka {
public:
    virtual ~TTestLinka() = default;
    // The device path the port opens.
    virtual std::string Zarizeni() const = 0;
    // A device path of the same kind that names no device.
    virtual std::string ChybejiciZarizeni() const = 0;
    virtual bool Posli(const std::string& bytes) = 0;
    // What the port has written, within the time (stops once `pocet` bytes are there).
    virtual std::string Prijmi(std::chrono::milliseconds limit, size_t pocet) = 0;
    virtual bool Pripojeno() const = 0;
    // The other end goes away (cable pulled, adapter gone).
    virtual void Zaves() = 0;
    // Why this device cannot show it; empty when it can. A test that needs it skips itself
    // with this reason, and the behaviour is covered where the device is not needed.
    virtual std::string Nelze(TSchopnostLinky) const { return {}; }
};

std::unique_ptr<TTestLinka> VytvorTestLinku();
