#include "conversion/MereniZaznam.h"

#include "conversion/Cisla.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>

namespace {

// An angle of any unit an instrument counts in stays within a full circle of mils; a text
// that is no number, or one beyond it, is not an angle the station measured.
constexpr double kNejvetsiUhel = 6400;
// No total station reaches this far (in metres or in feet); a longer distance is a damaged
// record, and writing it would give the output a number hundreds of digits long.
constexpr long double kNejdelsiDelka = 100000;

// The form in which stations write angles, one to three digits, a point and digits: a number
// below 1000, so in range, told without reading it. With `presah` the sixteen bytes from the
// text's start may be read, and a text of up to sixteen bytes is looked at all at once.
bool BeznyUhel(std::string_view text, bool presah) {
    const std::size_t n = text.size();
    if (presah && n <= 16) {
        static_assert(std::endian::native == std::endian::little);
        TSestnact b;
        std::memcpy(&b, text.data(), 16);
        // One bit per byte of the text that is no digit: exactly one, the point.
        std::uint64_t m[2];
        BityZnacek((b < '0') | (b > '9'), n, m);
        if ((m[0] != 0) == (m[1] != 0) || (m[0] & (m[0] - 1)) != 0 || (m[1] & (m[1] - 1)) != 0)
            return false;
        const std::size_t k = m[0] != 0 ? std::size_t(std::countr_zero(m[0])) / 8
                                        : 8 + std::size_t(std::countr_zero(m[1])) / 8;
        return k >= 1 && k <= 3 && k + 1 < n && text[k] == '.';
    }
    // A loop that may stop at any byte: a vectorised one costs more than the few digits.
    auto cislice = [](char c) {
        return static_cast<unsigned char>(c - '0') < 10;
    };
    const char* p = text.data();
    const char* const konec = p + n;
    const char* const nejvyse = p + std::min<std::size_t>(n, 4);
    while (p != nejvyse && cislice(*p))
        ++p;
    const auto cela = std::size_t(p - text.data());
    if (cela == 0 || cela == 4 || p == konec || *p != '.' || ++p == konec)
        return false;
    for (; p != konec; ++p)
        if (!cislice(*p))
            return false;
    return true;
}

// An angle is kept as its text (the output copies it), but it must be a number in range.
void NastavUhel(bool& ma, std::string_view& cil, std::string_view hodnota, MereniZaznam& z,
                bool presah) {
    ma = true;
    cil = hodnota;
    if (BeznyUhel(hodnota, presah))
        return;
    const auto uhel = CtiCislo(hodnota);
    if (!uhel || std::fabs(*uhel) > kNejvetsiUhel)
        z.Poskozeno = true;
}

void NastavDelku(long double delka, MereniZaznam& z) {
    z.Delka = TDruhDelky::dlCislo;
    z.HodnotaDelky = delka;
    if (!(std::fabs(delka) <= kNejdelsiDelka))
        z.Poskozeno = true;
}

// Each merged observation line adds its code field to the code part.
void PripojKod(MereniZaznam& z, std::string_view text) {
    if (!text.empty())
        z.Dodatek += text;
}

std::string_view Pole(const TKusy& pole, std::size_t cislo) {
    return pole.size() >= cislo ? pole[cislo - 1] : std::string_view();
}

// "SD Hz,V,sd[,code]": angles and the slope distance.
void NactiSD(const TKusy& pole, MereniZaznam& z, bool presah) {
    if (!pole.empty())
        NastavUhel(z.MaHz, z.Hz, pole[0], z, presah);
    if (pole.size() >= 2)
        NastavUhel(z.MaV, z.V, pole[1], z, presah);
    if (pole.size() >= 3) {
        std::string_view text = pole[2];
        while (!text.empty() && text.back() == ' ')
            text.remove_suffix(1);
        const auto delka = CtiCislo(text);
        NastavDelku(delka.value_or(0), z);
        if (!delka)
            z.Poskozeno = true;
    } else {
        z.Poskozeno = true;
    }
    PripojKod(z, Pole(pole, 4));
}

// "HV Hz,V[,code]": angles only.
void NactiHV(const TKusy& pole, MereniZaznam& z, bool presah) {
    if (!pole.empty())
        NastavUhel(z.MaHz, z.Hz, pole[0], z, presah);
    if (pole.size() >= 2)
        NastavUhel(z.MaV, z.V, pole[1], z, presah);
    z.Delka = TDruhDelky::dlNulova;
    if (pole.size() < 2)
        z.Poskozeno = true;
    PripojKod(z, Pole(pole, 3));
}

// "HD Hz,hd,vd[,code]": horizontal distance and height difference, turned into the slope
// distance and the vertical angle above the horizon in gon.
void NactiHD(const TKusy& pole, MereniZaznam& z, bool presah) {
    if (!pole.empty())
        NastavUhel(z.MaHz, z.Hz, pole[0], z, presah);
    PripojKod(z, Pole(pole, 4));
    if (pole.size() < 3) {
        z.Poskozeno = true;
        return;
    }
    const auto hd = CtiCislo(pole[1]);
    const auto vd = CtiCislo(pole[2]);
    if (!hd || !vd)
        z.Poskozeno = true;
    const long double h = hd.value_or(0);
    const long double v = vd.value_or(0);
    z.HodnotaHD = h;
    z.HodnotaVD = v;
    const long double sd = std::sqrt(h * h + v * v);
    NastavDelku(sd, z);
    // A target in the instrument's centre (hd = vd = 0) has no direction; it is taken as
    // level, like a target at the instrument's height, so that no 0/0 reaches the file.
    // The ratio is clamped because sqrt may round |vd|/sd a hair above 1.
    const long double pomer = sd > 0 ? std::clamp(v / sd, -1.0L, 1.0L) : 0.0L;
    const long double uhel = std::asin(pomer) * 200 / std::numbers::pi_v<long double>;
    z.MaV = true;
    z.UhelZHD.clear();
    if (!PripojPevne(z.UhelZHD, static_cast<double>(uhel), 4))
        z.Poskozeno = true;
    z.V = z.UhelZHD;
}

} // namespace

