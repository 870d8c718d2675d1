#include "conversion/KonverzeSouboru.h"

#include "conversion/CteckaRadku.h"
#include "conversion/TextyKonverze.h"
#include "conversion/Varianta.h"
#include "conversion/ZapisMAPA2.h"

#include <fstream>
#include <memory>

namespace fs = std::filesystem;

namespace {

bool Existuje(const fs::path& cesta) {
    std::error_code ec;
    return fs::exists(cesta, ec);
}

// An input that can be read only once (a pipe, /dev/stdin): its whole content, read now, so
// that the variant test, the pre-scan and the conversion all see the same bytes. Files are
// read as often as the conversion needs and stay on the disk.
struct TVstup {
    fs::path Soubor;
    bool JednouCitelny = false;
    std::string Obsah;
    bool PrilisDlouhy = false;
};

TVstup PripravVstup(const fs::path& soubor) {
    TVstup vstup;
    vstup.Soubor = soubor;
    std::error_code ec;
    const auto stav = fs::status(soubor, ec);
    if (ec || fs::is_regular_file(stav) || fs::is_directory(stav))
        return vstup;
    vstup.JednouCitelny = true;
    std::ifstream in(soubor, std::ios::binary);
    char blok[1 << 16];
    while (in.read(blok, sizeof blok) || in.gcount() > 0) {
        vstup.Obsah.append(blok, std::size_t(in.gcount()));
        if (vstup.Obsah.size() > kNejdelsiVstupZRoury) {
            vstup.PrilisDlouhy = true;
            vstup.Obsah.clear();
            break;
        }
    }
    return vstup;
}

std::unique_ptr<TCteckaRadku> Ctecka(const TVstup& vstup) {
    if (vstup.JednouCitelny)
        return std::make_unique<TCteckaRadku>(TText{vstup.Obsah});
    return std::make_unique<TCteckaRadku>(vstup.Soubor);
}

// Whether the output would replace the input itself (the same file, also through a link).
bool StejnySoubor(const fs::path& vstup, const fs::path& vystup) {
    std::error_code ec;
    return fs::equivalent(vstup, vystup, ec) && !ec;
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

bool ZapisVystup(const ParametryKonverze& p, const TVstup& vstup, TKonverzeRozhrani& rozhrani,
                 TVystup* proud) {
    TZpravy& zpravy = rozhrani.Zpravy();
    // The file may have gone while the parameters were asked for.
    if (!vstup.JednouCitelny && !Existuje(p.VstupniSoubor)) {
        zpravy.Zprava(TDruhZpravy::Varovani, TextSouborNeexistuje());
        return false;
    }
    const auto radky = Ctecka(vstup);
    if (!radky->Otevreno()) {
        zpravy.Zprava(TDruhZpravy::Vyjimka, TextNelzeCist(p.VstupniSoubor));
        return false;
    }
    if (proud) {
        Zapis(*radky, p, rozhrani, *proud);
        return true;
    }
    TVystupniSoubor soubor(p.VystupniSoubor);
    if (!soubor.Otevreno()) {
        zpravy.Zprava(TDruhZpravy::Vyjimka,
                      TextNelzeVytvorit(p.VystupniSoubor, soubor.ChybaOtevreni()));
        return false;
    }
    Zapis(*radky, p, rozhrani, soubor);
    if (const std::error_code chyba = soubor.Dokonci()) {
        zpravy.Zprava(TDruhZpravy::Vyjimka, TextNelzeZapsat(p.VystupniSoubor, chyba));
        return false;
    }
    return true;
}

} // namespace

fs::path VystupniJmeno(const fs::path& vstup, bool souradnice) {
    fs::path vystup = vstup;
    vystup.replace_extension(souradnice ? ".asc" : ".zap");
    return vystup;
}

bool ZapisVystup(const ParametryKonverze& p, TKonverzeRozhrani& rozhrani, TVystup* proud) {
    return ZapisVystup(p, PripravVstup(p.VstupniSoubor), rozhrani, proud);
}

TVysledekKonverze KonverzeSouboru(const fs::path& vstup, TTypStanice typStanice,
                                  TKonverzeRozhrani& rozhrani) {
    return KonverzeSouboru(vstup, typStanice, rozhrani, TCilKonverze{});
}

TVysledekKonverze KonverzeSouboru(const fs::path& soubor, TTypStanice typStanice,
                                  TKonverzeRozhrani& rozhrani, const TCilKonverze& cil) {
    TVysledekKonverze vysledek;
    if (!Existuje(soubor)) {
        vysledek.Stav = TStavKonverze::ChybiVstup;
        return vysledek;
    }
    TZpravy& zpravy = rozhrani.Zpravy();
    const TVstup vstup = PripravVstup(soubor);
    if (vstup.PrilisDlouhy) {
        zpravy.Zprava(TDruhZpravy::Chyba, TextVstupPrilisDlouhy(soubor));
        return vysledek;
    }
    bool souradnice = false;
    {
        // An input that cannot be read is reported before the user is asked anything.
        const auto radky = Ctecka(vstup);
        if (!radky->Otevreno()) {
            zpravy.Zprava(TDruhZpravy::Vyjimka, TextNelzeCist(soubor));
            return vysledek;
        }
        souradnice = JeSouborSouradnic(*radky, typStanice);
    }
    vysledek.VystupniSoubor = cil.Soubor.empty() ? VystupniJmeno(soubor, souradnice) : cil.Soubor;
    // A coordinate file named *.asc has its own name as its output: writing it would destroy
    // the measured data.
    if (!cil.Proud && StejnySoubor(soubor, vysledek.VystupniSoubor)) {
        zpravy.Zprava(TDruhZpravy::Chyba, TextVystupJeVstup(vysledek.VystupniSoubor));
        return vysledek;
    }
    std::error_code ec;
    if (!cil.Proud && fs::is_directory(vysledek.VystupniSoubor, ec)) {
        zpravy.Zprava(TDruhZpravy::Chyba, TextVystupJeSlozka(vysledek.VystupniSoubor));
        return vysledek;
    }
    if (!cil.Proud && Existuje(vysledek.VystupniSoubor) &&
        !zpravy.OtazkaAnoNe(TitulekZpravy(TDruhZpravy::Varovani),
                            TextPrepsatSoubor(vysledek.VystupniSoubor))) {
        vysledek.Stav = TStavKonverze::PrepsaniOdmitnuto;
        return vysledek;
    }
    const std::optional<TVolbyKonverze> volby = rozhrani.Parametry(typStanice, !souradnice);
    if (!volby) {
        vysledek.Stav = TStavKonverze::Zruseno; // an existing output stays as it was
        return vysledek;
    }
    vysledek.ZobrazitSoubor = volby->ZobrazitSoubor;
    const ParametryKonverze parametry =
        SestavParametry(soubor, vysledek.VystupniSoubor, typStanice, souradnice, *volby);
    vysledek.Stav = ZapisVystup(parametry, vstup, rozhrani, cil.Proud) ? TStavKonverze::Hotovo
                                                                       : TStavKonverze::Chyba;
    vysledek.NicNeprevedeno =
        vysledek.Stav == TStavKonverze::Hotovo && typStanice != TTypStanice::tsNTS660;
    return vysledek;
}
