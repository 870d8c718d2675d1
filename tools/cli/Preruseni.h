// Ctrl+C, and the requests to end that a system sends (SIGTERM; SIGHUP when the terminal or the
// session goes away), while merivox-cli talks to the station: a signal only raises a flag,
// which the waiting loops look at between the events they serve; the command then ends in
// order, keeping what came and writing its record, instead of the program dying with the data.
#pragma once

#include <string>
#include <vector>

// Installs the handlers for its lifetime and puts the previous ones back afterwards.
class TPreruseni {
public:
    TPreruseni();
    ~TPreruseni();
    TPreruseni(const TPreruseni&) = delete;
    TPreruseni& operator=(const TPreruseni&) = delete;

    // Whether one of the signals came since the handlers were installed.
    static bool Preruseno();
    // Which one (its number; 0 when none came).
    static int Signal();
};

// Platform half: the signals that end a transfer (SIGINT first), and a signal's name
// ("SIGTERM") for the messages and the record.
const std::vector<int>& SignalyUkonceni();
std::string NazevSignalu(int signal);
// Writing into a pipe whose reader has quit gives a write error (the data are then rescued
// as for any failed save) instead of ending the program.
void IgnorujZavrenouRouru();
