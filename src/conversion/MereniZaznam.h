// One measurement as the converter reads it: a BS, FS or SS line and the observation lines
// (SD, HV, HD) and note lines (NOTE, CTL) merged into it by the look-ahead.
#pragma once

#include "conversion/CteckaRadku.h"
#include "conversion/Slova.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The line end of the MAPA2 output, which also ends a measurement's code part.
inline constexpr std::string_view kKonecRadku = "\r\n";

enum class TDruhMereni : std::uint8_t { dmBS, dmFS, dmSS };

// What the distance of a measurement is: none, a number from an SD or HD line (scaled when
// written), or the fixed "0.000" of an angles-only HV line.
enum class TDruhDelky : std::uint8_t { dlZadna, dlCislo, dlNulova };

// The kind of the last observation line merged into a measurement (none: no SD, HD or HV
// line). The output does not need it; the measurement view computes from what was observed.
enum class TDruhPozorovani : std::uint8_t { dpZadne, dpSD, dpHD, dpHV };

// The texts are views into the lines read, which the reader holds (TCteckaRadku::Drz) until
// the next record is read; a record is therefore not copied, only used while it is current.
struct MereniZaznam {
    MereniZaznam() = default;
    MereniZaznam(const MereniZaznam&) = delete;
    MereniZaznam& operator=(const MereniZaznam&) = delete;

    TDruhMereni Druh = TDruhMereni::dmSS;
    std::size_t Radek = 0; // line of the BS, FS or SS line, from 1
    std::string_view CisloBodu;
    bool MaVysku = false;
    std::string_view Vyska; // target height
    bool MaHz = false;
    std::string_view Hz; // horizontal angle
    bool MaV = false;
    std::string_view V; // vertical angle (for an HD line the one derived, in UhelZHD)
    TDruhDelky Delka = TDruhDelky::dlZadna;
    long double HodnotaDelky = 0; // unscaled; set only with Delka dlCislo
    TDruhPozorovani Pozorovani = TDruhPozorovani::dpZadne;
    // An HD line's horizontal distance and height difference as read (0 when unreadable;
    // set only with Pozorovani dpHD): the vertical angle derived from them for the output is
    // rounded to 4 decimals.
    long double HodnotaHD = 0, HodnotaVD = 0;
    std::string UhelZHD;
    // The code part is "* ", the code (field 3), what every merged line added to it (an SD,
    // HV or HD line's code field, a blank and a NOTE or CTL text) and CR LF.
    std::string_view Kod;
    std::string Dodatek;
    // A missing field, or an angle or distance that is no number within its range.
    bool Poskozeno = false;

    // Whether the code with what was added to it is `text`.
    bool KodJe(std::string_view text) const {
        return text.size() == Kod.size() + Dodatek.size() && text.starts_with(Kod) &&
               text.ends_with(Dodatek);
    }
    // Whether the code is the orientation mark and nothing else (an orientation shot when
    // it is a side shot); false without a mark.
    bool KodJeZnacka(const std::optional<char>& znacka) const {
        return znacka && KodJe(std::string_view(&*znacka, 1));
    }
};

// Scratch space of the readers, kept between lines so that reading allocates nothing: the
// words of a line and the fields of its second word (RozdelSlovaAPole).
struct TRozklad {
    TKusy Slova;
    TKusy Pole;
    // They hold the line last given back to the reader, so that it is not cut up again.
    bool VracenyRadek = false;
    // Who sees each line as it is cut; nullptr for nobody.
    TSledovaniRozkladu* Sledovani = nullptr;
    // The lines may be read sixteen bytes past their end (TCteckaRadku::PresahRadku).
    bool Presah = false;

    void Rozdel(std::string_view radek, std::size_t cislo) {
        RozdelSlovaAPole(radek, Slova, Pole, Presah);
        if (Sledovani)
            Sledovani->NovyRadek(radek, cislo, Pole);
    }
};

// Reads the measurement of the BS, FS or SS line whose words are `slova` and the fields of
// whose second word are rozklad.Pole (its number is radky.Cislo()), then merges up to three
// observation and note lines that follow it. The first line that is none of these is given back to
// `radky` for the main level, with its words and fields left in `rozklad`.
void NactiMereni(TCteckaRadku& radky, TDruhMereni druh, const TKusy& slova, MereniZaznam& zaznam,
                 TRozklad& rozklad);
