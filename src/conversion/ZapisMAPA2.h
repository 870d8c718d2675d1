// The two writers of the MAPA2 output: the .zap file of station blocks for a measurement
// file and the .asc file for a coordinate file.
#pragma once

#include "conversion/CteckaRadku.h"
#include "conversion/KonverzeRozhrani.h"
#include "conversion/ParametryKonverze.h"
#include "conversion/Vystup.h"

#include <cstddef>

// Measurement file to .zap: the pre-scan warning (when a warning is on), then the header
// line, the fixed block, a block per station (station line; BS, FS and orientation lines;
// "-1"; detail lines; "/") and the terminator. The body streams out in batches of about
// `davka` bytes when the output can take back what it got (a file not yet in place, a string);
// a header line found after the first batch has the file read again with the body held in
// memory, as it is for any other output.
constexpr std::size_t kDavkaZapisu = std::size_t(1) << 20;
void ZapisMAPA2(TCteckaRadku& radky, const ParametryKonverze& parametry,
                TKonverzeRozhrani& rozhrani, TVystup& vystup, std::size_t davka = kDavkaZapisu);

// Coordinate file to .asc: one "number Y X Z * code" line per line with two fields or more,
// written as it is read.
void ZapisSouradnic(TCteckaRadku& radky, const ParametryKonverze& parametry, TVystup& vystup);
