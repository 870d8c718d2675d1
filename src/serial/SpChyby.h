// The two exceptions of the port layer. Their texts are English, as the device layer has always
// spoken; the link driver turns them into the Czech message the user sees.
#pragma once

#include <stdexcept>

// Raised by the port core: opening the device, applying line settings.
class ESpComPortCoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raised by the port component: refused writes, short reads, sizes changed while open.
class ESpComPortError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
