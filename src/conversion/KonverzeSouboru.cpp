#include "conversion/KonverzeSouboru.h"

#include "conversion/CteckaRadku.h"
#include "conversion/RozborVstupu.h"
#include "conversion/TextyKonverze.h"
#include "conversion/ZapisMAPA2.h"

#include <fstream>
#include <memory>
#include <vector>

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

// With `overeno` the input's text is checked as it is read: unless the whole file proves plain
// ASCII (*overeno true), the output is not put in place and nothing more is told.
bool ZapisVystup(const ParametryKonverze& p, const TVstup& vstup, TKonverzeRozhrani& rozhrani,
                 TVystup* proud, bool* overeno = nullptr) {
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
    if (overeno)
        radky->HlidejProstyText();
    Zapis(*radky, p, rozhrani, soubor);
    if (overeno && !(*overeno = radky->ProstyText()))
        return false; // the temporary file goes with `soubor`
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

namespace {

// Holds back what a conversion tells while its input's text is checked in the converting
// pass: told once the text has proved plain, dropped when the conversion is done again.
class TOdlozeneZpravy : public TKonverzeRozhrani, public TZpravy {
public:
    explicit TOdlozeneZpravy(TKonverzeRozhrani& rozhrani) : rozhrani_(rozhrani) {}

    TZpravy& Zpravy() override { return *this; }
    std::optional<TVolbyKonverze> Parametry(TTypStanice typStanice, bool mereni) override {
        return rozhrani_.Parametry(typStanice, mereni);
    }
    void PoskozenaData(std::size_t radek) override { zpravy_.push_back({true, radek, {}, {}}); }
    void Zprava(TDruhZpravy druh, const std::string& text) override {
        zpravy_.push_back({false, 0, druh, text});
    }
    bool OtazkaAnoNe(const std::string& titulek, const std::string& text) override {
        return rozhrani_.Zpravy().OtazkaAnoNe(titulek, text);
    }
    void Ohlas() {
        for (const TZprava& z : zpravy_) {
            if (z.Poskozena)
                rozhrani_.PoskozenaData(z.Radek);
            else
                rozhrani_.Zpravy().Zprava(z.Druh, z.Text);
        }
    }

private:
    struct TZprava {
        bool Poskozena;
        std::size_t Radek;
        TDruhZpravy Druh;
        std::string Text;
    };
    TKonverzeRozhrani& rozhrani_;
    std::vector<TZprava> zpravy_;
};

// The conversion from the input's check on. With `overeno` the check leaves the text to the
// converting pass (ZapisVystup), and *overeno tells whether it proved plain ASCII to the
// end; when not, nothing has been written.
TVysledekKonverze Konverze(const fs::path& soubor, TVstup& vstup, TTypStanice typStanice,
                           TKonverzeRozhrani& rozhrani, const TCilKonverze& cil, bool* overeno) {
    TVysledekKonverze vysledek;
    TZpravy& zpravy = rozhrani.Zpravy();
    TRozborVstupu rozbor;
    {
        // An input that cannot be read is reported before the user is asked anything.
        const auto radky = Ctecka(vstup);
        if (!radky->Otevreno()) {
            zpravy.Zprava(TDruhZpravy::dzVyjimka, TextNelzeCist(soubor));
            return vysledek;
        }
        rozbor = RozborVstupu(*radky, typStanice, overeno == nullptr);
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
    vysledek.Stav = ZapisVystup(parametry, vstup, rozhrani, cil.Proud, overeno)
                        ? TStavKonverze::kvHotovo
                        : TStavKonverze::kvChyba;
    return vysledek;
}

} // namespace

TVysledekKonverze KonverzeSouboru(const fs::path& soubor, TTypStanice typStanice,
                                  TKonverzeRozhrani& rozhrani, const TCilKonverze& cil) {
    TVysledekKonverze vysledek;
    if (!Existuje(soubor)) {
        vysledek.Stav = TStavKonverze::kvChybiVstup;
        return vysledek;
    }
    TVstup vstup = PripravVstup(soubor);
    if (vstup.PrilisDlouhy) {
        rozhrani.Zpravy().Zprava(TDruhZpravy::dzChyba, TextVstupPrilisDlouhy(soubor));
        return vysledek;
    }
    // Asked nothing, the user cannot tell a text checked before the conversion from one
    // checked while it is read: a file of plain ASCII, as instruments write them, is then
    // read once. Any other outcome is dropped unseen and the conversion done again, the text
    // checked first. Not into a stream, a device or a pipe, which show what they get at once.
    auto nahrazuje = [&](bool souradnice) {
        return !ZapisBezNahrady(cil.Soubor.empty() ? VystupniJmeno(soubor, souradnice)
                                                   : cil.Soubor);
    };
    if (rozhrani.BezOtazek() && !vstup.JednouCitelny && !cil.Proud && nahrazuje(false) &&
        nahrazuje(true)) {
        TOdlozeneZpravy odlozene(rozhrani);
        bool overeno = false;
        vysledek = Konverze(soubor, vstup, typStanice, odlozene, cil, &overeno);
        if (overeno) {
            odlozene.Ohlas();
            return vysledek;
        }
    }
    return Konverze(soubor, vstup, typStanice, rozhrani, cil, nullptr);
}
