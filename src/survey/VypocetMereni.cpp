#include "survey/VypocetMereni.h"

#include "common/Cp1250.h"
#include "conversion/Cisla.h"
#include "conversion/CteckaMereni.h"
#include "conversion/KontrolaParametru.h"
#include "conversion/RozborVstupu.h"
#include "conversion/Varianta.h"
#include "conversion/VypocetRedukci.h"
#include "survey/ZaznamPoskozenych.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <unordered_map>

namespace {

constexpr double kRadianuNaGon = std::numbers::pi / 200;
// Two sources of one station agree when they differ by less than the millimetre shown.
constexpr double kShoda = 0.0005;
// A coordinate beyond this (10,000 km) is no point on the ground; taking it would let sums
// and differences overflow.
constexpr double kNejvetsiSouradnice = 1e7;

double Kruh(double uhel) {
    double u = std::fmod(uhel, 400.0);
    if (u < 0)
        u += 400;
    return u >= 400 ? 0 : u;
}

// The difference of two directions within (-200, 200].
double RozdilSmeru(double a, double b) {
    double d = Kruh(a - b);
    return d > 200 ? d - 400 : d;
}

double Smernik(double dY, double dX) {
    return Kruh(std::atan2(dY, dX) / kRadianuNaGon);
}

std::optional<double> Cislo(std::string_view text) {
    return CtiCislo(text);
}

// A point whose coordinates are known while the file is gone through: from a list, a
// station's source or an earlier measurement.
struct TUrceni {
    double Y = 0, X = 0;
    std::optional<double> Z;
    TSystem System;
    TPuvodStanice Puvod = TPuvodStanice::psVypocteny;
};

std::optional<TUrceni> ZBodu(const TBodSouradnic& b, TPuvodStanice puvod) {
    if (!b.Y.Je || !b.X.Je || std::fabs(b.Y.Hodnota) > kNejvetsiSouradnice ||
        std::fabs(b.X.Hodnota) > kNejvetsiSouradnice)
        return std::nullopt;
    TUrceni u;
    u.Y = b.Y.Hodnota;
    u.X = b.X.Hodnota;
    if (b.Z.Je && std::fabs(b.Z.Hodnota) <= kNejvetsiSouradnice)
        u.Z = b.Z.Hodnota;
    u.Puvod = puvod;
    return u;
}

// One station's records as read, before anything is computed from them.
struct TZaznamyStanice {
    TStanice Stanice;
    std::optional<TUrceni> XYZ;
    std::vector<TMereniBodu> Zaznamy; // damaged ones included (Poskozeno)
};

class TVypocet {
public:
    TVypocet(const TZadaniVypoctu& zadani, TVysledekVypoctu& v) : zadani_(zadani), v_(v) {
        for (const auto& seznam : zadani.Zname)
            for (const auto& bod : seznam)
                if (auto u = ZBodu(bod, TPuvodStanice::psZnamy))
                    zname_.try_emplace(bod.Cislo, *u);
    }

    void Stanice(TZaznamyStanice& s);

private:
    const TUrceni* Urceni(const std::string& cislo) const {
        if (const auto i = urceni_.find(cislo); i != urceni_.end())
            return &i->second;
        if (const auto i = zname_.find(cislo); i != zname_.end())
            return &i->second;
        return nullptr;
    }

    // A point known in the station's system: determined there, or (in S-JTSK) listed.
    const TUrceni* Cil(const std::string& cislo, int system) const {
        if (const auto i = urceni_.find(cislo);
            i != urceni_.end() && i->second.System.Cislo == system)
            return &i->second;
        if (const auto i = zname_.find(cislo); i != zname_.end() && system == 0)
            return &i->second;
        return nullptr;
    }

    void Poloha(TZaznamyStanice& s);
    void Mereni(TZaznamyStanice& s);
    void Orientace(TStanice& st);
    void Souradnice(TStanice& st);

