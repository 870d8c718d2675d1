#include "export/ZapisGeoJson.h"

#include "common/Cp1250.h"
#include "export/TextCisla.h"

#include <cstdio>

namespace {

std::string Retezec(const std::string& utf8) {
    std::string s = "\"";
    for (char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            s += '\\';
            s += c;
        } else if (b < 0x20) {
            char kod[8];
            std::snprintf(kod, sizeof kod, "\\u%04x", b);
            s += kod;
        } else {
            s += c;
        }
    }
    return s + "\"";
}

std::string Cislo(const TSouradnice& s) {
    return s.Je ? KratkeCislo(s.Hodnota) : "null";
}

} // namespace

std::string ZapisGeoJson(const TZemepisneBody& body) {
    std::string s = "{\n\"type\": \"FeatureCollection\",\n";
    // Members of our own, which RFC 7946 allows: readers that do not know them skip them.
    s += "\"vysky\": " +
         Retezec("Třetí souřadnice je nadmořská výška v systému Bpv, jak byla změřena, ne "
                 "výška nad elipsoidem WGS 84.") +
         ",\n";
    s += "\"transformace\": " + Retezec(PopisOperaci(body.Operace)) + ",\n";
    s += "\"features\": [";
    const char* oddelovac = "\n";
    for (const TZemepisnyBod& z : body.Body) {
        const TBodSouradnic& bod = *z.Bod;
        s += oddelovac;
        oddelovac = ",\n";
        s += "{\"type\": \"Feature\", \"geometry\": {\"type\": \"Point\", \"coordinates\": [";
        s += CisloSDesetinami(z.Delka, 9) + ", " + CisloSDesetinami(z.Sirka, 9);
        if (bod.Z.Je)
            s += ", " + KratkeCislo(bod.Z.Hodnota);
        s += "]}, \"properties\": {\"cislo\": " + Retezec(Cp1250NaUtf8(bod.Cislo)) +
             ", \"kod\": " + Retezec(Cp1250NaUtf8(bod.Kod)) + ", \"y\": " + Cislo(bod.Y) +
             ", \"x\": " + Cislo(bod.X) + ", \"z\": " + Cislo(bod.Z) + "}}";
    }
    s += "\n]\n}\n";
    return s;
}
