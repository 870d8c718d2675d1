#include "conversion/ProtokolKonverze.h"

#include "common/Cp1250.h"
#include "common/ObsahSouboru.h"
#include "common/Radky.h"
#include "common/RozpoznaniTextu.h"
#include "common/VerzeSouboru.h"
#include "conversion/Cisla.h"
#include "conversion/CteckaMereni.h"
#include "conversion/RozborVstupu.h"
#include "conversion/Slova.h"
#include "conversion/TextyKonverze.h"
#include "conversion/Varianta.h"
#include "conversion/VypocetRedukci.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Counts what the conversion's reader yields, damaged measurements with their lines.
class TPocitadlo : public TKonverzeRozhrani, private TZpravy {
public:
    TZpravy& Zpravy() override { return *this; }
    std::optional<TVolbyKonverze> Parametry(TTypStanice, bool) override { return std::nullopt; }
    void PoskozenaData(std::size_t radek) override { Poskozene.push_back(radek); }
    std::vector<std::size_t> Poskozene;

private:
    void Zprava(TDruhZpravy, const std::string&) override {}
    bool OtazkaAnoNe(const std::string&, const std::string&) override { return false; }
};

// "dd.mm.yyyy hh:mm:ss UTC" of a time on the program's day scale (days since 30.12.1899).
std::string TextDatumu(double dny) {
    using namespace std::chrono;
    const auto sekundy = static_cast<long long>(std::llround((dny - 25569.0) * 86400.0));
    const sys_seconds cas{seconds(sekundy)};
    const sys_days den = floor<days>(cas);
    const year_month_day d{den};
    const hh_mm_ss cast{cas - den};
    char text[64];
    std::snprintf(text, sizeof text, "%02u.%02u.%04d %02lld:%02lld:%02lld UTC", unsigned(d.day()),
                  unsigned(d.month()), int(d.year()), static_cast<long long>(cast.hours().count()),
                  static_cast<long long>(cast.minutes().count()),
                  static_cast<long long>(cast.seconds().count()));
    return text;
}

void Radek(std::string& text, const char* popis, const std::string& hodnota) {
    text += Cz(popis);
    text += hodnota;
    text += "\r\n";
}

std::string Cisla(const std::vector<std::size_t>& cisla) {
    std::string text;
    for (const std::size_t c : cisla)
        text += (text.empty() ? "" : ", ") + std::to_string(c);
    return text;
}

} // namespace

fs::path JmenoProtokolu(const fs::path& vystup) {
    fs::path jmeno = vystup;
    jmeno.replace_filename(vystup.stem().string() + "-protokol.txt");
    return jmeno;
}

