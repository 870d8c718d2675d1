#include "conversion/KonverzeSouboru.h"

#include "conversion/CteckaRadku.h"
#include "conversion/TextyKonverze.h"
#include "conversion/Varianta.h"
#include "conversion/ZapisMAPA2.h"

namespace {

bool Existuje(const std::filesystem::path& cesta) {
    std::error_code ec;
    return std::filesystem::exists(cesta, ec);
}

void Zapis(TCteckaRadku& radky, const ParametryKonverze& p, TKonverzeRozhrani& rozhrani,
           TVystup& vystup) {
    // Only NTS-660 data are converted; the output of any other type stays empty.
    if (p.TypStanice != TTypStanice::tsNTS660) {
        rozhrani.Zpravy().Zprava(TDruhZpravy::Varovani, TextNicNebyloPrevedeno());
        return;
    }
    if (p.SouborSouradnic)
        ZapisSouradnic(radky, p, vystup);
    else
        ZapisMAPA2(radky, p, rozhrani, vystup);
}

} // namespace

std::filesystem::path VystupniJmeno(const std::filesystem::path& vstup, bool souradnice) {
    std::filesystem::path vystup = vstup;
    vystup.replace_extension(souradnice ? ".asc" : ".zap");
    return vystup;
}

bool ZapisVystup(const ParametryKonverze& p, TKonverzeRozhrani& rozhrani, TVystup* proud) {
    TZpravy& zpravy = rozhrani.Zpravy();
    // The file may have gone while the parameters were asked for.
    if (!Existuje(p.VstupniSoubor)) {
        zpravy.Zprava(TDruhZpravy::Varovani, TextSouborNeexistuje());
        return false;
    }
    TCteckaRadku radky(p.VstupniSoubor);
    if (!radky.Otevreno()) {
        zpravy.Zprava(TDruhZpravy::Vyjimka, TextNelzeCist(p.VstupniSoubor));
        return false;
    }
    if (proud) {
        Zapis(radky, p, rozhrani, *proud);
        return true;
    }
    TVystupniSoubor soubor(p.VystupniSoubor);
    if (!soubor.Otevreno()) {
        zpravy.Zprava(TDruhZpravy::Vyjimka, TextNelzeVytvorit(p.VystupniSoubor));
        return false;
    }
    Zapis(radky, p, rozhrani, soubor);
    if (!soubor.Dokonci()) {
        zpravy.Zprava(TDruhZpravy::Vyjimka, TextNelzeZapsat(p.VystupniSoubor));
        return false;
    }
    return true;
}

TVysledekKonverze KonverzeSouboru(const std::filesystem::path& vstup, TTypStanice typStanice,
                                  TKonverzeRozhrani& rozhrani) {
    return KonverzeSouboru(vstup, typStanice, rozhrani, TCilKonverze{});
}

TVysledekKonverze KonverzeSouboru(const std::filesystem::path& vstup, TTypStanice typStanice,
                                  TKonverzeRozhrani& rozhrani, const TCilKonverze& cil) {
    TVysledekKonverze vysledek;
    if (!Existuje(vstup)) {
        vysledek.Stav = TStavKonverze::ChybiVstup;
        return vysledek;
    }
    bool souradnice = false;
    {
        // An input that cannot be read is reported before the user is asked anything.
        TCteckaRadku radky(vstup);
        if (!radky.Otevreno()) {
            rozhrani.Zpravy().Zprava(TDruhZpravy::Vyjimka, TextNelzeCist(vstup));
            return vysledek;
        }
        souradnice = JeSouborSouradnic(radky, typStanice);
    }
    vysledek.VystupniSoubor = cil.Soubor.empty() ? VystupniJmeno(vstup, souradnice) : cil.Soubor;
    if (!cil.Proud && Existuje(vysledek.VystupniSoubor) &&
        !rozhrani.Zpravy().OtazkaAnoNe(TitulekZpravy(TDruhZpravy::Varovani),
                                       TextPrepsatSoubor(vysledek.VystupniSoubor))) {
        vysledek.Stav = TStavKonverze::PrepsaniOdmitnuto;
        return vysledek;
    }
    const TVolbyKonverze volby = rozhrani.Parametry(typStanice, !souradnice);
    vysledek.ZobrazitSoubor = volby.ZobrazitSoubor;
    const ParametryKonverze parametry =
        SestavParametry(vstup, vysledek.VystupniSoubor, typStanice, souradnice, volby);
    vysledek.Stav =
        ZapisVystup(parametry, rozhrani, cil.Proud) ? TStavKonverze::Hotovo : TStavKonverze::Chyba;
    return vysledek;
}
