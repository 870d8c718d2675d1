// Program file and per-user folders on Linux and other POSIX systems.
#include "common/Slozky.h"

#include <cstdlib>
#include <unistd.h>

namespace platforma {

std::filesystem::path CestaProgramu() {
    std::error_code ec;
    auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() / "merivox" : path;
}

bool LzeZapisovat(const std::filesystem::path& folder) {
    return ::access(folder.c_str(), W_OK) == 0;
}

std::filesystem::path DomovskaSlozka() {
    const char* home = std::getenv("HOME");
    return home && *home ? std::filesystem::path(home) : std::filesystem::temp_directory_path();
}

std::filesystem::path SlozkaUzivatelskehoNastaveni() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const auto base = xdg && *xdg ? std::filesystem::path(xdg) : DomovskaSlozka() / ".config";
    return base / "Merivox";
}

} // namespace platforma
