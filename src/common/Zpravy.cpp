#include "common/Zpravy.h"

#include "common/Cp1250.h"

std::string TitulekZpravy(TDruhZpravy druh) {
    switch (druh) {
    case TDruhZpravy::Chyba:
        return "Chyba";
    case TDruhZpravy::Informace:
        return "Informace";
    case TDruhZpravy::Varovani:
        return Cz("Varování");
    case TDruhZpravy::Vyjimka:
        break;
    }
    return "Merivox 2.0";
}
