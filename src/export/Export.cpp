#include "export/Export.h"

#include "common/Cp1250.h"
#include "export/TransformaceJTSK.h"
#include "export/ZapisCsv.h"
#include "export/ZapisGeoJson.h"
#include "export/ZapisKml.h"
#include "export/ZemepisneBody.h"

namespace {

TVysledekExportu Odmitnuti(std::string uvod, const std::vector<std::string>& body) {
    TVysledekExportu v;
    v.Chyba = std::move(uvod);
    for (const std::string& radek : body)
        v.Chyba += "\n" + radek;
    return v;
}

TVysledekExportu Hotovo(std::string obsah) {
    TVysledekExportu v;
    v.Hotovo = true;
    v.Obsah = std::move(obsah);
    return v;
}

TVysledekExportu ZemepisnyExport(const TSeznamSouradnic& body, TFormatExportu format,
                                 const TVolbyExportu& volby) {
    std::string chyba;
    const auto transformace = VytvorTransformaciJTSK(chyba);
    if (!transformace)
        return Odmitnuti(chyba, {});
    const TZemepisneBody umistene = UmistiBody(body, *transformace);
    if (!umistene.Odmitnute.empty())
        return Odmitnuti(
            Cz(format == TFormatExportu::feKml ? "Export do KML" : "Export do GeoJSON") +
                Cz(" se neprovedl: tyto body nelze převést do WGS 84."),
            umistene.Odmitnute);
    if (format == TFormatExportu::feKml)
        return Hotovo(ZapisKml(umistene, Cp1250NaUtf8(volby.Nazev)));
    return Hotovo(ZapisGeoJson(umistene));
}

} // namespace

TVysledekExportu Exportuj(const TSeznamSouradnic& body, TFormatExportu format,
                          const TVolbyExportu& volby) {
    if (body.empty())
        return Odmitnuti(Cz("Není co exportovat: seznam neobsahuje žádný bod."), {});
    switch (format) {
    case TFormatExportu::feCsv:
        return Hotovo(ZapisCsv(body, TVariantaCsv::vcRfc4180));
    case TFormatExportu::feCsvCz:
        return Hotovo(ZapisCsv(body, TVariantaCsv::vcCesky));
    case TFormatExportu::feDxf: {
        std::vector<std::string> bezPolohy;
        for (const TBodSouradnic& bod : body)
            if (!bod.Y.Je || !bod.X.Je)
                bezPolohy.push_back(Cz("Bod \"") + bod.Cislo + Cz("\" nemá souřadnice Y a X."));
        if (!bezPolohy.empty())
            return Odmitnuti(Cz("Export do DXF se neprovedl: body bez polohy nelze nakreslit."),
                             bezPolohy);
        return Hotovo(ZapisDxf(body, volby.OsyDxf));
    }
    case TFormatExportu::feGeoJson:
    case TFormatExportu::feKml:
        return ZemepisnyExport(body, format, volby);
    }
    return {};
}
