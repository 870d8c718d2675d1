// What a conversion needs from its caller: the way to the user and the parameters step.
// The windows implement it with message boxes and the parameters dialog, merivox-cli with
// its options and standard error, the tests with a recorder; all drive the same engine.
#pragma once

#include "common/TypStanice.h"
#include "common/Zpravy.h"

#include <cstddef>
#include <optional>
#include <string>

// What the parameters step fixes for one conversion.
struct TVolbyKonverze {
    // Side shots whose code is this mark go to the orientation block; none: no side shot is
    // an orientation shot.
    std::optional<char> OznaceniOrientBodu = '#';
    bool ProhozeniXY = false; // swap the plane coordinates of the .asc output
    bool NestandardniJednotky = true;
    bool NestandardniVysky = true;
    bool HlavickaZDat = true; // the .zap file starts with the header line from the data
    bool ZobrazitSoubor = true;
    long double MeritkovyFaktor = 1;
    std::string CelkovaRedukce;    // the total reduction as the dialog shows it
    std::string HlavickaUzivatele; // empty unless "Head from user" is on
};

class TKonverzeRozhrani {
public:
    virtual ~TKonverzeRozhrani() = default;

    // Messages and the overwrite question.
    virtual TZpravy& Zpravy() = 0;

    // The parameters step, once per conversion after the overwrite question. For the
    // measurement variant (`mereni`) the program shows the parameters dialog in its
    // conversion form; for the coordinate variant it only reads the settings. Nothing: the
    // user cancelled the conversion, and nothing is written.
    virtual std::optional<TVolbyKonverze> Parametry(TTypStanice typStanice, bool mereni) = 0;

    // Whether the overwrite question and the parameters step are answered without the user
    // (merivox-cli answers them from its options). Nothing then reaches the user before the
    // output is in place, so the input's text may be checked in the converting pass instead
    // of a pass of its own.
    virtual bool BezOtazek() const { return false; }

    // A damaged measurement, dropped from the output. `radek` is the line of its BS, FS or
    // SS line, from 1. By default the "Varování" box with TextPoskozenaData(), which names
    // no line.
    virtual void PoskozenaData(std::size_t radek);
};
