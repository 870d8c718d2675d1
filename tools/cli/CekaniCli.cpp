#include "CekaniCli.h"

#include "Linka.h"

#include "common/Cp1250.h"

#include <chrono>

TCekaniCli::TCekaniCli(TLinkaCli& linka) : linka_(linka) {
    linka_.TextCekani = Cz("Čekám na data z totální stanice");
}

bool TCekaniCli::UkazModalne() {
    std::size_t prijato = 0;
    auto posledni = std::chrono::steady_clock::now();
    while (!zavreno_) {
        linka_.UkazPrubehCekani();
        if (TPreruseni::Preruseno())
            return true;
        const std::size_t ted = linka_.Driver().PrijataData().size();
        if (ted != prijato) {
            prijato = ted;
            posledni = std::chrono::steady_clock::now();
        } else if (prijato > 0 && linka_.TichoKonce &&
                   std::chrono::steady_clock::now() - posledni >= *linka_.TichoKonce) {
            return true; // the station has finished: ended as the button ends it
        }
        linka_.Obsluz([this] { return zavreno_; }, kKrokSmycky);
    }
    return false;
}

void TCekaniCli::NastavText(const std::string& text) {
    linka_.TextCekani = text;
}
