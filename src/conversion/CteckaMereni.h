// The main level of a measurement file: classifies each line by its first word and yields,
// in file order, header lines, station records, accepted XYZ texts and finished measurement
// records. Damaged measurements are reported through the caller's interface and skipped.
#pragma once

#include "conversion/CteckaRadku.h"
#include "conversion/KonverzeRozhrani.h"
#include "conversion/MereniZaznam.h"
#include "conversion/Slova.h"

#include <string>
#include <string_view>

enum class TPolozka { polKonec, polHlavicka, polStanice, polXYZ, polMereni };

class TCteckaMereni {
public:
    TCteckaMereni(TCteckaRadku& radky, TKonverzeRozhrani& rozhrani);

    // The next item; what it carries is valid until the next call.
    TPolozka Dalsi();

    // Hlavicka: the header line assembled at a DATE line.
    const std::string& Hlavicka() const { return hlavicka_; }
    // Stanice: all fields of the STN line (none without a second word).
    const TKusy& PoleStanice() const { return rozklad_.Pole; }
    // XYZ: the unsplit second word of an XYZ line that directly follows its station.
    std::string_view XYZ() const { return xyz_; }
    // Mereni: a measurement that is not damaged.
    const MereniZaznam& Mereni() const { return mereni_; }
    // Who sees every line of the file from now on, as it is cut; nullptr for nobody.
    void Sleduj(TSledovaniRozkladu* sledovani) { rozklad_.Sledovani = sledovani; }

private:
    enum class TPosledni { posZadny, posSTN, posBKB, posSS };

    void NastavPolozku(std::string& polozka, const char* nazev) const;

    TCteckaRadku& radky_;
    TKonverzeRozhrani& rozhrani_;
    TRozklad rozklad_;
    TPosledni posledni_ = TPosledni::posZadny;
    std::string zakazka_, meril_, pristroj_, atmosfera_;
    std::string hlavicka_;
    std::string_view xyz_;
    MereniZaznam mereni_;
};
