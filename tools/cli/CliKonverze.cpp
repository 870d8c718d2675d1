// merivox-cli convert: the conversion of measured-data files to MAPA2 without windows.
#include "Cli.h"
#include "VolbyMapa2.h"

#include "common/Cp1250.h"
#include "common/TypStanice.h"
#include "conversion/KonverzeSouboru.h"
#include "conversion/ProtokolKonverze.h"
#include "conversion/TextyKonverze.h"
#include "conversion/VypocetRedukci.h"

#include <optional>

namespace {

const char* const kNapovedaConvert =
    R"(Použití: merivox-cli convert [volby] SOUBOR...
Převede naměřená data (*.sdt) do formátu MAPA2: měření do SOUBOR.zap, souřadnice do SOUBOR.asc.
  --station NTS-660|NTS-350   typ totální stanice (výchozí NTS-660)
  --x X --y Y --h H           průměrné X, Y a nadmořská výška v metrech pro redukci délek:
                              X 890000 až 1380000, Y 137000 až 910000 (oblast S-JTSK),
                              výška 0 až 2700
  --factor F                  tento měřítkový faktor místo spočítaného; jen v rozsahu,
                              který dávají hodnoty výše (0.9994768 až 1.0021998)
  --mark C                    označení orientačních bodů (prázdné: žádné)
  --swap-xy                   prohodit souřadnice X a Y ve výstupu *.asc
  --no-header                 bez hlavičky z načtených dat
  --no-warn-units             neinformovat o nestandardních jednotkách
  --no-warn-heights           neinformovat o nestandardních výškách
  --force                     přepsat existující výstupní soubor (jinak se odmítne)
  -o SOUBOR                   výstupní soubor pro jediný vstup; "-" píše na standardní výstup;
                              vstup, který není soubor na disku (/dev/stdin, roura), ho vyžaduje
  --protocol SOUBOR           protokol konverze (cp1250, CR LF) pro jediný vstup; "-" na
                              standardní výstup
  --settings SOUBOR           jiný soubor nastavení než Merivex.ini vedle programu
Výchozí hodnoty voleb jsou ze souboru nastavení, jak by je ukázal dialog parametrů MAPA2.
Výstupní soubor nikdy nenahradí vstupní soubor; zařízení (/dev/null), rouru nebo otevřený
popisovač (/dev/stdout, /dev/fd/N) zapíše přímo, za to, co v něm už je, a bez --force.
Typ přístroje na prvním řádku souboru (NTS-660, NTS-350) má přednost před --station. Soubor
v kódování UTF-8 se převede do cp1250. Prázdný vstup, vstup, který není text, a vstup, v němž
není nic k převodu (žádný záznam STN, BS, FS, SS; v souboru souřadnic žádný bod se dvěma
číselnými souřadnicemi), se odmítne a nic se nezapíše.
Návratový kód: 0 převedeno, 1 soubor chybí, existuje, nelze ho číst či zapsat, nejsou to
naměřená data nebo je průměrná hodnota ze souboru nastavení mimo rozsah, 2 chybné volby (také
--x, --y, --h nebo --factor mimo rozsah a vstup, který není soubor na disku, bez -o), 3 data
NTS-350: nic nebylo převedeno ani zapsáno.
)";

// Standard output as a writer's target (-o -).
class TStandardniVystup : public TVystup {
public:
    explicit TStandardniVystup(std::ostream& proud) : proud_(proud) {}
    void Zapis(std::string_view data) override {
        proud_.write(data.data(), std::streamsize(data.size()));
    }

private:
    std::ostream& proud_;
};

// The conversion's way to the user: every message one line on standard error, led by the
// input's name; the overwrite question answered by --force.
class TRozhraniCli : public TKonverzeRozhrani, public TZpravy {
public:
    TRozhraniCli(const TTerminal& terminal, std::string vstup, const TVolbyKonverze& volby,
                 bool prepsat)
        : terminal_(terminal), vstup_(std::move(vstup)), volby_(volby), prepsat_(prepsat) {}

