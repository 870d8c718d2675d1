// The point window "Zápis souřadnic bodů": the point table in a grid, the ASC point files and
// the point upload with the swap box.
#pragma once

#include "upload/TabulkaBodu.h"
#include "upload/qt/OknoZapisu.h"

#include <functional>

class QCheckBox;
class QPushButton;

class TFormZapisSouradnicBodu : public TFormZapisTabulky {
    Q_OBJECT
public:
    TFormZapisSouradnicBodu(QWidget* rodic, TComDriver& driver);

    TTabulkaBodu& Body() { return static_cast<TTabulkaBodu&>(Tabulka()); }

    QCheckBox* CB_ProhozeniXY;
    // "Exportovat…", shown once OnExport is set: the export lives in another wing, so the
    // main window hands it in.
    QPushButton* Tl_Export;
    void NastavOnExport(std::function<void()> OnExport);

protected:
    bool NactiSoubor(const std::filesystem::path& soubor) override;
    bool UlozSoubor(const std::filesystem::path& soubor) override;
    std::string ObsahSouboru() const override;
    std::optional<std::string> PripravZapis() override;
    void done(int vysledek) override;

private:
    std::function<void()> OnExport_;
};
