// The code table: each code filed under a directory.
#pragma once

#include "upload/TabulkaTextu.h"

class TTabulkaKodu : public TTabulkaTextu {
public:
    enum TSloupec : int { skAdresar = 0, skKod = 1 };
    static constexpr int kPocetSloupcu = 2;

    // Header texts "  Adresář", "  Kód".
    TTabulkaKodu();
};
