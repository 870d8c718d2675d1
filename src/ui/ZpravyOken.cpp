#include "ui/ZpravyOken.h"

#include "ui/Texty.h"

#include <QApplication>

namespace {
TObsluhaZprav& Obsluha() {
    static TObsluhaZprav obsluha;
    return obsluha;
}
} // namespace

QMessageBox::StandardButton UkazZpravu(QWidget* rodic, const TZpravaOkna& zprava) {
    if (const auto& obsluha = Obsluha())
        return obsluha(rodic, zprava);
    QMessageBox box(zprava.ikona, zprava.titulek, zprava.text, zprava.tlacitka,
                    rodic ? rodic : QApplication::activeWindow());
    return QMessageBox::StandardButton(box.exec());
}

TObsluhaZprav NastavObsluhuZprav(TObsluhaZprav obsluha) {
    std::swap(Obsluha(), obsluha);
    return obsluha;
}

TZpravaOkna ZpravaDruhu(TDruhZpravy druh, const QString& text) {
    QMessageBox::Icon ikona = QMessageBox::Critical; // errors and the default error box
    if (druh == TDruhZpravy::dzInformace)
        ikona = QMessageBox::Information;
    else if (druh == TDruhZpravy::dzVarovani)
        ikona = QMessageBox::Warning;
    return {ZCp1250(TitulekZpravy(druh)), text, ikona, QMessageBox::Ok};
}

TZpravaOkna OtazkaAnoNe(const QString& titulek, const QString& text) {
    return {titulek, text, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No};
}

TZpravaOkna OtazkaNeulozeno(const QString& text) {
    TZpravaOkna otazka = ZpravaDruhu(TDruhZpravy::dzVarovani, text);
    otazka.ikona = QMessageBox::Question;
    otazka.tlacitka = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    return otazka;
}

void TZpravyOken::Zprava(TDruhZpravy druh, const std::string& text) {
    UkazZpravu(rodic_, ZpravaDruhu(druh, ZCp1250(text)));
}

bool TZpravyOken::OtazkaAnoNe(const std::string& caption, const std::string& text) {
    return UkazZpravu(rodic_, ::OtazkaAnoNe(ZCp1250(caption), ZCp1250(text))) == QMessageBox::Yes;
}
