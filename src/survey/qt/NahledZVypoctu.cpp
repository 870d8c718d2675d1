#include "survey/qt/NahledZVypoctu.h"

#include "common/IniFile.h"
#include "common/ObsahSouboru.h"
#include "common/Slozky.h"
#include "conversion/KonverzeSouboru.h"
#include "conversion/NastaveniMAPA2.h"
#include "conversion/ProtokolKonverze.h"
#include "conversion/VypocetRedukci.h"
#include "survey/CteniSouradnic.h"
#include "survey/VypocetMereni.h"
#include "ui/Texty.h"

#include <QLocale>

#include <cmath>

#include <map>
#include <memory>
#include <set>
#include <utility>

namespace fs = std::filesystem;

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A value with `desetin` decimals in the locale's digits; one that rounds to zero is "0,000",
// never "-0,000".
QString Cislo(std::optional<double> hodnota, int desetin) {
    if (!hodnota)
        return {};
    const double v = std::abs(*hodnota) < 0.5 * std::pow(10.0, -desetin) ? 0.0 : *hodnota;
    return QLocale().toString(v, 'f', desetin);
}

QString Jmeno(const std::string& cislo) {
    return cislo.empty() ? U("(bez čísla)") : ZCp1250(cislo);
}

QString Puvod(TPuvodStanice puvod) {
    switch (puvod) {
    case TPuvodStanice::psXYZ:
        return U("souřadnice z řádku XYZ");
    case TPuvodStanice::psZnamy:
        return U("známý bod");
    case TPuvodStanice::psVypocteny:
        return U("vypočtený bod");
    case TPuvodStanice::psMistni:
        break;
    }
    return U("místní (bez souřadnic)");
}

QString Druh(TDruhMereni druh) {
    switch (druh) {
    case TDruhMereni::dmBS:
        return "BS";
    case TDruhMereni::dmFS:
        return "FS";
    case TDruhMereni::dmSS:
        break;
    }
    return "SS";
}

QString Rozdily(double dY, double dX, std::optional<double> dZ) {
    QString text = U("dY %1, dX %2").arg(Cislo(dY, 3), Cislo(dX, 3));
    if (dZ)
        text += U(", dZ %1").arg(Cislo(*dZ, 3));
    return text + " m";
}

QStringList Radky(const std::string& text) {
    QStringList radky = ZCp1250(text).split("\r\n");
    while (!radky.isEmpty() && radky.back().isEmpty())
        radky.pop_back();
    return radky;
}

// The marks of a measurement's row: its kind and line, then what the surveyor should notice.
QString Poznamka(const TMereniBodu& m, const TStanice& st, bool znovu) {
    QStringList z{Druh(m.Druh), U("ř. %1").arg(m.Radek)};
    if (m.Poskozeno)
        z << U("poškozeno");
    if (m.Orientacni)
        z << U("orientace");
    if (m.JenSmer)
        z << U("jen směr");
    if (m.Pozorovani == TDruhPozorovani::dpHD)
        z << "HD";
    if (m.Polohy.size() > 1)
        z << U("obě polohy");
    else if (!m.Polohy.empty() && m.Polohy.front().DruhaPoloha)
        z << U("II. poloha");
    if (znovu)
        z << U("určen znovu");
    if (m.Y && m.System.Druh == TSoustava::ssMistni)
        z << U("místní");
    if (m.Y && st.Neorientovana)
        z << U("neorientováno");
    return z.join(", ");
}

