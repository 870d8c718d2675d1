// Lowers the file-size limit for a test's lifetime: writes past it fail with EFBIG, as on a
// full disk, without filling one.
#pragma once

#include <csignal>
#include <sys/resource.h>

class TOmezeniVelikosti {
public:
    explicit TOmezeniVelikosti(rlim_t bajtu) {
        getrlimit(RLIMIT_FSIZE, &puvodni_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit nove = puvodni_;
        nove.rlim_cur = bajtu;
        setrlimit(RLIMIT_FSIZE, &nove);
    }
    ~TOmezeniVelikosti() {
        setrlimit(RLIMIT_FSIZE, &puvodni_);
        std::signal(SIGXFSZ, signal_);
    }
    TOmezeniVelikosti(const TOmezeniVelikosti&) = delete;
    TOmezeniVelikosti& operator=(const TOmezeniVelikosti&) = delete;

private:
    rlimit puvodni_{};
    void (*signal_)(int) = nullptr;
};
