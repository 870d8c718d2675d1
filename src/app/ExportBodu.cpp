#include "app/ExportBodu.h"

#include "common/Cp1250.h"
#include "export/qt/ExportSouradnic.h"
#include "survey/SeznamZTabulky.h"
#include "ui/ZpravyOken.h"
#include "upload/qt/ZapisSouradnicBodu.h"

void ExportTabulkyBodu(TFormZapisSouradnicBodu& okno) {
    const TSeznamZTabulky seznam = SeznamZTabulky(okno.Body());
    if (!seznam.Chyba.empty()) {
        okno.Mrizka()->UkazBunku(seznam.Radek, seznam.Sloupec);
        TZpravyOken(&okno).Zprava(TDruhZpravy::dzChyba, Cz("Export se neprovedl. ") + seznam.Chyba);
        return;
    }
    ExportujSouradnice(seznam.Body, &okno);
}
