// A fresh pseudo-terminal for a test: the master side held open for the object's life, the
// slave side's device name to hand to the code under test as a serial port.
#pragma once

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

class TPseudoterminal {
public:
    TPseudoterminal() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0)
            if (const char* jmeno = ptsname(master_))
                zarizeni_ = jmeno;
    }
    ~TPseudoterminal() {
        if (master_ >= 0)
            close(master_);
    }
    TPseudoterminal(const TPseudoterminal&) = delete;
    TPseudoterminal& operator=(const TPseudoterminal&) = delete;

    // Empty when the system gave no pseudo-terminal.
    const std::string& Zarizeni() const { return zarizeni_; }

private:
    int master_ = -1;
    std::string zarizeni_;
};
