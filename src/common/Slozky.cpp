#include "common/Slozky.h"

#include <mutex>

namespace {
std::mutex gZamek;
std::filesystem::path gPrepsanaCesta;
} // namespace

std::filesystem::path SlozkaProgramu() {
    return platforma::CestaProgramu().parent_path();
}

std::filesystem::path CestaNastaveni() {
    {
        std::lock_guard lock(gZamek);
        if (!gPrepsanaCesta.empty())
            return gPrepsanaCesta;
    }
    return CestaNastaveniVe(SlozkaProgramu());
}

std::filesystem::path CestaNastaveniVe(const std::filesystem::path& folder) {
    if (platforma::LzeZapisovat(folder))
        return folder / "Merivex.ini";
    const auto user = platforma::SlozkaUzivatelskehoNastaveni();
    std::error_code ec;
    std::filesystem::create_directories(user, ec);
    return user / "Merivex.ini";
}

void PrepisCestuNastaveni(const std::filesystem::path& path) {
    std::lock_guard lock(gZamek);
    gPrepsanaCesta = path;
}

std::filesystem::path VychoziSlozkaDat() {
    return SlozkaDatVe(SlozkaProgramu());
}

std::filesystem::path SlozkaDatVe(const std::filesystem::path& folder) {
    std::error_code ec;
    if (std::filesystem::is_directory(folder / "Data", ec))
        return folder / "Data";
    if (platforma::LzeZapisovat(folder))
        return folder;
    return platforma::DomovskaSlozka();
}
