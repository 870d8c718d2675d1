// The point table: number, the two plane coordinates, height and note, in the grid's order.
#pragma once

#include "upload/TabulkaTextu.h"

class TTabulkaBodu : public TTabulkaTextu {
public:
    enum TSloupec : int { sbCislo = 0, sbY = 1, sbX = 2, sbZ = 3, sbPoznamka = 4 };
    static constexpr int kPocetSloupcu = 5;

    // Header texts "  Číslo", "  Y (N)", "  X (E)", "  Z", "  Poznámka".
    TTabulkaBodu();
};
