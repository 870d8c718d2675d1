// The points of the list placed on the globe for GeoJSON and KML, or the reasons they cannot
// be: a point in a local system (or from an unoriented station) has no place on the globe,
// and one outside the area where the transformation holds would be placed metres or
// kilometres wrong without a word.
#pragma once

#include "export/TransformaceJTSK.h"
#include "survey/SeznamSouradnic.h"

#include <string>
#include <vector>

struct TZemepisnyBod {
    const TBodSouradnic* Bod;
    double Delka, Sirka;
};

// An operation used and its accuracy, for the file to name.
struct TPouzitaOperace {
    std::string Nazev;
    double Presnost; // metres; negative when unknown
};

struct TZemepisneBody {
    std::vector<TZemepisnyBod> Body;
    std::vector<TPouzitaOperace> Operace; // in the order first used
    // One cp1250 line per point refused; the export is made only when there is none.
    std::vector<std::string> Odmitnute;
};

TZemepisneBody UmistiBody(const TSeznamSouradnic& body, TTransformaceJTSK& transformace);

// The operations as one sentence (UTF-8) for the file's description.
std::string PopisOperaci(const std::vector<TPouzitaOperace>& operace);
