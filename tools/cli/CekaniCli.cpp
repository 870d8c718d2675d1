#include "CekaniCli.h"

#include "Linka.h"

#include "common/Cp1250.h"

TCekaniCli::TCekaniCli(TLinkaCli& linka) : linka_(linka) {
    linka_.TextCekani = Cz("Čekám na data z totální stanice");
}

bool TCekaniCli::UkazModalne() {
    while (!zavreno_) {
        linka_.UkazPrubehCekani();
        if (TPreruseni::Preruseno())
            return true;
        linka_.Obsluz([this] { return zavreno_; }, kKrokSmycky);
    }
    return false;
}

void TCekaniCli::NastavText(const std::string& text) {
    linka_.TextCekani = text;
}
