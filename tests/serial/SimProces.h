// Starts merivox-sim (from the build's bin folder) as its own process, reads the device it
// serves from the first line of its output, and ends it when the object goes away.
#pragma once

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

class TSimProces {
public:
    explicit TSimProces(const std::vector<std::string>& argumenty);
    ~TSimProces();
    TSimProces(const TSimProces&) = delete;
    TSimProces& operator=(const TSimProces&) = delete;

    // The device path merivox-sim printed; empty when it did not start.
    const std::string& Zarizeni() const { return zarizeni_; }
    // The exit status, or -1 when it still runs after the limit.
    int Cekej(std::chrono::milliseconds limit);

private:
    pid_t pid_ = -1;
    int stav_ = -1;
    std::string zarizeni_;
};
