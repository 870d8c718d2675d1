#include "common/Radky.h"

std::vector<std::string_view> RadkyTextu(std::string_view text) {
    std::vector<std::string_view> radky;
    std::size_t zacatek = 0;
    while (const auto radek = PrvniRadek(text.substr(zacatek))) {
        radky.push_back(radek->Text);
        zacatek += radek->Dalsi;
    }
    return radky;
}