    TZpravy& Zpravy() override { return *this; }
    std::optional<TVolbyKonverze> Parametry(TTypStanice, bool) override { return volby_; }
    void PoskozenaData(std::size_t radek) override {
        terminal_.Hlaseni(vstup_ + ":" + std::to_string(radek) + ": ", TextPoskozenaData());
    }
    void Zprava(TDruhZpravy, const std::string& text) override {
        terminal_.Hlaseni(vstup_ + ": ", text);
    }
    bool OtazkaAnoNe(const std::string&, const std::string&) override { return prepsat_; }
    bool BezOtazek() const override { return true; }

private:
    const TTerminal& terminal_;
    std::string vstup_;
    const TVolbyKonverze& volby_;
    bool prepsat_;
};

struct TVolbyCli {
    TVolbyMapa2Cli Mapa2;
    std::optional<std::string> Vystup, Protokol;
    bool BezHlavicky = false, BezJednotek = false, BezVysek = false;
    bool Prepsat = false;
    std::vector<std::string> Soubory;
};

// Reads the options into `v`, the station type and the conversion's options (the settings
// file's values with the options over them). Nothing when the conversion goes on; else its
// exit status.
std::optional<int> CtiVolbyKonverze(const TArgumenty& argumenty, const TTerminal& terminal,
                                    const std::string& prikaz, TVolbyCli& v, TTypStanice& typ,
                                    TNastaveniMAPA2& nastaveni, TVolbyKonverze& volby) {
    TPravidlaVoleb pravidla = PravidlaMapa2(v.Mapa2, v.Soubory);
    pravidla.Volby.insert(
        pravidla.Volby.end(),
        {Hodnota("-o", v.Vystup), Hodnota("--protocol", v.Protokol),
         Prepinac("--no-header", v.BezHlavicky), Prepinac("--no-warn-units", v.BezJednotek),
         Prepinac("--no-warn-heights", v.BezVysek), Prepinac("--force", v.Prepsat)});
    if (const auto konec = CtiVolby(argumenty, pravidla, terminal, prikaz, Cz(kNapovedaConvert)))
        return *konec;

    if (v.Soubory.empty())
        return SpatnePouziti(terminal, prikaz, Cz("Chybí soubor s naměřenými daty."));
    if (v.Vystup && v.Soubory.size() > 1)
        return SpatnePouziti(terminal, prikaz, Cz("Volba -o platí jen pro jediný vstupní soubor."));
    if (v.Protokol && v.Soubory.size() > 1)
        return SpatnePouziti(terminal, prikaz,
                             Cz("Volba --protocol platí jen pro jediný vstupní soubor."));
    // The output goes beside its input: beside /dev/stdin or a pipe it would land in /dev.
    for (const std::string& soubor : v.Soubory) {
        std::error_code ec;
        const auto stav = std::filesystem::status(CestaArgumentu(soubor), ec);
        if (!v.Vystup && std::filesystem::exists(stav) && !std::filesystem::is_regular_file(stav) &&
            !std::filesystem::is_directory(stav))
            return SpatnePouziti(
                terminal, prikaz,
                Cz("\"") + terminal.ZTerminalu(soubor) +
                    Cz("\" není soubor na disku (je to roura nebo zařízení), výstup vedle něj "
                       "vytvořit nelze: zadejte ho volbou -o (\"-o -\" píše na standardní "
                       "výstup)."));
    }
    TMapa2Cli mapa2;
    if (const auto konec = PouzijVolbyMapa2(v.Mapa2, terminal, prikaz, mapa2))
        return *konec;
    typ = mapa2.Typ;
    nastaveni = mapa2.Nastaveni;
    if (v.BezHlavicky)
        nastaveni.HlavickaZDat = false;
    if (v.BezJednotek)
        nastaveni.NestandardniJednotky = false;
    if (v.BezVysek)
        nastaveni.NestandardniVysky = false;
    volby = VolbyZNastaveni(nastaveni);
    if (mapa2.Faktor)
        volby.MeritkovyFaktor = *mapa2.Faktor;
    return std::nullopt;
}

