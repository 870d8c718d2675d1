// The formats the coordinate list is exported to, with the names merivox-cli takes and the
// file extensions the save dialog offers and recognises.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class TFormatExportu : std::uint8_t { feCsv, feCsvCz, feDxf, feGeoJson, feKml };

// The format of a name given to merivox-cli --format ("csv", "csv-cz", "dxf", "geojson", "kml").
std::optional<TFormatExportu> FormatZNazvu(std::string_view nazev);
// The format that a file's extension means, any case; ".csv" is the RFC 4180 variant.
std::optional<TFormatExportu> FormatZPripony(std::string_view soubor);
// ".csv", ".dxf", ".geojson", ".kml" (cp1250 free ASCII).
std::string PriponaFormatu(TFormatExportu format);
// Whether the format places points on the globe and so needs S-JTSK points and PROJ.
bool ZemepisnyFormat(TFormatExportu format);
