// The entry operation of a conversion: from a measured-data file to its MAPA2 output beside
// it, with the overwrite question, the parameters step and the writer.
#pragma once

#include "common/RozpoznaniTextu.h"
#include "conversion/KonverzeRozhrani.h"
#include "conversion/ParametryKonverze.h"
#include "conversion/Vystup.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>

enum class TStavKonverze {
    kvHotovo,            // written (damaged measurements and warnings included)
    kvChybiVstup,        // the input does not exist; nothing shown
    kvPrepsaniOdmitnuto, // the output exists and the user said No
    Zruseno,             // the user cancelled the parameters step; nothing written
    kvChyba,             // the input vanished or a file could not be read or written; shown
};

struct TVysledekKonverze {
    TStavKonverze Stav = TStavKonverze::kvChyba;
    // The "Show file" choice of the parameters step.
    bool ZobrazitSoubor = false;
    // Data of an instrument type that is not converted (NTS-350): nothing was written, an
    // existing output is untouched.
    bool NicNeprevedeno = false;
    std::filesystem::path VystupniSoubor;

    // Whether the caller shows the result window for VystupniSoubor.
    bool Zobrazit() const {
        return Stav == TStavKonverze::kvHotovo && ZobrazitSoubor && !NicNeprevedeno;
    }
};

// The input's name with ".asc" (coordinate variant) or ".zap" in place of its extension.
std::filesystem::path VystupniJmeno(const std::filesystem::path& vstup, bool souradnice);

// Converts `vstup` of the instrument type `typStanice` (unless its first line names the
// other one) into the output beside it. An output that would be the input file itself is
// refused (Chyba, shown), and so is an input that is no measured data (empty, not text, or
// with nothing its variant converts). An input that can be read only once (a pipe) or that is
// UTF-8 is read into memory whole, up to kNejdelsiVstup.
TVysledekKonverze KonverzeSouboru(const std::filesystem::path& vstup, TTypStanice typStanice,
                                  TKonverzeRozhrani& rozhrani);

// Where merivox-cli may send the output instead: a chosen file (the overwrite question
// applies to it), or a stream the caller owns (no question, no file).
struct TCilKonverze {
    std::filesystem::path Soubor;
    TVystup* Proud = nullptr;
};
TVysledekKonverze KonverzeSouboru(const std::filesystem::path& vstup, TTypStanice typStanice,
                                  TKonverzeRozhrani& rozhrani, const TCilKonverze& cil);

// The writer's part: checks that the input is still there, opens it, runs the writer of the
// variant and puts the complete output in place. False after a message when it could not.
bool ZapisVystup(const ParametryKonverze& parametry, TKonverzeRozhrani& rozhrani,
                 TVystup* proud = nullptr);
