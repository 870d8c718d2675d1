#include "upload/TabulkaTextu.h"

TTabulkaTextu::TTabulkaTextu(std::vector<std::string> hlavicka) : hlavicka_(std::move(hlavicka)) {
    InicializujTabulku();
}

const std::string& TTabulkaTextu::Bunka(int radek, int sloupec) const {
    return Radek(radek).at(std::size_t(sloupec));
}

void TTabulkaTextu::NastavBunku(int radek, int sloupec, std::string text) {
    radky_.at(std::size_t(radek - 1)).at(std::size_t(sloupec)) = std::move(text);
}

bool TTabulkaTextu::JePrazdnyRadek(int radek) const {
    for (const auto& bunka : Radek(radek))
        if (!bunka.empty())
            return false;
    return true;
}

void TTabulkaTextu::InicializujTabulku() {
    radky_.assign(1, TRadek(hlavicka_.size()));
    oddelovac_ = 0;
}

void TTabulkaTextu::PridejRadek() {
    radky_.emplace_back(hlavicka_.size());
}

bool TTabulkaTextu::VymazVybranyRadek() {
    if (vybranyRadek_ < 1 || vybranyRadek_ > PocetRadku())
        return false;
    if (PocetRadku() == 1)
        InicializujTabulku();
    else
        radky_.erase(radky_.begin() + (vybranyRadek_ - 1));
    return true;
}

void TTabulkaTextu::VyberBunku(int radek, int sloupec) {
    vybranyRadek_ = radek;
    vybranySloupec_ = sloupec;
}
