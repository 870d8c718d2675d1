#include "OknaZapisu.h"

#include "link/qt/CasovacQt.h"
#include "serial/qt/SpQtSyncUi.h"

namespace {
// Uploads never download; a download started by mistake ends at once as aborted.
class TBezCekani : public TCekaniNaData {
public:
    bool UkazModalne() override { return true; }
    void NastavText(const std::string&) override {}
    void Zavri() override {}
};
} // namespace

std::unique_ptr<TComDriver> DriverTestu(TZpravy& zpravy, const std::filesystem::path& zarizeni) {
    // Port events reach this thread through the Qt event loop, as in the program.
    static TSpQtSyncUi* ui = [] {
        auto* novy = new TSpQtSyncUi;
        TSpSyncCallTable::Global().SetUi(novy);
        return novy;
    }();
    (void)ui;
    TProstrediKomunikace prostredi;
    prostredi.VytvorCekani = [] {
        return std::make_unique<TBezCekani>();
    };
    prostredi.VytvorCasovac = [] {
        return std::make_unique<TCasovacQt>();
    };
    prostredi.Zpravy = &zpravy;
    auto driver = std::make_unique<TComDriver>(std::move(prostredi));
    driver->Port().SetDevicePath(zarizeni.string());
    return driver;
}
