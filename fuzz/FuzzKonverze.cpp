// libFuzzer target over the whole conversion: variant test, pre-scan, reader, both writers
// and, for some inputs, the entry operation through real files. The first byte picks the
// parameters, the rest is the measured-data file.
//
// Besides the sanitizers it checks what must hold for any input: every line of the output
// ends with CR LF (no lone CR or LF, no line running into the next), and a .zap output
// ends with the terminator.
#include "conversion/Cisla.h"
#include "conversion/KonverzeSouboru.h"
#include "conversion/Slova.h"
#include "conversion/Varianta.h"
#include "conversion/ZapisMAPA2.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct TTicheRozhrani : TKonverzeRozhrani, TZpravy {
    TVolbyKonverze Volby;
    TZpravy& Zpravy() override { return *this; }
    std::optional<TVolbyKonverze> Parametry(TTypStanice, bool) override { return Volby; }
    std::vector<std::size_t> Poskozene;
    std::string Varovani;
    void PoskozenaData(std::size_t radek) override { Poskozene.push_back(radek); }
    void Zprava(TDruhZpravy druh, const std::string& text) override {
        if (druh == TDruhZpravy::dzVarovani)
            Varovani += text;
    }
    bool OtazkaAnoNe(const std::string&, const std::string&) override { return true; }
};

void Over(bool podminka) {
    if (!podminka)
        std::abort();
}

void OverKonceRadku(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r')
            Over(i + 1 < text.size() && text[i + 1] == '\n');
        if (text[i] == '\n')
            Over(i > 0 && text[i - 1] == '\r');
    }
    Over(text.empty() || text.ends_with("\r\n"));
}

// The pre-scan as the rules word it, cutting every line up in full: the quick one that rides
// along with the reader must agree with it on every input.
std::string PredbeznaKontrola(const std::string& text) {
    std::string vysledek;
    TCteckaRadku radky(TText{text});
    TKusy slova, pole;
    std::string_view radek;
    for (std::size_t cislo = 0; radky.Dalsi(radek); ++cislo) {
        if (radek.find("UNITS") != std::string_view::npos &&
            radek.find("M,G") == std::string_view::npos)
            vysledek += "U\n";
        bool mereni = false;
        for (const char* klic : {"STN", "BS", "FS", "SS"})
            mereni = mereni || radek.find(klic) != std::string_view::npos;
        if (!mereni)
            continue;
        RozdelSlova(radek, slova);
        if (slova.size() < 2)
            continue;
        RozdelPole(slova[1], pole);
        if (pole.size() < 2)
            continue;
        if (const auto v = CtiCislo(pole[1]); v && (*v < 0 || *v > 4))
            vysledek += std::to_string(cislo) + "\n";
    }
    return vysledek;
}

// The quick pre-scan's text in the same short form.
std::string Zkratka(const std::string& varovani) {
    std::string vysledek;
    std::size_t zacatek = 0;
    for (std::size_t konec; (konec = varovani.find("\r\n", zacatek)) != std::string::npos;
         zacatek = konec + 2) {
        const std::string radek = varovani.substr(zacatek, konec - zacatek);
        const std::size_t pomlcka = radek.find('-');
        vysledek += radek.rfind("Pou", 0) == 0
                        ? "U\n"
                        : radek.substr(radek.find(' ') + 1, pomlcka - radek.find(' ') - 1) + "\n";
    }
    return vysledek;
}

TVolbyKonverze Volby(std::uint8_t o) {
    TVolbyKonverze v;
    v.OznaceniOrientBodu = (o & 1) ? std::nullopt : std::optional<char>((o & 2) ? '+' : '#');
    v.ProhozeniXY = o & 4;
    v.NestandardniJednotky = o & 8;
    v.NestandardniVysky = o & 16;
    v.HlavickaZDat = o & 32;
    v.MeritkovyFaktor = (o & 64) ? 0.9999471L : 1e300L;
    return v;
}

std::filesystem::path SlozkaProcesu() {
    static const auto slozka = [] {
        auto s =
            std::filesystem::temp_directory_path() / ("merivox-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(s);
        return s;
    }();
    return slozka;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t o = data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    TTicheRozhrani rozhrani;
    rozhrani.Volby = Volby(o);

    if (o & 128) {
        // The entry operation through files, NTS-660 or NTS-350.
        const auto vstup = SlozkaProcesu() / "vstup.sdt";
        std::ofstream(vstup, std::ios::binary) << text;
        const TTypStanice typ = (o & 2) ? TTypStanice::tsNTS350 : TTypStanice::tsNTS660;
        const TVysledekKonverze v = KonverzeSouboru(vstup, typ, rozhrani);
        // An input that is no measured data is refused and NTS-350 data are not converted:
        // both before an output is named, so nothing can have been written.
        if (v.Stav == TStavKonverze::kvChyba || v.NicNeprevedeno) {
            Over(v.VystupniSoubor.empty());
            return 0;
        }
        Over(v.Stav == TStavKonverze::kvHotovo);
        std::ifstream in(v.VystupniSoubor, std::ios::binary);
        const std::string vystup((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
        OverKonceRadku(vystup);
        Over(v.VystupniSoubor.extension() == ".asc" || vystup.ends_with("/\r\n-2\r\n"));
        std::filesystem::remove(v.VystupniSoubor);
        return 0;
    }

    TCteckaRadku radky(TText{text});
    std::string varovani;
    KontrolaNestandardnich(radky, TTypStanice::tsNTS660, false, true, true, varovani);
    Over(Zkratka(varovani) == PredbeznaKontrola(text));

    const bool souradnice = JeSouborSouradnic(radky, TTypStanice::tsNTS660);
    ParametryKonverze p =
        SestavParametry("vstup.sdt", "vystup", TTypStanice::tsNTS660, souradnice, rozhrani.Volby);
    TVystupDoRetezce vystup;
    if (souradnice) {
        ZapisSouradnic(radky, p, vystup);
    } else {
        ZapisMAPA2(radky, p, rozhrani, vystup);
        Over(vystup.Text().ends_with("/\r\n-2\r\n"));
        // The check that rides along with the writer says what the one reading alone says.
        if (p.NestandardniJednotky && p.NestandardniVysky)
            Over(rozhrani.Varovani == varovani);
        // Streamed after every station (and read again for a late DATE line): the same output
        // and the same messages as the body held whole.
        TTicheRozhrani davkami;
        davkami.Volby = rozhrani.Volby;
        TVystupDoRetezce poStanicich;
        ZapisMAPA2(radky, p, davkami, poStanicich, 1);
        Over(poStanicich.Text() == vystup.Text());
        Over(davkami.Varovani == rozhrani.Varovani && davkami.Poskozene == rozhrani.Poskozene);
        // Read from a file, whose lines the writer may read past their ends when it copies
        // their pieces: the same output.
        const auto soubor = SlozkaProcesu() / "mereni.sdt";
        std::ofstream(soubor, std::ios::binary) << text;
        TCteckaRadku zeSouboru(soubor);
        TTicheRozhrani zeSouboruRozhrani;
        zeSouboruRozhrani.Volby = rozhrani.Volby;
        TVystupDoRetezce zeSouboruVystup;
        ZapisMAPA2(zeSouboru, p, zeSouboruRozhrani, zeSouboruVystup);
        Over(zeSouboruVystup.Text() == vystup.Text());
    }
    OverKonceRadku(vystup.Text());
    return 0;
}
