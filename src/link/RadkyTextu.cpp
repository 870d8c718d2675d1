#include "link/RadkyTextu.h"

std::vector<std::string> RozdelNaRadky(const std::string& text) {
    std::vector<std::string> radky;
    size_t zacatek = 0;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        radky.push_back(text.substr(zacatek, i - zacatek));
        i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        zacatek = i;
    }
    if (zacatek < text.size())
        radky.push_back(text.substr(zacatek));
    return radky;
}
