// One export of the coordinate list: the format's bytes, or why the export is refused. The
// point window, the measurement view and merivox-cli all export through here.
#pragma once

#include "export/FormatExportu.h"
#include "export/ZapisDxf.h"
#include "survey/SeznamSouradnic.h"

#include <string>

struct TVolbyExportu {
    TOsyDxf OsyDxf = TOsyDxf::odEpsg5514;
    std::string Nazev; // cp1250, the title of a KML document (the file's name)
};

struct TVysledekExportu {
    bool Hotovo = false;
    std::string Obsah; // the file's bytes
    // When refused (cp1250): the first line says what, every further line names one point.
    std::string Chyba;
};

TVysledekExportu Exportuj(const TSeznamSouradnic& body, TFormatExportu format,
                          const TVolbyExportu& volby);
