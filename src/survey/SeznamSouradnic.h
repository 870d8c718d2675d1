// The coordinate list: points with plane coordinates and a height, as a point file or a
// coordinate file holds them or as the measurement view computes them. The exports write it
// and `merivox-cli coords` saves it, so it carries each coordinate's text as well as its value:
// a value read from a file is written back with the digits it had.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Which system a point's plane coordinates are in. Only S-JTSK points may be transformed to
// geographic coordinates; a local station's points form a system of their own; an unoriented
// station's points are S-JTSK only if the instrument happened to be oriented so.
enum class TSoustava : std::uint8_t { ssJTSK, ssMistni, ssNeorientovana };

// One coordinate. `Text` is the number as read (cp1250 digits, "." decimals) or, for a
// computed value, the value with 3 decimals; `Je` is false for a coordinate the point lacks
// (a point without a height), and then Text is empty and Hodnota 0.
struct TSouradnice {
    bool Je = false;
    std::string Text;
    double Hodnota = 0;
};

// A coordinate read from text: present when `text` is a finite decimal number (a decimal
// comma is taken as a point, as the upload takes it), else absent with Text kept as given so
// that a caller can name what did not read.
TSouradnice SouradniceZTextu(std::string_view text);
// A computed coordinate: its value with 3 decimals (a millimetre), never "-0.000".
TSouradnice SouradniceVypoctena(double hodnota);

// Y and X in S-JTSK's sense (Y westwards, X southwards, both positive in Czechia), in the
// order the instrument and the point window keep them: Y first.
struct TBodSouradnic {
    std::string Cislo; // point number as read, cp1250
    TSouradnice Y, X, Z;
    std::string Kod; // code or note, cp1250, without the leading "* " or blanks
    TSoustava Soustava = TSoustava::ssJTSK;
    std::size_t Radek = 0; // line of the source file (from 1) or table row (from 1); 0: computed
};

using TSeznamSouradnic = std::vector<TBodSouradnic>;
