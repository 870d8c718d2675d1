// Message boxes. Every message box of the program goes through UkazZpravu, so that the tests
// can record and answer them all in one place; logic reaches it through TZpravyOken.
#pragma once

#include "common/Zpravy.h"

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

// One message box: caption, text, icon and the standard buttons it offers.
struct TZpravaOkna {
    QString titulek;
    QString text;
    QMessageBox::Icon ikona = QMessageBox::NoIcon;
    QMessageBox::StandardButtons tlacitka = QMessageBox::Ok;
};

// Shows the box modally over `rodic` (over the active window when null) and returns the
// button pressed; Escape gives No for a question and Ok for a message.
QMessageBox::StandardButton UkazZpravu(QWidget* rodic, const TZpravaOkna& zprava);

// While set, UkazZpravu hands every message to `obsluha` instead of showing a box and returns
// its answer (the tests' recorder). An empty function restores the boxes. Returns the
// previous handler.
using TObsluhaZprav =
    std::function<QMessageBox::StandardButton(QWidget* rodic, const TZpravaOkna& zprava)>;
TObsluhaZprav NastavObsluhuZprav(TObsluhaZprav obsluha);

// The boxes of each kind of message, captioned by TitulekZpravy.
TZpravaOkna ZpravaDruhu(TDruhZpravy druh, const QString& text);
TZpravaOkna OtazkaAnoNe(const QString& titulek, const QString& text);
// Data that exist only in a window are about to go: "Varování" with Save, Discard and Cancel.
TZpravaOkna OtazkaNeulozeno(const QString& text);

// Logic's messages as message boxes over a window; texts arrive in cp1250.
class TZpravyOken : public TZpravy {
public:
    explicit TZpravyOken(QWidget* rodic = nullptr) : rodic_(rodic) {}
    void Zprava(TDruhZpravy druh, const std::string& text) override;
    bool OtazkaAnoNe(const std::string& caption, const std::string& text) override;

private:
    QWidget* rodic_;
};