std::string ProtokolKonverze(const TZadaniProtokolu& z) {
    std::string p;
    p += Cz("Protokol konverze do formátu MAPA2\r\n");
    Radek(p, "Vstupní soubor: ", TextCesty(z.Vstup));
    try {
        Radek(p, "Poslední změna vstupu: ", TextDatumu(DatumSouboru(z.Vstup)));
    } catch (const fs::filesystem_error&) {
        Radek(p, "Poslední změna vstupu: ", Cz("neznámá"));
    }
    std::string obsah;
    if (NactiObsahSouboru(z.Vstup, obsah)) {
        Radek(p, "", Cz("Vstupní soubor nelze znovu přečíst; počty chybí."));
        obsah.clear();
    }
    TRozborVstupu rozbor;
    {
        TCteckaRadku radky(TText{obsah});
        rozbor = RozborVstupu(radky, z.Typ);
    }
    if (rozbor.Kodovani == TKodovaniTextu::ktUtf8)
        PrevedNaCp1250(obsah);
    Radek(p, "Přístroj: ", std::string(TextTypuStanice(rozbor.Typ)));
    Radek(p, "Druh dat: ", Cz(rozbor.SouborSouradnic ? "souřadnice" : "měření"));

    if (rozbor.Typ != TTypStanice::tsNTS660) {
        Radek(p, "", TextNicNebyloPrevedeno());
    } else if (rozbor.SouborSouradnic) {
        std::size_t bodu = 0;
        TCteckaRadku radky(TText{obsah});
        TKusy slova, pole;
        std::string_view r;
        while (radky.Dalsi(r)) {
            RozdelSlova(r, slova);
            if (!slova.empty() && (RozdelPole(slova[0], pole), pole.size() >= 2))
                ++bodu;
        }
        Radek(p, "Prohození souřadnic X a Y: ", Cz(z.Volby.ProhozeniXY ? "ano" : "ne"));
        Radek(p, "Měřítkový faktor: ", Cz("u souřadnic se nepoužije"));
        Radek(p, "Body: ", std::to_string(bodu));
    } else {
        TCteckaRadku radky(TText{obsah});
        TPocitadlo pocitadlo;
        TCteckaMereni ctecka(radky, pocitadlo);
        std::size_t stanic = 0, mereni = 0;
        std::vector<std::string> hlavicky;
        for (TPolozka pol; (pol = ctecka.Dalsi()) != TPolozka::polKonec;) {
            if (pol == TPolozka::polStanice)
                ++stanic;
            else if (pol == TPolozka::polMereni)
                ++mereni;
            else if (pol == TPolozka::polHlavicka)
                hlavicky.push_back(ctecka.Hlavicka());
        }
        if (hlavicky.empty())
            Radek(p, "Hlavička z dat: ", Cz("žádná (soubor nemá řádek DATE)"));
        for (const std::string& h : hlavicky)
            Radek(p, "Hlavička z dat: ", h);
        const TNastaveniMAPA2& n = z.Nastaveni;
        Radek(p, "Průměrná souřadnice X: ", n.SouradniceX + " m");
        Radek(p, "Průměrná souřadnice Y: ", n.SouradniceY + " m");
        Radek(p, "Průměrná nadmořská výška: ", n.Vyska + " m");
        const TRedukce r = VypocetRedukci(n.SouradniceX, n.SouradniceY, n.Vyska);
        Radek(p, "Redukce zobrazení S-JTSK: ", TextRedukce(r.JTSK, '.'));
        Radek(p, "Redukce na nulový horizont: ", TextRedukce(r.Horizont, '.'));
        Radek(p, "Celková redukce délek: ", TextRedukce(r.Celkem, '.'));
        const double faktor = double(z.Volby.MeritkovyFaktor);
        std::string textFaktoru = TextFaktoru(faktor, '.');
        if (textFaktoru != TextFaktoru(r.Faktor, '.'))
            textFaktoru +=
                Cz(" (zadán; z průměrných hodnot vychází ") + TextFaktoru(r.Faktor, '.') + ")";
        Radek(p, "Měřítkový faktor: ", textFaktoru);
        if (z.ZakriveniARefrakce)
            Radek(p, "Oprava ze zakřivení Země a refrakce: ",
                  Cz(*z.ZakriveniARefrakce ? "ano (k = 0.13, R = 6381 km)" : "ne"));
        Radek(p, "Stanoviska: ", std::to_string(stanic));
        Radek(p, "Měření: ", std::to_string(mereni));
        std::string poskozene = std::to_string(pocitadlo.Poskozene.size());
        if (!pocitadlo.Poskozene.empty())
            poskozene += Cz(" (řádky počítané od 1: ") + Cisla(pocitadlo.Poskozene) + ")";
        Radek(p, "Poškozená měření: ", poskozene);
        std::string varovani;
        TCteckaRadku znovu(TText{obsah});
        KontrolaNestandardnich(znovu, rozbor.Typ, false, z.Volby.NestandardniJednotky,
                               z.Volby.NestandardniVysky, varovani);
        const auto radkyVarovani = RadkyTextu(varovani);
        std::string pocet = std::to_string(radkyVarovani.size());
        if (!radkyVarovani.empty())
            pocet += Cz(" (jak je program ukázal; řádky v nich počítané od 0)");
        Radek(p, "Varování: ", pocet);
        for (const std::string_view v : radkyVarovani)
            Radek(p, "  \"", std::string(v) + "\"");
    }
    Radek(p, "Výstupní soubor: ", TextCesty(z.Vystup));
    std::error_code ec;
    const auto velikost = fs::file_size(z.Vystup, ec);
    Radek(p, "Velikost výstupního souboru: ",
          ec ? Cz("soubor není") : std::to_string(velikost) + " B");
    return p;
}
