// What becomes of a download that has ended, the one rule for the program and merivox-cli.
// An NTS-660 marks the end of its data; an NTS-350 does not, so its download is ended by the
// user (the waiting dialog's button, Ctrl+C, merivox-cli's quiet time) and what came is the
// whole. An NTS-660 download aborted after bytes came lacks its end mark and may be cut short.
#pragma once

#include "common/TypStanice.h"

#include <cstddef>
#include <string>

enum class TNalozeniNacteni {
    Zahodit,  // nothing came: nothing to show
    Zobrazit, // the data are shown (saved by merivox-cli)
    Zeptat,   // incomplete data: the user says whether to keep them
};

TNalozeniNacteni NalozeniNacteni(TTypStanice typStanice, bool preruseno, const std::string& data);

// Whether a download of this type ends only when the user ends it (no end mark).
bool KonciUzivatel(TTypStanice typStanice);

// The question asked for TNalozeniNacteni::Zeptat (cp1250).
std::string TextNeuplnaData(std::size_t bajtu);

// The instrument of downloaded data: the one their first word names (NTS-350, NTS-660), else
// the station type they were downloaded with.
TTypStanice TypNactenychDat(TTypStanice typNacteni, const std::string& data);
// Why data of an instrument other than the NTS-660 are not converted (cp1250).
std::string TextNelzePrevest(TTypStanice typ);
