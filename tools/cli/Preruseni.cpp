#include "Preruseni.h"

#include <atomic>
#include <csignal>

namespace {

std::atomic<bool> preruseno{false};
using TObsluha = void (*)(int);
TObsluha predchozi = SIG_DFL;

extern "C" void NaPreruseni(int) {
    preruseno.store(true);
}

} // namespace

TPreruseni::TPreruseni() {
    preruseno.store(false);
    predchozi = std::signal(SIGINT, NaPreruseni);
}

TPreruseni::~TPreruseni() {
    std::signal(SIGINT, predchozi == SIG_ERR ? SIG_DFL : predchozi);
}

bool TPreruseni::Preruseno() {
    return preruseno.load();
}
