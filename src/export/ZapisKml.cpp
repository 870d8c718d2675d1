#include "export/ZapisKml.h"

#include "common/Cp1250.h"
#include "export/TextCisla.h"

namespace {

// XML text: the five special characters escaped, and the control characters that XML 1.0
// does not allow at all replaced, so that the file stays well-formed.
std::string Text(const std::string& utf8) {
    std::string s;
    for (char c : utf8) {
        switch (c) {
        case '&':
            s += "&amp;";
            break;
        case '<':
            s += "&lt;";
            break;
        case '>':
            s += "&gt;";
            break;
        case '"':
            s += "&quot;";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
                s += "\xEF\xBF\xBD";
            else
                s += c;
        }
    }
    return s;
}

} // namespace

std::string ZapisKml(const TZemepisneBody& body, const std::string& nazevUtf8) {
    std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                    "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Document>\n";
    s += "<name>" + Text(nazevUtf8) + "</name>\n";
    s += "<description>" +
         Text(PopisOperaci(body.Operace) +
              " Výšky jsou nadmořské výšky v systému Bpv, jak byly změřeny.") +
         "</description>\n";
    for (const TZemepisnyBod& z : body.Body) {
        const TBodSouradnic& bod = *z.Bod;
        s += "<Placemark><name>" + Text(Cp1250NaUtf8(bod.Cislo)) + "</name>";
        if (!bod.Kod.empty())
            s += "<description>" + Text(Cp1250NaUtf8(bod.Kod)) + "</description>";
        s += "<Point>";
        // A point without a height lies on the ground.
        if (bod.Z.Je)
            s += "<altitudeMode>absolute</altitudeMode>";
        s += "<coordinates>" + CisloSDesetinami(z.Delka, 9) + "," + CisloSDesetinami(z.Sirka, 9);
        if (bod.Z.Je)
            s += "," + KratkeCislo(bod.Z.Hodnota);
        s += "</coordinates></Point></Placemark>\n";
    }
    s += "</Document>\n</kml>\n";
    return s;
}
