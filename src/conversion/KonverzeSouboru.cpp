#include "conversion/KonverzeSouboru.h"

#include "conversion/CteckaRadku.h"
#include "conversion/RozborVstupu.h"
#include "conversion/TextyKonverze.h"
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
    bool VPameti = false; // read whole into Obsah (read only once, or converted from UTF-8)
    std::string Obsah;
    bool PrilisDlouhy = false;
};

// Reads the whole input into memory, up to the limit.
void NactiCely(TVstup& vstup) {
    vstup.VPameti = true;
    vstup.Obsah.clear();
    std::ifstream in(vstup.Soubor, std::ios::binary);
    char blok[1 << 16];
    while (in.read(blok, sizeof blok) || in.gcount() > 0) {
        vstup.Obsah.append(blok, std::size_t(in.gcount()));
        if (vstup.Obsah.size() > kNejdelsiVstup) {
            vstup.PrilisDlouhy = true;
            vstup.Obsah.clear();
            break;
        }
    }
}

TVstup PripravVstup(const fs::path& soubor) {
    TVstup vstup;
    vstup.Soubor = soubor;
    std::error_code ec;
    const auto stav = fs::status(soubor, ec);
    if (ec || fs::is_regular_file(stav) || fs::is_directory(stav))
        return vstup;
    vstup.JednouCitelny = true;
    NactiCely(vstup);
    return vstup;
}

std::unique_ptr<TCteckaRadku> Ctecka(const TVstup& vstup) {
    if (vstup.VPameti)
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
        rozhrani.Zpravy().Zprava(TDruhZpravy::dzVarovani, TextNicNebyloPrevedeno());
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
        zpravy.Zprava(TDruhZpravy::dzVarovani, TextSouborNeexistuje());
        return false;
    }
    const auto radky = Ctecka(vstup);
    if (!radky->Otevreno()) {
        zpravy.Zprava(TDruhZpravy::dzVyjimka, TextNelzeCist(p.VstupniSoubor));
        return false;
    }
    if (proud) {
        Zapis(*radky, p, rozhrani, *proud);
        return true;
    }
    TVystupniSoubor soubor(p.VystupniSoubor);
    if (!soubor.Otevreno()) {
        zpravy.Zprava(TDruhZpravy::dzVyjimka,
                      TextNelzeVytvorit(p.VystupniSoubor, soubor.ChybaOtevreni()));
        return false;
    }
    Zapis(*radky, p, rozhrani, soubor);
    if (const std::error_code chyba = soubor.Dokonci()) {
        zpravy.Zprava(TDruhZpravy::dzVyjimka, TextNelzeZapsat(p.VystupniSoubor, chyba));
        return false;
    }
    return true;
}

// Refuses an input that is not measured data, tells what its first line changes and reads a
// UTF-8 input as the code page. False when the conversion ends here: nothing asked or written.
bool PrijmiVstup(TVstup& vstup, const TRozborVstupu& rozbor, TTypStanice zvolenyTyp,
                 TVysledekKonverze& vysledek, TZpravy& zpravy) {
    const fs::path& soubor = vstup.Soubor;
    if (const auto odmitnuti = TextOdmitnuti(soubor, rozbor)) {
        zpravy.Zprava(TDruhZpravy::dzChyba, *odmitnuti);
        return false;
    }
    if (rozbor.Typ != TTypStanice::tsNTS660) {
        zpravy.Zprava(TDruhZpravy::dzVarovani, TextNeprevadiSe(soubor, rozbor, zvolenyTyp));
        vysledek.Stav = TStavKonverze::kvHotovo;
        vysledek.NicNeprevedeno = true;
        return false;
    }
    if (rozbor.Typ != zvolenyTyp)
        zpravy.Zprava(TDruhZpravy::dzInformace, TextTypZeSouboru(soubor, rozbor, zvolenyTyp));
    if (rozbor.SouborSouradnic && rozbor.RadkyMereni)
        zpravy.Zprava(TDruhZpravy::dzVarovani, TextSouradniceSRadkyMereni(soubor));
    if (rozbor.Kodovani == TKodovaniTextu::ktUtf8) {
        if (!vstup.VPameti)
            NactiCely(vstup);
        if (vstup.PrilisDlouhy) {
            zpravy.Zprava(TDruhZpravy::dzChyba, TextVstupPrilisDlouhy(soubor));
            return false;
        }
        PrevedNaCp1250(vstup.Obsah);
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
        vysledek.Stav = TStavKonverze::kvChybiVstup;
        return vysledek;
    }
    TZpravy& zpravy = rozhrani.Zpravy();
    TVstup vstup = PripravVstup(soubor);
    if (vstup.PrilisDlouhy) {
        zpravy.Zprava(TDruhZpravy::dzChyba, TextVstupPrilisDlouhy(soubor));
        return vysledek;
    }
    TRozborVstupu rozbor;
    {
        // An input that cannot be read is reported before the user is asked anything.
        const auto radky = Ctecka(vstup);
        if (!radky->Otevreno()) {
            zpravy.Zprava(TDruhZpravy::dzVyjimka, TextNelzeCist(soubor));
            return vysledek;
        }
        rozbor = RozborVstupu(*radky, typStanice);
    }
    if (!PrijmiVstup(vstup, rozbor, typStanice, vysledek, zpravy))
        return vysledek;
    // From here on the file's own instrument, when its first line names one.
    typStanice = rozbor.Typ;
    const bool souradnice = rozbor.SouborSouradnic;
    vysledek.VystupniSoubor = cil.Soubor.empty() ? VystupniJmeno(soubor, souradnice) : cil.Soubor;
    // A coordinate file named *.asc has its own name as its output: writing it would destroy
    // the measured data.
    if (!cil.Proud && StejnySoubor(soubor, vysledek.VystupniSoubor)) {
        zpravy.Zprava(TDruhZpravy::dzChyba, TextVystupJeVstup(vysledek.VystupniSoubor));
        return vysledek;
    }
    std::error_code ec;
    if (!cil.Proud && fs::is_directory(vysledek.VystupniSoubor, ec)) {
        zpravy.Zprava(TDruhZpravy::dzChyba, TextVystupJeSlozka(vysledek.VystupniSoubor));
        return vysledek;
    }
    // A device, a pipe or an open descriptor is written into, not overwritten: no question.
    if (!cil.Proud && Existuje(vysledek.VystupniSoubor) &&
        !ZapisBezNahrady(vysledek.VystupniSoubor) &&
        !zpravy.OtazkaAnoNe(TitulekZpravy(TDruhZpravy::dzVarovani),
                            TextPrepsatSoubor(vysledek.VystupniSoubor))) {
        vysledek.Stav = TStavKonverze::kvPrepsaniOdmitnuto;
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
    vysledek.Stav = ZapisVystup(parametry, vstup, rozhrani, cil.Proud) ? TStavKonverze::kvHotovo
                                                                       : TStavKonverze::kvChyba;
    return vysledek;
}
