#include "OknaZapisu.h"

std::unique_ptr<TComDriver> DriverBezStanice(TZpravy& zpravy) {
    TProstrediKomunikace prostredi;
    prostredi.Zpravy = &zpravy;
    return std::make_unique<TComDriver>(std::move(prostredi));
}
