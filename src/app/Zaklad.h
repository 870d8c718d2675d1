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

    // Once the window is shown: a warning for a settings file the program cannot use as it is
    // (a folder, unreadable, no settings in it, a port number out of range). A file that
    // could not be read is then not reported again when the window closes.
    void OhlasNastaveni();

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
    std::string varovaniNastaveni_;     // cp1250, one line each; shown by OhlasNastaveni
    bool nastaveniNelzeZapsat_ = false; // said at the start, not again at the close
    // Declared last: freed first, before the child windows its waiting dialog belongs to.
    std::unique_ptr<TComDriver> driver_;
};
