#include "conversion/KonverzeRozhrani.h"

#include "conversion/TextyKonverze.h"

void TKonverzeRozhrani::PoskozenaData(std::size_t /*radek*/) {
    Zpravy().Zprava(TDruhZpravy::dzVarovani, TextPoskozenaData());
}
