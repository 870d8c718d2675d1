// The code tree beside the code table (ObnovStrom), built from scratch from the table.
//
// Rules: a directory is a top-level item (picture 0); a code is a child (picture 1) of the
// first item in display order, directories and codes alike, whose text equals its directory
// upper-cased, or a top-level item when it has no directory. So a directory whose name equals
// an earlier code item files its codes under that code item. Duplicates are not merged. Item
// texts are upper-cased (ASCII letters only). Each level is sorted in the caller's order of
// texts; an item added later goes after the items already there that sort equal to it.
//
// The result is the same as inserting every item at its sorted place and searching all items
// top to bottom for each row, but without that search: items never move relative to each
// other once added, so the first item of each text can be kept as the items are added.
#pragma once

#include "upload/TabulkaKodu.h"

#include <functional>
#include <string>
#include <vector>

constexpr int kObrazekAdresare = 0;
constexpr int kObrazekKodu = 1;

// One item of the tree, listed in display order (top to bottom, every item expanded).
// Uroven is the depth: 0 for top-level items; an item's parent is the nearest item above it
// with Uroven one less.
struct TPolozkaStromu {
    std::string Text; // cp1250, upper-cased
    int Obrazek = kObrazekKodu;
    int Uroven = 0;

    bool operator==(const TPolozkaStromu&) const = default;
};

// "a sorts before b" in the locale's order of texts: a strict weak ordering of cp1250 texts.
using TPorovnaniTextu = std::function<bool(const std::string&, const std::string&)>;

// The ranks of distinct texts in the locale's order: equal ranks for texts that sort equal.
// Lets a caller whose comparison is costly (a collator) prepare sort keys once per text.
using TPoradiTextu = std::function<std::vector<int>(const std::vector<std::string>&)>;

// Byte order of the cp1250 texts.
bool PorovnaniBajtu(const std::string& a, const std::string& b);

// The ranks that a comparison gives (sorts the texts once).
std::vector<int> PoradiPodlePorovnani(const std::vector<std::string>& texty,
                                      const TPorovnaniTextu& mensi);

std::vector<TPolozkaStromu> ObnovStrom(const TTabulkaKodu& tabulka,
                                       const TPorovnaniTextu& mensi = PorovnaniBajtu);
std::vector<TPolozkaStromu> ObnovStromPodlePoradi(const TTabulkaKodu& tabulka,
                                                  const TPoradiTextu& poradi);
