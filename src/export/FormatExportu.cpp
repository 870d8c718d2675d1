#include "export/FormatExportu.h"

#include <cctype>

namespace {

struct TZnamyFormat {
    const char* Nazev;
    const char* Pripona;
    TFormatExportu Format;
};

const TZnamyFormat kFormaty[] = {
    {"csv", ".csv", TFormatExportu::feCsv}, {"csv-cz", ".csv", TFormatExportu::feCsvCz},
    {"dxf", ".dxf", TFormatExportu::feDxf}, {"geojson", ".geojson", TFormatExportu::feGeoJson},
    {"kml", ".kml", TFormatExportu::feKml},
};

bool KonciNa(std::string_view text, std::string_view konec) {
    if (text.size() < konec.size())
        return false;
    const std::string_view cast = text.substr(text.size() - konec.size());
    for (std::size_t i = 0; i < konec.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(cast[i])) != konec[i])
            return false;
    return true;
}

} // namespace

std::optional<TFormatExportu> FormatZNazvu(std::string_view nazev) {
    for (const auto& f : kFormaty)
        if (nazev == f.Nazev)
            return f.Format;
    return std::nullopt;
}

std::optional<TFormatExportu> FormatZPripony(std::string_view soubor) {
    for (const auto& f : kFormaty)
        if (KonciNa(soubor, f.Pripona))
            return f.Format;
    if (KonciNa(soubor, ".json"))
        return TFormatExportu::feGeoJson;
    return std::nullopt;
}

std::string PriponaFormatu(TFormatExportu format) {
    for (const auto& f : kFormaty)
        if (f.Format == format)
            return f.Pripona;
    return {};
}

bool ZemepisnyFormat(TFormatExportu format) {
    return format == TFormatExportu::feGeoJson || format == TFormatExportu::feKml;
}