// --protocol: the protocol beside the output, or on standard output ("-").
bool ZapisProtokol(const std::string& soubor, const TZadaniProtokolu& zadani,
                   const TCilKonverze& cil, const TTerminal& terminal) {
    const std::string text = ProtokolKonverze(zadani);
    if (soubor == "-") {
        if (cil.Proud)
            terminal.Vystup << "\r\n";
        terminal.Vystup.write(text.data(), std::streamsize(text.size()));
        return true;
    }
    if (const auto chyba = ZapisObsahSouboru(soubor, text)) {
        terminal.Hlaseni("convert: ", chyba->Text());
        return false;
    }
    return true;
}

} // namespace

int CliKonverze(const TArgumenty& argumenty, const TTerminal& terminal) {
    const std::string prikaz = "convert";
    TVolbyCli v;
    TTypStanice typ = TTypStanice::tsNTS660;
    TNastaveniMAPA2 nastaveni;
    TVolbyKonverze volby;
    if (const auto konec = CtiVolbyKonverze(argumenty, terminal, prikaz, v, typ, nastaveni, volby))
        return *konec;
    // The protocol must replace neither the input nor the output it describes.
    if (v.Protokol && *v.Protokol != "-") {
        const std::filesystem::path vstup = v.Soubory.front();
        for (const std::filesystem::path& jiny :
             {vstup, v.Vystup ? std::filesystem::path(*v.Vystup) : VystupniJmeno(vstup, false),
              v.Vystup ? std::filesystem::path(*v.Vystup) : VystupniJmeno(vstup, true)})
            if (StejnySoubor(jiny, *v.Protokol) ||
                jiny.lexically_normal() == std::filesystem::path(*v.Protokol).lexically_normal()) {
                terminal.Hlaseni(prikaz + ": ",
                                 Cz("Protokol \"") + TextCesty(*v.Protokol) +
                                     Cz("\" by přepsal vstupní nebo výstupní soubor; nic nebylo "
                                        "zapsáno."));
                return kSelhani;
            }
    }

    TStandardniVystup standardni(terminal.Vystup);
    TCilKonverze cil;
    if (v.Vystup && *v.Vystup == "-")
        cil.Proud = &standardni;
    else if (v.Vystup)
        cil.Soubor = *v.Vystup;

    int status = kUspech;
    for (const std::string& soubor : v.Soubory) {
        TRozhraniCli rozhrani(terminal, soubor, volby, v.Prepsat);
        const TVysledekKonverze vysledek = KonverzeSouboru(soubor, typ, rozhrani, cil);
        switch (vysledek.Stav) {
        case TStavKonverze::kvHotovo:
            if (vysledek.NicNeprevedeno && status == kUspech)
                status = kNicNeprevedeno;
            if (v.Protokol && !ZapisProtokol(*v.Protokol,
                                             {.Vstup = soubor,
                                              .Vystup = vysledek.VystupniSoubor,
                                              .Typ = typ,
                                              .Nastaveni = nastaveni,
                                              .Volby = volby},
                                             cil, terminal))
                status = kSelhani;
            break;
        case TStavKonverze::kvChybiVstup:
            rozhrani.Zprava(TDruhZpravy::dzChyba,
                            Cz("Soubor \"") + TextCesty(soubor) + Cz("\" neexistuje."));
            status = kSelhani;
            break;
        case TStavKonverze::kvPrepsaniOdmitnuto:
            rozhrani.Zprava(TDruhZpravy::dzChyba,
                            Cz("Soubor \"") + TextCesty(vysledek.VystupniSoubor) +
                                Cz("\" již existuje; přepsat ho lze volbou --force."));
            status = kSelhani;
            break;
        case TStavKonverze::Zruseno: // nobody to cancel here
        case TStavKonverze::kvChyba:
            status = kSelhani;
            break;
        }
    }
    // A closed or full standard output loses the result: a script must hear of it.
    if (cil.Proud && !terminal.Vystup.flush()) {
        terminal.Hlaseni(prikaz + ": ", Cz("Výsledek konverze nelze zapsat na standardní výstup."));
        status = kSelhani;
    }
    return status;
}
