// merivox-cli export: the coordinates of a file out to CSV, DXF, GeoJSON or KML.
#include "Cli.h"
#include "VolbyMapa2.h"

#include "common/Cesty.h"
#include "common/Cp1250.h"
#include "common/NahradaSouboru.h"
#include "common/ObsahSouboru.h"
#include "common/RozpoznaniTextu.h"
#include "conversion/CteckaRadku.h"
#include "conversion/Varianta.h"
#include "export/Export.h"
#include "survey/CteniSouradnic.h"
#include "survey/SeznamZTabulky.h"
#include "survey/VypocetMereni.h"
#include "upload/SouborBodu.h"

#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

namespace {

const char* const kNapovedaExport =
    R"(Použití: merivox-cli export SOUBOR --format FORMÁT [volby]
Vypíše souřadnice bodů do formátu pro tabulkové procesory, CAD, GIS a webové mapy.
SOUBOR je soubor bodů (*.asc, čte se jako v okně Zápis souřadnic bodů), naměřená data
ve variantě souřadnic, nebo naměřená data s měřením, z nichž se body spočítají.
  --format csv|csv-cz|dxf|geojson|kml
                       csv: RFC 4180 (čárky, desetinná tečka, UTF-8);
                       csv-cz: pro český tabulkový procesor (středníky, desetinná čárka);
                       dxf: AutoCAD 2000, osy jako EPSG:5514 (x = -Y, y = -X);
                       geojson, kml: WGS 84, převod knihovnou PROJ; body v místní
                       soustavě nebo mimo Česko a Slovensko se odmítnou
  --turned             DXF otočené o 200 gon: x = +Y, y = +X
  --known SOUBOR       souřadnice známých bodů pro výpočet měření (lze opakovat)
  --station, --x, --y, --h, --factor, --mark, --swap-xy, --settings
                       jako u příkazu coords: parametry výpočtu měření; --swap-xy
                       prohodí X a Y také v souborech souřadnic
  --force              přepsat existující výstupní soubor (jinak se odmítne)
  -o SOUBOR            výstupní soubor (výchozí SOUBOR s příponou formátu);
                       "-" píše na standardní výstup
Výstupní soubor nikdy nenahradí vstupní soubor ani soubor známých bodů.
Návratový kód: 0 zapsáno, 1 soubor chybí, nelze ho číst či zapsat, už existuje, nejsou to
body ani naměřená data nebo export odmítl body, 2 chybné volby, 3 data NTS-350: nic nebylo
zapsáno.
)";

struct TVolbyExportuCli {
    TVolbyMapa2Cli Mapa2;
    std::optional<std::string> Format, Vystup;
    std::vector<std::string> Zname, Vstupy;
    bool Otocene = false, Prepsat = false;
};

// A file's text as cp1250, or a message on standard error.
std::optional<std::string> NactiText(const TTerminal& terminal, const std::string& prikaz,
                                     const fs::path& soubor) {
    std::string obsah;
    if (const auto chyba = NactiObsahSouboru(soubor, obsah)) {
        terminal.Hlaseni(prikaz + ": ", chyba->Text());
        return std::nullopt;
    }
    if (const auto vada = PrevedNaCp1250(obsah, TKonecStahovani::ksVynechat)) {
        terminal.Hlaseni(prikaz + ": ", TextVadyTextu(soubor, *vada));
        return std::nullopt;
    }
    return obsah;
}

bool KonciNaAsc(const std::string& jmeno) {
    if (jmeno.size() < 4)
        return false;
    std::string konec = jmeno.substr(jmeno.size() - 4);
    for (char& c : konec)
        c = char(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return konec == ".asc";
}

// The points of the input, or nothing after the messages (`status` then says how to end).
std::optional<TSeznamSouradnic> BodyVstupu(const TTerminal& terminal, const std::string& prikaz,
                                           const TVolbyExportuCli& v, const TMapa2Cli& mapa2,
                                           const fs::path& vstup, int& status) {
    const std::optional<std::string> obsah = NactiText(terminal, prikaz, vstup);
    if (!obsah)
        return std::nullopt;
    const std::string jmeno = TextCesty(vstup);

    // A point file as the point window reads it: a row that does not read refuses the export.
    if (KonciNaAsc(vstup.filename().string())) {
        TTabulkaBodu tabulka;
        NactiBody(*obsah, tabulka);
        TSeznamZTabulky seznam = SeznamZTabulky(tabulka);
        if (!seznam.Chyba.empty()) {
            terminal.Hlaseni(jmeno + ": ", seznam.Chyba);
            return std::nullopt;
        }
        return std::move(seznam.Body);
    }

    TCteckaRadku radky(TText{*obsah});
    if (JeSouborSouradnic(radky, mapa2.Typ)) {
        TCteniSouradnic cteni = CtiSouradnice(*obsah, mapa2.Nastaveni.ProhozeniXY);
        for (const std::size_t radek : cteni.Necitelne)
            terminal.Hlaseni(jmeno + ":" + std::to_string(radek) + ": ",
                             Cz("řádek nedává bod se souřadnicemi Y a X"));
        return std::move(cteni.Body);
    }

    TZadaniVypoctu zadani;
    ZadaniZNastaveni(mapa2.Nastaveni, zadani);
    zadani.TypStanice = mapa2.Typ;
    zadani.Faktor = mapa2.Faktor;
    zadani.Mereni = *obsah;
    for (const std::string& znamy : v.Zname) {
        const auto text = NactiText(terminal, prikaz, CestaZTextu(terminal.ZTerminalu(znamy)));
        if (!text)
            return std::nullopt;
        zadani.Zname.push_back(CtiSouradnice(*text, zadani.ProhozeniXY).Body);
    }
    const TVysledekVypoctu vysledek = VypocetMereni(zadani);
    switch (vysledek.Stav) {
    case TStavVypoctu::svHotovo:
        break;
    case TStavVypoctu::svNTS350:
        terminal.Hlaseni(jmeno + ": ", Cz("Data NTS-350 se nepočítají; nic se nezapsalo."));
        status = kNicNeprevedeno;
        return std::nullopt;
    case TStavVypoctu::svNejsouData:
    case TStavVypoctu::svSouradnice:
        terminal.Hlaseni(jmeno + ": ", Cz("Nejsou to naměřená data (záznamy STN, BS, FS, SS) "
                                          "ani body; nic se nezapsalo."));
        return std::nullopt;
    case TStavVypoctu::svJednotky:
        for (const std::string& poznamka : vysledek.Poznamky)
            terminal.Hlaseni(jmeno + ": ", poznamka);
        return std::nullopt;
    }
    return VypoctenyBody(vysledek);
}

} // namespace

