// What a measured-data file holds, found in one pass before the user is asked anything: an
// input that is not measured data is refused before an output is touched, and a file whose
// first line names its instrument is converted as that instrument.
#pragma once

#include "common/RozpoznaniTextu.h"
#include "common/TypStanice.h"
#include "conversion/CteckaRadku.h"

#include <filesystem>
#include <optional>
#include <string>

struct TRozborVstupu {
    bool Prazdny = true;            // not a single line (an empty file, /dev/null)
    std::optional<TVadaTextu> Vada; // no text, or UTF-8 that the code page cannot hold
    TKodovaniTextu Kodovani = TKodovaniTextu::ktCp1250;
    // The first word of the first line when it is "NTS-350" or "NTS-660": that instrument
    // wins over the chosen type.
    std::optional<TTypStanice> TypZeSouboru;
    TTypStanice Typ = TTypStanice::tsNTS660; // the type the file is converted as
    bool SouborSouradnic = false;            // the variant, as JeSouborSouradnic finds it for Typ
    // The variant finds something to convert: a station or measurement record (first word
    // STN, BS, FS or SS), or for coordinates a line with two numeric plane coordinates.
    bool NecoKPrevodu = false;
    bool RadkyMereni = false; // lines whose first word is STN, BS, FS or SS
};

// `celyText` false leaves out the check of every byte (Vada, Kodovani): the text is taken for
// plain ASCII, and the caller sees to it while converting (TCteckaRadku::HlidejProstyText).
TRozborVstupu RozborVstupu(TCteckaRadku& radky, TTypStanice zvolenyTyp, bool celyText = true);

// Why the input is refused (cp1250, naming the file and what was expected); nothing when it
// is converted. NTS-350 data are not refused here: they are told by TextNeprevadiSe.
std::optional<std::string> TextOdmitnuti(const std::filesystem::path& soubor,
                                         const TRozborVstupu& rozbor);
// The file named an instrument other than the chosen one (caption "Informace").
std::string TextTypZeSouboru(const std::filesystem::path& soubor, const TRozborVstupu& rozbor,
                             TTypStanice zvolenyTyp);
// Data of a type that is not converted: nothing is written, an existing output stays.
std::string TextNeprevadiSe(const std::filesystem::path& soubor, const TRozborVstupu& rozbor,
                            TTypStanice zvolenyTyp);
// Coordinates converted from a file that also has measurement lines (caption "Varování").
std::string TextSouradniceSRadkyMereni(const std::filesystem::path& soubor);
