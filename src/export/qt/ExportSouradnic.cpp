#include "export/qt/ExportSouradnic.h"

#include "common/Cesty.h"
#include "common/Cp1250.h"
#include "common/NahradaSouboru.h"
#include "export/Export.h"
#include "ui/DialogSouboru.h"
#include "ui/ZpravyOken.h"

#include <filesystem>

namespace {

struct TFiltr {
    const char* Text; // UTF-8
    TFormatExportu Format;
    TOsyDxf Osy;
};

const TFiltr kFiltry[] = {
    {"CSV, oddělené čárkami (*.csv)", TFormatExportu::feCsv, TOsyDxf::odEpsg5514},
    {"CSV pro český tabulkový procesor, oddělené středníky (*.csv)", TFormatExportu::feCsvCz,
     TOsyDxf::odEpsg5514},
    {"DXF, osy jako EPSG:5514: x = -Y, y = -X (*.dxf)", TFormatExportu::feDxf, TOsyDxf::odEpsg5514},
    {"DXF otočené o 200 gon: x = +Y, y = +X (*.dxf)", TFormatExportu::feDxf, TOsyDxf::odOtocene},
    {"GeoJSON, WGS 84 (*.geojson *.json)", TFormatExportu::feGeoJson, TOsyDxf::odEpsg5514},
    {"KML pro Google Earth, WGS 84 (*.kml)", TFormatExportu::feKml, TOsyDxf::odEpsg5514},
};

// The format the chosen filter means, unless the file's own extension names another: a name
// typed as "body.kml" under the CSV filter is meant as KML.
const TFiltr& ZvolenyFormat(const QString& filtr, const std::filesystem::path& soubor) {
    const TFiltr* zvoleny = &kFiltry[0];
    for (const TFiltr& f : kFiltry)
        if (filtr == QString::fromUtf8(f.Text))
            zvoleny = &f;
    const auto podlePripony = FormatZPripony(soubor.filename().string());
    if (!podlePripony || PriponaFormatu(*podlePripony) == PriponaFormatu(zvoleny->Format))
        return *zvoleny;
    for (const TFiltr& f : kFiltry)
        if (f.Format == *podlePripony)
            return f;
    return *zvoleny;
}

// A box taller than the screen would hide its button: a long list of refused points is cut.
std::string ZkracenaChyba(const std::string& chyba) {
    constexpr int kNejviceRadku = 30;
    std::size_t konec = 0;
    for (int i = 0; i <= kNejviceRadku; ++i) {
        konec = chyba.find('\n', konec + (i ? 1 : 0));
        if (konec == std::string::npos)
            return chyba;
    }
    std::size_t zbyva = 1;
    for (std::size_t i = konec + 1; i < chyba.size(); ++i)
        zbyva += chyba[i] == '\n';
    return chyba.substr(0, konec) + Cz("\n… a další body (") + std::to_string(zbyva) + ").";
}

} // namespace

QStringList FiltryExportu() {
    QStringList filtry;
    for (const TFiltr& f : kFiltry)
        filtry << QString::fromUtf8(f.Text);
    return filtry;
}

bool ExportujSouradnice(const TSeznamSouradnic& body, QWidget* rodic) {
    TZpravyOken zpravy(rodic);
    QString filtr;
    std::filesystem::path soubor =
        ZvolenySoubor(rodic, TDruhDialogu::dgUlozeni, "SD_Export", {}, FiltryExportu(), &filtr);
    if (soubor.empty())
        return false;
    const TFiltr& f = ZvolenyFormat(filtr, soubor);
    // A name without an extension gets the format's; the dialog asked only about the name typed.
    if (!FormatZPripony(soubor.filename().string())) {
        soubor += PriponaFormatu(f.Format);
        if (std::filesystem::exists(soubor) &&
            !zpravy.OtazkaAnoNe(TitulekZpravy(TDruhZpravy::dzVarovani),
                                Cz("Soubor \"") + TextCesty(soubor) +
                                    Cz("\" již existuje. Chcete ho přepsat?")))
            return false;
    }

    TVolbyExportu volby;
    volby.OsyDxf = f.Osy;
    volby.Nazev = TextCesty(soubor.stem());
    const TVysledekExportu vysledek = Exportuj(body, f.Format, volby);
    if (!vysledek.Hotovo) {
        zpravy.Zprava(TDruhZpravy::dzChyba, ZkracenaChyba(vysledek.Chyba));
        return false;
    }
    if (const std::error_code chyba = NahradSoubor(soubor, vysledek.Obsah)) {
        zpravy.Zprava(TDruhZpravy::dzChyba, Cz("Soubor \"") + TextCesty(soubor) +
                                                Cz("\" nelze zapsat: ") + TextChyby(chyba));
        return false;
    }
    return true;
}
