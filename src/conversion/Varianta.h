// Which of its two variants a measured-data file is, and the warnings about non-standard
// units and heights that are shown once before a measurement file is converted.
#pragma once

#include "common/TypStanice.h"
#include "conversion/CteckaRadku.h"
#include "conversion/Slova.h"

#include <filesystem>
#include <string>

// True for the coordinate variant (an .asc output): NTS-660 data whose first line does
// not contain "NTS". False for every other file, an empty one included, and for other types.
bool JeSouborSouradnic(TCteckaRadku& radky, TTypStanice typStanice);
bool JeSouborSouradnic(const std::filesystem::path& soubor, TTypStanice typStanice);

// The pre-scan of an NTS-660 measurement file: a line with "UNITS" but without "M,G"
// (`jednotky`), and a line mentioning STN, BS, FS or SS whose second field (the height) is
// below 0 or above 4 m (`vysky`, lines numbered from 0). Fills `text` with one CR LF ended
// line per finding and yields true when it is not empty; does nothing for types other than
// the NTS-660 or for the coordinate variant.
// The same check line by line, riding along with the measurement reader
// (TCteckaMereni::Sleduj) so that a conversion reads and cuts its input only once; `pole` are
// the fields of the line's second word.
class TKontrolaNestandardnich : public TSledovaniRozkladu {
public:
    // `presah`: the lines may be read sixteen bytes past their end (TCteckaRadku::PresahRadku).
    TKontrolaNestandardnich(bool jednotky, bool vysky, bool presah)
        : jednotky_(jednotky), vysky_(vysky), presah_(presah) {}
    void NovyRadek(std::string_view radek, std::size_t cislo, const TKusy& pole) override;
    const std::string& Text() const { return text_; }

private:
    bool jednotky_;
    bool vysky_;
    bool presah_;
    std::string text_;
};

bool KontrolaNestandardnich(TCteckaRadku& radky, TTypStanice typStanice, bool souradnice,
                            bool jednotky, bool vysky, std::string& text);
bool KontrolaNestandardnich(const std::filesystem::path& soubor, TTypStanice typStanice,
                            bool souradnice, bool jednotky, bool vysky, std::string& text);
