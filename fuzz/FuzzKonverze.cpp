// libFuzzer target over the whole conversion: variant test, pre-scan, reader, both writers
// and, for some inputs, the entry operation through real files. The first byte picks the
// parameters, the rest is the measured-data file.
//
// Besides the sanitizers it checks what must hold for any input: every line of the output
// ends with CR LF (no lone CR or LF, no line running into the next), and a .zap output
// ends with the terminator.
#include "conversion/KonverzeSouboru.h"
#include "conversion/Varianta.h"
#include "conversion/ZapisMAPA2.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

struct TTicheRozhrani : TKonverzeRozhrani, TZpravy {
    TVolbyKonverze Volby;
    TZpravy& Zpravy() override { return *this; }
    TVolbyKonverze Parametry(std::uint8_t, bool) override { return Volby; }
    void PoskozenaData(std::size_t) override {}
    void Zprava(TDruhZpravy, const std::string&) override {}
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
        const std::uint8_t typ = (o & 2) ? 1 : 2;
        const TVysledekKonverze v = KonverzeSouboru(vstup, typ, rozhrani);
        Over(v.Stav == TStavKonverze::Hotovo);
        std::ifstream in(v.VystupniSoubor, std::ios::binary);
        const std::string vystup((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
        OverKonceRadku(vystup);
        Over(typ == 1
                 ? vystup.empty()
                 : (v.VystupniSoubor.extension() == ".asc" || vystup.ends_with("/\r\n-2\r\n")));
        std::filesystem::remove(v.VystupniSoubor);
        return 0;
    }

    TCteckaRadku radky(TText{text});
    const bool souradnice = JeSouborSouradnic(radky, 2);
    ParametryKonverze p = SestavParametry("vstup.sdt", "vystup", 2, souradnice, rozhrani.Volby);
    TVystupDoRetezce vystup;
    if (souradnice) {
        ZapisSouradnic(radky, p, vystup);
    } else {
        ZapisMAPA2(radky, p, rozhrani, vystup);
        Over(vystup.Text().ends_with("/\r\n-2\r\n"));
    }
    OverKonceRadku(vystup.Text());
    return 0;
}