    const TZadaniVypoctu& zadani_;
    TVysledekVypoctu& v_;
    std::unordered_map<std::string, TUrceni> zname_;
    std::unordered_map<std::string, TUrceni> urceni_;
    int pocetSystemu_ = 0;
};

// Where the station stands: its XYZ line, else a known point, else an earlier determination,
// else a system of its own. Every other source that disagrees with the one used is listed.
void TVypocet::Poloha(TZaznamyStanice& s) {
    TStanice& st = s.Stanice;
    std::vector<TUrceni> zdroje;
    if (s.XYZ)
        zdroje.push_back(*s.XYZ);
    if (const auto i = zname_.find(st.Cislo); i != zname_.end())
        zdroje.push_back(i->second);
    if (const auto i = urceni_.find(st.Cislo); i != urceni_.end())
        zdroje.push_back(i->second);
    if (st.Cislo.empty() || zdroje.empty()) {
        st.Puvod = TPuvodStanice::psMistni;
        st.Z = 0;
        st.System = {++pocetSystemu_, TSoustava::ssMistni};
        return;
    }
    const TUrceni& pouzity = zdroje.front();
    st.Puvod = pouzity.Puvod;
    st.Y = pouzity.Y;
    st.X = pouzity.X;
    st.Z = pouzity.Z;
    st.System = pouzity.System;
    for (std::size_t i = 1; i < zdroje.size(); ++i) {
        const TUrceni& jiny = zdroje[i];
        if (jiny.System.Cislo != pouzity.System.Cislo)
            continue;
        TNesouladZdroju n;
        n.Stanice = v_.Stanice.size();
        n.Pouzity = pouzity.Puvod;
        n.Jiny = jiny.Puvod;
        n.dY = jiny.Y - pouzity.Y;
        n.dX = jiny.X - pouzity.X;
        if (jiny.Z && pouzity.Z)
            n.dZ = *jiny.Z - *pouzity.Z;
        if (std::fabs(n.dY) >= kShoda || std::fabs(n.dX) >= kShoda ||
            (n.dZ && std::fabs(*n.dZ) >= kShoda))
            v_.Nesoulady.push_back(n);
    }
}

// A record as the computation takes it: its texts read as numbers, a reading in the second
// face reduced to the first. Made while the record is current (it holds views into the
// lines read).
TMereniBodu ZeZaznamu(const MereniZaznam& z, std::optional<char> znacka, bool poskozeno) {
    TMereniBodu m;
    m.Radek = z.Radek;
    m.Druh = z.Druh;
    m.Pozorovani = z.Pozorovani;
    m.Cislo = z.CisloBodu;
    m.Kod = z.Kod;
    m.Orientacni =
        z.Druh == TDruhMereni::dmBS || (z.Druh == TDruhMereni::dmSS && z.KodJeZnacka(znacka));
    if (z.MaVysku)
        m.VyskaCile = Cislo(z.Vyska);
    m.Poskozeno = poskozeno;
    const auto hz = z.MaHz ? Cislo(z.Hz) : std::nullopt;
    const auto vz = z.MaV ? Cislo(z.V) : std::nullopt;
    if (m.Poskozeno || !hz) {
        // A record without an observation line has no direction to compute from.
        m.Poskozeno = m.Poskozeno || z.Pozorovani != TDruhPozorovani::dpZadne;
        m.JenSmer = !m.Poskozeno;
        return m;
    }
    TCteni cteni{z.Radek, *hz, vz.value_or(100), false};
    double hzI = Kruh(*hz);
    std::optional<double> vI;
    if (z.Pozorovani != TDruhPozorovani::dpHD && vz) {
        vI = *vz;
        if (*vz > 200) {
            cteni.DruhaPoloha = true;
            vI = 400 - *vz;
            hzI = Kruh(*hz - 200);
        }
    }
    m.Polohy.push_back(cteni);
    m.Hz = hzI;
    m.V = vI;
    if (z.Pozorovani == TDruhPozorovani::dpSD && z.Delka == TDruhDelky::dlCislo &&
        z.HodnotaDelky > 0)
        m.SD = double(z.HodnotaDelky);
    if (z.Pozorovani == TDruhPozorovani::dpHD && z.HodnotaHD > 0) {
        m.hd = double(z.HodnotaHD);
        m.dh = double(z.HodnotaVD);
    }
    return m;
}

// The readings reduced to the first face; a point read in both faces becomes one
// measurement from the mean of both.
void TVypocet::Mereni(TZaznamyStanice& s) {
    TStanice& st = s.Stanice;
    st.Mereni.reserve(s.Zaznamy.size());
    for (TMereniBodu& m : s.Zaznamy) {
        if (m.Polohy.empty()) {
            st.Mereni.push_back(std::move(m));
            continue;
        }
        const TCteni cteni = m.Polohy[0];
        // The second face of a point read in the first face before joins it.
        bool spojeno = false;
        if (cteni.DruhaPoloha) {
            for (auto it = st.Mereni.rbegin(); it != st.Mereni.rend(); ++it) {
                TMereniBodu& p = *it;
                if (p.Cislo != m.Cislo || p.Poskozeno || p.Polohy.size() != 1 ||
                    p.Polohy[0].DruhaPoloha || p.Pozorovani != m.Pozorovani ||
                    p.VyskaCile != m.VyskaCile || !p.Hz || !p.V)
                    continue;
                p.Hz = Kruh(*p.Hz + RozdilSmeru(*m.Hz, *p.Hz) / 2);
                p.V = (*p.V + *m.V) / 2;
                if (p.SD && m.SD)
                    p.SD = (*p.SD + *m.SD) / 2;
                else if (m.SD)
                    p.SD = m.SD;
                p.Polohy.push_back(cteni);
                spojeno = true;
                break;
            }
            if (spojeno)
                continue;
        }
        st.Mereni.push_back(std::move(m));
    }
    // Distances from the (mean) readings.
    for (TMereniBodu& m : st.Mereni) {
        if (m.Poskozeno || m.JenSmer)
            continue;
        if (m.Pozorovani == TDruhPozorovani::dpSD && m.SD && m.V && *m.V != 0 && *m.V != 200) {
            const double v = *m.V * kRadianuNaGon;
            m.hd = *m.SD * std::sin(v);
            m.dh = *m.SD * std::cos(v);
            if (zadani_.ZakriveniARefrakce)
                *m.dh += (1 - kRefrakce) * *m.hd * *m.hd / (2 * kPolomerZeme);
        }
        m.JenSmer = !m.hd || *m.hd <= 0;
        if (m.JenSmer)
            m.dh.reset();
    }
}

// The correction of the station's directions from its observations to points known before
// it: each correction brought within 200 gon of the first, then their plain mean.
void TVypocet::Orientace(TStanice& st) {
    const bool mistni = st.Puvod == TPuvodStanice::psMistni;
    std::vector<double> opravy;
    for (std::size_t i = 0; i < st.Mereni.size(); ++i) {
        TMereniBodu& m = st.Mereni[i];
        if (!m.Orientacni)
            continue;
        m.Orientacni = false;
        const TUrceni* cil = Cil(m.Cislo, st.System.Cislo);
        if (mistni || m.Poskozeno || !m.Hz || m.Cislo == st.Cislo || !cil ||
            (cil->Y == st.Y && cil->X == st.X))
            continue;
        m.Orientacni = true;
        TOrientacniMereni o;
        o.Mereni = i;
        o.Cislo = m.Cislo;
        o.Oprava = Kruh(Smernik(cil->Y - st.Y, cil->X - st.X) - *m.Hz);
        if (!opravy.empty())
            o.Oprava = opravy.front() + RozdilSmeru(o.Oprava, opravy.front());
        opravy.push_back(o.Oprava);
        st.Orientace.push_back(o);
    }
    if (opravy.empty()) {
        st.Neorientovana = !mistni;
        if (st.Neorientovana) {
            // Its points turn with the instrument's zero: a system of their own.
            const TSoustava druh =
                st.System.Druh == TSoustava::ssJTSK ? TSoustava::ssNeorientovana : st.System.Druh;
            st.System = {++pocetSystemu_, druh};
        }
        return;
    }
    double soucet = 0;
    for (double c : opravy)
        soucet += c;
    const double prumer = soucet / double(opravy.size());
    st.Oprava = Kruh(prumer);
    for (TOrientacniMereni& o : st.Orientace) {
        const TMereniBodu& m = st.Mereni[o.Mereni];
        const TUrceni& cil = *Cil(m.Cislo, st.System.Cislo);
        const double delka = std::hypot(cil.Y - st.Y, cil.X - st.X);
        const double odchylka = o.Oprava - prumer;
        o.Oprava = Kruh(o.Oprava);
        o.OdchylkaCC = odchylka * 10000;
        o.OdchylkaMM = odchylka * kRadianuNaGon * delka * 1000;
        if (m.hd)
            o.RozdilDelkyMM = (st.Meritko * *m.hd - delka) * 1000;
    }
}

void TVypocet::Souradnice(TStanice& st) {
    for (std::size_t i = 0; i < st.Mereni.size(); ++i) {
        TMereniBodu& m = st.Mereni[i];
        m.System = st.System;
        if (m.Poskozeno || m.JenSmer || !m.Hz || !m.hd)
            continue;
        const double sigma = (*m.Hz + st.Oprava) * kRadianuNaGon;
        const double delka = st.Meritko * *m.hd;
        m.Y = st.Y + delka * std::sin(sigma);
        m.X = st.X + delka * std::cos(sigma);
        if (st.Z && st.VyskaPristroje && m.VyskaCile && m.dh)
            m.Z = *st.Z + *st.VyskaPristroje + *m.dh - *m.VyskaCile;
        if (m.Orientacni || m.Cislo.empty())
            continue;
        if (const TUrceni* prvni = Urceni(m.Cislo)) {
            TOpakovaneUrceni o;
            o.Cislo = m.Cislo;
            o.Stanice = v_.Stanice.size();
            o.Mereni = i;
            o.JinySystem = prvni->System.Cislo != m.System.Cislo;
            if (!o.JinySystem) {
                o.dY = *m.Y - prvni->Y;
                o.dX = *m.X - prvni->X;
                if (m.Z && prvni->Z)
                    o.dZ = *m.Z - *prvni->Z;
            }
            v_.Opakovane.push_back(o);
            continue;
        }
        m.Novy = true;
        urceni_.emplace(m.Cislo, TUrceni{*m.Y, *m.X, m.Z, m.System, TPuvodStanice::psVypocteny});
    }
}

void TVypocet::Stanice(TZaznamyStanice& s) {
    TStanice& st = s.Stanice;
    Poloha(s);
    st.Meritko = st.System.Druh == TSoustava::ssMistni ? 1.0 : double(v_.Faktor);
    if (!st.Cislo.empty())
        urceni_.try_emplace(st.Cislo, TUrceni{st.Y, st.X, st.Z, st.System, st.Puvod});
    Mereni(s);
    Orientace(st);
    Souradnice(st);
    v_.Stanice.push_back(std::move(st));
}

// Keeps every damaged measurement with its station, to be listed with its line.
class TPoskozene : public TZaznamPoskozenych {
public:
    TCteckaMereni* Ctecka = nullptr;
    std::vector<TMereniBodu>* Cil = nullptr;
    std::optional<char> Znacka;
    void PoskozenaData(std::size_t radek) override {
        TZaznamPoskozenych::PoskozenaData(radek);
        Cil->push_back(ZeZaznamu(Ctecka->Mereni(), Znacka, true));
    }
};

bool Konecne(const std::optional<double>& x) {
    return !x || std::isfinite(*x);
}

// No value that is not finite may leave the computation: a measurement with one keeps no
// coordinates (with the factor and coordinates bounded this does not happen, but the rule
// is the computation's promise, not the bounds').
void Zkontroluj(TVysledekVypoctu& v) {
    for (TStanice& st : v.Stanice)
        for (TMereniBodu& m : st.Mereni)
            if (!Konecne(m.Hz) || !Konecne(m.V) || !Konecne(m.SD) || !Konecne(m.hd) ||
                !Konecne(m.dh) || !Konecne(m.Y) || !Konecne(m.X) || !Konecne(m.Z)) {
                m.Hz = m.V = m.SD = m.hd = m.dh = m.Y = m.X = m.Z = std::nullopt;
                m.Poskozeno = true;
                m.Novy = false;
            }
}

} // namespace

