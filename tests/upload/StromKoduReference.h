// The code tree built the plain way, word for word as the window's rule reads: every item is
// inserted at its sorted place among its siblings (after those that sort equal), and each
// directory is looked for by walking all items from the top. Slow, and obviously right: the
// fast builder is compared with it.
#pragma once

#include "upload/StromKodu.h"
#include "upload/VelkaPismena.h"

#include <algorithm>
#include <memory>

namespace reference {

struct TUzel {
    std::string Text;
    int Obrazek;
    std::vector<std::unique_ptr<TUzel>> Deti;
};

inline TUzel* Vloz(std::vector<std::unique_ptr<TUzel>>& sourozenci, std::string text, int obrazek,
                   const TPorovnaniTextu& mensi) {
    auto misto = std::upper_bound(
        sourozenci.begin(), sourozenci.end(), text,
        [&](const std::string& t, const std::unique_ptr<TUzel>& u) { return mensi(t, u->Text); });
    auto uzel = std::make_unique<TUzel>(TUzel{std::move(text), obrazek, {}});
    return sourozenci.insert(misto, std::move(uzel))->get();
}

inline TUzel* Najdi(std::vector<std::unique_ptr<TUzel>>& polozky, const std::string& text) {
    for (auto& uzel : polozky) {
        if (uzel->Text == text)
            return uzel.get();
        if (TUzel* nalezeny = Najdi(uzel->Deti, text))
            return nalezeny;
    }
    return nullptr;
}

inline void Vypis(const std::vector<std::unique_ptr<TUzel>>& polozky, int uroven,
                  std::vector<TPolozkaStromu>& vysledek) {
    for (const auto& uzel : polozky) {
        vysledek.push_back({uzel->Text, uzel->Obrazek, uroven});
        Vypis(uzel->Deti, uroven + 1, vysledek);
    }
}

inline std::vector<TPolozkaStromu> ObnovStrom(const TTabulkaKodu& tabulka,
                                              const TPorovnaniTextu& mensi) {
    std::vector<std::unique_ptr<TUzel>> koreny;
    for (int r = 1; r <= tabulka.PocetRadku(); ++r) {
        const std::string& d = tabulka.Bunka(r, TTabulkaKodu::skAdresar);
        const std::string& c = tabulka.Bunka(r, TTabulkaKodu::skKod);
        TUzel* rodic = nullptr;
        if (!d.empty()) {
            rodic = Najdi(koreny, VelkaPismenaAscii(d));
            if (rodic == nullptr)
                rodic = Vloz(koreny, VelkaPismenaAscii(d), kObrazekAdresare, mensi);
        }
        if (!c.empty())
            Vloz(rodic ? rodic->Deti : koreny, VelkaPismenaAscii(c), kObrazekKodu, mensi);
    }
    std::vector<TPolozkaStromu> vysledek;
    Vypis(koreny, 0, vysledek);
    return vysledek;
}

} // namespace reference
