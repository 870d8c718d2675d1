#include "common/TypStanice.h"

const char* TextTypuStanice(TTypStanice typ) {
    return typ == TTypStanice::tsNTS350 ? "NTS-350" : "NTS-660";
}

std::optional<TTypStanice> TypStaniceZTextu(const std::string& text) {
    for (const TTypStanice typ : {TTypStanice::tsNTS350, TTypStanice::tsNTS660})
        if (text == TextTypuStanice(typ))
            return typ;
    return std::nullopt;
}