TModelNahledu Model(const TVysledekVypoctu& v, const std::vector<TSeznamSouradnic>& zname) {
    TModelNahledu model;
    // Local systems lie at Y = X = 0, kilometres away from S-JTSK: the plan shows them only
    // when there is nothing else to show.
    bool jenMistni = true;
    for (const TStanice& st : v.Stanice)
        jenMistni = jenMistni && st.System.Druh == TSoustava::ssMistni;
    auto doPlanu = [&](const TSystem& s) {
        return jenMistni || s.Druh != TSoustava::ssMistni;
    };
    bool vynechanoMistnich = false;

    std::map<std::string, int> bodPodleCisla; // the plan point of a number, first one kept
    auto pridejBod = [&](const std::string& cislo, double y, double x, bool stanice) {
        model.Plan.Body.push_back({ZCp1250(cislo), y, x, stanice});
        const int index = int(model.Plan.Body.size()) - 1;
        bodPodleCisla.emplace(cislo, index);
        return index;
    };
    auto znamy = [&](const std::string& cislo) -> const TBodSouradnic* {
        for (const TSeznamSouradnic& seznam : zname)
            for (const TBodSouradnic& b : seznam)
                if (b.Cislo == cislo && b.Y.Je && b.X.Je)
                    return &b;
        return nullptr;
    };

    std::set<std::pair<std::size_t, std::size_t>> znovu; // station, measurement
    for (const TOpakovaneUrceni& o : v.Opakovane)
        znovu.emplace(o.Stanice, o.Mereni);

    for (std::size_t si = 0; si < v.Stanice.size(); ++si) {
        const TStanice& st = v.Stanice[si];
        const bool vPlanu = doPlanu(st.System);
        vynechanoMistnich = vynechanoMistnich || !vPlanu;
        // A station set up on a point the plan already holds (a traverse) takes that symbol.
        int stanice = -1;
        if (vPlanu) {
            const auto kde = bodPodleCisla.find(st.Cislo);
            if (kde != bodPodleCisla.end() &&
                std::hypot(model.Plan.Body[std::size_t(kde->second)].Y - st.Y,
                           model.Plan.Body[std::size_t(kde->second)].X - st.X) < 0.01) {
                stanice = kde->second;
                model.Plan.Body[std::size_t(stanice)].Stanice = true;
            } else {
                stanice = pridejBod(st.Cislo, st.Y, st.X, true);
            }
        }
        QString poznamka = Puvod(st.Puvod);
        if (st.Neorientovana)
            poznamka += U(", neorientováno");
        if (st.VyskaPristroje)
            poznamka += U(", ih %1").arg(Cislo(*st.VyskaPristroje, 3));
        TRadekNahledu radek{{Jmeno(st.Cislo), ZCp1250(st.Kod), "", "", "", "", "", Cislo(st.Y, 3),
                             Cislo(st.X, 3), Cislo(st.Z, 3), poznamka},
                            stanice,
                            {},
                            true};
        for (std::size_t mi = 0; mi < st.Mereni.size(); ++mi) {
            const TMereniBodu& m = st.Mereni[mi];
            // A number already in the plan keeps its one symbol: a repeated determination, a
            // backsight to a station or known point draws its line there.
            int bod = -1;
            if (stanice >= 0 && (m.Y || m.Orientacni)) {
                const auto kde = bodPodleCisla.find(m.Cislo);
                if (kde != bodPodleCisla.end()) {
                    bod = kde->second;
                } else if (m.Y && m.X) {
                    bod = pridejBod(m.Cislo, *m.Y, *m.X, false);
                } else if (const TBodSouradnic* b = znamy(m.Cislo)) {
                    // A backsight without a distance still shows where it points.
                    bod = pridejBod(m.Cislo, b->Y.Hodnota, b->X.Hodnota, false);
                }
                if (bod == stanice)
                    bod = -1;
                if (bod >= 0)
                    model.Plan.Cary.push_back({stanice, bod, m.Orientacni});
            }
            radek.Deti.push_back(
                {{Jmeno(m.Cislo), ZCp1250(m.Kod), Cislo(m.Hz, 4), Cislo(m.V, 4), Cislo(m.SD, 3),
                  Cislo(m.hd, 3), Cislo(m.dh, 3), Cislo(m.Y, 3), Cislo(m.X, 3), Cislo(m.Z, 3),
                  Poznamka(m, st, znovu.count({si, mi}) > 0)},
                 bod,
                 {},
                 m.Novy && m.Y.has_value()});
        }
        model.Mereni.push_back(std::move(radek));

        TRadekNahledu orientace{{Jmeno(st.Cislo),
                                 st.Neorientovana ? U("neorientováno") : Cislo(st.Oprava, 4), "",
                                 "", ""},
                                stanice,
                                {}};
        for (const TOrientacniMereni& o : st.Orientace)
            orientace.Deti.push_back({{Jmeno(o.Cislo), Cislo(o.Oprava, 4), Cislo(o.OdchylkaCC, 1),
                                       Cislo(o.OdchylkaMM, 1), Cislo(o.RozdilDelkyMM, 1)},
                                      -1,
                                      {}});
        model.Orientace.push_back(std::move(orientace));
    }

    QStringList& u = model.Upozorneni;
    for (const std::string& p : v.Poznamky)
        u << ZCp1250(p);
    for (std::size_t radek : v.Poskozene)
        u << U("Řádek %1: poškozené měření, nepočítá se.").arg(radek);
    for (const TStanice& st : v.Stanice) {
        if (st.Neorientovana)
            u << U("Stanovisko %1 (řádek %2) nemá orientační záměru na známý bod: počítá se s "
                   "opravou 0, body jsou v S-JTSK, jen byl-li tak orientován přístroj.")
                     .arg(Jmeno(st.Cislo))
                     .arg(st.Radek);
        if (st.Puvod == TPuvodStanice::psMistni)
            u << U("Stanovisko %1 (řádek %2) nemá souřadnice: jeho body tvoří místní soustavu.")
                     .arg(Jmeno(st.Cislo))
                     .arg(st.Radek);
    }
    for (const TOpakovaneUrceni& o : v.Opakovane) {
        const TStanice& st = v.Stanice[o.Stanice];
        u << U("Bod %1 určen znovu ze stanoviska %2 (řádek %3), platí první určení: %4.")
                 .arg(Jmeno(o.Cislo), Jmeno(st.Cislo))
                 .arg(st.Mereni[o.Mereni].Radek)
                 .arg(o.JinySystem ? U("v jiné soustavě, rozdíly nemají smysl")
                                   : Rozdily(o.dY, o.dX, o.dZ));
    }
    for (const TNesouladZdroju& n : v.Nesoulady)
        u << U("Stanovisko %1: %2 se liší od použitých (%3) o %4.")
                 .arg(Jmeno(v.Stanice[n.Stanice].Cislo), Puvod(n.Jiny), Puvod(n.Pouzity),
                      Rozdily(n.dY, n.dX, n.dZ));
    if (vynechanoMistnich)
        u << U("Body místních soustav nejsou v plánu (leží daleko od S-JTSK); jsou v tabulce.");
    return model;
}

