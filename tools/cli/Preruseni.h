// Ctrl+C while merivox-cli talks to the station: the signal only raises a flag, which the
// waiting loops look at between the events they serve; the command then ends and keeps
// nothing.
#pragma once

// Installs the handler for its lifetime and puts the previous one back afterwards.
class TPreruseni {
public:
    TPreruseni();
    ~TPreruseni();
    TPreruseni(const TPreruseni&) = delete;
    TPreruseni& operator=(const TPreruseni&) = delete;

    // Whether Ctrl+C came since the handler was installed.
    static bool Preruseno();
};
