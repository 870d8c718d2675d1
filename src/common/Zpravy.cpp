#include "common/Zpravy.h"

#include "common/Cp1250.h"

std::string TitulekZpravy(TDruhZpravy druh) {
    switch (druh) {
    case TDruhZpravy::dzChyba:
        return "Chyba";
    case TDruhZpravy::dzInformace:
        return "Informace";
    case TDruhZpravy::dzVarovani:
        return Cz("Varování");
    case TDruhZpravy::dzVyjimka:
        break;
    }
    return "Merivox 2.0";
}
