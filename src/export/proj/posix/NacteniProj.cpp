// PROJ loaded on first use by the name of the library the program was built against
// (MERIVOX_PROJ_KNIHOVNA, its soname); the Debian package depends on that library.
#include "export/proj/FunkceProj.h"

#include "common/Cp1250.h"

#include <dlfcn.h>

namespace {

struct TNacteni {
    TFunkceProj Funkce;
    std::string Chyba; // empty: loaded
};

TNacteni Nacti() {
    TNacteni n;
    void* knihovna = dlopen(MERIVOX_PROJ_KNIHOVNA, RTLD_NOW | RTLD_LOCAL);
    if (!knihovna) {
        const char* proc = dlerror();
        n.Chyba = Cz("Knihovna PROJ (" MERIVOX_PROJ_KNIHOVNA
                     ") není nainstalována a bez ní nelze převést souřadnice do WGS 84 "
                     "pro GeoJSON a KML") +
                  (proc ? Cz(": ") + Utf8NaCp1250(proc) : std::string()) +
                  Cz(". Nainstalujte ji (balíček libproj) a export opakujte.");
        return n;
    }
    // The library stays loaded for the rest of the run: the table points into it.
#define MERIVOX_NAJDI_PROJ(jmeno)                                                                  \
    n.Funkce.jmeno = reinterpret_cast<decltype(n.Funkce.jmeno)>(dlsym(knihovna, #jmeno));          \
    if (!n.Funkce.jmeno && n.Chyba.empty())                                                        \
        n.Chyba = Cz("Knihovna PROJ (" MERIVOX_PROJ_KNIHOVNA ") nemá funkci " #jmeno               \
                     "; je příliš stará?");
    MERIVOX_FUNKCE_PROJ(MERIVOX_NAJDI_PROJ)
#undef MERIVOX_NAJDI_PROJ
    return n;
}

} // namespace

const TFunkceProj* NactiProj(std::string& chyba) {
    static const TNacteni nacteni = Nacti();
    if (!nacteni.Chyba.empty()) {
        chyba = nacteni.Chyba;
        return nullptr;
    }
    return &nacteni.Funkce;
}
