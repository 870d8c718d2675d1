// How the communication settings dialog's controls stand for the link settings: item
// indexes and texts to enumeration values and back. No windows here.
#pragma once

#include "common/TypStanice.h"
#include "serial/SpTypes.h"

#include <optional>
#include <string>
#include <vector>

// " 300" .. " 115200": indexes 0..9 for br300 .. br115200 (-1 for a rate the list lacks).
std::vector<std::string> TextyRychlosti();
int IndexRychlosti(TSpBaudrate rychlost);
std::optional<TSpBaudrate> RychlostZIndexu(int index);

// The list shows none, even, odd (the rows of kSpParity) while the enumeration runs none,
// odd, even: the items map by meaning, not by position.
int IndexParity(TSpParity parita);
std::optional<TSpParity> ParitaZIndexu(int index);

// " 1", " 2": sbOne and sbTwo (one and a half has no item).
std::vector<std::string> TextyStopBitu();
int IndexStopBitu(TSpStopbits stopBity);
std::optional<TSpStopbits> StopBityZIndexu(int index);

// "4" .. "8"; any other text stands for nothing.
std::string TextDatovychBitu(TSpDatabits datoveBity);
std::optional<TSpDatabits> DatoveBityZTextu(const std::string& text);

// The station type list: "NTS-350", "NTS-660" (TextTypuStanice); -1 for any other byte.
int IndexTypuStanice(TTypStanice typStanice);
