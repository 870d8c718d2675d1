#include "upload/TabulkaKodu.h"

#include "common/Cp1250.h"

TTabulkaKodu::TTabulkaKodu() : TTabulkaTextu({Cz("  Adresář"), Cz("  Kód")}) {}
