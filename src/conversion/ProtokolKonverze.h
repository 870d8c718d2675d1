// The protocol of a conversion: what went in, with which reduction, what was read and what
// came out, as a text the surveyor keeps with the job. The windows show it under the output
// and save it; merivox-cli writes it with --protocol; the measurement view puts it in its PDF.
#pragma once

#include "common/TypStanice.h"
#include "conversion/KonverzeRozhrani.h"
#include "conversion/NastaveniMAPA2.h"

#include <filesystem>
#include <optional>
#include <string>

struct TZadaniProtokolu {
    std::filesystem::path Vstup, Vystup;
    TTypStanice Typ = TTypStanice::tsNTS660; // the chosen type; the file's first line wins
    TNastaveniMAPA2 Nastaveni;               // the mean values the factor came from
    TVolbyKonverze Volby;                    // what the parameters step fixed
    // The measurement view's choice of the curvature and refraction correction; none for a
    // conversion, which writes slope distances and applies no such correction.
    std::optional<bool> ZakriveniARefrakce;
};

// The protocol as cp1250 text, each line ended by CR LF. It reads the input once more, as
// the conversion read it, to count stations, measurements, damaged records and warnings.
std::string ProtokolKonverze(const TZadaniProtokolu& zadani);

// The name a protocol is saved under by default: the output's, ending "-protokol.txt".
std::filesystem::path JmenoProtokolu(const std::filesystem::path& vystup);
