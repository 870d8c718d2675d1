#include "VolbySim.h"

#include "Volby.h"

#include <chrono>

namespace {

// C escapes \r, \n and \xH or \xHH; nothing for \x without a hex digit.
std::optional<std::string> Rozbal(const std::string& text) {
    std::string vysledek;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 >= text.size()) {
            vysledek += text[i];
            continue;
        }
        const char c = text[++i];
        if (c == 'r') {
            vysledek += '\r';
        } else if (c == 'n') {
            vysledek += '\n';
        } else if (c == 'x') {
            unsigned kod = 0;
            int cislic = 0;
            for (; cislic < 2 && i + 1 < text.size(); ++cislic) {
                const char h = text[i + 1];
                const int cislice = h >= '0' && h <= '9'   ? h - '0'
                                    : h >= 'a' && h <= 'f' ? h - 'a' + 10
                                    : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                                           : -1;
                if (cislice < 0)
                    break;
                kod = kod * 16 + unsigned(cislice);
                ++i;
            }
            if (cislic == 0)
                return std::nullopt;
            vysledek += static_cast<char>(kod);
        } else {
            vysledek += c;
        }
    }
    return vysledek;
}

TVolba Milisekundy(std::string nazev, std::chrono::milliseconds& cil) {
    return Hodnota(std::move(nazev), [&cil](const std::string& text) {
        const auto ms = CeleCisloVolby<int>(text);
        if (ms)
            cil = std::chrono::milliseconds(*ms);
        return ms.has_value();
    });
}

} // namespace

std::optional<std::string> CtiVolbySim(const std::vector<std::string>& argumenty,
                                       TVolbySim& volby) {
    TSimNastaveni& n = volby.Nastaveni;
    const TPravidlaVoleb pravidla{
        .Volby = {Hodnota("--link", volby.Odkaz), CeleCislo("--baud", n.Baud),
                  Milisekundy("--ack-delay", n.ZpozdeniPotvrzeni),
                  Milisekundy("--start-delay", n.ZpozdeniStartu),
                  Hodnota("--eot-answer",
                          [&n](const std::string& text) {
                              const auto odpoved = Rozbal(text);
                              if (odpoved)
                                  n.OdpovedNaEot = *odpoved;
                              return odpoved.has_value();
                          }),
                  Prepinac("--once", volby.Jednou), Prepinac("--version", volby.Verze),
                  Prepinac("--silence", n.Ticho), Prepinac("--ack-cut", n.UriznutePotvrzeni),
                  CeleCislo("--noise", n.Sum), CeleCislo("--split", n.RozdeleniSeed),
                  CeleCislo("--hangup-after", n.ZaveseniPo), Hodnota("--out", volby.Vystup)},
        .Argument =
            [&volby](const std::string& a) {
                if (volby.Rezim.empty() && (a == "download" || a == "upload"))
                    volby.Rezim = a;
                else if (volby.Rezim == "download" && volby.Soubor.empty())
                    volby.Soubor = a;
                else
                    return false;
                return true;
            },
        .KonecVoleb = false};
    const TRozborVoleb rozbor = RozeberVolby(argumenty, pravidla);
    switch (rozbor.Stav) {
    case TRozborVoleb::rvHotovo:
        break;
    case TRozborVoleb::rvNapoveda:
        volby.Napoveda = true;
        return std::nullopt;
    case TRozborVoleb::rvNeznamy:
        return "unexpected argument '" + rozbor.Argument + "'";
    case TRozborVoleb::rvChybiHodnota:
        return rozbor.Argument + " needs a value";
    case TRozborVoleb::rvChybnaHodnota:
        return "bad value '" + rozbor.Hodnota + "' for " + rozbor.Volba;
    }
    if (volby.Verze)
        return std::nullopt;
    if (volby.Rezim.empty())
        return "say download FILE or upload --out FILE";
    if (volby.Rezim == "download" && volby.Soubor.empty())
        return "download needs a FILE";
    if (volby.Rezim == "upload" && volby.Vystup.empty())
        return "upload needs --out FILE";
    return std::nullopt;
}
