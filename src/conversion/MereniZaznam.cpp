#include "conversion/MereniZaznam.h"

#include "conversion/Cisla.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// An angle of any unit an instrument counts in stays within a full circle of mils; a text
// that is no number, or one beyond it, is not an angle the station measured.
constexpr double kNejvetsiUhel = 6400;
// No total station reaches this far (in metres or in feet); a longer distance is a damaged
// record, and writing it would give the output a number hundreds of digits long.
constexpr long double kNejdelsiDelka = 100000;

// An angle is kept as its text (the output copies it), but it must be a number in range.
void NastavUhel(bool& ma, std::string& cil, std::string_view hodnota, MereniZaznam& z) {
    ma = true;
    cil.assign(hodnota);
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

void Nastav(bool& ma, std::string& cil, std::string_view hodnota) {
    ma = true;
    cil.assign(hodnota);
}

// Each merged line takes the line end off the code part, adds its text and a new line end.
void PripojKod(std::string& kod, std::string_view text) {
    if (kod.ends_with(kKonecRadku))
        kod.resize(kod.size() - kKonecRadku.size());
    kod += text;
    kod += kKonecRadku;
}

std::string_view Pole(const TKusy& pole, std::size_t cislo) {
    return pole.size() >= cislo ? pole[cislo - 1] : std::string_view();
}

// "SD Hz,V,sd[,code]": angles and the slope distance.
void NactiSD(const TKusy& pole, MereniZaznam& z) {
    if (!pole.empty())
        NastavUhel(z.MaHz, z.Hz, pole[0], z);
    if (pole.size() >= 2)
        NastavUhel(z.MaV, z.V, pole[1], z);
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
    PripojKod(z.KodovaCast, Pole(pole, 4));
}

// "HV Hz,V[,code]": angles only.
void NactiHV(const TKusy& pole, MereniZaznam& z) {
    if (!pole.empty())
        NastavUhel(z.MaHz, z.Hz, pole[0], z);
    if (pole.size() >= 2)
        NastavUhel(z.MaV, z.V, pole[1], z);
    z.Delka = TDruhDelky::dlNulova;
    if (pole.size() < 2)
        z.Poskozeno = true;
    PripojKod(z.KodovaCast, Pole(pole, 3));
}

// "HD Hz,hd,vd[,code]": horizontal distance and height difference, turned into the slope
// distance and the vertical angle above the horizon in gon.
void NactiHD(const TKusy& pole, MereniZaznam& z) {
    if (!pole.empty())
        NastavUhel(z.MaHz, z.Hz, pole[0], z);
    PripojKod(z.KodovaCast, Pole(pole, 4));
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
    z.V.clear();
    if (!PripojPevne(z.V, static_cast<double>(uhel), 4))
        z.Poskozeno = true;
}

} // namespace

void NactiMereni(TCteckaRadku& radky, TDruhMereni druh, const TKusy& slova, MereniZaznam& z,
                 TRozklad& rozklad) {
    z.Druh = druh;
    z.Radek = radky.Cislo();
    z.CisloBodu.clear();
    z.MaVysku = z.MaHz = z.MaV = false;
    z.Vyska.clear();
    z.Hz.clear();
    z.V.clear();
    z.Delka = TDruhDelky::dlZadna;
    z.HodnotaDelky = 0;
    z.Pozorovani = TDruhPozorovani::dpZadne;
    z.HodnotaHD = z.HodnotaVD = 0;
    z.KodovaCast.assign("* ");
    z.DelkaKodu = 0;
    z.Poskozeno = slova.size() < 2;
    if (!z.Poskozeno) {
        const TKusy& pole = rozklad.Pole;
        z.CisloBodu.assign(Pole(pole, 1));
        if (pole.size() >= 2)
            Nastav(z.MaVysku, z.Vyska, pole[1]);
        z.KodovaCast += Pole(pole, 3);
        z.DelkaKodu = Pole(pole, 3).size();
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
                NactiSD(rozklad.Pole, z);
            } else if (klic == "HV") {
                z.Pozorovani = TDruhPozorovani::dpHV;
                NactiHV(rozklad.Pole, z);
            } else {
                z.Pozorovani = TDruhPozorovani::dpHD;
                z.HodnotaHD = z.HodnotaVD = 0;
                NactiHD(rozklad.Pole, z);
            }
            if (!maDruhe)
                z.Poskozeno = true;
        } else if (klic == "NOTE" || klic == "CTL") {
            if (maDruhe) {
                if (z.KodovaCast.ends_with(kKonecRadku))
                    z.KodovaCast.resize(z.KodovaCast.size() - kKonecRadku.size());
                z.KodovaCast += ' ';
                z.KodovaCast += s[1];
                z.KodovaCast += kKonecRadku;
            }
        } else {
            radky.Vrat();
            rozklad.VracenyRadek = true;
            break;
        }
    }
    if (!z.KodovaCast.ends_with(kKonecRadku))
        z.KodovaCast += kKonecRadku;
}
