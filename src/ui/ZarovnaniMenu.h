// Right-justified items of a menu bar, as the main window puts "O programu" at the far right.
#pragma once

class QMenuBar;

// Puts the item at `pozice` (from 0) and every item after it at the right end of the bar.
// False when there is no bar or no item at that position.
bool ZarovnejMenuVpravo(QMenuBar* lista, int pozice);