void ZadaniZNastaveni(const TNastaveniMAPA2& n, TZadaniVypoctu& z) {
    z.ProhozeniXY = n.ProhozeniXY;
    z.OznaceniOrientBodu = ZnakOznaceni(n.ZnakOrientace);
    z.PrumerX = n.SouradniceX;
    z.PrumerY = n.SouradniceY;
    z.PrumerVyska = n.Vyska;
}

TVysledekVypoctu VypocetMereni(const TZadaniVypoctu& zadani) {
    TVysledekVypoctu v;
    v.ZakriveniARefrakce = zadani.ZakriveniARefrakce;
    v.Faktor = VypocetRedukci(zadani.PrumerX, zadani.PrumerY, zadani.PrumerVyska).Faktor;
    // A factor no site can give (a typing slip, 10 instead of 1.0) would move every point by
    // kilometres: it is not used, and the note says so.
    if (zadani.Faktor && FaktorVRozsahu(*zadani.Faktor)) {
        v.Faktor = *zadani.Faktor;
        v.FaktorZadany = true;
    } else if (zadani.Faktor) {
        char text[64];
        std::snprintf(text, sizeof text, "%.7f", double(*zadani.Faktor));
        v.Poznamky.push_back(TextFaktorMimoRozsah(text, '.') +
                             Cz(" Použit faktor z průměrných hodnot."));
    }

    std::string prevedeny;
    std::string_view obsah = zadani.Mereni;
    {
        TCteckaRadku radky(TText{obsah});
        const TRozborVstupu rozbor = RozborVstupu(radky, zadani.TypStanice);
        if (rozbor.Prazdny || rozbor.Vada) {
            v.Stav = TStavVypoctu::svNejsouData;
            return v;
        }
        if (rozbor.Typ != TTypStanice::tsNTS660) {
            v.Stav = TStavVypoctu::svNTS350;
            return v;
        }
        if (rozbor.SouborSouradnic) {
            v.Stav = TStavVypoctu::svSouradnice;
            return v;
        }
        if (rozbor.Kodovani == TKodovaniTextu::ktUtf8) {
            prevedeny.assign(obsah);
            PrevedNaCp1250(prevedeny);
            obsah = prevedeny;
        }
    }
    {
        TCteckaRadku radky(TText{obsah});
        std::string text;
        if (KontrolaNestandardnich(radky, TTypStanice::tsNTS660, false, true, false, text)) {
            v.Stav = TStavVypoctu::svJednotky;
            v.Poznamky.push_back(Cz("Použity nestandardní jednotky (jiné než UNITS M,G): "
                                    "souřadnice se nepočítají."));
            return v;
        }
    }

    TVypocet vypocet(zadani, v);
    TCteckaRadku radky(TText{obsah});
    TPoskozene poskozene;
    TCteckaMereni ctecka(radky, poskozene);
    TZaznamyStanice stanice;
    poskozene.Ctecka = &ctecka;
    poskozene.Cil = &stanice.Zaznamy;
    poskozene.Znacka = zadani.OznaceniOrientBodu;
    TKusy pole;
    bool jeStanice = false;
    for (TPolozka p; (p = ctecka.Dalsi()) != TPolozka::polKonec;) {
        if (p == TPolozka::polStanice) {
            if (jeStanice || !stanice.Zaznamy.empty())
                vypocet.Stanice(stanice);
            // The records' room is kept for the next station.
            stanice.Stanice = TStanice{};
            stanice.XYZ.reset();
            stanice.Zaznamy.clear();
            jeStanice = true;
            const TKusy& f = ctecka.PoleStanice();
            TStanice& st = stanice.Stanice;
            st.Radek = radky.Cislo();
            if (!f.empty())
                st.Cislo.assign(f[0]);
            if (f.size() >= 2)
                st.VyskaPristroje = Cislo(f[1]);
            if (f.size() >= 3)
                st.Kod.assign(f[2]);
        } else if (p == TPolozka::polXYZ) {
            RozdelPole(ctecka.XYZ(), pole);
            TBodSouradnic b;
            const std::string_view y = pole.size() >= 1 ? pole[0] : std::string_view();
            const std::string_view x = pole.size() >= 2 ? pole[1] : std::string_view();
            b.Y = SouradniceZTextu(zadani.ProhozeniXY ? x : y);
            b.X = SouradniceZTextu(zadani.ProhozeniXY ? y : x);
            b.Z = SouradniceZTextu(pole.size() >= 3 ? pole[2] : std::string_view());
            stanice.XYZ = ZBodu(b, TPuvodStanice::psXYZ);
        } else if (p == TPolozka::polMereni) {
            stanice.Zaznamy.push_back(
                ZeZaznamu(ctecka.Mereni(), zadani.OznaceniOrientBodu, ctecka.Mereni().Poskozeno));
        }
    }
    if (jeStanice || !stanice.Zaznamy.empty())
        vypocet.Stanice(stanice);
    v.Poskozene = poskozene.Radky;
    Zkontroluj(v);
    return v;
}

TSeznamSouradnic VypoctenyBody(const TVysledekVypoctu& v) {
    std::size_t pocet = 0;
    for (const TStanice& st : v.Stanice)
        for (const TMereniBodu& m : st.Mereni)
            pocet += m.Novy ? 1 : 0;
    TSeznamSouradnic body;
    body.reserve(pocet);
    for (const TStanice& st : v.Stanice)
        for (const TMereniBodu& m : st.Mereni) {
            if (!m.Novy)
                continue;
            TBodSouradnic b;
            b.Cislo = m.Cislo;
            b.Y = SouradniceVypoctena(*m.Y);
            b.X = SouradniceVypoctena(*m.X);
            if (m.Z)
                b.Z = SouradniceVypoctena(*m.Z);
            b.Kod = m.Kod;
            b.Soustava = m.System.Druh;
            b.Radek = m.Radek;
            body.push_back(std::move(b));
        }
    return body;
}
