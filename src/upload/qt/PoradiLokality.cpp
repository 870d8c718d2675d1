#include "upload/qt/PoradiLokality.h"

#include "ui/Texty.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <numeric>

std::vector<int> PoradiPodleLokality(const std::vector<std::string>& texty) {
    const QCollator kolator{QLocale()};
    std::vector<QCollatorSortKey> klice;
    klice.reserve(texty.size());
    for (const auto& text : texty)
        klice.push_back(kolator.sortKey(ZCp1250(text)));

    std::vector<std::size_t> poradi(texty.size());
    std::iota(poradi.begin(), poradi.end(), std::size_t{0});
    std::sort(poradi.begin(), poradi.end(),
              [&](std::size_t a, std::size_t b) { return klice[a].compare(klice[b]) < 0; });

    std::vector<int> rank(texty.size(), 0);
    int r = 0;
    for (std::size_t i = 0; i < poradi.size(); ++i) {
        if (i > 0 && klice[poradi[i - 1]].compare(klice[poradi[i]]) < 0)
            ++r;
        rank[poradi[i]] = r;
    }
    return rank;
}
