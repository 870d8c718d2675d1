// The main window: menu, tool bar, the picture and the status bar. Every command opens a
// window or starts a station command of its own feature; the main window routes the actions
// and owns the one station link driver for the whole run.
#pragma once

#include "app/ZakladAkce.h"
#include "ui/ZpravyOken.h"

#include <QMainWindow>

#include <cstdint>
#include <memory>
#include <string>

class TComDriver;

class TFormZaklad : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormZaklad(QWidget* rodic = nullptr);
    ~TFormZaklad() override;

    // The station link driver; the windows of the station commands get it from here. Valid
    // from creation until the window has closed.
    TComDriver& ComDriver() { return *driver_; }

    // Centres the window in `plocha` (the screen's available area), keeping its frame inside;
    // a window larger than the area stands at the area's top-left corner.
    void UmistiNaPlochu(const QRect& plocha);

protected:
    void closeEvent(QCloseEvent* udalost) override;
    QMenu* createPopupMenu() override { return nullptr; } // the tool bar stays

private slots:
    // One per action. Those without a body yet belong to features still to come.
    void A_NacteniDatExecute();
    void A_ZapisSouradnicBoduExecute();
    void A_ZapisKoduExecute();
    void A_KonverzeExecute();
    void A_NahledMereniExecute();
    void A_ParametryKomunikaceExecute();
    void A_ParametryProFormatMapa2Execute();
    void A_OProgramuExecute();
    void A_KonecExecute();
    // A second start of the program asks this one to come to the front.
    void ObnovAplikaci();

private:
    void UlozNastaveni();
    void InstalujDriver();
    // The window's handlers of the driver's two events.
    void KomunikaceOK(TComDriver& sender, std::uint8_t typPrikazu, bool preruseno,
                      const std::string& prijato);
    void KomunikaceErr(TComDriver& sender, std::uint8_t typPrikazu, bool preruseno,
                       const std::string& prijato);
    void UkazNactenaData(const std::string& prijato);

    TAkceZakladu akce_;
    TZpravyOken zpravy_{this};
    // Declared last: freed first, before the child windows its waiting dialog belongs to.
    std::unique_ptr<TComDriver> driver_;
};
