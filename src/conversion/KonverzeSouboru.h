// The entry operation of a conversion: from a measured-data file to its MAPA2 output beside
// it, with the overwrite question, the parameters step and the writer.
#pragma once

#include "conversion/KonverzeRozhrani.h"
#include "conversion/ParametryKonverze.h"
#include "conversion/Vystup.h"

#include <filesystem>

enum class TStavKonverze {
    Hotovo,            // written (damaged measurements and warnings included)
    ChybiVstup,        // the input does not exist; nothing shown
    PrepsaniOdmitnuto, // the output exists and the user said No
    Chyba,             // the input vanished or a file could not be read or written; shown
};

struct TVysledekKonverze {
    TStavKonverze Stav = TStavKonverze::Chyba;
    // The "Show file" choice of the parameters step.
    bool ZobrazitSoubor = false;
    std::filesystem::path VystupniSoubor;

    // Whether the caller shows the result window for VystupniSoubor.
    bool Zobrazit() const { return Stav == TStavKonverze::Hotovo && ZobrazitSoubor; }
};

// The input's name with ".asc" (coordinate variant) or ".zap" in place of its extension.
std::filesystem::path VystupniJmeno(const std::filesystem::path& vstup, bool souradnice);

// Converts `vstup` of the instrument type `typStanice` into the output beside it.
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