int CliExport(const TArgumenty& argumenty, const TTerminal& terminal) {
    const std::string prikaz = "export";
    TVolbyExportuCli v;
    TPravidlaVoleb pravidla = PravidlaMapa2(v.Mapa2, v.Vstupy);
    pravidla.Volby.insert(pravidla.Volby.end(),
                          {Hodnota("--format", v.Format), Hodnota("-o", v.Vystup),
                           Hodnota("--known",
                                   [&](const std::string& soubor) {
                                       v.Zname.push_back(soubor);
                                       return true;
                                   }),
                           Prepinac("--turned", v.Otocene), Prepinac("--force", v.Prepsat)});
    if (const auto konec = CtiVolby(argumenty, pravidla, terminal, prikaz, Cz(kNapovedaExport)))
        return *konec;
    if (v.Vstupy.size() != 1)
        return SpatnePouziti(
            terminal, prikaz,
            Cz(v.Vstupy.empty() ? "Chybí vstupní soubor." : "Export má jediný vstupní soubor."));
    std::optional<TFormatExportu> format;
    if (v.Format)
        format = FormatZNazvu(*v.Format);
    else if (v.Vystup)
        format = FormatZPripony(*v.Vystup);
    if (!format)
        return SpatnePouziti(
            terminal, prikaz,
            v.Format ? ChybnaHodnota("--format", Cz("formát je csv, csv-cz, dxf, geojson nebo "
                                                    "kml, ne \"") +
                                                     terminal.ZTerminalu(*v.Format) + "\".")
                     : Cz("Chybí volba --format."));
    if (v.Otocene && *format != TFormatExportu::feDxf)
        return SpatnePouziti(terminal, prikaz, Cz("Volba --turned platí jen pro formát dxf."));
    TMapa2Cli mapa2;
    if (const auto konec = PouzijVolbyMapa2(v.Mapa2, terminal, prikaz, mapa2))
        return *konec;

    const fs::path vstup = CestaZTextu(terminal.ZTerminalu(v.Vstupy[0]));
    const bool naVystup = v.Vystup && *v.Vystup == "-";
    fs::path vystup = v.Vystup ? CestaZTextu(terminal.ZTerminalu(*v.Vystup))
                               : fs::path(vstup).replace_extension(PriponaFormatu(*format));
    if (!naVystup) {
        std::vector<fs::path> vstupy{vstup};
        for (const std::string& znamy : v.Zname)
            vstupy.push_back(CestaZTextu(terminal.ZTerminalu(znamy)));
        for (const fs::path& s : vstupy)
            if (StejnySoubor(vystup, s)) {
                terminal.Hlaseni(prikaz + ": ", Cz("Výstupní soubor \"") + TextCesty(vystup) +
                                                    Cz("\" je vstupní soubor; nic se nezapsalo."));
                return kSelhani;
            }
    }
    if (!fs::exists(vstup)) {
        terminal.Hlaseni(prikaz + ": ", Cz("Soubor \"") + TextCesty(vstup) + Cz("\" neexistuje."));
        return kSelhani;
    }
    int status = kSelhani;
    const auto body = BodyVstupu(terminal, prikaz, v, mapa2, vstup, status);
    if (!body)
        return status;

    TVolbyExportu volby;
    volby.OsyDxf = v.Otocene ? TOsyDxf::odOtocene : TOsyDxf::odEpsg5514;
    volby.Nazev = TextCesty(vstup.stem());
    const TVysledekExportu vysledek = Exportuj(*body, *format, volby);
    if (!vysledek.Hotovo) {
        terminal.Hlaseni(TextCesty(vstup) + ": ", vysledek.Chyba);
        return kSelhani;
    }
    if (naVystup) {
        terminal.Vystup.write(vysledek.Obsah.data(), std::streamsize(vysledek.Obsah.size()));
        return kUspech;
    }
    std::error_code chyba;
    if (!v.Prepsat && fs::exists(vystup, chyba) && fs::is_regular_file(vystup, chyba)) {
        terminal.Hlaseni(prikaz + ": ", Cz("Soubor \"") + TextCesty(vystup) +
                                            Cz("\" již existuje; --force ho přepíše."));
        return kSelhani;
    }
    if (const auto chybaZapisu = ZapisObsahSouboru(vystup, vysledek.Obsah)) {
        terminal.Hlaseni(prikaz + ": ", chybaZapisu->Text());
        return kSelhani;
    }
    return kUspech;
}
