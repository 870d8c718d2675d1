// Tool-bar buttons as every window of the program has them: flat, 30 x 30, named SB_ after
// their action (A_Konverze gives SB_Konverze).
#pragma once

class QAction;
class QToolBar;

void PridejTlacitko(QToolBar* lista, QAction* akce);
