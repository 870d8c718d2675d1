// What the point window and the code window share: the tool bar, the grid over the table,
// the file commands and the send with its progress. The two windows add their own table,
// file format, upload text and extras (the swap box, the code tree).
#pragma once

#include "link/Komunikace.h"
#include "link/PrevzetiUdalosti.h"
#include "ui/ZpravyOken.h"
#include "upload/qt/MrizkaTabulky.h"

#include <QDialog>
#include <QStringList>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QCloseEvent;
class QLabel;
class QToolBar;
class QVBoxLayout;

// The texts that differ between the two windows (UTF-8 in the source).
struct TTextyOknaZapisu {
    const char* Titulek;           // the window caption
    const char* JmenoPridej;       // "A_PridejBod"
    const char* TitulekPridej;     // "&Přidej bod"
    const char* NapovedaPridej;    // "Přídání dalšího bodu"
    const char* JmenoVymaz;        // "A_VymazBod"
    const char* TitulekVymaz;      // "&Vymaž bod"
    const char* NapovedaVymaz;     // "Vymazání vybraného bodu"
    const char* NapovedaOtevri;    // the open action's tool tip
    QStringList Filtry;            // the file dialogs' name filters
    const char* Pripona;           // default suffix
    std::vector<int> SirkySloupcu; // grid column widths
};

class TFormZapisTabulky : public QDialog {
    Q_OBJECT
public:
    ~TFormZapisTabulky() override;

    // Actions in tool bar order.
    QAction* A_OtevriSoubor;
    QAction* A_UlozDoSouboru;
    QAction* A_Pridej;
    QAction* A_Vymaz;
    QAction* A_ZapisDat;
    QAction* A_Konec;

    TMrizkaTabulky* Mrizka() const { return StringGrid; }
    // "12 / 250" while a send runs and after it succeeded, beside its caption; empty before
    // the first send, while a new one starts and after a failed one.
    QString TextPrubehu() const;
    // "Oddělovač polí v souboru: mezera" after a file was opened that is not split at commas;
    // empty otherwise, and again after the table was saved (as commas).
    QString TextOddelovace() const;

public slots:
    void A_OtevriSouborExecute();
    void A_UlozDoSouboruExecute();
    void A_PridejExecute();
    void A_VymazExecute();
    void A_ZapisDatExecute();

protected:
    TFormZapisTabulky(QWidget* rodic, TComDriver& driver, std::unique_ptr<TTabulkaTextu> tabulka,
                      const TTextyOknaZapisu& texty);

    TTabulkaTextu& Tabulka() { return *tabulka_; }
    const TTabulkaTextu& Tabulka() const { return *tabulka_; }
    QVBoxLayout* Rozvrzeni() const { return rozvrzeni_; }
    TZpravy& Zpravy() { return zpravy_; }

    // The window's own file format and upload text.
    virtual bool NactiSoubor(const std::filesystem::path& soubor) = 0;
    virtual bool UlozSoubor(const std::filesystem::path& soubor) = 0;
    // What a save would write now: the table's content as far as a file keeps it.
    virtual std::string ObsahSouboru() const = 0;
    virtual std::optional<std::string> PripravZapis() = 0;
    // Runs after every key release in the grid, every deletion and every open (the code
    // window rebuilds its tree there).
    virtual void PoZmeneTabulky() {}

    // Closing, in whatever way: the driver gets its handlers back. Subclasses add their own
    // closing steps and call this.
    void done(int vysledek) override;
    void keyPressEvent(QKeyEvent* udalost) override;
    // Closing by the button, the title bar or Alt+F4: a changed table is not thrown away
    // without asking.
    void closeEvent(QCloseEvent* udalost) override;

    TMrizkaTabulky* StringGrid;

private:
    void StringGridKeyUp(int klavesa, unsigned modifikatory);
    void PrevezmiUdalosti();
    void VratUdalosti();
    void KonecZapisu(TComDriver& sender, TMnozinaPrikazu typPrikazu);
    void ChybaZapisu(TComDriver& sender);
    void Prubeh(int potvrzeno, int celkem);
    void KonecPrubehu();
    void ZrusPrubeh();
    void UkazOddelovac(char oddelovac);
    std::filesystem::path VolbaSouboru(bool ulozit);
    // Saves through the dialog; true when the file was written.
    bool Uloz();
    // Whether the table differs from what was last loaded or saved.
    bool Zmeneno() const;
    // Save / discard / go back for a changed table before it is closed (`zavreni`) or
    // replaced by a file; true when the table may go.
    bool MuzeOdejit(bool zavreni);
    // Asks before the selected row goes when it holds anything; true when it may go.
    bool MuzeVymazat();

    TComDriver& driver_;
    std::unique_ptr<TTabulkaTextu> tabulka_;
    TTextyOknaZapisu texty_;
    TZpravyOken zpravy_{this};
    QVBoxLayout* rozvrzeni_;
    QToolBar* lista_;
    QLabel* L_PopisPrubehu;
    QLabel* L_Prubeh;
    QLabel* L_Oddelovac;
    // The table's content when it was last loaded or saved (an empty table at first).
    std::string ulozeno_;

    // From the window's first send until it closes, the driver's events are the window's.
    std::optional<TPrevzetiUdalosti> prevzeti_;
};
