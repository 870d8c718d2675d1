// The other end of the cable on POSIX: the simulated station on a pseudo-terminal.
#include "serial/TestLinka.h"

#include "SimStanice.h"

namespace {

class TPtyLinka final : public TTestLinka {
public:
    TPtyLinka() : stanice_(Nastaveni()) {}
    std::string Zarizeni() const override { return stanice_.Cesta(); }
    std::string ChybejiciZarizeni() const override { return "/dev/merivox-no-such-tty"; }
    bool Posli(const std::string& bytes) override { return stanice_.PosliHned(bytes); }
    std::string Prijmi(std::chrono::milliseconds limit, size_t pocet) override {
        return stanice_.Prijmi(limit, pocet);
    }
    bool Pripojeno() const override { return stanice_.Pripojeno(); }
    void Zaves() override { stanice_.Zaves(); }

private:
    static TSimNastaveni Nastaveni() {
        TSimNastaveni n;
        n.Baud = 0;
        return n;
    }
    TSimStanice stanice_;
};

} // namespace

std::unique_ptr<TTestLinka> VytvorTestLinku() {
    return std::make_unique<TPtyLinka>();
}
