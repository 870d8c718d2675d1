#include "link/DelkaRadku.h"

#include "common/Cp1250.h"
#include "common/Radky.h"
#include "link/Komunikace.h"

std::size_t NejdelsiRadekZapisu(TComDriver& driver) {
    const auto buffer = static_cast<std::size_t>(driver.Port().OutBufSize());
    return buffer > 2 ? buffer - 2 : 0;
}

std::optional<TDlouhyRadek> NajdiDlouhyRadek(const std::string& text, std::size_t nejvic) {
    const auto radky = RadkyTextu(text);
    for (std::size_t i = 0; i < radky.size(); ++i)
        if (radky[i].size() > nejvic)
            return TDlouhyRadek{i + 1, radky[i].size()};
    return std::nullopt;
}

std::string TextDlouhyRadek(const std::string& kde, std::size_t delka, std::size_t nejvic) {
    return kde + Cz(" má ") + std::to_string(delka) +
           Cz(" znaků; do totální stanice lze zapsat řádek nejvýše o ") + std::to_string(nejvic) +
           Cz(" znacích. Nic nebylo odesláno.");
}
