// The two exceptions of the port layer. Their texts are English, as the device layer has always
// spoken; the link driver turns them into the Czech message the user sees.
#pragma once

#include "serial/SpDcb.h"

#include <stdexcept>
#include <string>
#include <utility>

// Raised by the port core: opening the device, applying line settings.
class ESpComPortCoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raised by the port core when the device exists but the user may not open it: the message
// the user sees names the device and what would let them in.
class ESpBezOpravneni : public ESpComPortCoreError {
public:
    explicit ESpBezOpravneni(std::string device)
        : ESpComPortCoreError("No permission to open device " + device),
          device_(std::move(device)) {}
    const std::string& Device() const { return device_; }

private:
    std::string device_;
};

// Raised by the port core when the device exists but another program holds it.
class ESpPortObsazen : public ESpComPortCoreError {
public:
    ESpPortObsazen(std::string device, const std::string& name)
        : ESpComPortCoreError("Can't open device " + name), device_(std::move(device)) {}
    const std::string& Device() const { return device_; }

private:
    std::string device_;
};

// Raised by the port core when the path names something that is no serial device (a folder,
// a plain file): the user has mapped the port to the wrong path.
class ESpNeniZarizeni : public ESpComPortCoreError {
public:
    explicit ESpNeniZarizeni(std::string device)
        : ESpComPortCoreError("Not a serial device: " + device), device_(std::move(device)) {}
    const std::string& Device() const { return device_; }

private:
    std::string device_;
};

// Raised by the port core when the device refuses the line settings (a data-bit count, rate
// or parity its driver cannot take): the device is there, and the message the user sees
// names the setting rather than calling the port missing. Carries the settings asked for.
class ESpNastaveniOdmitnuto : public ESpComPortCoreError {
public:
    explicit ESpNastaveniOdmitnuto(const TSpDCB& dcb)
        : ESpComPortCoreError("Error setting parameters from DCB"), dcb_(dcb) {}
    const TSpDCB& Dcb() const { return dcb_; }

private:
    TSpDCB dcb_;
};

// Raised by the port component: refused writes, short reads, sizes changed while open.
class ESpComPortError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
