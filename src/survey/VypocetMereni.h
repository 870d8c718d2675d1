// Polar ("celerimetric") coordinates of a measured-data file: what the measurement view
// shows and `merivox-cli coords` writes. The file is read through the conversion's reader, so
// the view sees exactly the records a conversion would write; nothing here changes a byte of
// a conversion.
//
// Angles are in gon, distances and coordinates in metres. Y and X are S-JTSK's (bearings
// counted from +X towards +Y). No value here is NaN or infinite: what cannot be computed is
// absent (std::nullopt or a flag), never a number.
#pragma once

#include "common/TypStanice.h"
#include "conversion/MereniZaznam.h"
#include "conversion/NastaveniMAPA2.h"
#include "survey/SeznamSouradnic.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Refraction coefficient and Earth radius of the curvature and refraction correction.
inline constexpr double kRefrakce = 0.13;
inline constexpr double kPolomerZeme = 6381000; // m

struct TZadaniVypoctu {
    std::string_view Mereni;                        // the measured-data file's content, cp1250
    TTypStanice TypStanice = TTypStanice::tsNTS660; // unless the first line names the other
    // Known points, each list as CtiSouradnice read one file; for a number in several lists
    // the first list that has it wins.
    std::vector<TSeznamSouradnic> Zname;
    // The scale factor typed or given (`--factor`); none: the one the mean values give.
    std::optional<long double> Faktor;
    bool ZakriveniARefrakce = true;
    // From the MAPA2 parameters: the swap of Y and X in the file's XYZ lines, the mark of
    // orienting side shots, and the mean values of the scale factor.
    bool ProhozeniXY = false;
    std::optional<char> OznaceniOrientBodu = '#';
    std::string PrumerX = "1001000", PrumerY = "680000", PrumerVyska = "320";
};

// The MAPA2 parameters' part of the input, from the stored settings.
void ZadaniZNastaveni(const TNastaveniMAPA2& nastaveni, TZadaniVypoctu& zadani);

// One reading as the instrument gave it, and reduced to the first face.
struct TCteni {
    std::size_t Radek = 0; // the BS, FS or SS line, from 1
    double Hz = 0, V = 0;  // as read
    bool DruhaPoloha = false;
};

// Which system a station's or point's coordinates are in: S-JTSK (0) or one of its own, made
// by a local station or by a station that could not be oriented.
struct TSystem {
    int Cislo = 0;
    TSoustava Druh = TSoustava::ssJTSK;
};

// One measurement of a station (or the mean of a point read in both faces).
struct TMereniBodu {
    std::size_t Radek = 0; // its BS, FS or SS line, from 1 (of the first face's)
    TDruhMereni Druh = TDruhMereni::dmSS;
    TDruhPozorovani Pozorovani = TDruhPozorovani::dpZadne;
    std::string Cislo;
    std::string Kod;                 // field 3 of the BS, FS or SS line
    std::optional<double> VyskaCile; // th
    // Reduced to the first face; with both faces the mean (Hz on the circle).
    std::optional<double> Hz, V, SD;
    std::optional<double> hd, dh;
    std::optional<double> Y, X, Z;
    std::vector<TCteni> Polohy; // the readings it comes from: one, or both faces
    bool Orientacni = false;    // orients its station (BS, or SS with the mark, to a known point)
    bool JenSmer = false;       // no distance, or V of 0 or 200 gon: no coordinates
    bool Poskozeno = false;     // a damaged record: nothing but its number and line
    bool Novy = false;          // the first determination of its number: a computed point
    TSystem System;             // that of its station
};

enum class TPuvodStanice : std::uint8_t {
    psXYZ,       // the station's XYZ line
    psZnamy,     // a known-points list
    psVypocteny, // an earlier computed point
    psMistni,    // none: Y = X = Z = 0, a system of its own
};

// One orienting observation of a station.
struct TOrientacniMereni {
    std::size_t Mereni = 0; // index into the station's Mereni
    std::string Cislo;
    double Oprava = 0;     // bearing(station -> point) - Hz, gon
    double OdchylkaCC = 0; // its correction minus the station's mean, cc (1 cc = 0.0001 gon)
    double OdchylkaMM = 0; // the same as a transverse offset at the point, mm
    std::optional<double> RozdilDelkyMM; // m * hd minus the distance from coordinates, mm
};

struct TStanice {
    std::size_t Radek = 0; // the STN line, from 1 (0: measurements before any STN line)
    std::string Cislo, Kod;
    std::optional<double> VyskaPristroje; // ih
    TPuvodStanice Puvod = TPuvodStanice::psMistni;
    double Y = 0, X = 0;
    std::optional<double> Z;
    TSystem System;
    double Meritko = 1;         // the factor its points are computed with (1 in a local system)
    bool Neorientovana = false; // no orienting observation: correction 0
    double Oprava = 0;          // the orientation correction, gon, within [0, 400)
    std::vector<TOrientacniMereni> Orientace;
    std::vector<TMereniBodu> Mereni;
};

// A point determined again: the first determination is kept, this one differs by dY dX dZ.
struct TOpakovaneUrceni {
    std::string Cislo;
    std::size_t Stanice = 0, Mereni = 0; // indices of the later determination
    bool JinySystem = false;             // the two are in different systems: no differences
    double dY = 0, dX = 0;
    std::optional<double> dZ;
};

// Two sources of a station's coordinates that disagree (by more than half a millimetre).
struct TNesouladZdroju {
    std::size_t Stanice = 0;
    TPuvodStanice Pouzity, Jiny;
    double dY = 0, dX = 0; // the other source minus the one used
    std::optional<double> dZ;
};

enum class TStavVypoctu : std::uint8_t {
    svHotovo,
    svNejsouData, // empty, or not text
    svNTS350,     // data of the NTS-350: not computed
    svSouradnice, // a coordinate file, not measured data: nothing to compute
    svJednotky,   // non-standard units: not computed (see Poznamky)
};

struct TVysledekVypoctu {
    TStavVypoctu Stav = TStavVypoctu::svHotovo;
    long double Faktor = 1;
    bool FaktorZadany = false; // given, not from the mean values
    bool ZakriveniARefrakce = true;
    std::vector<TStanice> Stanice;
    std::vector<TOpakovaneUrceni> Opakovane;
    std::vector<TNesouladZdroju> Nesoulady;
    std::vector<std::size_t> Poskozene; // lines (from 1) of damaged measurements
    std::vector<std::string> Poznamky;  // cp1250, e.g. why nothing was computed
};

TVysledekVypoctu VypocetMereni(const TZadaniVypoctu& zadani);

// The computed points: the first determination of each number, in the order computed, with
// the code of its measurement. Stations and direction-only measurements are not points;
// local and unoriented points are included with their system.
TSeznamSouradnic VypoctenyBody(const TVysledekVypoctu& vysledek);
