#include "ui/win32/ZarovnaniMenuWin32.h"

bool ZarovnejMenuVpravo(HMENU menu, HWND okno, UINT pozice) {
    if (!IsMenu(menu))
        return false;
    MENUITEMINFOA polozka{};
    polozka.cbSize = sizeof polozka;
    polozka.fMask = MIIM_FTYPE;
    if (!GetMenuItemInfoA(menu, pozice, TRUE, &polozka))
        return false;
    polozka.fType |= MFT_RIGHTJUSTIFY;
    SetMenuItemInfoA(menu, pozice, TRUE, &polozka);
    DrawMenuBar(okno);
    return true;
}
