// Plane coordinates from a file into the coordinate list: the known points of the measurement
// view and of `merivox-cli coords`, and the points the exports take from a file. Whatever the
// file, its coordinates are read in file order as Y, then X (the instrument's N, then E, the
// order of the point window's columns), then Z.
#pragma once

#include "survey/SeznamSouradnic.h"

#include <cstddef>
#include <string_view>
#include <vector>

enum class TDruhSouboruSouradnic : std::uint8_t {
    dsMereni,     // measured data: the stations' XYZ lines
    dsSouradnice, // the instrument's coordinate file: "number,Y,X,Z,code"
    dsBody,       // a point file of the point window (any separator, the note after "*")
};

struct TCteniSouradnic {
    TDruhSouboruSouradnic Druh = TDruhSouboruSouradnic::dsSouradnice;
    TSeznamSouradnic Body; // in file order; a number may come more than once
    // Lines (from 1) that hold something but gave no point with both plane coordinates, or
    // whose height is no number (the point is then kept without a height).
    std::vector<std::size_t> Necitelne;
};

// Reads `obsah` (cp1250 bytes). A file whose first line names the instrument ("NTS") is
// measured data, read as the conversion reads it: an XYZ line that directly follows its STN
// line gives the station's number and coordinates. Any other file is a coordinate file, read
// as the conversion reads one, unless the point window wrote it (its notes follow ",* ") or
// its fields are not separated by commas: then it is read as the point window reads it.
// `prohozeniXY` swaps Y and X, as the conversion's option of that name does.
TCteniSouradnic CtiSouradnice(std::string_view obsah, bool prohozeniXY);
