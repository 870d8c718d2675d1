// S-JTSK (EPSG:5514) to WGS 84 for the exports that place points on the globe. The work is
// PROJ's: the operation is the one PROJ ranks best for the point's place, with the network off
// and no grid files, so every build and cs2cs choose alike. A build without PROJ has the other
// half, which says so.
#pragma once

#include <memory>
#include <string>

struct TZemepisnaPoloha {
    bool Prevedeno = false; // false: PROJ could not transform the point
    double Delka = 0;       // WGS 84 longitude, degrees east
    double Sirka = 0;       // WGS 84 latitude, degrees north
    std::string Operace;    // the operation's name as PROJ has it
    double Presnost = -1;   // the operation's accuracy in metres; negative when unknown
    bool VOblasti = false;  // the point lies in the operation's area of use
};

class TTransformaceJTSK {
public:
    virtual ~TTransformaceJTSK() = default;
    // S-JTSK Y and X in the survey's sense (both positive in Czechia).
    virtual TZemepisnaPoloha Preved(double y, double x) = 0;
};

// The transformation, or nothing with the reason in `chyba` (cp1250).
std::unique_ptr<TTransformaceJTSK> VytvorTransformaciJTSK(std::string& chyba);
