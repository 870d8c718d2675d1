#include "survey/qt/ModelNahledu.h"

QStringList SloupceMereni() {
    return {QString::fromUtf8("Číslo"),
            QString::fromUtf8("Kód"),
            "Hz [g]",
            "V [g]",
            "SD [m]",
            "hd [m]",
            "dh [m]",
            "Y [m]",
            "X [m]",
            "Z [m]",
            QString::fromUtf8("Poznámka")};
}

QStringList SloupceOrientace() {
    return {QString::fromUtf8("Stanice / bod"), "Oprava [g]", "Odchylka [cc]",
            QString::fromUtf8("Příčně [mm]"), QString::fromUtf8("Délka [mm]")};
}
