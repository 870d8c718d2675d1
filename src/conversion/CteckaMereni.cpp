#include "conversion/CteckaMereni.h"

#include "common/Cp1250.h"

TCteckaMereni::TCteckaMereni(TCteckaRadku& radky, TKonverzeRozhrani& rozhrani)
    : radky_(radky), rozhrani_(rozhrani) {
    rozklad_.Presah = radky.PresahRadku();
}

// "Name: " and every further word of the line followed by a blank, then one more blank.
void TCteckaMereni::NastavPolozku(std::string& polozka, const char* nazev) const {
    polozka = Cz(nazev);
    for (std::size_t i = 1; i < rozklad_.Slova.size(); ++i) {
        polozka += rozklad_.Slova[i];
        polozka += ' ';
    }
    polozka += ' ';
}

TPolozka TCteckaMereni::Dalsi() {
    std::string_view radek;
    while (radky_.Dalsi(radek)) {
        if (!rozklad_.VracenyRadek)
            rozklad_.Rozdel(radek, radky_.Cislo());
        rozklad_.VracenyRadek = false;
        const TKusy& slova = rozklad_.Slova;
        if (slova.empty())
            continue;
        const std::string_view klic = slova[0];
        const bool maDruhe = slova.size() >= 2;

        if (klic == "BS" || klic == "FS" || klic == "SS") {
            posledni_ = TPosledni::posSS;
            const TDruhMereni druh = klic == "BS"   ? TDruhMereni::dmBS
                                     : klic == "FS" ? TDruhMereni::dmFS
                                                    : TDruhMereni::dmSS;
            NactiMereni(radky_, druh, slova, mereni_, rozklad_);
            if (!mereni_.Poskozeno)
                return TPolozka::polMereni;
            rozhrani_.PoskozenaData(mereni_.Radek);
        } else if (klic == "STN") {
            posledni_ = TPosledni::posSTN;
            return TPolozka::polStanice;
        } else if (klic == "XYZ") {
            // An XYZ line without its text is malformed and passed over like one.
            if (posledni_ == TPosledni::posSTN && maDruhe) {
                xyz_ = slova[1];
                return TPolozka::polXYZ;
            }
        } else if (klic == "BKB") {
            posledni_ = TPosledni::posBKB;
        } else if (klic == "NTS-660") {
            pristroj_ = Cz("Přístroj: NTS-660  ");
        } else if (klic == "JOB") {
            NastavPolozku(zakazka_, "Zakázka: ");
        } else if (klic == "NAME") {
            NastavPolozku(meril_, "Měřil: ");
        } else if (klic == "ATMOS") {
            NastavPolozku(atmosfera_, "Atm. korekce: ");
        } else if (klic == "DATE") {
            hlavicka_ = zakazka_;
            hlavicka_ += meril_;
            hlavicka_ += "Datum: ";
            for (std::size_t i = 1; i < slova.size(); ++i) {
                hlavicka_ += slova[i];
                hlavicka_ += "  ";
            }
            hlavicka_ += pristroj_;
            hlavicka_ += atmosfera_;
            return TPolozka::polHlavicka;
        }
    }
    return TPolozka::polKonec;
}
