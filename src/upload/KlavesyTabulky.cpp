#include "upload/KlavesyTabulky.h"

TAkceKlavesy StringGridKeyUp(int klavesa, unsigned modifikatory) {
    if (klavesa == kKlavesaInsert)
        return TAkceKlavesy::akPridejRadek;
    if (klavesa == kKlavesaDelete && modifikatory == mdCtrl)
        return TAkceKlavesy::akVymazRadek;
    return TAkceKlavesy::akZadna;
}
