// The main window: menu, tool bar, the picture and the status bar. Every command opens a
// window or starts a station command of its own feature; the main window only routes the
// actions and, later, owns the station link driver.
#pragma once

#include "app/ZakladAkce.h"
#include "ui/ZpravyOken.h"

#include <QMainWindow>

class TFormZaklad : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormZaklad(QWidget* rodic = nullptr);

protected:
    void closeEvent(QCloseEvent* udalost) override;
    QMenu* createPopupMenu() override { return nullptr; } // the tool bar stays

private slots:
    // One per action. Those without a body yet belong to features still to come.
    void A_NacteniDatExecute();
    void A_ZapisSouradnicBoduExecute();
    void A_ZapisKoduExecute();
    void A_KonverzeExecute();
    void A_ParametryKomunikaceExecute();
    void A_ParametryProFormatMapa2Execute();
    void A_OProgramuExecute();
    void A_KonecExecute();
    // A second start of the program asks this one to come to the front.
    void ObnovAplikaci();

private:
    void UlozNastaveni();

    TAkceZakladu akce_;
    TZpravyOken zpravy_{this};
};
