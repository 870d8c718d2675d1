#include "upload/StromKodu.h"

#include "upload/VelkaPismena.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <unordered_map>

namespace {

constexpr int kZadny = -1;

struct TUzel {
    int Text; // index of the distinct text
    int Obrazek;
    int Rodic; // kZadny for top-level items
    int Hloubka;
    std::vector<int> Deti; // in the order they were added
};

// Builds the tree over interned texts: nodes are added in row order, and for every text the
// node that comes first in display order is kept up to date.
class TStavbaStromu {
public:
    TStavbaStromu(std::vector<int> rank, std::size_t pocetTextu)
        : rank_(std::move(rank)), prvni_(pocetTextu, kZadny) {}

    void Radek(int adresar, int kod) {
        int rodic = kZadny;
        if (adresar != kZadny) {
            rodic = prvni_[std::size_t(adresar)];
            if (rodic == kZadny) {
                rodic = Pridej(adresar, kObrazekAdresare, kZadny);
                prvni_[std::size_t(adresar)] = rodic;
            }
        }
        if (kod != kZadny) {
            const int uzel = Pridej(kod, kObrazekKodu, rodic);
            int& prvni = prvni_[std::size_t(kod)];
            if (prvni == kZadny || Predchazi(uzel, prvni))
                prvni = uzel;
        }
    }

    // Every level sorted by rank, keeping the order of addition among equal ranks.
    std::vector<TPolozkaStromu> Polozky(const std::vector<std::string>& texty) {
        auto podleRanku = [this](int a, int b) {
            return RankUzlu(a) < RankUzlu(b);
        };
        std::stable_sort(koreny_.begin(), koreny_.end(), podleRanku);
        for (auto& uzel : uzly_)
            std::stable_sort(uzel.Deti.begin(), uzel.Deti.end(), podleRanku);

        std::vector<TPolozkaStromu> vysledek;
        vysledek.reserve(uzly_.size());
        // Pre-order without recursion: a chain of codes filed under codes can be very deep.
        std::vector<int> zasobnik(koreny_.rbegin(), koreny_.rend());
        while (!zasobnik.empty()) {
            const TUzel& uzel = uzly_[std::size_t(zasobnik.back())];
            zasobnik.pop_back();
            vysledek.push_back({texty[std::size_t(uzel.Text)], uzel.Obrazek, uzel.Hloubka});
            zasobnik.insert(zasobnik.end(), uzel.Deti.rbegin(), uzel.Deti.rend());
        }
        return vysledek;
    }

private:
    int Pridej(int text, int obrazek, int rodic) {
        const int id = int(uzly_.size());
        const int hloubka = rodic == kZadny ? 0 : uzly_[std::size_t(rodic)].Hloubka + 1;
        uzly_.push_back({text, obrazek, rodic, hloubka, {}});
        (rodic == kZadny ? koreny_ : uzly_[std::size_t(rodic)].Deti).push_back(id);
        return id;
    }

    int RankUzlu(int uzel) const { return rank_[std::size_t(uzly_[std::size_t(uzel)].Text)]; }
    int Rodic(int uzel) const { return uzly_[std::size_t(uzel)].Rodic; }
    int Hloubka(int uzel) const { return uzly_[std::size_t(uzel)].Hloubka; }

    // Whether node a stands above node b in display order. Siblings stand by rank, then by
    // the order of addition (node ids grow with it), so the answer never changes once both
    // exist.
    bool Predchazi(int a, int b) const {
        while (Hloubka(a) > Hloubka(b)) {
            a = Rodic(a);
            if (a == b)
                return false; // b is an ancestor of a
        }
        while (Hloubka(b) > Hloubka(a)) {
            b = Rodic(b);
            if (a == b)
                return true; // a is an ancestor of b
        }
        while (Rodic(a) != Rodic(b)) {
            a = Rodic(a);
            b = Rodic(b);
        }
        if (RankUzlu(a) != RankUzlu(b))
            return RankUzlu(a) < RankUzlu(b);
        return a < b;
    }

    std::vector<int> rank_;
    std::vector<int> prvni_; // per text: the node of that text first in display order
    std::vector<TUzel> uzly_;
    std::vector<int> koreny_;
};

} // namespace

bool PorovnaniBajtu(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

std::vector<int> PoradiPodlePorovnani(const std::vector<std::string>& texty,
                                      const TPorovnaniTextu& mensi) {
    std::vector<int> index(texty.size());
    std::iota(index.begin(), index.end(), 0);
    std::sort(index.begin(), index.end(),
              [&](int a, int b) { return mensi(texty[std::size_t(a)], texty[std::size_t(b)]); });
    std::vector<int> rank(texty.size());
    int r = 0;
    for (std::size_t i = 0; i < index.size(); ++i) {
        if (i > 0 && mensi(texty[std::size_t(index[i - 1])], texty[std::size_t(index[i])]))
            ++r;
        rank[std::size_t(index[i])] = r;
    }
    return rank;
}

std::vector<TPolozkaStromu> ObnovStrom(const TTabulkaKodu& tabulka, const TPorovnaniTextu& mensi) {
    return ObnovStromPodlePoradi(tabulka, [&mensi](const std::vector<std::string>& texty) {
        return PoradiPodlePorovnani(texty, mensi);
    });
}

std::vector<TPolozkaStromu> ObnovStromPodlePoradi(const TTabulkaKodu& tabulka,
                                                  const TPoradiTextu& poradi) {
    // Intern the upper-cased texts first, so that the order is asked once per distinct text.
    std::vector<std::string> texty;
    std::unordered_map<std::string, int> indexTextu;
    std::vector<std::pair<int, int>> radky;
    radky.reserve(std::size_t(tabulka.PocetRadku()));
    auto intern = [&](const std::string& bunka) {
        if (bunka.empty())
            return kZadny;
        auto [it, novy] = indexTextu.try_emplace(VelkaPismenaAscii(bunka), int(texty.size()));
        if (novy)
            texty.push_back(it->first);
        return it->second;
    };
    for (int r = 1; r <= tabulka.PocetRadku(); ++r)
        radky.emplace_back(intern(tabulka.Bunka(r, TTabulkaKodu::skAdresar)),
                           intern(tabulka.Bunka(r, TTabulkaKodu::skKod)));

    auto rank = poradi(texty);
    if (rank.size() != texty.size())
        throw std::logic_error("ObnovStrom: the order must rank every text");
    TStavbaStromu stavba(std::move(rank), texty.size());
    for (const auto& [adresar, kod] : radky)
        stavba.Radek(adresar, kod);
    return stavba.Polozky(texty);
}
