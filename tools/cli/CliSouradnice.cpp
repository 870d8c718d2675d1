// merivox-cli coords: the points a measured-data file determines, saved as the point window
// saves its table, so that they can be loaded there and sent to the instrument for setting
// out.
#include "Cli.h"
#include "VolbyMapa2.h"

#include "common/Cesty.h"
#include "common/Cp1250.h"
#include "common/ObsahSouboru.h"
#include "conversion/Cisla.h"
#include "survey/CteniSouradnic.h"
#include "survey/VypocetMereni.h"
#include "upload/SouborBodu.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

const char* const kNapovedaCoords =
    R"(Použití: merivox-cli coords SOUBOR.sdt [--known SOUBOR]... -o VÝSTUP.asc [volby]
Spočítá souřadnice bodů z naměřených dat (polární metoda) a uloží je jako okno zápisu
souřadnic bodů: číslo,Y,X,Z a ",* kód", kde bod kód má; řádky CR LF, 3 desetinná místa.
  --known SOUBOR              známé body (*.asc, souřadnice *.sdt nebo XYZ z měření *.sdt);
                              volbu lze opakovat, platí první soubor, který bod má
  -o SOUBOR                   výstupní soubor (povinný; "-" píše na standardní výstup)
  --station NTS-660|NTS-350   typ totální stanice (výchozí NTS-660)
  --x X --y Y --h H           průměrné X, Y a nadmořská výška pro měřítkový faktor
  --factor F                  tento měřítkový faktor místo spočítaného
  --mark C                    označení orientačních bodů (prázdné: žádné)
  --swap-xy                   prohodit X a Y ve všech čtených souřadnicích
  --no-curvature              bez opravy ze zakřivení Země a refrakce
  --settings SOUBOR           jiný soubor nastavení než Merivex.ini vedle programu
Stanovisko se orientuje záměrami BS a SS s označením orientačních bodů na body známé
v tu chvíli. Stanoviska, místní body (stanovisko bez souřadnic) a body jen se směrem se do
výstupu nepíší a vypíší se na standardní chybový výstup, stejně jako každé neorientované
stanovisko (jeho body jsou v S-JTSK, jen byl-li přístroj tak orientován).
Návratový kód: 0 zapsáno, 1 selhání (soubor chybí či nelze číst nebo zapsat, výstup je
některý ze vstupů, nejsou to naměřená data, nestandardní jednotky), 2 chybné volby,
3 data NTS-350: nic nebylo zapsáno.
)";

struct TVolbySouradnic {
    TVolbyMapa2Cli Mapa2;
    std::vector<std::string> Zname;
    std::optional<std::string> Vystup;
    bool BezZakriveni = false;
    std::vector<std::string> Soubory;
};

void PripojCislo(std::string& text, const std::string& cislo) {
    text += text.empty() ? "" : ", ";
    text += cislo.empty() ? Cz("(bez čísla)") : cislo;
}

// One line per kind of what the output leaves out, and what the surveyor should check.
void Vynechane(const TVysledekVypoctu& v, const TTerminal& terminal, const std::string& vstup) {
    std::string stanice, mistni, jenSmer, neorientovane;
    for (const TStanice& st : v.Stanice) {
        PripojCislo(stanice, st.Cislo);
        if (st.Neorientovana)
            PripojCislo(neorientovane, st.Cislo);
        for (const TMereniBodu& m : st.Mereni) {
            if (m.JenSmer && !m.Orientacni)
                PripojCislo(jenSmer, m.Cislo);
            else if (m.Novy && m.System.Druh == TSoustava::ssMistni)
                PripojCislo(mistni, m.Cislo);
        }
    }
    const std::string pred = vstup + ": ";
    if (!stanice.empty())
        terminal.Hlaseni(pred, Cz("vynechána stanoviska: ") + stanice);
    if (!mistni.empty())
        terminal.Hlaseni(pred, Cz("vynechány místní body (stanovisko bez souřadnic): ") + mistni);
    if (!jenSmer.empty())
        terminal.Hlaseni(pred, Cz("vynechány body jen se směrem: ") + jenSmer);
    if (!neorientovane.empty())
        terminal.Hlaseni(pred, Cz("neorientovaná stanoviska (body v natočení přístroje): ") +
                                   neorientovane);
    for (const std::size_t radek : v.Poskozene)
        terminal.Hlaseni(vstup + ":" + std::to_string(radek) + ": ",
                         Cz("poškozené měření vynecháno"));
    for (const TOpakovaneUrceni& o : v.Opakovane) {
        std::string text = Cz("bod ") + o.Cislo + Cz(" určen znovu (platí první určení)");
        if (!o.JinySystem) {
            text += ": dY ";
            PripojPevne(text, o.dY, 3);
            text += " dX ";
            PripojPevne(text, o.dX, 3);
            if (o.dZ) {
                text += " dZ ";
                PripojPevne(text, *o.dZ, 3);
            }
        }
        const std::size_t radek = v.Stanice[o.Stanice].Mereni[o.Mereni].Radek;
        terminal.Hlaseni(vstup + ":" + std::to_string(radek) + ": ", text);
    }
}

