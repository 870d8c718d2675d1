// The two writers of the MAPA2 output: the .zap file of station blocks for a measurement
// file and the .asc file for a coordinate file.
#pragma once

#include "conversion/CteckaRadku.h"
#include "conversion/KonverzeRozhrani.h"
#include "conversion/ParametryKonverze.h"
#include "conversion/Vystup.h"

// Measurement file to .zap: the pre-scan warning (when a warning is on), then the header
// line, the fixed block, a block per station (station line; BS, FS and orientation lines;
// "-1"; detail lines; "/") and the terminator. Collected in memory, written in one go.
void ZapisMAPA2(TCteckaRadku& radky, const ParametryKonverze& parametry,
                TKonverzeRozhrani& rozhrani, TVystup& vystup);

// Coordinate file to .asc: one "number Y X Z * code" line per line with two fields or more,
// written as it is read.
void ZapisSouradnic(TCteckaRadku& radky, const ParametryKonverze& parametry, TVystup& vystup);