QStringList ShrnutiVypoctu(const TVysledekVypoctu& v) {
    std::size_t bodu = 0, neorientovanych = 0, mistnich = 0;
    for (const TStanice& st : v.Stanice) {
        neorientovanych += st.Neorientovana;
        mistnich += st.Puvod == TPuvodStanice::psMistni;
        for (const TMereniBodu& m : st.Mereni)
            bodu += m.Novy && m.Y;
    }
    QStringList s{U("Výpočet souřadnic (polární metoda)")};
    s << U("Měřítkový faktor výpočtu: %1 (%2)")
             .arg(ZCp1250(TextFaktoru(double(v.Faktor), '.')),
                  v.FaktorZadany ? U("zadán") : U("z průměrných hodnot"));
    s << U("Oprava ze zakřivení Země a refrakce: %1")
             .arg(v.ZakriveniARefrakce ? U("ano (k = 0.13, R = 6381 km)") : U("ne"));
    s << U("Stanoviska: %1 (neorientovaná: %2, místní: %3)")
             .arg(v.Stanice.size())
             .arg(neorientovanych)
             .arg(mistnich);
    s << U("Vypočtené body: %1").arg(bodu);
    s << U("Body určené znovu: %1").arg(v.Opakovane.size());
    s << U("Poškozená měření: %1").arg(v.Poskozene.size());
    return s;
}

