// The actions of the main window and the menu bar and tool bar bound to them.
#pragma once

class QAction;
class QMenuBar;
class QToolBar;
class QWidget;

// The nine actions, named as the main window names them.
struct TAkceZakladu {
    QAction* A_NacteniDat = nullptr;
    QAction* A_ZapisSouradnicBodu = nullptr;
    QAction* A_ZapisKodu = nullptr;
    QAction* A_Konverze = nullptr;
    QAction* A_NahledMereni = nullptr;
    QAction* A_ParametryKomunikace = nullptr;
    QAction* A_ParametryProFormatMapa2 = nullptr;
    QAction* A_OProgramu = nullptr;
    QAction* A_Konec = nullptr;
};

// Creates the actions with their captions, hints (as status and tool tips), pictures and
// shortcuts, owned by `okno` and added to it so that their shortcuts work.
TAkceZakladu VytvorAkceZakladu(QWidget* okno);

// "Komunikace", "Konverze souboru", "Náhled měření", "Nastavení", "Konec", "O programu", left
// to right. The four commands directly in the bar are items M_Konverze, M_NahledMereni,
// M_Konec and M_OProgramu that trigger their actions.
void PostavMenuZakladu(QMenuBar* lista, const TAkceZakladu& akce);

// A 34-pixel strip of flat 30 x 30 buttons in groups divided by separators.
void PostavNastrojovouListu(QToolBar* lista, const TAkceZakladu& akce);
