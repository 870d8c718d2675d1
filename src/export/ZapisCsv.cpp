#include "export/ZapisCsv.h"

#include "common/Cp1250.h"

namespace {

// A field in quotes when it holds the separator, a quote or a line end (RFC 4180 §2).
void PridejPole(std::string& radek, const std::string& utf8, char oddelovac) {
    if (utf8.find_first_of(std::string{oddelovac, '"', '\r', '\n'}) == std::string::npos) {
        radek += utf8;
        return;
    }
    radek += '"';
    for (char c : utf8) {
        if (c == '"')
            radek += '"';
        radek += c;
    }
    radek += '"';
}

std::string Cislo(const TSouradnice& s, TVariantaCsv varianta) {
    if (!s.Je)
        return {};
    std::string text = s.Text;
    if (varianta == TVariantaCsv::vcCesky)
        for (char& c : text)
            if (c == '.')
                c = ',';
    return text;
}

} // namespace

std::string ZapisCsv(const TSeznamSouradnic& body, TVariantaCsv varianta) {
    const bool cesky = varianta == TVariantaCsv::vcCesky;
    const char oddelovac = cesky ? ';' : ',';
    std::string obsah = cesky ? "\xEF\xBB\xBF" : "";
    for (const char* nazev : {"cislo", "y", "x", "z", "kod"}) {
        if (nazev[0] != 'c')
            obsah += oddelovac;
        obsah += nazev;
    }
    obsah += "\r\n";
    for (const TBodSouradnic& bod : body) {
        PridejPole(obsah, Cp1250NaUtf8(bod.Cislo), oddelovac);
        for (const TSouradnice* s : {&bod.Y, &bod.X, &bod.Z}) {
            obsah += oddelovac;
            PridejPole(obsah, Cislo(*s, varianta), oddelovac);
        }
        obsah += oddelovac;
        PridejPole(obsah, Cp1250NaUtf8(bod.Kod), oddelovac);
        obsah += "\r\n";
    }
    return obsah;
}
