#include "conversion/VypocetRedukci.h"

#include "common/GlobalniFunkce.h"
#include "conversion/Cisla.h"

#include <charconv>
#include <cmath>

namespace {

std::string SOddelovacem(std::string text, char oddelovac) {
    NahradZnak(text, '.', oddelovac);
    return text;
}

} // namespace

TRedukce VypocetRedukci(const std::string& x, const std::string& y, const std::string& vyska) {
    TRedukce r;
    r.JTSK = RedukceJTSK(CtiCislo(x).value_or(0), CtiCislo(y).value_or(0));
    r.Horizont = RedukceHorizont(CtiCislo(vyska).value_or(0));
    r.Celkem = r.JTSK + r.Horizont;
    r.Faktor = MeritkovyFaktor(r.JTSK, r.Horizont);
    return r;
}

std::string TextRedukce(double mmNaKm, char oddelovac) {
    std::string text;
    PripojPevne(text, mmNaKm, 1);
    return SOddelovacem(text, oddelovac) + " mm/km";
}

std::string TextFaktoru(double faktor, char oddelovac) {
    // Seven decimals, but no more than eight significant digits in all.
    int desetinna = 7;
    for (double mez = 10; std::fabs(faktor) >= mez && desetinna > 0; mez *= 10)
        --desetinna;
    std::string text;
    PripojPevne(text, faktor, desetinna);
    return SOddelovacem(text, oddelovac);
}

namespace {

// Not every library reads a long double exactly (MinGW's from_chars reads it at double
// precision), and the factor must be the same on every system. A factor has few digits: as an
// integer they are exact, and so is a power of ten up to 10^27, so one division gives the
// correctly rounded value. False for a text of more digits, which from_chars then reads.
bool PresnyFaktor(const std::string& s, long double& hodnota) {
    unsigned long long cislice = 0;
    int pocet = 0, desetinna = 0;
    bool tecka = false;
    for (char c : s) {
        if (c == '+' || c == '-')
            continue;
        if (c == '.') {
            tecka = true;
            continue;
        }
        if (c < '0' || c > '9' || ++pocet > 19)
            return false;
        cislice = cislice * 10 + static_cast<unsigned>(c - '0');
        desetinna += tecka ? 1 : 0;
    }
    long double mocnina = 1;
    for (int i = 0; i < desetinna; ++i)
        mocnina *= 10;
    hodnota = static_cast<long double>(cislice) / mocnina;
    if (s.starts_with('-'))
        hodnota = -hodnota;
    return true;
}

} // namespace

long double CtiFaktor(const std::string& text, char oddelovac) {
    std::string s = text;
    if (oddelovac != '.') {
        // A point is not a number's part in a comma locale.
        if (s.find('.') != std::string::npos)
            return 1.0L;
        NahradZnak(s, oddelovac, '.');
    }
    const char* first = s.data();
    const char* last = first + s.size();
    long double hodnota = 0;
    if (!CtiCislo(s))
        return 1.0L;
    if (PresnyFaktor(s, hodnota))
        return hodnota;
    const auto [end, ec] = std::from_chars(first + (s.starts_with('+') ? 1 : 0), last, hodnota);
    if (ec != std::errc() || end != last || !std::isfinite(hodnota))
        return 1.0L;
    return hodnota;
}

std::optional<char> ZnakOznaceni(const std::string& pole) {
    if (pole.empty())
        return std::nullopt;
    return pole.front();
}

TVolbyKonverze VolbyZNastaveni(const TNastaveniMAPA2& n) {
    const TRedukce r = VypocetRedukci(n.SouradniceX, n.SouradniceY, n.Vyska);
    TVolbyKonverze v;
    v.OznaceniOrientBodu = ZnakOznaceni(n.ZnakOrientace);
    v.ProhozeniXY = n.ProhozeniXY;
    v.NestandardniJednotky = n.NestandardniJednotky;
    v.NestandardniVysky = n.NestandardniVysky;
    v.HlavickaZDat = n.HlavickaZDat;
    v.ZobrazitSoubor = n.ZobrazitSoubor;
    v.MeritkovyFaktor = CtiFaktor(TextFaktoru(r.Faktor, '.'), '.');
    v.CelkovaRedukce = TextRedukce(r.Celkem, '.');
    v.HlavickaUzivatele = n.HlavickaUzivatel ? n.TextHlavicky : std::string();
    return v;
}
