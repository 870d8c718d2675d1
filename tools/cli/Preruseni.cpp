#include "Preruseni.h"

#include <atomic>
#include <csignal>
#include <vector>

namespace {

std::atomic<int> signal_{0};
using TObsluha = void (*)(int);
std::vector<TObsluha> predchozi;

extern "C" void NaPreruseni(int cislo) {
    int zadny = 0;
    signal_.compare_exchange_strong(zadny, cislo); // the first one tells why
}

} // namespace

TPreruseni::TPreruseni() {
    signal_.store(0);
    predchozi.clear();
    for (const int cislo : SignalyUkonceni())
        predchozi.push_back(std::signal(cislo, NaPreruseni));
}

TPreruseni::~TPreruseni() {
    const auto& signaly = SignalyUkonceni();
    for (std::size_t i = 0; i < signaly.size() && i < predchozi.size(); ++i)
        std::signal(signaly[i], predchozi[i] == SIG_ERR ? SIG_DFL : predchozi[i]);
}

bool TPreruseni::Preruseno() {
    return signal_.load() != 0;
}

int TPreruseni::Signal() {
    return signal_.load();
}
