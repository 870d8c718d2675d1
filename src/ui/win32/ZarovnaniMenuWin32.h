// Right-justifying an item of a native Win32 menu bar, for windows whose menu is a system
// menu. Qt draws its own menu bars on every system, so the program's main window uses
// ui/ZarovnaniMenu.h instead.
#pragma once

#include <windows.h>

// Marks the item at `pozice` (from 0) right-justified, so that it and all after it stand at
// the right end, and redraws the window's bar. False when `menu` is no menu or the item
// cannot be read.
bool ZarovnejMenuVpravo(HMENU menu, HWND okno, UINT pozice);
