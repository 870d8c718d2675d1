// The .zap writer: lays out what the measurement reader yields as MAPA2 station blocks.
#include "conversion/ZapisMAPA2.h"

#include "conversion/BlokTextu.h"
#include "conversion/Cisla.h"
#include "conversion/CteckaMereni.h"
#include "conversion/MereniZaznam.h"
#include "conversion/Varianta.h"

#include <algorithm>

namespace {

// The measurement lines of the current station, kept apart until its block is closed.
struct TBloky {
    TBlokTextu BS, FS, Orientace, Detail;

    // Ends the station line and writes the station's block; the last one has no "/".
    void Uzavri(TBlokTextu& telo, bool lomitko) {
        telo.Pripoj(kKonecRadku);
        telo.Pripoj(BS.Text());
        telo.Pripoj(FS.Text());
        telo.Pripoj(Orientace.Text());
        telo.Pripoj("-1\r\n");
        telo.Pripoj(Detail.Text());
        if (lomitko)
            telo.Pripoj("/\r\n");
        BS.Vyprazdni();
        FS.Vyprazdni();
        Orientace.Vyprazdni();
        Detail.Vyprazdni();
    }
};

// "1", then the fields of the STN line each after one blank, field 3 as the code "* ...".
void PripojStanici(TBlokTextu& telo, const TKusy& pole, char oddelovac) {
    std::size_t delka = 2;
    for (std::string_view p : pole)
        delka += p.size() + 3;
    char* z = telo.Misto(delka);
    *z++ = '1';
    *z++ = oddelovac;
    for (std::size_t i = 0; i < pole.size(); ++i) {
        if (i > 0)
            *z++ = oddelovac;
        if (i == 2)
            z = TBlokTextu::Kopiruj(z, "* ");
        z = TBlokTextu::Kopiruj(z, pole[i]);
    }
    telo.Konec(z);
}

// Point, distance, height, angles and the code part, each present piece followed by a
// blank. False (nothing appended) when the scaled distance is not a finite number. With
// `presah` the record's lines may be read sixteen bytes past any piece, and the short pieces
// are copied sixteen bytes at a time instead of by a call each.
bool PripojMereni(TBlokTextu& blok, const MereniZaznam& m, const ParametryKonverze& p,
                  bool presah) {
    using Kopie = TBlokTextu;
    const char s = p.Oddelovac;
    auto kopiruj = [presah](char* cil, std::string_view text) {
        return presah ? Kopie::KopirujSPresahem(cil, text) : Kopie::Kopiruj(cil, text);
    };
    // The pieces, a blank after each, the distance, "* " and CR LF, and sixteen bytes that
    // the last copy may write beyond its piece.
    char* z = blok.Misto(m.CisloBodu.size() + m.Vyska.size() + m.Hz.size() + m.V.size() +
                         m.Kod.size() + m.Dodatek.size() + kNejdelsiPevne + 32);
    z = kopiruj(z, m.CisloBodu);
    *z++ = s;
    *z++ = s;
    if (m.Delka == TDruhDelky::dlCislo) {
        const auto delka = static_cast<double>(m.HodnotaDelky * p.MeritkovyFaktor);
        if (char* konec = ZapisTriDesetinna(z, delka)) {
            z = konec;
        } else {
            std::string text;
            if (!PripojPevne(text, delka, 3))
                return false;
            z = Kopie::Kopiruj(z, text);
        }
        *z++ = s;
    } else if (m.Delka == TDruhDelky::dlNulova) {
        z = Kopie::Kopiruj(z, "0.000");
        *z++ = s;
    }
    auto pripoj = [&](bool ma, std::string_view text) {
        if (ma) {
            z = kopiruj(z, text);
            *z++ = s;
        }
    };
    pripoj(m.MaVysku, m.Vyska);
    pripoj(m.MaHz, m.Hz);
    pripoj(m.MaV, m.V);
    z = Kopie::Kopiruj(z, "* ");
    z = kopiruj(z, m.Kod);
    z = Kopie::KopirujSPresahem(z, m.Dodatek);
    z = Kopie::Kopiruj(z, kKonecRadku);
    blok.Konec(z);
    return true;
}

// Holds back the damaged measurements of the single reading pass: the user hears of them
// after the pre-scan warning, as if the file had been read twice.
class TOdlozenaPoskozeni : public TKonverzeRozhrani {
public:
    explicit TOdlozenaPoskozeni(TKonverzeRozhrani& rozhrani) : rozhrani_(rozhrani) {}
    TZpravy& Zpravy() override { return rozhrani_.Zpravy(); }
    std::optional<TVolbyKonverze> Parametry(TTypStanice typ, bool mereni) override {
        return rozhrani_.Parametry(typ, mereni);
    }
    void PoskozenaData(std::size_t radek) override { radky_.push_back(radek); }
    void Ohlas() {
        for (std::size_t radek : radky_)
            rozhrani_.PoskozenaData(radek);
    }

private:
    TKonverzeRozhrani& rozhrani_;
    std::vector<std::size_t> radky_;
};

// One reading pass. The header goes first but grows at every DATE line, wherever it stands:
// the body is handed on in batches of `davka` bytes once the header is written, so that the
// memory stays small; a DATE line after that makes the pass give up (false) so that it can be
// done again with the body held whole. `proudem` false holds it whole from the start.
bool Prevod(TCteckaRadku& radky, const ParametryKonverze& p, TKonverzeRozhrani& puvodni,
            TVystup& vystup, bool proudem, std::size_t davka) {
    // The pre-scan rides along with the one reading pass; its warning and then the damaged
    // measurements are told once the pass is over.
    TKontrolaNestandardnich kontrola(p.NestandardniJednotky, p.NestandardniVysky,
                                     radky.PresahRadku());
    const bool kontrolovat = p.TypStanice == TTypStanice::tsNTS660 && !p.SouborSouradnic &&
                             (p.NestandardniJednotky || p.NestandardniVysky);
    TOdlozenaPoskozeni rozhrani(puvodni);

    radky.Zacatek();
    const bool presah = radky.PresahRadku();
    TCteckaMereni cteni(radky, rozhrani);
    if (kontrolovat)
        cteni.Sleduj(&kontrola);
    std::string hlavicka;
    TBlokTextu telo;
    // Reserved so that the batch never grows; held whole, the body is about as long as the
    // input.
    const auto velikost = std::size_t(radky.Velikost());
    telo.Rezervuj(proudem ? std::min(velikost, davka + (1 << 16)) : velikost);
    bool zapsanaHlavicka = false;
    auto zacatek = [&] {
        if (p.HlavickaZDat) {
            vystup.Zapis(hlavicka);
            vystup.Zapis(kKonecRadku);
        }
        vystup.Zapis(p.PevnyBlok);
        zapsanaHlavicka = true;
    };
    bool stanice = false;
    TBloky bloky;

    for (TPolozka polozka; (polozka = cteni.Dalsi()) != TPolozka::polKonec;) {
        switch (polozka) {
        case TPolozka::polHlavicka:
            if (zapsanaHlavicka && p.HlavickaZDat)
                return false;
            hlavicka += cteni.Hlavicka();
            break;
        case TPolozka::polStanice:
            if (stanice)
                bloky.Uzavri(telo, true);
            stanice = true;
            if (proudem && telo.size() >= davka) {
                if (!zapsanaHlavicka)
                    zacatek();
                vystup.Zapis(telo.Text());
                telo.Vyprazdni();
            }
            PripojStanici(telo, cteni.PoleStanice(), p.Oddelovac);
            break;
        case TPolozka::polXYZ:
            telo.Pripoj(" XYZ-");
            telo.Pripoj(cteni.XYZ());
            break;
        case TPolozka::polMereni: {
            const MereniZaznam& m = cteni.Mereni();
            TBlokTextu& blok = m.Druh == TDruhMereni::dmBS           ? bloky.BS
                               : m.Druh == TDruhMereni::dmFS         ? bloky.FS
                               : m.KodJeZnacka(p.OznaceniOrientBodu) ? bloky.Orientace
                                                                     : bloky.Detail;
            if (!PripojMereni(blok, m, p, presah))
                rozhrani.PoskozenaData(m.Radek);
            break;
        }
        case TPolozka::polKonec:
            break;
        }
    }
    if (stanice)
        bloky.Uzavri(telo, false);
    if (!kontrola.Text().empty())
        puvodni.Zpravy().Zprava(TDruhZpravy::dzVarovani, kontrola.Text());
    rozhrani.Ohlas();

    if (!zapsanaHlavicka)
        zacatek();
    vystup.Zapis(telo.Text());
    vystup.Zapis("/\r\n-2\r\n");
    return true;
}

} // namespace

void ZapisMAPA2(TCteckaRadku& radky, const ParametryKonverze& p, TKonverzeRozhrani& rozhrani,
                TVystup& vystup, std::size_t davka) {
    if (vystup.LzeZacitZnovu() && Prevod(radky, p, rozhrani, vystup, true, davka))
        return;
    // Nothing was told yet: the pass that gave up holds its messages back until its end.
    if (vystup.LzeZacitZnovu() && !vystup.ZacniZnovu())
        return;
    Prevod(radky, p, rozhrani, vystup, false, davka);
}