// The point window's table of the points to write: S-JTSK and unoriented ones.
std::string TextBodu(const TVysledekVypoctu& v) {
    const TSeznamSouradnic body = VypoctenyBody(v);
    TTabulkaBodu tabulka;
    tabulka.Rezervuj(int(body.size()));
    bool prvni = true;
    for (const TBodSouradnic& b : body) {
        if (b.Soustava == TSoustava::ssMistni)
            continue;
        if (!prvni)
            tabulka.PridejRadek();
        prvni = false;
        const int r = tabulka.PocetRadku();
        tabulka.NastavBunku(r, TTabulkaBodu::sbCislo, b.Cislo);
        tabulka.NastavBunku(r, TTabulkaBodu::sbY, b.Y.Text);
        tabulka.NastavBunku(r, TTabulkaBodu::sbX, b.X.Text);
        tabulka.NastavBunku(r, TTabulkaBodu::sbZ, b.Z.Text);
        tabulka.NastavBunku(r, TTabulkaBodu::sbPoznamka, b.Kod);
    }
    return TextSouboruBodu(tabulka);
}

} // namespace

int CliSouradnice(const TArgumenty& argumenty, const TTerminal& terminal) {
    const std::string prikaz = "coords";
    TVolbySouradnic v;
    TPravidlaVoleb pravidla = PravidlaMapa2(v.Mapa2, v.Soubory);
    pravidla.Volby.insert(pravidla.Volby.end(),
                          {Hodnota("--known",
                                   [&](const std::string& soubor) {
                                       v.Zname.push_back(soubor);
                                       return true;
                                   }),
                           Hodnota("-o", v.Vystup), Prepinac("--no-curvature", v.BezZakriveni)});
    if (const auto konec = CtiVolby(argumenty, pravidla, terminal, prikaz, Cz(kNapovedaCoords)))
        return *konec;
    if (v.Soubory.empty())
        return SpatnePouziti(terminal, prikaz, Cz("Chybí soubor s naměřenými daty."));
    if (v.Soubory.size() > 1)
        return SpatnePouziti(terminal, prikaz, Cz("Počítá se z jediného souboru naměřených dat."));
    if (!v.Vystup)
        return SpatnePouziti(terminal, prikaz, Cz("Chybí výstupní soubor (-o)."));
    TMapa2Cli mapa2;
    if (const auto konec = PouzijVolbyMapa2(v.Mapa2, terminal, prikaz, mapa2))
        return *konec;

    const std::string& vstup = v.Soubory.front();
    const bool naVystup = *v.Vystup == "-";
    const fs::path vystup = *v.Vystup;
    std::vector<std::string> vstupy = v.Zname;
    vstupy.insert(vstupy.begin(), vstup);
    for (const std::string& soubor : vstupy)
        if (!naVystup && StejnySoubor(soubor, vystup)) {
            terminal.Hlaseni(prikaz + ": ", Cz("Výstupní soubor \"") + TextCesty(vystup) +
                                                Cz("\" je vstupní soubor; nic se nezapsalo."));
            return kSelhani;
        }

    TZadaniVypoctu zadani;
    ZadaniZNastaveni(mapa2.Nastaveni, zadani);
    zadani.TypStanice = mapa2.Typ;
    zadani.Faktor = mapa2.Faktor;
    zadani.ZakriveniARefrakce = !v.BezZakriveni;
    for (const std::string& soubor : v.Zname) {
        std::string obsah;
        if (const auto chyba = NactiObsahSouboru(soubor, obsah)) {
            terminal.Hlaseni(prikaz + ": ", chyba->Text());
            return kSelhani;
        }
        TCteniSouradnic cteni = CtiSouradnice(obsah, zadani.ProhozeniXY);
        for (const std::size_t radek : cteni.Necitelne)
            terminal.Hlaseni(soubor + ":" + std::to_string(radek) + ": ",
                             Cz("řádek nedává bod se souřadnicemi Y a X"));
        zadani.Zname.push_back(std::move(cteni.Body));
    }
    std::string mereni;
    if (const auto chyba = NactiObsahSouboru(vstup, mereni)) {
        terminal.Hlaseni(prikaz + ": ", chyba->Text());
        return kSelhani;
    }
    zadani.Mereni = mereni;
    const TVysledekVypoctu vysledek = VypocetMereni(zadani);
    switch (vysledek.Stav) {
    case TStavVypoctu::svHotovo:
        break;
    case TStavVypoctu::svNTS350:
        terminal.Hlaseni(vstup + ": ", Cz("Data NTS-350 se nepočítají; nic se nezapsalo."));
        return kNicNeprevedeno;
    case TStavVypoctu::svNejsouData:
    case TStavVypoctu::svSouradnice:
        terminal.Hlaseni(vstup + ": ",
                         Cz("Nejsou to naměřená data (záznamy STN, BS, FS, SS); nic se "
                            "nezapsalo."));
        return kSelhani;
    case TStavVypoctu::svJednotky:
        for (const std::string& poznamka : vysledek.Poznamky)
            terminal.Hlaseni(vstup + ": ", poznamka);
        return kSelhani;
    }
    Vynechane(vysledek, terminal, vstup);
    const std::string text = TextBodu(vysledek);
    if (naVystup) {
        terminal.Vystup.write(text.data(), std::streamsize(text.size()));
        if (!terminal.Vystup.flush()) {
            terminal.Hlaseni(prikaz + ": ", Cz("Body nelze zapsat na standardní výstup."));
            return kSelhani;
        }
        return kUspech;
    }
    if (const auto chyba = ZapisObsahSouboru(vystup, text)) {
        terminal.Hlaseni(prikaz + ": ", chyba->Text());
        return kSelhani;
    }
    return kUspech;
}