void NactiMereni(TCteckaRadku& radky, TDruhMereni druh, const TKusy& slova, MereniZaznam& z,
                 TRozklad& rozklad) {
    // The record's texts stay views into its lines.
    radky.Drz();
    const bool presah = radky.PresahRadku();
    z.Druh = druh;
    z.Radek = radky.Cislo();
    z.CisloBodu = {};
    z.MaVysku = z.MaHz = z.MaV = false;
    z.Vyska = {};
    z.Hz = {};
    z.V = {};
    // The values of the distance and the HD line are set with their kinds (not here: a
    // long double written and read back at once stalls every record).
    z.Delka = TDruhDelky::dlZadna;
    z.Pozorovani = TDruhPozorovani::dpZadne;
    z.Kod = {};
    z.Dodatek.clear();
    z.Poskozeno = slova.size() < 2;
    if (!z.Poskozeno) {
        const TKusy& pole = rozklad.Pole;
        z.CisloBodu = Pole(pole, 1);
        if (pole.size() >= 2) {
            z.MaVysku = true;
            z.Vyska = pole[1];
        }
        z.Kod = Pole(pole, 3);
    }

    std::string_view radek;
    for (int i = 0; i < 3 && radky.Dalsi(radek); ++i) {
        rozklad.Rozdel(radek, radky.Cislo());
        const TKusy& s = rozklad.Slova;
        const std::string_view klic = s.empty() ? std::string_view() : s[0];
        const bool maDruhe = s.size() >= 2;
        if (klic == "SD" || klic == "HV" || klic == "HD") {
            if (klic == "SD") {
                z.Pozorovani = TDruhPozorovani::dpSD;
                NactiSD(rozklad.Pole, z, presah);
            } else if (klic == "HV") {
                z.Pozorovani = TDruhPozorovani::dpHV;
                NactiHV(rozklad.Pole, z, presah);
            } else {
                z.Pozorovani = TDruhPozorovani::dpHD;
                z.HodnotaHD = z.HodnotaVD = 0;
                NactiHD(rozklad.Pole, z, presah);
            }
            if (!maDruhe)
                z.Poskozeno = true;
        } else if (klic == "NOTE" || klic == "CTL") {
            if (maDruhe) {
                z.Dodatek += ' ';
                z.Dodatek += s[1];
            }
        } else {
            radky.Vrat();
            rozklad.VracenyRadek = true;
            break;
        }
    }
}
