// PROJ linked into the program: the table holds its functions.
#include "export/proj/FunkceProj.h"

const TFunkceProj* NactiProj(std::string&) {
    static const TFunkceProj funkce = [] {
        TFunkceProj f;
#define MERIVOX_PRIRAD_PROJ(jmeno) f.jmeno = &::jmeno;
        MERIVOX_FUNKCE_PROJ(MERIVOX_PRIRAD_PROJ)
#undef MERIVOX_PRIRAD_PROJ
        return f;
    }();
    return &funkce;
}