QString ProcNic(const TVysledekVypoctu& v) {
    switch (v.Stav) {
    case TStavVypoctu::svNTS350:
        return U("Data totální stanice NTS-350 neobsahují nic, co by šlo spočítat.");
    case TStavVypoctu::svNejsouData:
        return U("Soubor neobsahuje naměřená data.");
    case TStavVypoctu::svSouradnice:
        return U("Soubor obsahuje souřadnice, ne měření: není co počítat.");
    case TStavVypoctu::svJednotky:
    case TStavVypoctu::svHotovo:
        break;
    }
    return {};
}

} // namespace

TFormNahledMereni::TVypocet VypocetNahledu(std::string obsah, fs::path soubor, QString nazev,
                                           TTypStanice typStanice) {
    auto data = std::make_shared<const std::string>(std::move(obsah));
    return [data, soubor = std::move(soubor), nazev = std::move(nazev),
            typStanice](const TVolbyNahledu& volby) {
        // The stored MAPA2 parameters at this moment, as a conversion would take them.
        const TNastaveniMAPA2 nastaveni = NactiNastaveniMAPA2(TIniFile(CestaNastaveni()));
        TZadaniVypoctu zadani;
        zadani.Mereni = *data;
        zadani.TypStanice = typStanice;
        ZadaniZNastaveni(nastaveni, zadani);
        zadani.Faktor = volby.Faktor;
        zadani.ZakriveniARefrakce = volby.ZakriveniARefrakce;

        QStringList cteniZnamych;
        for (const fs::path& cesta : volby.ZnameBody) {
            std::string text;
            if (const auto chyba = NactiObsahSouboru(cesta, text)) {
                cteniZnamych << ZCp1250(chyba->Text());
                continue;
            }
            TCteniSouradnic cteni = CtiSouradnice(text, zadani.ProhozeniXY);
            for (const std::size_t radek : cteni.Necitelne)
                cteniZnamych << U("%1, řádek %2: nečitelný bod.")
                                    .arg(QString::fromStdU16String(cesta.filename().u16string()))
                                    .arg(radek);
            zadani.Zname.push_back(std::move(cteni.Body));
        }

        const TVysledekVypoctu vysledek = VypocetMereni(zadani);
        TModelNahledu model = Model(vysledek, zadani.Zname);
        model.Body = VypoctenyBody(vysledek);
        model.Nadpis = nazev;
        model.Faktor = ZCp1250(
            TextFaktoru(double(vysledek.Faktor), QLocale().decimalPoint() == "," ? ',' : '.'));
        model.Upozorneni = cteniZnamych + model.Upozorneni;
        if (const QString proc = ProcNic(vysledek); !proc.isEmpty())
            model.Upozorneni.prepend(proc);
        model.Vypocteno = vysledek.Stav == TStavVypoctu::svHotovo;

        if (!soubor.empty()) {
            TZadaniProtokolu p;
            p.Vstup = soubor;
            p.Vystup = VystupniJmeno(soubor, false);
            p.Typ = typStanice;
            p.Nastaveni = nastaveni;
            p.Volby = VolbyZNastaveni(nastaveni);
            p.Volby.MeritkovyFaktor = vysledek.Faktor;
            p.ZakriveniARefrakce = volby.ZakriveniARefrakce;
            model.Protokol = Radky(ProtokolKonverze(p));
            model.Protokol << QString();
        }
        model.Protokol << ShrnutiVypoctu(vysledek);
        return model;
    };
}
