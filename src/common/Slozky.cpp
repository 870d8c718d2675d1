#include "common/Slozky.h"

#include <mutex>

namespace {
std::mutex gZamek;
std::filesystem::path gPrepsanaCesta;
} // namespace

std::filesystem::path SlozkaProgramu() {
    return platforma::CestaProgramu().parent_path();
}

bool JeInstalovanaKopie(const std::filesystem::path& slozkaProgramu) {
    std::error_code ec;
    return slozkaProgramu.filename() == "bin" &&
           std::filesystem::is_directory(slozkaProgramu.parent_path() / "share" / "merivox", ec);
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
    if (!JeInstalovanaKopie(folder) && platforma::LzeZapisovat(folder))
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
    if (JeInstalovanaKopie(folder)) {
        const auto data = platforma::DomovskaSlozka() / "Data";
        std::filesystem::create_directories(data, ec);
        return std::filesystem::is_directory(data, ec) ? data : platforma::DomovskaSlozka();
    }
    if (std::filesystem::is_directory(folder / "Data", ec))
        return folder / "Data";
    if (platforma::LzeZapisovat(folder))
        return folder;
    return platforma::DomovskaSlozka();
}
