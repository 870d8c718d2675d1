// The coordinate list as CSV for spreadsheets and GIS: RFC 4180 (",", "." decimals, CR LF,
// UTF-8) or the variant a Czech spreadsheet opens by a double click (";", decimal comma, UTF-8
// with a byte-order mark, so that the letters with diacritics are not read as cp1250).
#pragma once

#include "survey/SeznamSouradnic.h"

#include <string>

enum class TVariantaCsv : std::uint8_t { vcRfc4180, vcCesky };

// The file's bytes: the header row "cislo,y,x,z,kod" and one row per point. Coordinates are
// written with the digits they were read with; a missing one is an empty field.
std::string ZapisCsv(const TSeznamSouradnic& body, TVariantaCsv varianta);
